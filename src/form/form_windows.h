// Each thread's forms by window, and the window procedures' cached control: the state
// behind form/window_objects.h, kept apart so that a form can record and forget its
// window without knowing how its objects are looked up.
#pragma once

#include <windows.h>

#include "control/control.h"
#include "core/unique.h"

namespace mv {

class Form;

// The form's window is its own from AttachFormWindow until its teardown (which also
// empties the cache when it holds one of the form's controls).
void RememberFormWindow(HWND hwnd, Form* form);
void ForgetFormWindow(HWND hwnd);

// The form recorded for the window (borrowed); null when none is.
Form* RecordedForm(HWND hwnd);
// The one-entry cache of the control looked up last.
ComPtr<Control>& CachedControl();

}  // namespace mv
