// Each thread's forms by window and its cached control.
#include "form/form_windows.h"

#include <unordered_map>

#include "core/thread_state.h"

namespace mv {

namespace {

// A thread's forms by window, and its cached control: windows belong to the thread that
// made them, and so do their objects. Part of the thread's state (core/thread_state.h).
struct ThreadWindows {
    std::unordered_map<HWND, Form*> forms;  // borrowed: a form forgets its window in its teardown
    ComPtr<Control> cached;                 // emptied when its form's window goes
};

ThreadWindows& Here() { return ThreadOwn<ThreadWindows>(); }

}  // namespace

void RememberFormWindow(HWND hwnd, Form* form) { Here().forms[hwnd] = form; }

void ForgetFormWindow(HWND hwnd) {
    ThreadWindows* t = ThreadOwnIfMade<ThreadWindows>();  // a look makes no state
    if (!t) return;
    t->forms.erase(hwnd);
    if (t->cached && t->cached->form() && t->cached->form()->formWindow() == hwnd) {
        ComPtr<Control> gone = std::move(t->cached);  // released after the slot is empty: the release may end it
    }
}

Form* RecordedForm(HWND hwnd) {
    ThreadWindows* t = ThreadOwnIfMade<ThreadWindows>();
    if (!t) return nullptr;
    auto found = t->forms.find(hwnd);
    return found == t->forms.end() ? nullptr : found->second;
}

ComPtr<Control>& CachedControl() { return Here().cached; }

}  // namespace mv
