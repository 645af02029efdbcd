// Answering modal dialogs from another thread.
#include "dialog_answer.h"

#include <vector>

namespace test {

namespace {

bool IsShownDialog(HWND hwnd) {
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof(cls));
    return lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(hwnd);
}

struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwned(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<OwnedSearch*>(param);
    if (!IsShownDialog(hwnd)) return TRUE;
    if (s->owner && GetWindow(hwnd, GW_OWNER) != s->owner) return TRUE;
    s->found = hwnd;
    return FALSE;
}

struct DescendantSearch {
    const char* cls;
    const char* text;
    HWND found;
};

BOOL CALLBACK FindChild(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<DescendantSearch*>(param);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof(cls));
    if (lstrcmpiA(cls, s->cls) != 0) return TRUE;
    if (s->text && TextOf(hwnd) != s->text) return TRUE;
    s->found = hwnd;
    return FALSE;
}

BOOL CALLBACK CollectDialogs(HWND hwnd, LPARAM param) {
    if (IsShownDialog(hwnd)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

// Waits up to five seconds for the test's thread to show no dialog any more; then closes
// what is left. True when nothing was left.
bool NoDialogLeft(DWORD thread) {
    for (int i = 0; i < 140; ++i) {
        std::vector<HWND> open;
        EnumThreadWindows(thread, CollectDialogs, reinterpret_cast<LPARAM>(&open));
        if (open.empty()) return i < 100;
        if (i >= 100)
            for (HWND h : open) PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        Sleep(50);
    }
    return false;
}

}  // namespace

HWND WaitForOwnedDialog(HWND owner, DWORD ms) {
    DWORD end = GetTickCount() + ms;
    do {
        OwnedSearch s{owner, nullptr};
        EnumWindows(FindOwned, reinterpret_cast<LPARAM>(&s));
        if (s.found) {
            Sleep(100);  // let it finish its set-up (initial selection, focus)
            return s.found;
        }
        Sleep(20);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
    return nullptr;
}

HWND FindDescendant(HWND parent, const char* cls, const char* text) {
    DescendantSearch s{cls, text, nullptr};
    EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

std::string TextOf(HWND hwnd) {
    LRESULT n = SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(n) + 1, '\0');
    n = SendMessageA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(n));
    return text;
}

std::wstring WideTextOf(HWND hwnd) {
    std::wstring text(static_cast<size_t>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

void TypeInto(HWND edit, const std::string& text) {
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Posted: the click may open another modal window (a question) inside the dialog's own
// handling of it, and a sent message would wait for that window to close.
void Press(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

std::string ItemText(HWND tree, HTREEITEM item) {
    char text[MAX_PATH] = {};
    TVITEMA tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = MAX_PATH;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
    return text;
}

HTREEITEM SettledSelection(HWND tree, DWORD ms) {
    HTREEITEM last = nullptr;
    int same = 0;
    for (DWORD waited = 0; waited < ms; waited += 20) {
        auto selected = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
        same = selected && selected == last ? same + 1 : 0;
        if (same == 10) return selected;
        last = selected;
        Sleep(20);
    }
    return nullptr;
}

bool SelectChild(HWND tree, const std::string& name) {
    HTREEITEM selected = SettledSelection(tree);
    if (!selected) return false;
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(selected));
    auto child = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(selected)));
    while (child && !name.empty() && ItemText(tree, child) != name)
        child = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)));
    if (!child) return false;
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(child));
    return true;
}

Answerer::Answerer(std::function<bool()> steps) : testThread_(GetCurrentThreadId()) {
    thread_ = std::thread([this, steps] {
        bool answered = steps();
        ok_ = NoDialogLeft(testThread_) && answered;
    });
}

Answerer::~Answerer() {
    if (thread_.joinable()) thread_.join();
}

bool Answerer::ok() {
    if (thread_.joinable()) thread_.join();
    return ok_;
}

bool AnswerWith(HWND owner, int button) {
    HWND dialog = WaitForOwnedDialog(owner);
    if (!dialog) return false;
    Press(dialog, button);
    return true;
}

bool AnswerByClosing(HWND owner) {
    HWND dialog = WaitForOwnedDialog(owner);
    if (!dialog) return false;
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

HWND ChooseFile(HWND owner, const std::string& path) {
    HWND dialog = WaitForOwnedDialog(owner);
    HWND name = dialog ? FindDescendant(dialog, "Edit") : nullptr;
    if (!name) return nullptr;
    TypeInto(name, path);
    Press(dialog, IDOK);
    return dialog;
}

bool WaitUntilClosed(HWND dialog, DWORD ms) {
    DWORD end = GetTickCount() + ms;
    while (IsWindow(dialog) && IsWindowVisible(dialog)) {
        if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
        Sleep(20);
    }
    return true;
}

}  // namespace test
