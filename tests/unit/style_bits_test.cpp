// Style setters, window text and focus hand-over, read back from real windows.
#include <gtest/gtest.h>

#include <string>

#include "window/style_bits.h"

namespace mv {
namespace {

// A visible top-level window with two edit boxes; destroyed at the end of the test.
struct Host {
    HWND top = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
                               200, nullptr, nullptr, nullptr, nullptr);
    HWND a = CreateWindowExA(0, "EDIT", "a", WS_CHILD | WS_VISIBLE, 5, 5, 100, 20, top, nullptr,
                             nullptr, nullptr);
    HWND b = CreateWindowExA(0, "EDIT", "b", WS_CHILD | WS_VISIBLE, 5, 40, 100, 20, top, nullptr,
                             nullptr, nullptr);
    ~Host() { DestroyWindow(top); }
};

TEST(StyleBits, OnlyMinusOneSetsTheBits) {
    Host h;
    struct Case { VARIANT_BOOL on; bool set; };
    const Case cases[] = { { VARIANT_TRUE, true }, { 1, false }, { VARIANT_TRUE, true }, { 0, false } };
    for (const Case& c : cases) {
        SetStyleBit(h.top, WS_CAPTION, c.on);
        LONG style = GetWindowLongA(h.top, GWL_STYLE);
        EXPECT_EQ(c.set ? WS_CAPTION : 0, style & WS_CAPTION) << "on = " << c.on;
        EXPECT_NE(0, style & WS_THICKFRAME) << "other bits stay";
    }
}

TEST(StyleBits, ExtendedStyleAndFrameRefresh) {
    Host h;
    RECT before{}, after{};
    GetClientRect(h.top, &before);
    SetStyleBit(h.top, WS_CAPTION, VARIANT_FALSE);
    GetClientRect(h.top, &after);
    EXPECT_GT(after.bottom, before.bottom) << "the frame was recomputed without the caption";

    SetExStyleBit(h.top, WS_EX_TOOLWINDOW, VARIANT_TRUE);
    EXPECT_NE(0, GetWindowLongA(h.top, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    SetExStyleBit(h.top, WS_EX_TOOLWINDOW, 1);
    EXPECT_EQ(0, GetWindowLongA(h.top, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST(StyleBits, NoWindowChangesNothing) {
    HWND gone = CreateWindowExA(0, "STATIC", "x", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    SetStyleBit(gone, WS_CAPTION, VARIANT_TRUE);
    SetExStyleBit(nullptr, WS_EX_TOPMOST, VARIANT_TRUE);
    EXPECT_EQ(L"", GetWindowCaption(gone));
    EXPECT_EQ(L"", GetWindowCaption(nullptr));
    FocusWindow(gone);
    FocusWindow(nullptr);
}

TEST(WindowCaption, LongTextReadsBackAs254Characters) {
    Host h;
    struct Case { size_t set, read; };
    const Case cases[] = { { 0, 0 }, { 1, 1 }, { 254, 254 }, { 255, 254 }, { 300, 254 }, { 1 << 20, 254 } };
    for (const Case& c : cases) {
        std::string text(c.set, 'x');
        SetWindowTextA(h.top, text.c_str());
        std::wstring got = GetWindowCaption(h.top);
        EXPECT_EQ(c.read, got.size()) << "set " << c.set;
        EXPECT_EQ(std::wstring(c.read, L'x'), got);
    }
    SetWindowTextA(h.a, "caf\xe9");  // the system code page crosses to UTF-16
    EXPECT_EQ(L"caf\u00e9", GetWindowCaption(h.a));
}

TEST(FocusWindow, MovesTheFocusToVisibleWindowsOnly) {
    Host h;
    SetForegroundWindow(h.top);
    FocusWindow(h.a);
    EXPECT_EQ(h.a, GetFocus());
    FocusWindow(h.b);
    EXPECT_EQ(h.b, GetFocus());

    ShowWindow(h.a, SW_HIDE);
    FocusWindow(h.a);
    EXPECT_EQ(h.b, GetFocus()) << "a hidden window does not take the focus";
    FocusWindow(nullptr);
    EXPECT_EQ(h.b, GetFocus());
}

}  // namespace
}  // namespace mv
