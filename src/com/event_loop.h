// When events move. Every event of a form or control reaches the script one of two ways:
// its event string goes to the form's pending-event slot at once (LastEvent and
// PendingEvent hand it over), and the sinks connected to the object get a call, queued
// here the moment the event happens and made only while the script waits: inside
// LastEvent, PendingEvent and Desktop.WaitEvents, or from the host's own message loop
// (WScript.Sleep, PowerShell's Wait-Event, VBA's DoEvents) between two calls into the
// library. This module owns all of that: the scope of a call into the library, the queue,
// the wake message that asks the host's loop to deliver, and the one wait routine the
// three waiting members share.
//
// Rules it keeps: events reach their sinks in the order they happened; a delivery never
// starts inside another (a sink that shows a message box, or waits itself, is not called
// again before it returns: the delivery it runs in goes on with the events raised
// meanwhile once it does); nothing is delivered while a call into the library runs,
// including a form's teardown, whoever started it.
//
// The state behind it belongs to the calling thread: each apartment thread that uses the
// library has its own queue, call depth and wake window (see event_loop.cpp).
#pragma once

#include <windows.h>

#include <functional>

#include "com/connection_point.h"

namespace mv {

// One call into the library, counted while it runs. The end of the outermost one asks the
// host's message loop to deliver the events still queued. `Counted::No` marks work that
// is no script's call (a form's teardown started by the host) but delivers nothing either.
class LibraryCall {
public:
    enum class Counted { Yes, No };
    explicit LibraryCall(Counted counted = Counted::Yes);
    ~LibraryCall();
    LibraryCall(const LibraryCall&) = delete;
    LibraryCall& operator=(const LibraryCall&) = delete;
};

// Queues one call of the sinks connected to `point` when its turn comes; the point's
// object is held until then.
void QueueEvent(ConnectionPoint& point, DISPID id, IDispatch* arg);

// Forgets the events queued for `point`: its object's events have ended.
void DropQueuedEvents(const ConnectionPoint& point);

// An event string went to a form's pending-event slot (Desktop.WaitEvents answers 2 for it).
void NoteEventString();
unsigned long EventStringsPosted();

// One wait. The caller gives its message pass (the window floor's), what it waits for and
// how long; the wait delivers queued events before it looks, passes messages, looks again
// (never blocking while `ready` says something is due) and blocks until the next message
// or the end of the time. True when `done` answered true, false when the time ran out.
struct WaitFor {
    void (*pass)();                 // one pass over the thread's messages
    std::function<bool()> done;     // what the caller waits for (may run a pass itself)
    std::function<bool()> ready;    // a look without a pass before blocking (none: `done`)
    DWORD milliseconds = INFINITE;  // 0: one look, never blocking
};
bool WaitForEvents(const WaitFor& w);

// PendingEvent's look, which never waits: a pass over the messages when any are queued
// (`passIfQueued`, true when it ran), then the delivery. Scripts ask often, mostly of an
// empty queue, and each question of the queue is a round trip to the window server: when
// this look comes right after another that found nothing (`foundNothing`), with no other
// call between and only a moment ago, nothing the library did can have queued a message
// since, and the queue is not asked (the user's input then shows a few milliseconds late
// at most).
void LookForEvents(bool (*passIfQueued)(), const std::function<bool()>& foundNothing);

// The calling thread's last Desktop has ended: its wake window goes.
void EndThreadEvents();

}  // namespace mv
