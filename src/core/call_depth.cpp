// The library's work running now on each thread, and the hook of its end.
#include "core/call_depth.h"

#include <windows.h>

namespace mv {

namespace {

// Part of the thread's state (core/thread_state.h).
struct Depth {
    int running = 0;
};

// Set by the event floor before it queues anything; read on every thread.
void (*volatile g_lastWorkEnds)() = nullptr;

}  // namespace

CallDepthScope::CallDepthScope() { ++ThreadOwn<Depth>().running; }

CallDepthScope::~CallDepthScope() {
    if (--ThreadOwn<Depth>().running == 0 && g_lastWorkEnds) g_lastWorkEnds();
}

int CallDepth() {
    const Depth* d = ThreadOwnIfMade<Depth>();  // a look makes no state
    return d ? d->running : 0;
}

void SetLastWorkEndsHook(void (*hook)()) { g_lastWorkEnds = hook; }

}  // namespace mv
