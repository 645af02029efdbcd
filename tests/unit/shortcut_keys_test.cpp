// The keyboard of a form as a dialog's, pressed for real (xdotool, see real_input.h):
// shortcut letters of every kind, Tab from a form whose own window has the focus, the
// arrows among option boxes, and a focused text box being disabled. The test plays the
// script: it reads what the keys posted with PendingEvent and asks the system where the
// focus is.
#include <gtest/gtest.h>

#include <string>

#include "real_input.h"
#include "script_objects.h"

namespace test {
namespace {

// One form with a control of each kind that has a shortcut. Every click posts the
// control's name followed by "()".
struct Keyboard {
    Session s;
    Obj form = s.form(L"keyboard", 200, 150, 460, 300);
    Obj text = form.obj(L"AddTextbox", {L"text", L"", 20, 20, 150, 24});
    Obj ok = form.obj(L"AddCmdButton", {L"ok", L"&OK", 340, 20, 90, 28, L"ok()"});
    Obj remember = form.obj(L"AddCheckBox", {L"remember", L"&Remember me", 190, 20, 140, 24, L"remember()"});
    Obj city = form.obj(L"AddLabel", {L"cityLabel", L"&City:", 20, 60, 60, 20});
    Obj cityBox = form.obj(L"AddTextbox", {L"city", L"", 90, 58, 100, 24});
    Obj frame = form.obj(L"AddFrame", {L"size", L"&Size", 20, 100, 170, 110});
    Obj small = form.obj(L"AddOptionBox", {L"small", L"Sm&all", 30, 125, 140, 24, L"small()"});
    Obj large = form.obj(L"AddOptionBox", {L"large", L"&Large", 30, 155, 140, 24, L"large()"});
    Obj red = form.obj(L"AddOptionBox", {L"red", L"R&ed", 210, 100, 100, 24, L"red()"});
    Obj green = form.obj(L"AddOptionBox", {L"green", L"&Green", 210, 130, 100, 24, L"green()"});
    Obj print = form.obj(L"AddCmdButton", {L"print", L"&Print", 340, 60, 90, 28, L"print()"});
    Obj preview = form.obj(L"AddCmdButton", {L"preview", L"&Preview", 340, 100, 90, 28, L"preview()"});
    Obj del = form.obj(L"AddCmdButton", {L"del", L"&Delete", 340, 140, 90, 28, L"del()"});
    Obj hidden = form.obj(L"AddCmdButton", {L"hidden", L"&Hidden", 340, 180, 90, 28, L"hidden()"});

