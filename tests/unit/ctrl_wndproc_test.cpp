// The control subclass procedure as a script sees it: mouse and keyboard messages posted
// to control windows, and the strings LastEvent returns for them.
#include <gtest/gtest.h>

#include <windows.h>

#include "script_objects.h"
#include "form/ctrl_wndproc.h"
#include "form/tab_order.h"
#include "window/window_props.h"

namespace test {
namespace {

using mv::GetWindowValue;
namespace prop = mv::prop;

constexpr DWORD kNothing = 300;

// A shown form with a button, a text box, a multi-line text box, a check box, a list box.
struct Controls {
    Session s;
    Obj form = s.form(L"controls", 50, 50, 400, 300);
    Obj button = form.obj(L"AddCmdButton", {L"button", L"Go", 10, 10, 80, 24, L"click()"});
    Obj text = form.obj(L"AddTextbox", {L"text", L"", 10, 40, 120, 22, L"text click()"});
    Obj memo = form.obj(L"AddTextbox", {L"memo", L"", 10, 70, 120, 60, L"", 0, 1});
    Obj check = form.obj(L"AddCheckBox", {L"check", L"Sure", 10, 140, 80, 20, L"check click()"});
    Obj list = form.obj(L"AddListBox", {L"list", 200, 10, 120, 100, L"list click()"});
    Controls() {
        form.put(L"Visible", 1);
        Drain(form);
    }
    void focus(const Obj& o) {
        mv::FocusWindow(o.hwnd());
        Drain(form);
    }
    static void Post(const Obj& o, UINT msg, WPARAM wp = 0, LPARAM lp = MAKELPARAM(5, 5)) {
        PostMessageA(o.hwnd(), msg, wp, lp);
    }
    // Down and up, as a mouse click arrives.
    static void Click(const Obj& o) {
        Post(o, WM_LBUTTONDOWN, MK_LBUTTON);
        Post(o, WM_LBUTTONUP);
    }
    static void Key(const Obj& o, WPARAM key) {
        Post(o, WM_KEYDOWN, key, 1);
        Post(o, WM_KEYUP, key, 0xC0000001);
    }
};

TEST(ControlClicks, AClickPostsOnClickOnceAtTheRelease) {
    Controls t;
    Controls::Post(t.button, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(L"<timeout>", LastEventWithin(t.form, kNothing)) << "nothing at the press";
    Controls::Post(t.button, WM_LBUTTONUP);
    EXPECT_EQ(L"click()", LastEventWithin(t.form));
    EXPECT_EQ(L"<timeout>", LastEventWithin(t.form, kNothing)) << "once";
}

TEST(ControlClicks, AnEmptyOnClickPostsNothingAndDoesNotWait) {
    Controls t;
    t.button.put(L"OnClick", L"");
    DWORD start = GetTickCount();
    for (int i = 0; i < 10; ++i) SendMessageA(t.button.hwnd(), WM_LBUTTONUP, 0, 0);
    EXPECT_LT(GetTickCount() - start, 100u) << "ten releases without the 25 ms wait";
    EXPECT_EQ(L"<timeout>", LastEventWithin(t.form, kNothing));

    t.button.put(L"OnClick", L"again()");
    start = GetTickCount();
    SendMessageA(t.button.hwnd(), WM_LBUTTONUP, 0, 0);
    EXPECT_GE(GetTickCount() - start, 20u) << "a click waits for a double-click first";
    EXPECT_EQ(L"again()", LastEventWithin(t.form));
}

// down, up, double-click, up: as the system delivers a double-click.
void DoubleClick(const Obj& o) {
    Controls::Post(o, WM_LBUTTONDOWN, MK_LBUTTON);
    Controls::Post(o, WM_LBUTTONUP);
    Controls::Post(o, WM_LBUTTONDBLCLK, MK_LBUTTON);
    Controls::Post(o, WM_LBUTTONUP);
}

TEST(ControlClicks, DoubleClickLeavesOnDoubleClickAndTheSecondReleasePostsNothing) {
    Controls t;
    t.button.put(L"OnDoubleClick", L"double()");
    DoubleClick(t.button);
    EXPECT_EQ(L"double()", LastEventWithin(t.form));
    EXPECT_EQ(L"<timeout>", LastEventWithin(t.form, kNothing));
    EXPECT_EQ(0, GetWindowValue(t.button.hwnd(), prop::kDblClkDone));

    // Read between the two: the first release posts OnClick.
    Controls::Click(t.button);
    EXPECT_EQ(L"click()", LastEventWithin(t.form));
    Controls::Post(t.button, WM_LBUTTONDBLCLK, MK_LBUTTON);
    EXPECT_EQ(L"double()", LastEventWithin(t.form));
    EXPECT_EQ(1, GetWindowValue(t.button.hwnd(), prop::kDblClkDone));
    Controls::Post(t.button, WM_LBUTTONUP);
    EXPECT_EQ(L"<timeout>", LastEventWithin(t.form, kNothing));
}

TEST(ControlClicks, WithoutOnDoubleClickBothReleasesPostOnClick) {
    Controls t;
    Controls::Click(t.button);
    EXPECT_EQ(L"click()", LastEventWithin(t.form));
    Controls::Post(t.button, WM_LBUTTONDBLCLK, MK_LBUTTON);
    Controls::Post(t.button, WM_LBUTTONUP);
    EXPECT_EQ(L"click()", LastEventWithin(t.form));
}

TEST(ControlClicks, ADoubleClickWhileOnClickWasEmptySwallowsTheNextClick) {
    Controls t;
    t.list.put(L"OnClick", L"");
    t.list.put(L"OnDoubleClick", L"list double()");
    DoubleClick(t.list);
    EXPECT_EQ(L"list double()", LastEventWithin(t.form));
    EXPECT_EQ(1, GetWindowValue(t.list.hwnd(), prop::kDblClkDone)) << "carried over";

    t.list.put(L"OnClick", L"list click()");
    Controls::Click(t.list);
    EXPECT_EQ(L"<timeout>", LastEventWithin(t.form, kNothing)) << "the first click after is swallowed";
    EXPECT_EQ(0, GetWindowValue(t.list.hwnd(), prop::kDblClkDone));
    Controls::Click(t.list);
    EXPECT_EQ(L"list click()", LastEventWithin(t.form));
}

TEST(ControlKeys, EnterAndSpaceClickAFocusedButtonAtTheRelease) {
    Controls t;
    for (WPARAM key : {VK_RETURN, VK_SPACE}) {
        t.focus(t.button);
        Controls::Post(t.button, WM_KEYDOWN, key, 1);
        EXPECT_EQ(L"<timeout>", LastEventWithin(t.form, kNothing)) << "nothing at the key-down " << key;
        Controls::Post(t.button, WM_KEYUP, key, 0xC0000001);
        EXPECT_EQ(L"click()", LastEventWithin(t.form)) << key;
        EXPECT_EQ(L"<timeout>", LastEventWithin(t.form, kNothing)) << "once " << key;
        EXPECT_EQ(0, SendMessageA(t.button.hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED) << "released " << key;
    }
}

TEST(ControlKeys, EnterElsewhereGoesToTheControlAndPostsNothing) {
    Controls t;
    mv::SetWindowValue(t.form.hwnd(), prop::kDefaultCtl, reinterpret_cast<LONG_PTR>(t.button.hwnd()));
    for (const Obj* o : {&t.text, &t.list, &t.check}) {
        t.focus(*o);
        Controls::Key(*o, VK_RETURN);
        EXPECT_EQ(L"<timeout>", LastEventWithin(t.form, kNothing)) << o->str(L"name").c_str();
    }
    // The multi-line text box's own procedure receives Enter: it starts a new line.
    t.focus(t.memo);
    SetWindowTextA(t.memo.hwnd(), "one");
    SendMessageA(t.memo.hwnd(), EM_SETSEL, 3, 3);
    Controls::Post(t.memo, WM_KEYDOWN, VK_RETURN, 1);
    Controls::Post(t.memo, WM_KEYUP, VK_RETURN, 0xC0000001);
    PumpFor(50);
    EXPECT_EQ(2, SendMessageA(t.memo.hwnd(), EM_GETLINECOUNT, 0, 0));
}

TEST(ControlKeys, SpaceTogglesACheckBoxWithoutOnClickButAMouseClickPostsIt) {
    Controls t;
    t.focus(t.check);
    Controls::Key(t.check, VK_SPACE);
    EXPECT_EQ(L"<timeout>", LastEventWithin(t.form, kNothing));
    EXPECT_EQ(BST_CHECKED, SendMessageA(t.check.hwnd(), BM_GETCHECK, 0, 0));
    Controls::Click(t.check);
    EXPECT_EQ(L"check click()", LastEventWithin(t.form));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(t.check.hwnd(), BM_GETCHECK, 0, 0));
}

// Holds Shift down as the keyboard does (the asynchronous key state), for a scope.
struct ShiftDown {
    ShiftDown() { keybd_event(VK_SHIFT, 0, 0, 0); PumpFor(30); }
    ~ShiftDown() { keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0); PumpFor(30); GetAsyncKeyState(VK_SHIFT); }
};

TEST(ControlKeys, TabAndShiftTabWrapAroundTheAddOrder) {
    Controls t;
    t.focus(t.list);
    Controls::Key(t.list, VK_TAB);
    PumpFor(30);
    EXPECT_EQ(t.button.hwnd(), GetFocus()) << "from the last to the first";
    {
        ShiftDown shift;
        Controls::Key(t.button, VK_TAB);
        PumpFor(30);
        EXPECT_EQ(t.list.hwnd(), GetFocus()) << "Shift+Tab from the first to the last";
    }
    Controls::Key(t.list, VK_TAB);
    PumpFor(30);
    EXPECT_EQ(t.button.hwnd(), GetFocus()) << "Shift released: forward again";
}

TEST(ControlKeys, TabInAMultiLineTextBoxMovesOnAndTypesNothing) {
    Controls t;
    t.focus(t.memo);
    SetWindowTextA(t.memo.hwnd(), "text");
    // Through the thread's translation, as the keyboard sends it: the key-down makes a
    // tab character too.
    Controls::Post(t.memo, WM_KEYDOWN, VK_TAB, 1);
    Controls::Post(t.memo, WM_KEYUP, VK_TAB, 0xC0000001);
    PumpFor(30);
    EXPECT_EQ(t.check.hwnd(), GetFocus());
    char text[32] = {};
    GetWindowTextA(t.memo.hwnd(), text, sizeof text);
    EXPECT_STREQ("text", text);
}

TEST(ControlFocus, MovingTheFocusPostsLostThenGot) {
    Controls t;
    t.focus(t.button);
    t.button.put(L"OnLostfocus", L"button lost()");
    mv::FocusWindow(t.text.hwnd());
    EXPECT_EQ(L"button lost()", LastEventWithin(t.form));

    t.text.put(L"OnLostfocus", L"text lost()");
    t.check.put(L"OnGotfocus", L"check got()");
    mv::FocusWindow(t.check.hwnd());
    EXPECT_EQ(L"check got()", LastEventWithin(t.form)) << "the later one is left pending";
}

TEST(ControlVisibility, ShowingAndHidingPostOnShowAndOnHide) {
    Controls t;
    t.text.put(L"OnShow", L"text shown()");
    t.text.put(L"OnHide", L"text hidden()");
    t.text.put(L"Visible", 0);
    EXPECT_EQ(0, t.text.num(L"Visible"));
    EXPECT_EQ(L"text hidden()", LastEventWithin(t.form));
    t.text.put(L"Visible", 7);
    EXPECT_EQ(1, t.text.num(L"Visible"));
    EXPECT_EQ(L"text shown()", LastEventWithin(t.form));
    t.text.put(L"OnShow", L"");
    t.text.put(L"Visible", 0);
    t.text.put(L"Visible", 1);
    EXPECT_EQ(L"text hidden()", LastEventWithin(t.form)) << "an empty string posts nothing";
}

TEST(ControlLookup, AWindowWithoutItsObjectStillWorksAndPostsNothing) {
    Controls t;
    // A subclassed button that never joined a form's controls, as during its creation.
    HWND loose = CreateWindowExA(0, "BUTTON", "loose", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 200, 150, 80, 20,
                                 t.form.hwnd(), nullptr, nullptr, nullptr);
    mv::SetWindowValue(loose, prop::kOldProc, GetWindowLongPtrA(loose, GWLP_WNDPROC));
    SetWindowLongPtrA(loose, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&mv::CtrlWndProc));
    mv::SetWindowValue(loose, prop::kKind, 9);
    SendMessageA(loose, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(loose, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageA(loose, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(loose, WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(BST_CHECKED, SendMessageA(loose, BM_GETCHECK, 0, 0)) << "its own procedure got the click";
    EXPECT_EQ(L"<timeout>", LastEventWithin(t.form, kNothing));
}

TEST(ControlPaint, AnImageRedrawsOnPaintAndThenRests) {
    Session s;
    Obj form = s.form(L"paint", 50, 50, 300, 200);
    Obj image = form.obj(L"AddImage", {L"img", L"", 10, 10, 100, 80});
    form.put(L"Visible", 1);
    PumpFor(200);
    MSG m;
    int queued = 0;
    for (; queued < 1000 && PeekMessageA(&m, image.hwnd(), WM_PAINT, WM_PAINT, PM_REMOVE); ++queued)
        DispatchMessageA(&m);
    EXPECT_LT(queued, 5) << "painting does not feed itself";
    InvalidateRect(image.hwnd(), nullptr, TRUE);
    EXPECT_TRUE(GetUpdateRect(image.hwnd(), nullptr, FALSE));
    UpdateWindow(image.hwnd());
    EXPECT_FALSE(GetUpdateRect(image.hwnd(), nullptr, FALSE)) << "one paint leaves nothing to paint";
}

}  // namespace
}  // namespace test
