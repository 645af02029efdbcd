// The one way from a window to its form or control, over the records of
// form/form_windows.h.
#include "form/window_objects.h"

#include "control/control.h"
#include "form/form.h"
#include "form/form_windows.h"
#include "window/subclass_record.h"

namespace mv {

ComPtr<Form> FormOfWindow(HWND hwnd) { return ComPtr<Form>(hwnd ? RecordedForm(hwnd) : nullptr); }

ComPtr<Control> ControlOfWindow(HWND hwnd) {
    // A window without a position names no control (a control is given its position last,
    // once its add method has made it): its parent is then not looked up at all.
    const long position = SubclassPosition(hwnd);
    if (position < 1) return {};
    ComPtr<Form> form = FormOfWindow(GetParent(hwnd));
    return ComPtr<Control>(form ? form->controlAt(position) : nullptr);
}

ComPtr<Control> CachedControlOfWindow(HWND hwnd) {
    ComPtr<Control>& cached = CachedControl();
    if (!cached || cached->hwnd() != hwnd) cached = ControlOfWindow(hwnd);
    return cached;
}

}  // namespace mv
