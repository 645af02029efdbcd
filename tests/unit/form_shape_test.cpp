// Form shaping as the window shows it: styles, extended styles, system-menu items, layered
// attributes, named window properties and texts, read back from the window itself.
#include <gtest/gtest.h>

#include <string>

#include "form_fixture.h"
#include "window/window_props.h"

using namespace test;

namespace {

LONG Style(HWND w) { return GetWindowLongA(w, GWL_STYLE); }
LONG ExStyle(HWND w) { return GetWindowLongA(w, GWL_EXSTYLE); }

UINT MenuIdOf(HWND w, UINT command) {
    HMENU menu = GetSystemMenu(w, FALSE);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        UINT id = GetMenuItemID(menu, i);
        if (id == command || id == (command & 0x7FFF)) return id;
    }
    return 0;
}

struct FlagCase {
    const wchar_t* member;
    LONG mask;
    bool exStyle;
    bool setMeansMask;  // false: the flag reads 1 while the bits are clear
    long initial;       // as a new form reads it
};

const FlagCase kFlagCases[] = {
    { L"TitleBar",      WS_CAPTION,       false, true,  1 },
    { L"Resizeable",    WS_THICKFRAME,    false, true,  1 },
    { L"Enable",        WS_DISABLED,      false, false, 1 },
    { L"TopMost",       WS_EX_TOPMOST,    true,  true,  0 },
    { L"ShowInTaskbar", WS_EX_TOOLWINDOW, true,  false, 1 },
};

struct FormShape : FormTest {
    LONG bits(const FlagCase& c) const { return (c.exStyle ? ExStyle(hwnd) : Style(hwnd)) & c.mask; }
};

TEST_F(FormShape, FlagPropertiesSetAndReadTheirStyleBits) {
    EXPECT_EQ(WS_OVERLAPPEDWINDOW, Style(hwnd) & WS_OVERLAPPEDWINDOW) << "a new form";
    const long values[] = { 0, 1, 0, -1, 0, 7, 0x7FFFFFFF, static_cast<long>(0x80000000) };
    for (const FlagCase& c : kFlagCases) {
        EXPECT_EQ(c.initial, GetLong(form, c.member)) << c.member << " of a new form";
        for (long v : values) {
            ASSERT_EQ(S_OK, Put(form, c.member, Arg(v)).hr);
            bool on = v != 0;
            EXPECT_EQ(on == c.setMeansMask ? c.mask : 0, bits(c)) << c.member << " = " << v;
            EXPECT_EQ(on ? 1 : 0, GetLong(form, c.member)) << c.member << " = " << v;
        }
    }
}

TEST_F(FormShape, TitleBarAndResizeableChangeTheFrameAndTheSizeItem) {
    RECT client{};
    GetClientRect(hwnd, &client);
    LONG clientHeight = client.bottom;
    Put(form, L"TitleBar", Arg(0));
    EXPECT_EQ(0, Style(hwnd) & (WS_BORDER | WS_DLGFRAME)) << "both caption bits cleared";
    GetClientRect(hwnd, &client);
    EXPECT_GT(client.bottom, clientHeight) << "the frame was recomputed";

    Put(form, L"Resizeable", Arg(0));
    EXPECT_EQ(0x7000u, MenuIdOf(hwnd, SC_SIZE)) << "the Size item is disabled";
    Put(form, L"Resizeable", Arg(1));
    EXPECT_EQ(static_cast<UINT>(SC_SIZE), MenuIdOf(hwnd, SC_SIZE));
}

TEST_F(FormShape, CaptionIsTheWindowTextReadThroughA255CharacterBuffer) {
    EXPECT_EQ(L"Caption of shape", GetText(form, L"Caption"));
    struct Case { size_t set, read; };
    const Case cases[] = { { 0, 0 }, { 12, 12 }, { 254, 254 }, { 300, 254 }, { 1 << 20, 254 } };
    for (const Case& c : cases) {
        std::wstring text(c.set, L'q');
        ASSERT_EQ(S_OK, Put(form, L"Caption", Arg(text)).hr);
        char raw[512] = {};
        EXPECT_EQ(static_cast<int>(std::min<size_t>(c.set, 511)), GetWindowTextA(hwnd, raw, sizeof raw))
            << "the window holds the whole text";
        EXPECT_EQ(std::wstring(c.read, L'q'), GetText(form, L"Caption")) << "set " << c.set;
    }
}

