// Today's look in a host without a manifest (this test program has none, like cscript
// and PowerShell): every kind of control is the common controls' version 6 window while
// Desktop.VisualStyles is 1, the classic one after a script sets 0, and the controls that
// sit on the form's background paint it in both looks.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "control_fixture.h"
#include "core/visual_styles.h"
#include "dialog_answer.h"
#include "script_objects.h"
#include "service_fixture.h"

using namespace test;

namespace {

struct Kind {
    const wchar_t* method;
    std::vector<Arg> args;
    const wchar_t* windowClass;
};

const std::vector<Kind>& Kinds() {
    static const std::vector<Kind> kinds = {
        { L"AddCmdButton", { L"b", L"OK", 10, 10, 80, 24 }, L"Button" },
        { L"AddLabel", { L"l", L"Name", 10, 40, 80, 20 }, L"Static" },
        { L"AddTextbox", { L"t", L"text", 10, 70, 80, 22 }, L"Edit" },
        { L"AddComboBox", { L"c", 10, 100, 80, 100 }, L"ComboBox" },
        { L"AddListBox", { L"s", 10, 130, 80, 60 }, L"ListBox" },
        { L"AddProgressBar", { L"p", 10, 200, 80, 20 }, PROGRESS_CLASSW },
        { L"AddFrame", { L"f", L"Frame", 150, 10, 150, 100 }, L"Button" },
        { L"AddImage", { L"i", L"", 150, 120, 40, 40 }, L"Static" },
        { L"AddOptionBox", { L"o", L"Option", 160, 30, 100, 20 }, L"Button" },
        { L"AddCheckBox", { L"k", L"Check", 160, 60, 100, 20 }, L"Button" },
    };
    return kinds;
}

// The atom of the class a name stands for, outside or inside the library's context.
ATOM ClassAtom(const wchar_t* name, bool version6) {
    const bool was = mv::VisualStylesOn();
    mv::SetVisualStylesOn(version6);
    ATOM atom;
    {
        mv::VisualStyleScope scope;
        WNDCLASSEXW wc{sizeof wc};
        atom = static_cast<ATOM>(GetClassInfoExW(nullptr, name, &wc));
    }
    mv::SetVisualStylesOn(was);
    return atom;
}

}  // namespace

TEST(VisualStyles, EveryKindIsTheVersion6ControlUnlessTheScriptAsksForTheClassicLook) {
    for (long styles : {1, 0}) {
        Session s;
        EXPECT_EQ(1, s.script.num(L"VisualStyles")) << "every Desktop starts with today's look";
        EXPECT_EQ(S_OK, s.script.put(L"VisualStyles", styles));
        EXPECT_EQ(styles, s.script.num(L"VisualStyles"));
        Obj form = s.form(L"look");
        for (const Kind& k : Kinds()) {
            Obj c = form.obj(k.method, k.args);
            ASSERT_TRUE(c);
            const HWND h = c.hwnd();
            const std::string why = "VisualStyles " + std::to_string(styles) + ", " + test::ToCodePage(k.method);
            EXPECT_EQ(ClassAtom(k.windowClass, styles == 1), GetClassLongPtrW(h, GCW_ATOM)) << why;
            // Wine's one progress bar class serves both versions.
            if (ClassAtom(k.windowClass, true) != ClassAtom(k.windowClass, false))
                EXPECT_NE(ClassAtom(k.windowClass, styles != 1), GetClassLongPtrW(h, GCW_ATOM)) << why;
        }
        // Only version 6 buttons and text boxes answer these.
        SIZE ideal{};
        EXPECT_EQ(styles == 1, SendMessageW(form.obj(L"controls", {L"b"}).hwnd(), BCM_GETIDEALSIZE, 0,
                                            reinterpret_cast<LPARAM>(&ideal)) != FALSE);
        EXPECT_EQ(styles == 1, SendMessageW(form.obj(L"controls", {L"t"}).hwnd(), EM_SETCUEBANNER, 0,
                                            reinterpret_cast<LPARAM>(L"cue")) != FALSE);
    }
}

TEST(VisualStyles, LabelsFramesOptionsAndChecksSitOnTheFormsOwnBackground) {
    // In a Wine prefix the menu colour (the form's) is white and the button face grey.
    ASSERT_NE(GetSysColor(COLOR_MENU), GetSysColor(COLOR_BTNFACE));
    for (long styles : {1, 0}) {
        Session s;
        s.script.put(L"VisualStyles", styles);
        Obj form = s.form(L"background");
        form.put(L"Visible", 1);
        const HWND formWindow = form.hwnd();
        const COLORREF background = test::PixelAt(formWindow, 390, 250);
        ASSERT_EQ(GetSysColor(COLOR_MENU), background);
        for (int i : {1, 6, 8, 9}) {
            const Kind& k = Kinds()[i];
            const HWND h = form.obj(k.method, k.args).hwnd();
            RedrawWindow(formWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            RECT r;
            GetClientRect(h, &r);
            // Right of the text, inside the control.
            const int x = r.right - 3, y = i == 6 ? r.bottom / 2 : r.bottom - 3;
            EXPECT_EQ(background, test::PixelAt(h, x, y))
                << "VisualStyles " << styles << ", " << test::ToCodePage(k.method);
        }
    }
}

// The information box of Version is shown in the library's context like every other box.
TEST(VisualStyles, TheVersionBoxIsShownInTheLibrarysContext) {
    Session s;
    ATOM button = 0;
    Answerer answer([&button] {
        HWND box = WaitForWindow("#32770", "Informations", 10000);
        if (!box) return false;
        button = static_cast<ATOM>(GetClassLongPtrW(FindDescendant(box, "Button"), GCW_ATOM));
        Press(box, IDOK);
        return true;
    });
    EXPECT_FALSE(s.script.str(L"Version", {Arg::Bool(true)}).empty());
    ASSERT_TRUE(answer.ok());
    EXPECT_EQ(ClassAtom(L"Button", true), button);
}
