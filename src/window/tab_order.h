// Keyboard navigation between the controls of a form: forms are plain windows, not
// dialogs, so the library walks the Tab order itself, and hands the focus over itself.
#pragma once

#include <windows.h>

namespace mv {

// Hands the keyboard focus to a visible window through two WM_ACTIVATE messages (one to
// the window that has the focus, one to the window that takes it) and shows its caret.
// Runs a message pass first, also for 0; does nothing for 0 or a hidden window.
void FocusWindow(HWND hwnd);

// Moves the focus from the control window given to the next (or, with reverse, the
// previous) control of its form that can take it: the order is the order in which the
// controls were added, wrapping around at both ends; kinds that have no "SetFocus"
// (labels, frames, images, progress bars) and hidden or disabled windows are skipped.
// Does nothing when the window is 0, has no registered form or is not one of its controls.
void FocusNextControl(HWND hwnd, bool reverse);

}  // namespace mv
