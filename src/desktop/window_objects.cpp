// The one way from a window to its object.
#include "form/window_objects.h"

#include "control/control.h"
#include "desktop/desktop.h"
#include "form/form.h"

namespace mv {

ComPtr<Form> FormOfWindow(HWND hwnd) {
    Desktop* d = CurrentDesktop();
    return ComPtr<Form>(d ? d->FormFromHwnd(hwnd) : nullptr);
}

ComPtr<Control> ControlOfWindow(HWND hwnd) {
    Desktop* d = CurrentDesktop();
    return ComPtr<Control>(d ? d->ControlFromHwnd(hwnd) : nullptr);
}

}  // namespace mv