TEST_F(FormShape, LayeredSetsTheAlphaAndEndsLayeringOutside0To99) {
    EXPECT_EQ(100, GetLong(form, L"Layered")) << "a new form is opaque";
    struct Case { long set; bool layered; BYTE alpha; long read; };
    const Case cases[] = {
        { 50, true, 128, 50 }, { 0, true, 0, 0 }, { 99, true, 252, 99 }, { 1, true, 3, 1 },
        { 100, false, 0, 100 }, { 33, true, 84, 33 }, { -1, false, 0, 100 },
        { 25, true, 64, 25 }, { 0x7FFFFFFF, false, 0, 100 }, { 10, true, 26, 10 },
        { static_cast<long>(0x80000000), false, 0, 100 },
    };
    for (const Case& c : cases) {
        ASSERT_EQ(S_OK, Put(form, L"Layered", Arg(c.set)).hr);
        EXPECT_EQ(c.layered, (ExStyle(hwnd) & WS_EX_LAYERED) != 0) << "Layered = " << c.set;
        if (c.layered) {
            BYTE alpha = 0;
            DWORD flags = 0;
            ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags));
            EXPECT_EQ(c.alpha, alpha) << "Layered = " << c.set;
            EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags);
        }
        EXPECT_EQ(c.read, GetLong(form, L"Layered")) << "Layered = " << c.set;
    }
    EXPECT_EQ(0, GetLong(form, L"Visible")) << "layering does not show the form";
}

TEST_F(FormShape, WindowStateTakesTheAbsoluteValue) {
    EXPECT_EQ(0, GetLong(form, L"WindowState"));
    struct Case { long set; long read; };
    const Case cases[] = { { 1, 1 }, { 0, 0 }, { 2, 2 }, { 0, 0 }, { 9, 2 }, { -1, 1 }, { -2, 2 },
                           { static_cast<long>(0x80000000), 2 }, { 0, 0 } };
    for (const Case& c : cases) {
        ASSERT_EQ(S_OK, Put(form, L"WindowState", Arg(c.set)).hr);
        EXPECT_EQ(c.read == 1, IsIconic(hwnd) != 0) << "WindowState = " << c.set;
        EXPECT_EQ(c.read == 2, IsZoomed(hwnd) != 0) << "WindowState = " << c.set;
        EXPECT_EQ(c.read, GetLong(form, L"WindowState")) << "WindowState = " << c.set;
    }
    EXPECT_EQ(1, GetLong(form, L"Visible")) << "a show command shows the form";
}

TEST_F(FormShape, MoveableWorksThroughTheMoveItemOrTheMoveLock) {
    EXPECT_EQ(1, GetLong(form, L"Moveable"));
    Put(form, L"Moveable", Arg(0));
    EXPECT_EQ(0x7010u, MenuIdOf(hwnd, SC_MOVE));
    EXPECT_EQ(0, mv::GetWindowValue(hwnd, mv::prop::kNotMoveable)) << "the menu item does it";
    EXPECT_EQ(0, GetLong(form, L"Moveable"));
    Put(form, L"Moveable", Arg(-3));
    EXPECT_EQ(static_cast<UINT>(SC_MOVE), MenuIdOf(hwnd, SC_MOVE));
    EXPECT_EQ(1, GetLong(form, L"Moveable"));

    ASSERT_EQ(S_OK, Call(form, L"ChangeSysMenu", {Arg(0), Arg(0), Arg(0)}).hr);
    Put(form, L"Moveable", Arg(0));
    EXPECT_EQ(1, mv::GetWindowValue(hwnd, mv::prop::kNotMoveable)) << "without a system menu, the lock";
    EXPECT_EQ(0, GetLong(form, L"Moveable"));
    Put(form, L"Moveable", Arg(1));
    EXPECT_EQ(0, mv::GetWindowValue(hwnd, mv::prop::kNotMoveable));
    EXPECT_EQ(1, GetLong(form, L"Moveable"));
}

TEST_F(FormShape, ChangeSysMenuTreatsCloseExactly1Apart) {
    const LONG boxes = WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    ASSERT_EQ(S_OK, Call(form, L"ChangeSysMenu", {Arg(0), Arg(0), Arg(1)}).hr);
    EXPECT_NE(0, Style(hwnd) & WS_SYSMENU);
    EXPECT_EQ(boxes, Style(hwnd) & boxes) << "min and max are not used with close 1";
    EXPECT_EQ(0, mv::GetWindowValue(hwnd, mv::prop::kCloseDeactivated));

    Call(form, L"ChangeSysMenu", {Arg(0), Arg(0), Arg(0)});
    EXPECT_EQ(0, Style(hwnd) & (WS_SYSMENU | boxes)) << "no buttons at all";
    EXPECT_EQ(1, mv::GetWindowValue(hwnd, mv::prop::kCloseDeactivated));
    EXPECT_EQ(0x7020u, MenuIdOf(hwnd, SC_MINIMIZE));
    EXPECT_EQ(0x7030u, MenuIdOf(hwnd, SC_MAXIMIZE));

    Call(form, L"ChangeSysMenu", {Arg(1), Arg(0), Arg(2)});
    EXPECT_NE(0, Style(hwnd) & WS_SYSMENU);
    EXPECT_EQ(WS_MINIMIZEBOX, Style(hwnd) & boxes);
    EXPECT_EQ(1, mv::GetWindowValue(hwnd, mv::prop::kCloseDeactivated)) << "close other than 1";
    EXPECT_EQ(static_cast<UINT>(SC_MINIMIZE), MenuIdOf(hwnd, SC_MINIMIZE));
    EXPECT_EQ(0x7030u, MenuIdOf(hwnd, SC_MAXIMIZE));

    Call(form, L"ChangeSysMenu", {Arg(-1), Arg(5), Arg(1)});
    EXPECT_EQ(0, mv::GetWindowValue(hwnd, mv::prop::kCloseDeactivated));
    EXPECT_EQ(WS_MINIMIZEBOX, Style(hwnd) & boxes) << "close 1 leaves the boxes as they were";
}

