// The Tab order over a form's controls and the focus hand-over it uses, read back from
// real windows.
#include <gtest/gtest.h>

#include <windows.h>

#include "host_window.h"
#include "script_objects.h"
#include "form/tab_order.h"
#include "window/window_props.h"

namespace test {
namespace {

// A shown form with, in add order: button a, label, text box b, hidden text box,
// disabled text box, frame, check box c, progress bar, option box d.
struct TabForm {
    Session s;
    Obj form = s.form(L"tabs", 50, 50, 400, 300);
    Obj a = form.obj(L"AddCmdButton", {L"a", L"a", 10, 10, 60, 22});
    Obj label = form.obj(L"AddLabel", {L"lbl", L"label", 10, 40, 60, 20});
    Obj b = form.obj(L"AddTextbox", {L"b", L"b", 10, 70, 60, 22});
    Obj hidden = form.obj(L"AddTextbox", {L"hid", L"h", 10, 100, 60, 22});
    Obj disabled = form.obj(L"AddTextbox", {L"dis", L"d", 10, 130, 60, 22});
    Obj frame = form.obj(L"AddFrame", {L"frm", L"f", 100, 10, 100, 100});
    Obj c = form.obj(L"AddCheckBox", {L"c", L"c", 110, 30, 60, 20});
    Obj bar = form.obj(L"AddProgressBar", {L"pb", 110, 60, 60, 20});
    Obj d = form.obj(L"AddOptionBox", {L"d", L"d", 110, 90, 60, 20});

    TabForm() {
        hidden.put(L"Visible", 0);
        EnableWindow(disabled.hwnd(), FALSE);
        form.put(L"Visible", 1);
    }
    void focus(const Obj& o) {
        mv::FocusWindow(o.hwnd());
        Pump();
    }
};

TEST(TabOrder, WalksTheAddOrderSkippingWhatCannotTakeTheFocus) {
    TabForm t;
    t.focus(t.a);
    ASSERT_EQ(t.a.hwnd(), GetFocus());
    const Obj* forward[] = {&t.b, &t.c, &t.d, &t.a, &t.b};
    for (const Obj* next : forward) {
        mv::FocusNextControl(GetFocus(), false);
        EXPECT_EQ(next->hwnd(), GetFocus()) << "forward to " << next->str(L"name").c_str();
    }
    const Obj* backward[] = {&t.a, &t.d, &t.c, &t.b, &t.a};
    for (const Obj* next : backward) {
        mv::FocusNextControl(GetFocus(), true);
        EXPECT_EQ(next->hwnd(), GetFocus()) << "backward to " << next->str(L"name").c_str();
    }
}

TEST(TabOrder, OnlyFocusableControlKeepsTheFocusAndStrangersAreIgnored) {
    Session s;
    Obj form = s.form(L"single");
    Obj label = form.obj(L"AddLabel", {L"l", L"l", 1, 1, 50, 20});
    Obj only = form.obj(L"AddTextbox", {L"t", L"t", 1, 30, 50, 20});
    form.put(L"Visible", 1);
    mv::FocusWindow(only.hwnd());
    ASSERT_EQ(only.hwnd(), GetFocus());
    mv::FocusNextControl(only.hwnd(), false);
    mv::FocusNextControl(only.hwnd(), true);
    EXPECT_EQ(only.hwnd(), GetFocus());

    // Windows that are no control of a registered form leave the focus alone.
    HWND stranger = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 1, 60, 50, 20, form.hwnd(), nullptr,
                                    nullptr, nullptr);
    mv::FocusNextControl(stranger, false);
    mv::FocusNextControl(nullptr, false);
    mv::FocusNextControl(form.hwnd(), false);
    EXPECT_EQ(only.hwnd(), GetFocus());
}

// Tab keys typed ahead while the script was busy all wait in the queue; each one's focus
// hand-over runs a message pass that dispatches the next. The first read of a property
// lets them all through, and the host must survive that.
TEST(TabOrder, ThousandsOfQueuedTabKeysEndWithoutExhaustingTheStack) {
    TabForm t;
    t.focus(t.a);
    ASSERT_EQ(t.a.hwnd(), GetFocus());
    for (int i = 0; i < 4000; ++i) PostMessageA(t.a.hwnd(), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(1, t.form.num(L"Visible"));  // the style test's message pass
    EXPECT_EQ(t.b.hwnd(), GetFocus()) << "every key was sent to a, whose next control is b";
    MSG left;
    EXPECT_FALSE(PeekMessageA(&left, t.a.hwnd(), WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE)) << "no key is left";
}

TEST(FocusWindow, MovesTheFocusToVisibleWindowsOnly) {
    test::Host h;
    SetForegroundWindow(h.top);
    mv::FocusWindow(h.a);
    EXPECT_EQ(h.a, GetFocus());
    mv::FocusWindow(h.b);
    EXPECT_EQ(h.b, GetFocus());

    ShowWindow(h.a, SW_HIDE);
    mv::FocusWindow(h.a);
    EXPECT_EQ(h.b, GetFocus()) << "a hidden window does not take the focus";
    mv::FocusWindow(nullptr);
    EXPECT_EQ(h.b, GetFocus());
}

TEST(FocusWindow, HiddenOrNoWindowChangesNothing) {
    TabForm t;
    t.focus(t.b);
    ASSERT_EQ(t.b.hwnd(), GetFocus());
    mv::FocusWindow(t.hidden.hwnd());
    mv::FocusWindow(nullptr);
    EXPECT_EQ(t.b.hwnd(), GetFocus());
}

TEST(FocusWindow, OwnerMarksThatFormACycleEndWithoutExhaustingTheStack) {
    Session s;
    Obj one = s.form(L"one", 10, 10, 200, 150);
    Obj two = s.form(L"two", 250, 10, 200, 150);
    one.put(L"Visible", 1);
    two.put(L"Visible", 1);
    // Each claims to own the other: a focus hand-over to either would bounce forever.
    mv::SetWindowValue(one.hwnd(), mv::prop::kOwnedChild, reinterpret_cast<LONG_PTR>(two.hwnd()));
    mv::SetWindowValue(two.hwnd(), mv::prop::kOwnedChild, reinterpret_cast<LONG_PTR>(one.hwnd()));
    mv::FocusWindow(one.hwnd());
    Pump();
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == one.hwnd() || focus == two.hwnd());
}

}  // namespace
}  // namespace test
