// The library's own work running now on this thread, nested work counted too: calls into
// the library and its message passes. The event floor (com/event_loop.h) hands nothing to
// connected sinks while any runs; the window floor's pass counts here as a call does
// without naming the event floor (the two stand side by side).
#pragma once

#include "core/thread_state.h"

namespace mv {

// One piece of the library's work, counted while it runs. It holds the thread's state
// (what it runs may end the thread's last Desktop: the count outlives it). The end of the
// outermost one runs the hook set with SetLastWorkEndsHook.
class CallDepthScope {
public:
    CallDepthScope();
    ~CallDepthScope();
    CallDepthScope(const CallDepthScope&) = delete;
    CallDepthScope& operator=(const CallDepthScope&) = delete;

private:
    ThreadStateHold hold_;  // first made, last let go
};

// The pieces of work running now on this thread (0: none, the host's own code runs).
int CallDepth();

// What runs once the outermost piece of work of a thread ends (the event floor asks the
// host's loop there to deliver what was queued meanwhile). One hook for the process.
void SetLastWorkEndsHook(void (*hook)());

}  // namespace mv
