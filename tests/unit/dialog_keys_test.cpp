// Enter and Escape pressed for real (xdotool, see real_input.h) in every kind of control
// that takes the focus, with DialogKeys off and on; buttons that cannot be clicked; the
// default button's look. The test plays the script: it reads what a key posted with
// PendingEvent.
#include <gtest/gtest.h>

#include "real_input.h"
#include "script_objects.h"

namespace test {
namespace {


// The default button "ok", the cancel button "cancel", and one control of every other
// kind that takes the focus.
struct Dialog {
    Session s;
    Obj form = s.form(L"keys", 200, 150, 420, 260);
    Obj ok = form.obj(L"AddCmdButton", {L"ok", L"OK", 300, 20, 90, 28, L"ok()"});
    Obj cancel = form.obj(L"AddCmdButton", {L"cancel", L"Cancel", 300, 60, 90, 28, L"cancel()"});
    Obj text = form.obj(L"AddTextbox", {L"text", L"", 20, 20, 150, 24});
    Obj notes = form.obj(L"AddTextbox", {L"notes", L"", 20, 55, 150, 50, L"", 0, 1});
    Obj combo = form.obj(L"AddComboBox", {L"combo", 20, 115, 150, 100});
    Obj list = form.obj(L"AddListBox", {L"list", 20, 150, 150, 50});
    Obj check = form.obj(L"AddCheckBox", {L"check", L"Check", 190, 20, 100, 24});
    Obj option = form.obj(L"AddOptionBox", {L"option", L"Option", 190, 50, 100, 24});

    explicit Dialog(long keys) {
        ok.call(L"SetAsDefault");
        cancel.call(L"SetAsCancel");
        combo.call(L"AddItem", {L"one"});
        form.put(L"DialogKeys", keys);
        form.put(L"OnHide", L"hidden()");
        show();
    }
    void show() {
        form.put(L"Visible", 1);
        test::Xdotool("mousemove 205 405");  // over the form: the keyboard follows the pointer
        Drain(form);
    }
    // What pressing `keys` in the control `name` posts; "" for nothing.
    std::wstring press(const wchar_t* name, const std::string& keys) {
        form.obj(L"controls", {name}).call(L"SetFocus");
        Drain(form);
        EXPECT_TRUE(test::Xdotool("key " + keys)) << keys;
        PumpFor(300);  // the keys reach the queue through the X server
        return form.str(L"PendingEvent");
    }
};

// While the keys are off Escape posts nothing anywhere. F4 first opens the combo's list.
struct KeyCase {
    const wchar_t* control;
    const char* before;
    const wchar_t* enterOff;
    const wchar_t* enterOn;
    const wchar_t* escapeOn;
};

const KeyCase kKeys[] = {
    { L"text",   "",    L"",         L"ok()",     L"cancel()" },
    { L"notes",  "",    L"",         L"",         L"cancel()" },  // Enter breaks the line
    { L"combo",  "",    L"",         L"ok()",     L"cancel()" },
    { L"combo",  "F4 ", L"",         L"",         L""         },  // both close the open list
    { L"list",   "",    L"",         L"ok()",     L"cancel()" },
    { L"check",  "",    L"",         L"ok()",     L"cancel()" },
    { L"option", "",    L"",         L"ok()",     L"cancel()" },
    { L"cancel", "",    L"cancel()", L"cancel()", L"cancel()" },  // a button clicks itself
};

TEST(DialogKeys, EnterAndEscapeFromEveryKindOfControlWithTheKeysOffAndOn) {
    REQUIRE_XDOTOOL();
    for (long keys : {0L, 1L}) {
        Dialog d(keys);
        for (const KeyCase& c : kKeys) {
            std::string in = (testing::Message() << " in " << c.before << c.control << ", DialogKeys " << keys).GetString();
            EXPECT_EQ(keys ? c.enterOn : c.enterOff, d.press(c.control, c.before + std::string("Return"))) << "Enter" << in;
            EXPECT_EQ(keys ? c.escapeOn : L"", d.press(c.control, c.before + std::string("Escape"))) << "Escape" << in;
        }
        EXPECT_EQ(L"\r\n", d.notes.str(L"Text"));
        EXPECT_EQ(0, d.check.num(L"Value")) << "Enter does not tick a check box";
    }
}

// Escape without a usable cancel button does what the close box does.
TEST(DialogKeys, ADisabledOrHiddenButtonIsNotClicked) {
    REQUIRE_XDOTOOL();
    Dialog d(1);
    for (const wchar_t* property : {L"Enable", L"Visible"}) {
        d.ok.put(property, 0);
        d.cancel.put(property, 0);
        EXPECT_EQ(L"", d.press(L"text", "Return")) << property << " 0";
        EXPECT_EQ(L"hidden()", d.press(L"text", "Escape")) << property << " 0";
        d.ok.put(property, 1);
        d.cancel.put(property, 1);
        d.show();
    }
}

TEST(DialogKeys, OnlyTheCurrentDefaultButtonLooksLikeOneAndOnlyWhileTheKeysAreOn) {
    Session s;
    Obj form = s.form(L"look");
    Obj a = form.obj(L"AddCmdButton", {L"a", L"A", 10, 10, 80, 26}), b = form.obj(L"AddCmdButton", {L"b", L"B", 10, 50, 80, 26});
    auto bold = [](const Obj& o) { return (GetWindowLongA(o.hwnd(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; };
    a.call(L"SetAsDefault");
    EXPECT_FALSE(bold(a)) << "while the keys are off";
    form.put(L"DialogKeys", 7);
    EXPECT_EQ(1, form.num(L"DialogKeys")) << "any value but 0 is stored as 1";
    EXPECT_TRUE(bold(a));
    b.call(L"SetAsDefault");
    EXPECT_TRUE(!bold(a) && bold(b));
    form.put(L"DialogKeys", 0);
    EXPECT_FALSE(bold(b));
}

}  // namespace
}  // namespace test
