// The control subclass procedure: every control window's messages pass through it first.
#pragma once

#include <windows.h>

namespace mv {

LRESULT CALLBACK CtrlWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// Empties the procedure's one-entry control cache when the control it holds belongs to
// the given form window: called when that form's window goes, so that the cache does not
// keep a destroyed form's controls (and with them the form) alive.
void ForgetCachedControl(HWND formWindow);

}  // namespace mv
