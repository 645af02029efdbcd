// Enter and Escape on forms, pressed for real (xdotool, see real_input.h) in every kind of
// control that takes the focus, with DialogKeys off and on; default and cancel buttons that
// cannot be clicked; the default button's look. The test plays the script: it reads what
// a key posted with PendingEvent.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "real_input.h"
#include "script_objects.h"

namespace mvtest {
namespace {

#define REQUIRE_XDOTOOL() \
    if (!test::XdotoolInstalled()) GTEST_SKIP() << "xdotool is not installed"

// A sign-in sort of form: the default button "ok", the cancel button "cancel", another
// button, and one control of every other kind that takes the focus.
struct Dialog {
    Session s;
    Obj form = s.form(L"keys", 200, 150, 420, 260);
    Obj ok = form.obj(L"AddCmdButton", {L"ok", L"OK", 300, 20, 90, 28, L"ok()"});
    Obj cancel = form.obj(L"AddCmdButton", {L"cancel", L"Cancel", 300, 60, 90, 28, L"cancel()"});
    Obj other = form.obj(L"AddCmdButton", {L"other", L"Other", 300, 100, 90, 28, L"other()"});
    Obj text = form.obj(L"AddTextbox", {L"text", L"", 20, 20, 150, 24});
    Obj notes = form.obj(L"AddTextbox", {L"notes", L"", 20, 55, 150, 50, L"", 0, 1});
    Obj combo = form.obj(L"AddComboBox", {L"combo", 20, 115, 150, 100});
    Obj list = form.obj(L"AddListBox", {L"list", 20, 150, 150, 50});
    Obj check = form.obj(L"AddCheckBox", {L"check", L"Check", 190, 20, 100, 24});
    Obj option = form.obj(L"AddOptionBox", {L"option", L"Option", 190, 50, 100, 24});

