// The form window procedure as a script sees it: the strings LastEvent returns after
// real window messages reach a form, and the state of the windows afterwards.
#include <gtest/gtest.h>

#include <windows.h>

#include "com/module.h"
#include "control/control.h"
#include "script_objects.h"
#include "form/tab_order.h"
#include "window/window_props.h"

namespace test {
namespace {

using mv::GetWindowValue;
using mv::SetWindowValue;
namespace prop = mv::prop;

constexpr DWORD kNothing = 300;  // how long a test waits to see that nothing is posted

TEST(FormEvents, ShowPostsOnShowThenOnGotfocusReplacesIt) {
    Session s;
    Obj form = s.form(L"show");
    form.put(L"OnShow", L"shown()");
    form.put(L"Visible", 1);
    EXPECT_EQ(L"shown()", LastEventWithin(form));

    form.put(L"Visible", 0);
    form.put(L"OnGotfocus", L"got()");
    form.put(L"Visible", 1);
    EXPECT_EQ(L"got()", LastEventWithin(form));
}

TEST(FormEvents, CloseCommandHidesTheFormAndKeepsItsWindows) {
    Session s;
    Obj form = s.form(L"close");
    Obj button = form.obj(L"AddCmdButton", {L"b", L"b", 1, 1, 50, 20});
    form.put(L"OnHide", L"hidden()");
    form.put(L"Visible", 1);
    PostMessageA(form.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(L"hidden()", LastEventWithin(form));
    EXPECT_EQ(0, form.num(L"Visible"));
    EXPECT_TRUE(IsWindow(form.hwnd()));
    EXPECT_TRUE(IsWindow(button.hwnd()));
    EXPECT_EQ(1, s.script.num(L"Count"));
    EXPECT_EQ(L"", LastEventWithin(form)) << "a hidden form returns at once";

    form.put(L"Visible", 1);  // and it can be shown again
    EXPECT_EQ(1, form.num(L"Visible"));
}

TEST(FormEvents, CloseCommandIsIgnoredWithoutSystemMenu) {
    Session s;
    Obj form = s.form(L"noclose");
    form.put(L"OnHide", L"hidden()");
    form.put(L"Visible", 1);
    form.call(L"ChangeSysMenu", {1, 1, 0});
    PostMessageA(form.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(L"<timeout>", LastEventWithin(form, kNothing));
    EXPECT_EQ(1, form.num(L"Visible"));

    // Only SC_CLOSE itself closes: other commands go to the default procedure.
    // The low four bits of a system command are the system's own: SC_CLOSE with them set
    // is the same command, ignored here as well.
    SendMessageA(form.hwnd(), WM_SYSCOMMAND, SC_CLOSE | 3, 0);
    EXPECT_EQ(1, form.num(L"Visible"));
    EXPECT_TRUE(IsWindow(form.hwnd()));
    form.call(L"ChangeSysMenu", {1, 1, 1});
    SendMessageA(form.hwnd(), WM_SYSCOMMAND, SC_CLOSE | 3, 0);
    EXPECT_EQ(0, form.num(L"Visible")) << "and it hides the form when the close command is on";
    EXPECT_TRUE(IsWindow(form.hwnd()));
}

TEST(FormEvents, DeactivationRemembersTheFocusAndPostsOnLostfocus) {
    Session s;
    Obj form = s.form(L"deact");
    Obj text = form.obj(L"AddTextbox", {L"t", L"", 1, 1, 80, 20});
    form.put(L"Visible", 1);
    mv::FocusWindow(text.hwnd());
    ASSERT_EQ(text.hwnd(), GetFocus());
    form.put(L"OnLostfocus", L"lost()");
    Drain(form);

    // Inactive and minimised: nothing is recorded or posted.
    SendMessageA(form.hwnd(), WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0);
    EXPECT_EQ(0, GetWindowValue(form.hwnd(), prop::kLastFocused));
    EXPECT_EQ(L"<timeout>", LastEventWithin(form, kNothing));

    SendMessageA(form.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(text.hwnd()), GetWindowValue(form.hwnd(), prop::kLastFocused));
    EXPECT_EQ(L"lost()", LastEventWithin(form));
}

TEST(FormEvents, FocusReturnsToTheLastFocusedOrTheDefaultControl) {
    Session s;
    Obj form = s.form(L"restore");
    Obj a = form.obj(L"AddTextbox", {L"a", L"", 1, 1, 80, 20});
    Obj b = form.obj(L"AddTextbox", {L"b", L"", 1, 30, 80, 20});
    Obj c = form.obj(L"AddCmdButton", {L"c", L"c", 1, 60, 80, 20});
    form.put(L"OnGotfocus", L"got()");
    form.put(L"Visible", 1);
    Drain(form);

    SetWindowValue(form.hwnd(), prop::kDefaultCtl, reinterpret_cast<LONG_PTR>(c.hwnd()));
    SetWindowValue(form.hwnd(), prop::kLastFocused, 0);
    SetFocus(a.hwnd());  // the focus must come to the form window from elsewhere
    SetFocus(form.hwnd());
    Pump();
    EXPECT_EQ(c.hwnd(), GetFocus()) << "nothing remembered: the default control";
    EXPECT_EQ(L"got()", LastEventWithin(form));

    SetWindowValue(form.hwnd(), prop::kLastFocused, reinterpret_cast<LONG_PTR>(b.hwnd()));
    SetFocus(a.hwnd());
    SetFocus(form.hwnd());
    Pump();
    EXPECT_EQ(b.hwnd(), GetFocus()) << "the remembered control wins";

    // Shown again after a close, the form gives the focus back to the control that had
    // it: hiding the form deactivates it, which records the focus anew.
    PostMessageA(form.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    LastEventWithin(form);
    form.put(L"Visible", 1);
    Pump();
    EXPECT_EQ(b.hwnd(), GetFocus());
}

TEST(FormEvents, AnOwnerWindowTakesNoInputWhileItsFormIsShown) {
    Session s;
    Obj main = s.form(L"main", 10, 10, 300, 200);
    Obj dialog = s.form(L"dialog", 50, 50, 200, 100);
    Obj ok = dialog.obj(L"AddCmdButton", {L"ok", L"OK", 1, 1, 50, 20});
    main.put(L"Visible", 1);
    dialog.put(L"HwndOwner", static_cast<long>(reinterpret_cast<LONG_PTR>(main.hwnd())));

    dialog.put(L"Visible", 1);
    EXPECT_FALSE(IsWindowEnabled(main.hwnd()));
    // While the owned form is shown, focus given to the owner goes on to it.
    main.put(L"OnGotfocus", L"main got()");
    SendMessageA(main.hwnd(), WM_SETFOCUS, 0, 0);
    Pump();
    EXPECT_EQ(dialog.hwnd(), GetFocus());
    EXPECT_EQ(L"<timeout>", LastEventWithin(main, kNothing)) << "the hand-off posts nothing for the owner";

    dialog.put(L"Visible", 0);
    EXPECT_TRUE(IsWindowEnabled(main.hwnd()));
    Pump();
    EXPECT_EQ(main.hwnd(), GetFocus()) << "the owner has the focus back";
    EXPECT_EQ(L"main got()", LastEventWithin(main)) << "and its own focus handling runs again";
}

TEST(FormEvents, MoveLockHoldsAndLetsOneProgrammaticMoveThrough) {
    Session s;
    Obj form = s.form(L"lock", 100, 100, 200, 150);
    form.put(L"Visible", 1);
    HWND h = form.hwnd();
    auto place = [&] { RECT r{}; GetWindowRect(h, &r); return r; };

    SetWindowValue(h, prop::kNotMoveable, 1);
    SetWindowPos(h, nullptr, 120, 100, 200, 150, SWP_NOZORDER);
    EXPECT_EQ(120, place().left) << "the lock needs the close command switched off";

    form.call(L"ChangeSysMenu", {0, 0, 0});
    form.put(L"Moveable", 0);
    ASSERT_EQ(1, GetWindowValue(h, prop::kCloseDeactivated));
    ASSERT_EQ(1, GetWindowValue(h, prop::kNotMoveable));
    // Whatever moves or sizes the window (a drag ends in the same call) is held back...
    SetWindowPos(h, nullptr, 300, 300, 250, 250, SWP_NOZORDER);
    EXPECT_EQ(120, place().left);
    EXPECT_EQ(200, place().right - place().left);

    // ...but the script's MoveResize goes through once, and the lock holds again.
    form.call(L"MoveResize", {300, 310, 250, 260});
    EXPECT_EQ(300, place().left);
    EXPECT_EQ(310, place().top);
    EXPECT_EQ(260, place().bottom - place().top);
    EXPECT_EQ(1, GetWindowValue(h, prop::kNotMoveable));
    SetWindowPos(h, nullptr, 10, 10, 100, 100, SWP_NOZORDER);
    EXPECT_EQ(300, place().left) << "locked again";
    form.call(L"MoveResize", {20, -1, -1, -1});
    EXPECT_EQ(20, place().left);
}

// A list box with three items, and a combo box with three, on a shown form.
struct Lists {
    Session s;
    Obj form = s.form(L"lists", 50, 50, 400, 300);
    Obj list = form.obj(L"AddListBox", {L"list", 10, 10, 150, 120});
    Obj combo = form.obj(L"AddComboBox", {L"combo", 200, 10, 150, 120});
    Obj text = form.obj(L"AddTextbox", {L"text", L"", 10, 150, 150, 20, L"typed()"});
    Obj button = form.obj(L"AddCmdButton", {L"button", L"b", 200, 150, 80, 22});
    Lists() {
        for (const char* item : {"alpha", "beta", "gamma"}) {
            SendMessageA(list.hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            SendMessageA(combo.hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        list.put(L"OnChange", L"list changed()");
        combo.put(L"OnChange", L"combo changed()");
        text.put(L"OnChange", L"text changed()");
        button.put(L"OnChange", L"button changed()");
        form.put(L"Visible", 1);
    }
};

TEST(FormEvents, SelectionChangesPostOnChange) {
    Lists t;
    // A click on the second item of the list, as the mouse sends it.
    LPARAM second = MAKELPARAM(20, 1 + static_cast<int>(SendMessageA(t.list.hwnd(), LB_GETITEMHEIGHT, 0, 0)) * 3 / 2);
    PostMessageA(t.list.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, second);
    PostMessageA(t.list.hwnd(), WM_LBUTTONUP, 0, second);
    EXPECT_EQ(L"list changed()", LastEventWithin(t.form));
    EXPECT_EQ(1, SendMessageA(t.list.hwnd(), LB_GETCURSEL, 0, 0));

    // Arrow down in the combo box selects the next item.
    mv::FocusWindow(t.combo.hwnd());
    PostMessageA(t.combo.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(L"combo changed()", LastEventWithin(t.form));

    // Typing in a text box and clicking a button notify the form too, but post nothing.
    SetWindowTextA(t.text.hwnd(), "typed");
    SendMessageA(t.button.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(L"<timeout>", LastEventWithin(t.form, kNothing));
}

TEST(FormEvents, NotificationsThatNameNoControlPostNothing) {
    Lists t;
    // A window marked as a list box that no control object stands for, a window that is
    // gone, and a menu command (no window at all).
    HWND stranger = CreateWindowExA(0, "LISTBOX", "", WS_CHILD, 0, 0, 10, 10, t.form.hwnd(), nullptr, nullptr, nullptr);
    SetWindowValue(stranger, prop::kKind, 4);
    HWND gone = CreateWindowExA(0, "LISTBOX", "", WS_CHILD, 0, 0, 10, 10, t.form.hwnd(), nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    for (HWND from : {stranger, gone, static_cast<HWND>(nullptr)})
        SendMessageA(t.form.hwnd(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(from));
    // Selection codes other than 1 from a real list post nothing either.
    SendMessageA(t.form.hwnd(), WM_COMMAND, MAKEWPARAM(0, LBN_DBLCLK), reinterpret_cast<LPARAM>(t.list.hwnd()));
    EXPECT_EQ(L"<timeout>", LastEventWithin(t.form, kNothing));
}

TEST(FormEvents, HundredsOfEventsWhileTheScriptIsBusyLeaveTheLastOne) {
    Lists t;
    for (int i = 0; i < 600; ++i) {
        HWND from = i % 2 ? t.combo.hwnd() : t.list.hwnd();
        PostMessageA(t.form.hwnd(), WM_COMMAND, MAKEWPARAM(0, 1), reinterpret_cast<LPARAM>(from));
    }
    EXPECT_EQ(L"combo changed()", LastEventWithin(t.form));
    EXPECT_EQ(L"<timeout>", LastEventWithin(t.form, kNothing)) << "nothing is queued behind it";
}

TEST(FormLifetime, DestroyedFromOutsideLeavesTheRegistryConsistent) {
    Session s;
    Obj a = s.form(L"a");
    Obj b = s.form(L"b");
    Obj c = s.form(L"c");
    Obj button = b.obj(L"AddCmdButton", {L"x", L"x", 1, 1, 50, 20});
    b.put(L"Visible", 1);
    HWND bw = b.hwnd();

    PostMessageA(bw, WM_CLOSE, 0, 0);  // another program's close request reaching the default procedure
    EXPECT_EQ(L"", LastEventWithin(b));
    EXPECT_FALSE(IsWindow(bw));
    EXPECT_FALSE(IsWindow(button.hwnd()));
    EXPECT_EQ(2, s.script.num(L"Count"));
    EXPECT_EQ(c.get(), s.script.obj(L"forms", {2}).get());
    EXPECT_EQ(2, GetWindowValue(c.hwnd(), prop::kPosition));
    EXPECT_EQ(1, GetWindowValue(a.hwnd(), prop::kPosition));
    EXPECT_FALSE(s.script.obj(L"forms", {L"b"}));
    EXPECT_EQ(1, b.num(L"Count")) << "the object keeps its controls";
}

TEST(FormLifetime, FormDestroyedInsideItsOwnMessageHandling) {
    Session s;
    Obj form = s.form(L"self");
    Obj a = form.obj(L"AddCmdButton", {L"a", L"a", 1, 1, 50, 20, L"clicked()"});
    Obj b = form.obj(L"AddTextbox", {L"b", L"", 1, 30, 50, 20});
    form.put(L"Visible", 1);
    mv::FocusWindow(a.hwnd());
    // The close handling and the Tab key run message passes; a close request queued
    // behind them destroys the form in the middle.
    PostMessageA(form.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageA(form.hwnd(), WM_CLOSE, 0, 0);
    PostMessageA(a.hwnd(), WM_KEYDOWN, VK_TAB, 0);
    PostMessageA(a.hwnd(), WM_LBUTTONUP, 0, 0);
    // The click was dispatched while the form hid itself for its teardown: it is the
    // last event, and then the destroyed form returns at once.
    EXPECT_EQ(L"clicked()", LastEventWithin(form));
    EXPECT_EQ(L"", LastEventWithin(form));
    Pump();
    EXPECT_EQ(0, s.script.num(L"Count"));
    EXPECT_FALSE(IsWindow(form.hwnd()));
}

// Window events of forms of an earlier Desktop are looked up by position in the current
// one; the teardown that follows their window's destruction from outside must still end
// only the form whose window it was, never the current Desktop's form at that position.
TEST(FormLifetime, AnEarlierDesktopsFormDestroyedFromOutsideLeavesTheCurrentFormsAlone) {
    Session first;
    Obj a = first.form(L"a");
    Session second;
    Obj b = second.form(L"b");
    Obj button = b.obj(L"AddCmdButton", {L"x", L"x", 1, 1, 50, 20});

    PostMessageA(a.hwnd(), WM_CLOSE, 0, 0);  // another program's close request
    PumpFor(100);
    EXPECT_FALSE(IsWindow(a.hwnd()));
    EXPECT_TRUE(IsWindow(b.hwnd()));
    EXPECT_TRUE(IsWindow(button.hwnd()));
    EXPECT_EQ(1, second.script.num(L"Count"));
    EXPECT_EQ(b.get(), second.script.obj(L"forms", {L"b"}).get());
}

TEST(FormLifetime, DestroyedFormsAreFreedAfterTheirControlsHadEvents) {
    Session s;
    long before = mv::LiveObjects();  // the Desktop
    {
        {
            Obj form = s.form(L"free");
            Obj list = form.obj(L"AddListBox", {L"l", 1, 1, 100, 100});
            Obj button = form.obj(L"AddCmdButton", {L"b", L"b", 1, 110, 50, 20, L"clicked()"});
            form.put(L"Visible", 1);
            // Both control caches now hold a control of this form.
            SendMessageA(form.hwnd(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list.hwnd()));
            SendMessageA(button.hwnd(), WM_LBUTTONUP, 0, 0);
            EXPECT_EQ(L"clicked()", LastEventWithin(form));
            s.script.call(L"CloseAll");
        }
        EXPECT_EQ(before, mv::LiveObjects()) << "only the Desktop is left";
    }
}

}  // namespace
}  // namespace test
