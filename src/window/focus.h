// The focus hand-over: forms are plain windows, not dialogs, so the library hands the
// keyboard focus over itself.
#pragma once

#include <windows.h>

namespace mv {

// Hands the keyboard focus to a visible window through two WM_ACTIVATE messages (one to
// the window that has the focus, one to the window that takes it) and shows its caret.
// Runs a message pass first, also for 0; does nothing for 0 or a hidden window.
void FocusWindow(HWND hwnd);

}  // namespace mv
