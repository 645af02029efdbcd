// Keyboard navigation between the controls of a form: forms are plain windows, not
// dialogs, so the library walks the Tab order itself.
#pragma once

#include <windows.h>

#include "window/focus.h"

namespace mv {

// Moves the focus from the control window given to the next (or, with reverse, the
// previous) control of its form that can take it: the order is the order in which the
// controls were added, wrapping around at both ends; kinds that have no "SetFocus"
// (labels, frames, images, progress bars) and hidden or disabled windows are skipped.
// Does nothing when the window is 0, has no registered form or is not one of its controls.
void FocusNextControl(HWND hwnd, bool reverse);

}  // namespace mv