TEST_F(FormShape, HwndOwnerMarksTheOwnerWindow) {
    IDispatch* other = createForm(L"other");
    HWND o = hwndOf(other);
    HWND p = CreateWindowExA(0, "STATIC", "plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    auto mark = [](HWND w) { return mv::GetWindowValue(w, mv::prop::kOwnedChild); };
    const LONG_PTR self = reinterpret_cast<LONG_PTR>(hwnd);

    Put(form, L"HwndOwner", Arg(static_cast<long>(reinterpret_cast<LONG_PTR>(o))));
    EXPECT_EQ(self, mark(o));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(o), GetLong(form, L"HwndOwner"));

    Put(form, L"HwndOwner", Arg(static_cast<long>(reinterpret_cast<LONG_PTR>(p))));
    EXPECT_EQ(0, mark(o)) << "the old owner is cleared";
    EXPECT_EQ(self, mark(p));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(p), GetLong(form, L"HwndOwner"));

    Put(form, L"HwndOwner", Arg(0x7FFFFFF0));  // names no window
    EXPECT_EQ(0, mark(p));
    EXPECT_EQ(0, GetLong(form, L"HwndOwner"));

    Put(form, L"HwndOwner", Arg(static_cast<long>(self)));
    EXPECT_EQ(0, GetLong(form, L"HwndOwner")) << "a form does not own itself";
    EXPECT_EQ(0, mark(hwnd));

    Put(form, L"HwndOwner", Arg(static_cast<long>(reinterpret_cast<LONG_PTR>(p))));
    Put(form, L"HwndOwner", Arg(0));
    EXPECT_EQ(0, mark(p));
    EXPECT_EQ(0, GetLong(form, L"HwndOwner"));
    EXPECT_TRUE(IsWindowEnabled(p)) << "HwndOwner itself changes no window state";
    DestroyWindow(p);
}

TEST_F(FormShape, HwndOwnerRefusesOwnerCyclesAndTheDesktopWindow) {
    IDispatch* a = createForm(L"a");
    IDispatch* b = createForm(L"b");
    auto handle = [](HWND w) { return Arg(static_cast<long>(reinterpret_cast<LONG_PTR>(w))); };
    // form owns a, a owns b: neither a nor b may then own form.
    Put(a, L"HwndOwner", handle(hwnd));
    Put(b, L"HwndOwner", handle(hwndOf(a)));
    Put(form, L"HwndOwner", handle(hwndOf(a)));
    EXPECT_EQ(0, GetLong(form, L"HwndOwner")) << "a owned by form";
    Put(form, L"HwndOwner", handle(hwndOf(b)));
    EXPECT_EQ(0, GetLong(form, L"HwndOwner")) << "b owned through a";
    Put(form, L"HwndOwner", handle(GetDesktopWindow()));
    EXPECT_EQ(0, GetLong(form, L"HwndOwner")) << "the desktop window";
    // Shown together, the three still leave the first one usable.
    Put(form, L"Visible", Arg(1));
    Put(a, L"Visible", Arg(1));
    Put(b, L"Visible", Arg(1));
    EXPECT_TRUE(IsWindowEnabled(hwndOf(b)));
    EXPECT_TRUE(IsWindowEnabled(GetDesktopWindow()));
}