    explicit Keyboard(long dialogKeys) {
        form.put(L"DialogKeys", dialogKeys);
        del.put(L"Enable", 0);
        hidden.put(L"Visible", 0);
        large.put(L"Value", 1);
        form.put(L"Visible", 1);
        test::Xdotool("mousemove 215 445");  // over the form: the keyboard follows the pointer
        Drain(form);
    }
    // The name of the control with the focus; "" for none of them.
    std::wstring focus() const {
        HWND f = GetFocus();
        for (const wchar_t* name : {L"text", L"ok", L"remember", L"city", L"small", L"large", L"red", L"green",
                                    L"print", L"preview"})
            if (form.obj(L"controls", {name}).hwnd() == f) return name;
        return L"";
    }
    // What pressing `keys` in the control `from` posts; "" for nothing. The focus is read
    // once it is `expected` or the time is up.
    std::wstring press(const wchar_t* from, const std::string& keys, const std::wstring& expected) {
        form.obj(L"controls", {from}).call(L"SetFocus");
        Drain(form);
        EXPECT_TRUE(test::Xdotool("key " + keys)) << keys;
        for (DWORD waited = 0; waited < 1500 && focus() != expected; waited += 50) PumpFor(50);
        PumpFor(100);  // a click posts after the release that follows
        return form.str(L"PendingEvent");
    }
};

struct KeyCase {
    long dialogKeys;
    const wchar_t* from;
    const char* keys;
    const wchar_t* event;  // posted; "" for none
    const wchar_t* focus;  // afterwards
};

const KeyCase kKeys[] = {
    { 0, L"text",     "alt+o",   L"ok()",       L"ok"       },  // a button is clicked
    { 0, L"text",     "alt+r",   L"remember()", L"remember" },  // a check box toggles
    { 0, L"text",     "alt+a",   L"small()",    L"small"    },  // an option box is selected
    { 0, L"text",     "alt+s",   L"",           L"small"    },  // a frame: its selected option box
    { 0, L"text",     "alt+c",   L"",           L"text"     },  // a label shows & as text
    { 1, L"text",     "alt+c",   L"",           L"city"     },  // ... unless the dialog keys are on
    { 0, L"text",     "alt+d",   L"",           L"text"     },  // disabled
    { 0, L"text",     "alt+h",   L"",           L"text"     },  // hidden
    { 0, L"text",     "alt+p",   L"",           L"print"    },  // a shared letter moves the focus...
    { 0, L"print",    "alt+p",   L"",           L"preview"  },  // ... among its controls
    { 0, L"preview",  "alt+p",   L"",           L"print"    },
    { 0, L"ok",       "r",       L"remember()", L"remember" },  // a letter alone on a button
    { 0, L"text",     "r",       L"",           L"text"     },  // ... but not in a text box
    { 0, L"small",    "Down",    L"large()",    L"large"    },  // the arrows in a frame's group
    { 0, L"large",    "Down",    L"small()",    L"small"    },  // wrap at its ends
    { 0, L"small",    "Up",      L"large()",    L"large"    },
    { 0, L"red",      "Right",   L"green()",    L"green"    },  // a group added one after another
    { 0, L"green",    "Right",   L"red()",      L"red"      },  // never goes into the frame
};

TEST(ShortcutKeys, LettersArrowsAndTabActAsInADialog) {
    REQUIRE_XDOTOOL();
    for (long dialogKeys : {0L, 1L}) {
        Keyboard k(dialogKeys);
        for (const KeyCase& c : kKeys) {
            if (c.dialogKeys != dialogKeys) continue;
            std::wstring event = k.press(c.from, c.keys, c.focus);
            EXPECT_EQ(c.event, event) << c.keys << " in " << testing::PrintToString(std::wstring(c.from))
                                      << ", DialogKeys " << dialogKeys;
            EXPECT_EQ(c.focus, k.focus()) << c.keys << " in " << testing::PrintToString(std::wstring(c.from));
        }
        if (dialogKeys == 0) {
            EXPECT_EQ(L"r", k.text.str(L"Text")) << "the letter typed in the text box";
            EXPECT_EQ(0, k.remember.num(L"Value")) << "toggled twice";
            EXPECT_EQ(1, k.red.num(L"Value")) << "the last option box selected outside the frame";
            EXPECT_EQ(1, k.large.num(L"Value")) << "the frame's group keeps its own selection";
        }
    }
}

// A shown form whose own window has the focus: Tab reaches the first control, Shift+Tab
// the last; with the dialog keys on the form starts on its first control.
TEST(ShortcutKeys, TabFromAFormWithNoFocusedControl) {
    REQUIRE_XDOTOOL();
    for (const char* key : {"Tab", "shift+Tab"}) {
        Session s;
        Obj form = s.form(L"start", 200, 150, 300, 200);
        form.obj(L"AddLabel", {L"label", L"Name:", 20, 20, 60, 20});
        Obj first = form.obj(L"AddTextbox", {L"first", L"", 90, 20, 150, 24});
        Obj last = form.obj(L"AddCmdButton", {L"last", L"OK", 90, 60, 80, 28});
        form.put(L"Visible", 1);
        test::Xdotool("mousemove 215 295");
        Drain(form);
        SetFocus(form.hwnd());
        Pump();
        ASSERT_EQ(form.hwnd(), GetFocus());
        EXPECT_TRUE(test::Xdotool(std::string("key ") + key));
        HWND expected = std::string(key) == "Tab" ? first.hwnd() : last.hwnd();
        for (DWORD waited = 0; waited < 1500 && GetFocus() != expected; waited += 50) PumpFor(50);
        EXPECT_EQ(expected, GetFocus()) << key;
    }
    Session s;
    Obj form = s.form(L"dialog", 200, 150, 300, 200);
    Obj first = form.obj(L"AddTextbox", {L"first", L"", 90, 20, 150, 24});
    form.put(L"DialogKeys", 1);
    form.put(L"Visible", 1);
    Pump();
    EXPECT_EQ(first.hwnd(), GetFocus()) << "a dialog shown starts on its first field";
}

// Disabled while it has the focus, a text box hands it to the next control and takes no
// more typed keys.
TEST(ShortcutKeys, DisablingTheFocusedTextBoxMovesTheFocusOn) {
    REQUIRE_XDOTOOL();
    Session s;
    Obj form = s.form(L"disable", 200, 150, 300, 200);
    Obj name = form.obj(L"AddTextbox", {L"name", L"", 20, 20, 150, 24});
    Obj next = form.obj(L"AddTextbox", {L"next", L"", 20, 60, 150, 24});
    form.put(L"Visible", 1);
    test::Xdotool("mousemove 215 295");
    name.call(L"SetFocus");
    Drain(form);
    name.put(L"Enable", 0);
    EXPECT_EQ(next.hwnd(), GetFocus());
    EXPECT_EQ(0, name.num(L"Enable"));
    EXPECT_TRUE(test::Xdotool("key x"));
    for (DWORD waited = 0; waited < 1500 && next.str(L"Text").empty(); waited += 50) PumpFor(50);
    EXPECT_EQ(L"", name.str(L"Text"));
    EXPECT_EQ(L"x", next.str(L"Text"));
}

}  // namespace
}  // namespace test
