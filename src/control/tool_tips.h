// Tooltips of controls (ToolTip): the system's tooltip control, one per form window,
// shows a control's text while the pointer rests on it and, while the keyboard cues are
// shown (the keyboard is in use), below it while it has the focus.
#pragma once

#include <windows.h>

#include <string>

namespace mv {

class Control;

// Gives the control its tooltip text; the empty string takes it away.
void SetToolTip(Control& c, const std::wstring& text);

// The control window took (show) or lost the focus: its tooltip, if any, is shown below
// it or hidden.
void ShowFocusToolTip(HWND control, bool show);

}  // namespace mv
