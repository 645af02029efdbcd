// The one way from a window to its form or control.
#include "form/window_objects.h"

#include <unordered_map>

#include "control/control.h"
#include "core/thread_state.h"
#include "form/form.h"
#include "window/subclass_record.h"

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

ComPtr<Form> FormOfWindow(HWND hwnd) {
    ThreadWindows* t = ThreadOwnIfMade<ThreadWindows>();  // a look makes no state
    if (!hwnd || !t) return {};
    auto found = t->forms.find(hwnd);
    return ComPtr<Form>(found == t->forms.end() ? nullptr : found->second);
}

ComPtr<Control> ControlOfWindow(HWND hwnd) {
    // A window without a position names no control (a control is given its position last,
    // once its add method has made it): its parent is then not looked up at all.
    const long position = SubclassPosition(hwnd);
    if (position < 1) return {};
    ComPtr<Form> form = FormOfWindow(GetParent(hwnd));
    return ComPtr<Control>(form ? form->controlAt(position) : nullptr);
}

void RememberFormWindow(HWND hwnd, Form* form) { Here().forms[hwnd] = form; }

void ForgetFormWindow(HWND hwnd) {
    ThreadWindows* t = ThreadOwnIfMade<ThreadWindows>();
    if (!t) return;
    t->forms.erase(hwnd);
    if (t->cached && t->cached->form() && t->cached->form()->formWindow() == hwnd) {
        ComPtr<Control> gone = std::move(t->cached);  // released after the slot is empty: the release may end it
    }
}

ComPtr<Control> CachedControlOfWindow(HWND hwnd) {
    ThreadStateHold hold;  // the control let go of may be the last hold on the thread's last Desktop
    ThreadWindows& t = Here();
    if (!t.cached || t.cached->hwnd() != hwnd) t.cached = ControlOfWindow(hwnd);
    return t.cached;
}

}  // namespace mv