TEST_F(FormShape, ShowInTaskbarReshowsAVisibleFormAndOnlyRestylesAHiddenOne) {
    Put(form, L"ShowInTaskbar", Arg(0));
    EXPECT_NE(0, ExStyle(hwnd) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(0, GetLong(form, L"Visible")) << "a hidden form stays hidden";

    Put(form, L"Visible", Arg(1));
    Put(form, L"WindowState", Arg(2));
    Put(form, L"ShowInTaskbar", Arg(1));
    EXPECT_EQ(0, ExStyle(hwnd) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(1, GetLong(form, L"Visible"));
    EXPECT_EQ(0, GetLong(form, L"WindowState")) << "shown again in its normal state";
}

TEST_F(FormShape, MousePointerIsAcceptedAndReadsZero) {
    for (long v : { 3L, 0L, 15L, 99L, -7L }) {
        EXPECT_EQ(S_OK, Put(form, L"MousePointer", Arg(v)).hr);
        EXPECT_EQ(0, GetLong(form, L"MousePointer"));
    }
}

TEST_F(FormShape, SetFocusFocusesAVisibleFormOnly) {
    IDispatch* other = createForm(L"other", {Arg(500), Arg(300), Arg(200), Arg(150)});
    Put(other, L"Visible", Arg(1));
    EXPECT_EQ(S_OK, Call(form, L"SetFocus").hr);
    EXPECT_EQ(hwndOf(other), GetFocus()) << "a hidden form takes no focus";
    Put(form, L"Visible", Arg(1));
    Call(other, L"SetFocus");
    Call(form, L"SetFocus");
    EXPECT_EQ(hwnd, GetFocus());
    EXPECT_EQ(S_OK, Call(form, L"Refresh").hr);
}

}  // namespace

namespace {

// Every member of this file on a destroyed form: setters do nothing, getters read empty.
TEST_F(FormShape, ADestroyedFormActsOnNoWindow) {
    for (bool fromOutside : { false, true }) {
        IDispatch* f = createForm(fromOutside ? L"outside" : L"closed", {Arg(10), Arg(10), Arg(200), Arg(100)});
        mv::ComPtr<IDispatch> keep(f);
        HWND w = hwndOf(f);
        HWND owner = CreateWindowExA(0, "STATIC", "o", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
        Put(f, L"HwndOwner", Arg(static_cast<long>(reinterpret_cast<LONG_PTR>(owner))));
        Put(f, L"Visible", Arg(1));
        if (fromOutside) DestroyWindow(w);
        else desktop_->closeAll();
        ASSERT_FALSE(IsWindow(w));

        for (const wchar_t* m : { L"Caption", L"Layered", L"WindowState", L"Enable", L"Moveable", L"MousePointer",
                                  L"TitleBar", L"ShowInTaskbar", L"Resizeable", L"TopMost", L"Left", L"Top",
                                  L"Width", L"Height" }) {
            EXPECT_EQ(S_OK, Put(f, m, Arg(1)).hr) << m;
            EXPECT_EQ(S_OK, Put(f, m, Arg(0)).hr) << m;
            Outcome o = Get(f, m);
            EXPECT_EQ(S_OK, o.hr) << m;
            EXPECT_EQ(std::wstring(m) == L"Layered" ? L"100" : std::wstring(m) == L"Caption" ? L"" : L"0", o.text())
                << m;
        }
        EXPECT_EQ(S_OK, Call(f, L"ChangeSysMenu", {Arg(0), Arg(0), Arg(0)}).hr);
        EXPECT_EQ(S_OK, Call(f, L"MoveResize", {Arg(1), Arg(2), Arg(3), Arg(4)}).hr);
        EXPECT_EQ(S_OK, Call(f, L"Refresh").hr);
        EXPECT_EQ(S_OK, Call(f, L"SetFocus").hr);
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(owner), GetLong(f, L"HwndOwner")) << "the owner still reads back";
        EXPECT_EQ(S_OK, Put(f, L"HwndOwner", Arg(0)).hr);
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(owner), GetLong(f, L"HwndOwner")) << "and is no longer set";
        DestroyWindow(owner);
    }
}

}  // namespace

namespace {

// The owner window (another form, or any window) takes no input while the form it owns is
// shown, and gets input and the focus back when the form is hidden.
TEST_F(FormShape, AnOwnerTakesNoInputWhileItsOwnedFormIsShown) {
    IDispatch* main = createForm(L"main", {Arg(500), Arg(300), Arg(200), Arg(150)});
    HWND plain = CreateWindowExA(0, "EDIT", "plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 100, 150, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    Put(main, L"Visible", Arg(1));
    for (HWND owner : { hwndOf(main), plain }) {
        Put(form, L"HwndOwner", Arg(static_cast<long>(reinterpret_cast<LONG_PTR>(owner))));
        EXPECT_TRUE(IsWindowEnabled(owner)) << "setting the owner changes nothing yet";
        Put(form, L"Visible", Arg(1));
        EXPECT_FALSE(IsWindowEnabled(owner)) << "while the owned form is shown";
        Put(form, L"Visible", Arg(0));
        EXPECT_TRUE(IsWindowEnabled(owner)) << "after it is hidden";
        EXPECT_EQ(owner, GetFocus()) << "the owner has the focus back";
    }
    Put(form, L"HwndOwner", Arg(0));
    Put(form, L"Visible", Arg(1));
    EXPECT_TRUE(IsWindowEnabled(plain)) << "a former owner is left alone";
    DestroyWindow(plain);
}

}  // namespace
