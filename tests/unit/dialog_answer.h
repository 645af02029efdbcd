// Answering the library's modal dialogs from another thread, as a person at the screen
// would: while the test's thread sits inside a modal call, an Answerer finds the dialog
// owned by the form, reads what it shows, types and presses its buttons.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <thread>

namespace test {

// The first visible dialog (class "#32770") owned by `owner`, waiting up to `ms`; null
// when none came.
HWND WaitForOwnedDialog(HWND owner, DWORD ms = 10000);

// The first descendant of `parent` of class `cls` (and with text `text` unless null).
HWND FindDescendant(HWND parent, const char* cls, const char* text = nullptr);

std::string TextOf(HWND hwnd);                    // WM_GETTEXT, any length
std::wstring WideTextOf(HWND hwnd);               // the same, wide: any script
void TypeInto(HWND edit, const std::string& text);  // WM_SETTEXT
void Press(HWND dialog, int id);                  // clicks the dialog's button `id`

// The folder tree's selected item once the browser has selected its start folder: the
// first selection that stays put for a moment (waiting up to `ms`); null when none.
HTREEITEM SettledSelection(HWND tree, DWORD ms = 5000);
// In a folder browser's tree: opens the selected folder, as a click on its [+] does, and
// selects its child `name` (the first child when `name` is empty: item texts can be read
// only inside the process that shows the tree).
bool SelectChild(HWND tree, const std::string& name);
std::string ItemText(HWND tree, HTREEITEM item);  // the same process only

// Runs `steps` on its own thread, then waits for the test's thread to show no dialog any
// more. A dialog still open five seconds after the steps (an answer that did not work) is
// cancelled, so that a failing test ends instead of waiting forever; ok() then reports
// false. Call ok() after each modal call, before the next one.
class Answerer {
public:
    explicit Answerer(std::function<bool()> steps);
    Answerer(const Answerer&) = delete;
    Answerer& operator=(const Answerer&) = delete;
    ~Answerer();

    // Waits for the steps; true when they all worked.
    bool ok();

private:
    DWORD testThread_;
    bool ok_ = false;
    std::thread thread_;
};

// The dialogs of one answer: each step waits for the dialog owned by `owner`, then acts.
bool AnswerWith(HWND owner, int button);                     // presses a button
bool AnswerByClosing(HWND owner);                            // the close box
// Types `path` into the file dialog's name box and presses its default button; returns
// the dialog, or null when none came.
HWND ChooseFile(HWND owner, const std::string& path);
// Waits for a dialog that was answered to go away; false when it is still there.
bool WaitUntilClosed(HWND dialog, DWORD ms = 10000);

}  // namespace test
