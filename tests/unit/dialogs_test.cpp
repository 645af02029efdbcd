// The form's message box, folder browser and file dialogs, answered by a person at the
// screen (another thread) while the script's call waits for them.
#include <gtest/gtest.h>

#include "service_fixture.h"

using namespace test;

namespace {

std::wstring W(const std::string& s) { return FromCodePage(s); }

class Dialogs : public ServiceTest {};

std::string LastPart(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

}  // namespace

TEST_F(Dialogs, MessageBoxGivesTheButtonPressed) {
    struct Case { std::vector<Arg> args; int press; long result; const char* title; const char* text; };
    const Case cases[] = {
        { {L"Go on?", L"Question", 4}, IDYES, 6, "Question", "Go on?" },
        { {L"Go on?", L"Question", 4}, IDNO, 7, "Question", "Go on?" },
        { {L"Only a text"}, IDOK, 1, "Message", "Only a text" },                 // defaults
        { {L"caf\u00e9", Arg::Missing(), MB_OKCANCEL}, IDCANCEL, 2, "Message", "caf\xe9" },
    };
    for (const Case& c : cases) {
        std::string title, text;
        bool ownerEnabled = true;
        Answerer user([&] {
            HWND box = WaitForOwnedDialog(owner_);
            if (!box) return false;
            title = TextOf(box);
            HWND label = FindDescendant(box, "Static", c.text);
            text = label ? TextOf(label) : "";
            ownerEnabled = IsWindowEnabled(owner_);
            if (c.press == IDCANCEL) PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
            else Press(box, c.press);
            return true;
        });
        Outcome o = Call(form_, L"ShowMsgBox", c.args);
        EXPECT_TRUE(user.ok());
        EXPECT_EQ(o.hr, S_OK);
        EXPECT_EQ(o.lng(), c.result) << c.text;
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(text, c.text);
        EXPECT_FALSE(ownerEnabled) << "the form takes no input while its box is open";
    }
    EXPECT_TRUE(IsWindowEnabled(owner_));
}

TEST_F(Dialogs, MessageBoxShowsTheStartOfAVeryLongText) {
    // Texts are cut to 32766 characters, the most a box of the library has ever shown
    // (the platform's ANSI box overran its heap on texts of 32767 to 65535 characters).
    const size_t lengths[] = { 32766, 40000, 100000, 1 << 20 };
    for (size_t n : lengths) {
        std::string shown;
        Answerer user([&] {
            HWND box = WaitForOwnedDialog(owner_);
            if (!box) return false;
            shown = TextOf(GetDlgItem(box, 0xFFFF));
            Press(box, IDOK);
            return true;
        });
        Outcome o = Call(form_, L"ShowMsgBox", {std::wstring(n, L'm'), std::wstring(n, L'c')});
        EXPECT_TRUE(user.ok()) << n;
        EXPECT_EQ(o.lng(), IDOK) << n;
        EXPECT_EQ(shown, std::string(32766, 'm')) << n;
    }
}

// The library's own reports go through the same message box: a "Bad property" report
// naming a control with a very long name is cut the same way, and so is a long caption.
TEST_F(Dialogs, ReportsAndCaptionsAreCutLikeTexts) {
    Put(desktop(), L"DebugOption", Arg(1));
    const std::wstring name(40000, L'n');
    IDispatch* label = Call(form_, L"AddLabel", {name, L"x"}).object();
    ASSERT_NE(label, nullptr);
    std::string shown;
    Answerer report([&] {
        HWND box = WaitForWindow("#32770", "Bad property", 10000);
        if (!box) return false;
        shown = TextOf(GetDlgItem(box, 0xFFFF));
        Press(box, IDOK);
        return true;
    });
    EXPECT_EQ(Get(label, L"Text").hr, S_OK);
    EXPECT_TRUE(report.ok());
    const std::string message = "The property 'Text' don't apply to the object '" + std::string(name.size(), 'n');
    EXPECT_EQ(shown, message.substr(0, 32766));
    Put(desktop(), L"DebugOption", Arg(0));

    std::string title;
    Answerer user([&] {
        HWND box = WaitForOwnedDialog(owner_);
        if (!box) return false;
        title = TextOf(box);
        Press(box, IDOK);
        return true;
    });
    Call(form_, L"ShowMsgBox", {L"short", std::wstring(40000, L'c')});
    EXPECT_TRUE(user.ok());
    EXPECT_EQ(title, std::string(32766, 'c'));
}

TEST_F(Dialogs, FolderBrowserStartsAtItsFolderAndGivesTheChosenOne) {
    CreateDirectoryA((dir_ / "Chosen").c_str(), nullptr);
    CreateDirectoryA((dir_ / "Other").c_str(), nullptr);
    // Made a moment ago, as a script makes a folder and then offers it: Wine's browser
    // failed to select such a folder on the first request (measured for folders 1 to 5
    // seconds old).
    Sleep(2500);
    std::string startedAt, caption;
    Answerer user([&] {
        HWND dialog = WaitForOwnedDialog(owner_);
        HWND tree = dialog ? FindDescendant(dialog, "SysTreeView32") : nullptr;
        if (!tree) return false;
        caption = FindDescendant(dialog, "Static", "Pick a folder") ? "Pick a folder" : "";
        startedAt = ItemText(tree, SettledSelection(tree));
        if (!SelectChild(tree, "Chosen")) return false;
        Press(dialog, IDOK);
        return true;
    });
    Outcome o = Call(form_, L"ShowFolderBrowser", {W(dir_.path()), L"Pick a folder"});
    EXPECT_TRUE(user.ok());
    EXPECT_EQ(startedAt, LastPart(dir_.path()));
    EXPECT_EQ(caption, "Pick a folder");
    EXPECT_EQ(o.text(), W(dir_ / "Chosen"));
}

TEST_F(Dialogs, FolderBrowserCancelledGivesNothingWhateverItWasGiven) {
    struct Case { std::vector<Arg> args; const char* caption; };
    const Case cases[] = {
        { {}, "Select Folder" },                                  // defaults
        { {std::wstring(100000, L'x'), L"Long start"}, "Long start" },
        { {L"C:\\no\\such\\folder", L"Missing start"}, "Missing start" },
        { {L"C:\\\u6587", L"Foreign start"}, "Foreign start" },
        { {L"", std::wstring(100000, L'y')}, nullptr },          // a very long caption
    };
    for (const Case& c : cases) {
        bool captionShown = false;
        Answerer user([&] {
            HWND dialog = WaitForOwnedDialog(owner_);
            if (!dialog) return false;
            captionShown = !c.caption || FindDescendant(dialog, "Static", c.caption);
            Press(dialog, IDCANCEL);
            return true;
        });
        Outcome o = Call(form_, L"ShowFolderBrowser", c.args);
        EXPECT_TRUE(user.ok());
        EXPECT_EQ(o.hr, S_OK);
        EXPECT_EQ(o.text(), L"");
        EXPECT_TRUE(captionShown) << c.caption;
    }
}

TEST_F(Dialogs, OpenDialogTakesOnlyExistingFiles) {
    WriteFile(dir_ / "there.txt", "x");
    std::string firstName, filter, refusal;
    Answerer user([&] {
        HWND dialog = WaitForOwnedDialog(owner_);
        HWND name = dialog ? FindDescendant(dialog, "Edit") : nullptr;
        if (!name) return false;
        firstName = TextOf(name);
        filter = FindDescendant(dialog, "ComboBox", "All (*.*)") ? "All (*.*)" : "";
        TypeInto(name, dir_ / "not-there.txt");
        Press(dialog, IDOK);
        HWND refused = WaitForOwnedDialog(dialog);  // the dialog's own message
        if (!refused) return false;
        refusal = TextOf(GetDlgItem(refused, 0xFFFF));  // a message box's text
        Press(refused, IDOK);
        return ChooseFile(owner_, dir_ / "there.txt") != nullptr;
    });
    char before[MAX_PATH] = {}, after[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, before);
    Outcome o = Call(form_, L"ShowFileBrowserOpen");
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_TRUE(user.ok());
    EXPECT_EQ(o.text(), W(dir_ / "there.txt"));
    EXPECT_STREQ(after, before) << "the script's relative paths would name other files";
    EXPECT_EQ(firstName, std::string(512, ' ')) << "the name box starts with 512 blanks";
    EXPECT_EQ(filter, "All (*.*)");
    EXPECT_FALSE(refusal.empty()) << "a missing file was not refused";  // Wine: "File does not exist"

    Answerer cancel([&] { return AnswerWith(owner_, IDCANCEL); });
    EXPECT_EQ(Call(form_, L"ShowFileBrowserOpen").text(), L"");
    EXPECT_TRUE(cancel.ok());
}

namespace {

// Cancel commands that reach a dialog: a button tells its dialog it was pressed by a sent
// WM_COMMAND, which a hook on the dialog's thread sees.
int g_cancels = 0;
LRESULT CALLBACK CountCancels(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && m->message == WM_COMMAND && LOWORD(m->wParam) == IDCANCEL) ++g_cancels;
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

// Cancel pressed twice in quick succession: the second press is queued while the dialog
// ends and its form takes the focus back. The dialog takes one Cancel and ends once, and
// the script gets the empty string.
TEST_F(Dialogs, ASecondCancelWhileTheDialogEndsIsHarmless) {
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, CountCancels, nullptr, GetCurrentThreadId());
    for (const wchar_t* method : { L"ShowFileBrowserOpen", L"ShowFileBrowserSave", L"ShowFolderBrowser" }) {
        g_cancels = 0;
        Answerer user([&] {
            HWND dialog = WaitForOwnedDialog(owner_);
            if (!dialog) return false;
            Press(dialog, IDCANCEL);
            Press(dialog, IDCANCEL);
            return true;
        });
        SetForegroundWindow(owner_);  // the user has just clicked the form
        EXPECT_EQ(Call(form_, method).text(), L"") << ToCodePage(method);
        EXPECT_TRUE(user.ok()) << ToCodePage(method);
        EXPECT_EQ(1, g_cancels) << ToCodePage(method);
    }
    UnhookWindowsHookEx(hook);
}

TEST_F(Dialogs, SaveDialogAsksBeforeOverwriting) {
    WriteFile(dir_ / "kept.txt", "kept");
    std::string question;
    Answerer user([&] {
        HWND dialog = ChooseFile(owner_, dir_ / "kept.txt");
        HWND ask = dialog ? WaitForOwnedDialog(dialog) : nullptr;
        if (!ask) return false;
        question = TextOf(GetDlgItem(ask, 0xFFFF));
        Press(ask, IDYES);
        return true;
    });
    Outcome o = Call(form_, L"ShowFileBrowserSave");
    EXPECT_TRUE(user.ok());
    EXPECT_EQ(o.text(), W(dir_ / "kept.txt"));
    EXPECT_FALSE(question.empty()) << "no question before overwriting";
    EXPECT_EQ(ReadFile(dir_ / "kept.txt"), "kept") << "choosing a name writes nothing";

    Answerer fresh([&] { return ChooseFile(owner_, dir_ / "fresh.txt") != nullptr; });
    EXPECT_EQ(Call(form_, L"ShowFileBrowserSave").text(), W(dir_ / "fresh.txt"));
    EXPECT_TRUE(fresh.ok());

    Answerer cancel([&] { return AnswerByClosing(owner_); });
    EXPECT_EQ(Call(form_, L"ShowFileBrowserSave").text(), L"");
    EXPECT_TRUE(cancel.ok());
}

TEST_F(Dialogs, EventsOfFormsWhileADialogIsOpenReachTheNextLastEvent) {
    IDispatch* other = createForm(L"Other");
    HWND otherHwnd = hwndOf(other);
    Put(other, L"OnShow", Arg(L"otherShown()"));
    Put(other, L"OnHide", Arg(L"otherHidden()"));
    WriteFile(dir_ / "src", "new");
    WriteFile(dir_ / "dst", "old");
    // While each modal call waits, another program shows the other form (a posted show
    // request) or the user closes it with its close box; then the dialog is answered.
    struct Case { const wchar_t* method; std::vector<Arg> args; bool show; int press; const wchar_t* event; };
    const Case cases[] = {
        { L"ShowMsgBox", {L"Wait", L"Busy", 0}, true, IDOK, L"otherShown()" },
        { L"ShowFolderBrowser", {}, false, IDCANCEL, L"otherHidden()" },
        { L"ShowFileBrowserOpen", {}, true, IDCANCEL, L"otherShown()" },
        { L"CopyFilePB", {W(dir_ / "src"), W(dir_ / "dst"), 0, 0}, false, IDNO, L"otherHidden()" },
    };
    for (const Case& c : cases) {
        Answerer user([&] {
            HWND dialog = WaitForOwnedDialog(owner_);
            if (!dialog) return false;
            if (c.show) ShowWindowAsync(otherHwnd, SW_SHOWNOACTIVATE);
            else PostMessageA(otherHwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            for (int i = 0; i < 250 && (IsWindowVisible(otherHwnd) != c.show); ++i) Sleep(20);
            Press(dialog, c.press);
            return IsWindowVisible(otherHwnd) == c.show;
        });
        Call(form_, c.method, c.args);
        EXPECT_TRUE(user.ok()) << ToCodePage(c.method);
        EXPECT_EQ(GetText(other, L"LastEvent"), c.event) << ToCodePage(c.method);
    }
    EXPECT_EQ(ReadFile(dir_ / "dst"), "old");
}

// A name the system code page cannot hold comes back exactly: as a look-alike or with '?'
// it would name another file (a.txt) or, to the file methods, a wildcard. The folder
// browser starts in a folder of any name and shows a title of any script.
TEST_F(Dialogs, TheChosenPathNamesExactlyWhatWasChosen) {
    const std::wstring folder = W(dir_.path());
    const std::wstring alike = folder + L"\\\u0101.txt", foreign = folder + L"\\\u6587.txt";
    const std::wstring start = folder + L"\\\u041F\U00020BB7", inside = start + L"\\\u6587";
    const std::wstring title = L"\u039A\u03B1\u03BB\u03B7";
    WriteFile(dir_ / "a.txt", "the look-alike's twin");
    CloseHandle(CreateFileW(alike.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    CreateDirectoryW(start.c_str(), nullptr);
    CreateDirectoryW(inside.c_str(), nullptr);
    const DWORD made = GetTickCount();

    auto chooseWide = [this](const std::wstring& path) {
        HWND dialog = WaitForOwnedDialog(owner_);
        HWND name = dialog ? FindDescendant(dialog, "Edit") : nullptr;
        if (!name) return false;
        SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        Press(dialog, IDOK);
        return true;
    };
    Answerer open([&] { return chooseWide(alike); });
    EXPECT_EQ(Call(form_, L"ShowFileBrowserOpen").text(), alike);
    EXPECT_TRUE(open.ok());
    Answerer save([&] { return chooseWide(foreign); });
    EXPECT_EQ(Call(form_, L"ShowFileBrowserSave").text(), foreign);
    EXPECT_TRUE(save.ok());

    // Wine's browser may not select a folder made a few seconds before (see above).
    const DWORD age = GetTickCount() - made;
    if (age < 2500) Sleep(2500 - age);
    bool titled = false;
    Answerer pick([&] {
        HWND dialog = WaitForOwnedDialog(owner_);
        HWND tree = dialog ? FindDescendant(dialog, "SysTreeView32") : nullptr;
        if (!tree || !SettledSelection(tree) || !SelectChild(tree, "")) return false;
        for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) titled |= WideTextOf(c) == title;
        Press(dialog, IDOK);
        return true;
    });
    EXPECT_EQ(Call(form_, L"ShowFolderBrowser", {start, title}).text(), inside);
    EXPECT_TRUE(pick.ok());
    EXPECT_TRUE(titled);
}
