// Style setters, read back from real windows.
#include <gtest/gtest.h>

#include <string>

#include "host_window.h"
#include "window/style_bits.h"
#include "form/tab_order.h"
#include "window/window_text.h"

namespace mv {
namespace {

using test::Host;

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

}  // namespace
}  // namespace mv
