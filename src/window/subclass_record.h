// What the window procedures need of each control window at every message: its kind, the
// procedure its class gave it, and its position among its form's controls (by which its
// control object is found). All three live on the window as named properties, for other
// programs and for windows subclassed by other code; each property read is a round trip to
// the window server (tens of microseconds under Wine), so the library also keeps the three
// values of the windows it subclassed itself in memory (each thread those of its own
// windows), from their subclassing until their destruction.
#pragma once

#include <windows.h>

namespace mv {

// Records the values Addcontrol has just written on the window ("MVVBccnObjectType",
// "MVVBOldProc"); forgotten when the window is destroyed (ForgetSubclass, from the
// control procedure's WM_NCDESTROY).
void RememberSubclass(HWND hwnd, long kind, WNDPROC classProc);
// Records the position Addcontrol has just written on the window ("MVHwndInPosition"),
// once the control is in its form's collection; until then a recorded window has none (0).
void RememberPosition(HWND hwnd, long position);
void ForgetSubclass(HWND hwnd);

// The control kind, the class's procedure and the position of a subclassed window: the
// recorded values, or for a window the library did not record, its properties (0 and null
// when absent).
long SubclassKind(HWND hwnd);
WNDPROC SubclassClassProc(HWND hwnd);
long SubclassPosition(HWND hwnd);

}  // namespace mv
