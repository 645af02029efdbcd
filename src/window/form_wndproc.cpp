// The form window procedure: turns the form window's events into the form's event strings
// and starts the form's teardown when its window is destroyed from outside.
#include "core/desktop.h"
#include "form/form.h"
#include "window/form_class.h"
#include "window/window_props.h"

namespace mv {

namespace {

using Handler = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
struct MessageRow { UINT msg; Handler fn; };

Form* FindForm(HWND hwnd) {
    Desktop* d = CurrentDesktop();
    return d ? d->FormFromHwnd(hwnd) : nullptr;
}

// The window is going away. When the library did not start it (DestroyForm marks the
// window first), detach the form: destroy its controls' windows and take it out of the
// registry, exactly once.
LRESULT OnDestroy(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (GetWindowValue(hwnd, prop::kIsDestroyed) != 1) {
        SetWindowValue(hwnd, prop::kIsDestroyed, 1);
        if (Form* form = FindForm(hwnd)) {
            ComPtr<Form> keep(form);
            form->DestroyForm();
        }
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

const MessageRow kFormMessages[] = {
    { WM_DESTROY, OnDestroy },
};

}  // namespace

LRESULT CALLBACK FormWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    for (const MessageRow& row : kFormMessages)
        if (row.msg == msg) return row.fn(hwnd, msg, wp, lp);
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace mv
