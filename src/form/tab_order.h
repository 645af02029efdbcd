// Keyboard navigation between the controls of a form: forms are plain windows, not
// dialogs, so the library walks the Tab order itself. The Tab order is the order in which
// the controls were added.
#pragma once

#include <windows.h>

#include <vector>

#include "window/focus.h"

namespace mv {

// The windows of the form's controls in the order they were added; none for a window
// that is no registered form.
std::vector<HWND> ControlWindowsOf(HWND form);

// True for a visible, enabled control window of a kind that takes the focus (labels,
// frames, images and progress bars never do).
bool CanTakeFocus(HWND hwnd);

// The control of the form after (before, with reverse) the control window `from` that can
// take the focus, wrapping around at both ends; with `from` 0 the first (last) one. Null
// when there is none other, or `from` is not one of the form's controls.
HWND NextFocusable(HWND form, HWND from, bool reverse);

// Moves the focus from the control window given to the next (or, with reverse, the
// previous) control of its form that can take it. Does nothing when the window is 0, has
// no registered form or is not one of its controls.
void FocusNextControl(HWND hwnd, bool reverse);

// Gives the focus to the form's first (or last) control that can take it, if any.
void FocusEdgeControl(HWND form, bool last);

}  // namespace mv
