// What every kind-specific member of a control asks first: whether it applies to the
// control's kind, and whether the control's window is still there to act on.
#pragma once

#include <windows.h>

#include "control/control.h"
#include "core/property_table.h"
#include "form/form.h"

namespace mv {

// True when the member applies to the control's kind; otherwise the "Bad property" box
// is shown while diagnostics are on, and the member does nothing more.
inline bool Applies(const Control& c, const wchar_t* member) {
    return CheckProperty(c.kind(), member, c.name(), false);
}

// The control's window while it is still a window of its living form: the handle of a
// destroyed control may by now name some other window.
inline HWND LiveWindow(const Control& c) {
    Form* form = c.form();
    if (!form || form->destroyed() || !c.hwnd()) return nullptr;
    return GetParent(c.hwnd()) == form->hwnd() ? c.hwnd() : nullptr;
}

// The window to act on, or null when the member does not apply to the control's kind
// (reported while diagnostics are on) or the window is gone.
inline HWND Applicable(const Control& c, const wchar_t* member) {
    return Applies(c, member) ? LiveWindow(c) : nullptr;
}

}  // namespace mv
