// Each thread's forms by window and its cached control.
#include "form/form_windows.h"

#include <unordered_map>

namespace mv {

namespace {

// A thread's forms by window, and its cached control: windows belong to the thread that
// made them, and so do their objects. Made on first use; a thread that ends with forms
// left leaks them in any case.
struct ThreadWindows {
    std::unordered_map<HWND, Form*> forms;  // borrowed: a form forgets its window in its teardown
    ComPtr<Control> cached;                 // emptied when its form's window goes
};
thread_local ThreadWindows* t_windows = nullptr;

ThreadWindows& Here() {
    if (!t_windows) t_windows = new ThreadWindows;
    return *t_windows;
}

}  // namespace

void RememberFormWindow(HWND hwnd, Form* form) { Here().forms[hwnd] = form; }

void ForgetFormWindow(HWND hwnd) {
    ThreadWindows& t = Here();
    t.forms.erase(hwnd);
    if (t.cached && t.cached->form() && t.cached->form()->formWindow() == hwnd) {
        ComPtr<Control> gone = std::move(t.cached);  // released after the slot is empty: the release may end it
    }
}

Form* RecordedForm(HWND hwnd) {
    auto& forms = Here().forms;
    auto found = forms.find(hwnd);
    return found == forms.end() ? nullptr : found->second;
}

ComPtr<Control>& CachedControl() { return Here().cached; }

}  // namespace mv
