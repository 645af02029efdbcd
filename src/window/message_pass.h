// One pass over the thread's pending messages, and the style tests that run it.
#pragma once

#include <windows.h>

namespace mv {

// Peeks, translates and dispatches every message waiting in the thread's queue, then
// returns. Window procedures run inside it. A pass nested too deep in others returns at
// once and leaves the messages to the pass around it. What is queued for a form's dialog
// that is ending is dropped, not dispatched. A pass that meets WM_QUIT ends there and
// posts it again with its exit code, so that the host's own loop ends on it; connected
// sinks get nothing inside a pass (the waits deliver, see com/event_loop.h).
void DoEvents();

// Passes of this thread that have met WM_QUIT so far: a wait that sees the count change
// returns at once.
unsigned long QuitsSeen();

// The same pass when anything is queued, or when the last pass is some milliseconds old;
// otherwise only the cheaper question of whether the queue holds anything. True when a
// pass ran.
bool DoEventsIfQueued();

// GetWindowLongPtrW, then one message pass; returns the value read before the pass.
// Pointer-sized, so that it also reads a window procedure (GWLP_WNDPROC): the wide entry
// point gives a Unicode window's own procedure, which CallWindowProcW can call as it is.
LONG_PTR ReadWindowLong(HWND hwnd, int index);

// True when the style (extended style) has any bit of the mask set.
bool HasStyle(HWND hwnd, LONG mask);
bool HasExStyle(HWND hwnd, LONG mask);

}  // namespace mv