    Dialog() {
        ok.call(L"SetAsDefault");
        cancel.call(L"SetAsCancel");
        combo.call(L"AddItem", {L"one"});
        list.call(L"AddItem", {L"one"});
        form.put(L"OnHide", L"hidden()");
        show();
    }
    void show() {
        form.put(L"Visible", 1);
        SetForegroundWindow(form.hwnd());
        RECT r{};
        GetWindowRect(form.hwnd(), &r);  // the keyboard follows the pointer on this display
        test::Xdotool("mousemove " + std::to_string(r.left + 5) + " " + std::to_string(r.bottom - 5));
        Drain(form);
    }
    // Presses `keys` with the focus on `target` and gives what they posted; "" when
    // nothing.
    std::wstring press(const Obj& target, const std::string& keys) {
        target.call(L"SetFocus");
        Drain(form);
        EXPECT_EQ(target.hwnd(), GetFocus()) << "the focus before " << keys;
        EXPECT_TRUE(test::Xdotool("key " + keys)) << keys;
        PumpFor(300);  // the keys reach the queue through the X server
        return form.str(L"PendingEvent");
    }
    Obj byName(const wchar_t* name) const { return form.obj(L"controls", {name}); }
};

// What Enter and Escape post from each control, keys off and on. While the keys are off
// Escape posts nothing anywhere. F4 first opens the combo box's list.
struct KeyCase {
    const wchar_t* control;
    const char* before;
    const wchar_t* enterOff;
    const wchar_t* enterOn;
    const wchar_t* escapeOn;
};

const KeyCase kKeys[] = {
    { L"text",   "",   L"",        L"ok()",    L"cancel()" },
    { L"notes",  "",   L"",        L"",        L"cancel()" },  // Enter breaks the line, below
    { L"combo",  "",   L"",        L"ok()",    L"cancel()" },
    { L"combo",  "F4", L"",        L"",        L""         },  // both close the open list
    { L"list",   "",   L"",        L"ok()",    L"cancel()" },
    { L"check",  "",   L"",        L"ok()",    L"cancel()" },
    { L"option", "",   L"",        L"ok()",    L"cancel()" },
    { L"other",  "",   L"other()", L"other()", L"cancel()" },
    { L"ok",     "",   L"ok()",    L"ok()",    L"cancel()" },
    { L"cancel", "",   L"cancel()", L"cancel()", L"cancel()" },
};

void PressEveryCase(long dialogKeys) {
    Dialog d;
    d.form.put(L"DialogKeys", dialogKeys);
    for (const KeyCase& c : kKeys) {
        const std::string before = *c.before ? std::string(c.before) + " " : "";
        const std::wstring in = std::wstring(c.control) + (*c.before ? L" after F4" : L"");
        EXPECT_EQ(dialogKeys ? c.enterOn : c.enterOff, d.press(d.byName(c.control), before + "Return"))
            << "Enter in " << in.c_str();
        EXPECT_EQ(dialogKeys ? c.escapeOn : L"", d.press(d.byName(c.control), before + "Escape"))
            << "Escape in " << in.c_str();
    }
    EXPECT_EQ(1, d.form.num(L"Visible"));
    EXPECT_EQ(L"\r\n", d.notes.str(L"Text")) << "Enter in a multi-line box breaks the line";
    EXPECT_EQ(0, d.check.num(L"Value")) << "Enter does not tick a check box";
}

TEST(DialogKeys, WhileOffEnterClicksOnlyAFocusedButtonAndEscapeDoesNothing) {
    REQUIRE_XDOTOOL();
    PressEveryCase(0);
}

TEST(DialogKeys, WhileOnEnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
    REQUIRE_XDOTOOL();
    PressEveryCase(1);
}

// A default or cancel button switched off (0) by one of its properties; Escape then does
// what the close box does.
struct Unusable {
    const wchar_t* button;
    const wchar_t* property;
    const char* key;
    const wchar_t* posted;
};

const Unusable kUnusable[] = {
    { L"ok",     L"Enable",  "Return", L""         },
    { L"ok",     L"Visible", "Return", L""         },
    { L"cancel", L"Enable",  "Escape", L"hidden()" },
    { L"cancel", L"Visible", "Escape", L"hidden()" },
};

TEST(DialogKeys, ADisabledOrHiddenButtonIsNotClicked) {
    REQUIRE_XDOTOOL();
    Dialog d;
    d.form.put(L"DialogKeys", 1);
    for (const Unusable& c : kUnusable) {
        Obj button = d.byName(c.button);
        button.put(c.property, 0);
        EXPECT_EQ(c.posted, d.press(d.text, c.key)) << c.key << " with " << std::wstring(c.property).c_str() << " 0";
        button.put(c.property, 1);
        d.show();
    }
    EXPECT_EQ(L"ok()", d.press(d.text, "Return")) << "usable again";

    d.cancel.put(L"Enable", 0);
    d.form.call(L"ChangeSysMenu", {1, 1, 0});  // no close box: the close command does nothing
    EXPECT_EQ(L"", d.press(d.text, "Escape"));
    EXPECT_EQ(1, d.form.num(L"Visible"));
}

TEST(DialogKeys, EscapeOnAFormWithoutControlsClosesIt) {
    REQUIRE_XDOTOOL();
    Session s;
    Obj form = s.form(L"bare", 200, 150, 300, 150);
    form.obj(L"AddLabel", {L"note", L"Nothing here takes the focus.", 10, 10, 250, 20});
    form.put(L"OnHide", L"hidden()");
    form.put(L"Visible", 1);
    EXPECT_EQ(L"", form.str(L"PendingEvent"));
    test::Xdotool("mousemove 205 295");
    form.call(L"SetFocus");
    ASSERT_EQ(form.hwnd(), GetFocus());
    EXPECT_TRUE(test::Xdotool("key Escape"));
    PumpFor(300);
    EXPECT_EQ(L"", form.str(L"PendingEvent")) << "while DialogKeys is 0";
    EXPECT_EQ(1, form.num(L"Visible"));
    form.put(L"DialogKeys", 1);
    EXPECT_TRUE(test::Xdotool("key Escape"));
    PumpFor(300);
    EXPECT_EQ(L"hidden()", form.str(L"PendingEvent"));
    EXPECT_EQ(0, form.num(L"Visible"));
}

LONG ButtonType(const Obj& button) { return GetWindowLongA(button.hwnd(), GWL_STYLE) & BS_TYPEMASK; }

TEST(DialogKeys, OnlyTheCurrentDefaultButtonLooksLikeOneAndOnlyWhileTheKeysAreOn) {
    Session s;
    Obj form = s.form(L"look");
    Obj a = form.obj(L"AddCmdButton", {L"a", L"A", 10, 10, 80, 26});
    Obj b = form.obj(L"AddCmdButton", {L"b", L"B", 10, 50, 80, 26, L"", 1});
    a.call(L"SetAsDefault");
    EXPECT_EQ(BS_PUSHBUTTON, ButtonType(a)) << "the keys are off";
    form.put(L"DialogKeys", 1);
    EXPECT_EQ(BS_DEFPUSHBUTTON, ButtonType(a));
    EXPECT_EQ(BS_PUSHBUTTON, ButtonType(b));
    b.call(L"SetAsDefault");
    EXPECT_EQ(BS_PUSHBUTTON, ButtonType(a));
    EXPECT_EQ(BS_DEFPUSHBUTTON, ButtonType(b));
    EXPECT_TRUE(GetWindowLongA(b.hwnd(), GWL_STYLE) & BS_MULTILINE) << "the rest of its style stays";
    form.put(L"DialogKeys", 0);
    EXPECT_EQ(BS_PUSHBUTTON, ButtonType(a));
    EXPECT_EQ(BS_PUSHBUTTON, ButtonType(b));
}

TEST(DialogKeys, AnyNonZeroValueSwitchesThemOn) {
    Session s;
    Obj form = s.form(L"value");
    EXPECT_EQ(0, form.num(L"DialogKeys"));
    for (long v : {5L, -1L, 1L}) {
        form.put(L"DialogKeys", v);
        EXPECT_EQ(1, form.num(L"DialogKeys")) << v;
    }
    form.put(L"DialogKeys", 0);
    EXPECT_EQ(0, form.num(L"DialogKeys"));
    form.put(L"DialogKeys", 1);
    s.script.call(L"CloseAll");
    EXPECT_EQ(0, form.num(L"DialogKeys")) << "a destroyed form";
}

}  // namespace
}  // namespace mvtest
