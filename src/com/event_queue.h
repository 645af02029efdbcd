// Events on their way to the sinks connected to forms and controls. A window procedure
// queues an event the moment it happens; the sinks are called only while the script
// waits: inside LastEvent, PendingEvent and Desktop.WaitEvents, or from the host's own
// message loop (WScript.Sleep, PowerShell's Wait-Event, VBA's DoEvents) between two calls
// into the library. An event raised during any other call waits for the next of these.
// Delivery keeps the order in which events happened.
#pragma once

#include <windows.h>

#include "com/connection_point.h"

namespace mv {

// The private message a queued event posts to `wake`, one of the library's windows, so
// that a host's message loop hands the events over; the window's procedure answers it
// with DeliverFromHostLoop.
constexpr UINT kDeliverEventsMessage = WM_APP + 0x0D56;

// Queues one call of the sinks connected to `point` when its turn comes; the point's
// object is held until then.
void QueueEvent(ConnectionPoint& point, DISPID id, IDispatch* arg, HWND wake);

// Calls the sinks of every queued event, in order, including events raised meanwhile.
void DeliverQueuedEvents();

// The wake message reached a window: delivers unless the script is inside a call into
// the library (the events then wait for that call's end, or its waiting).
void DeliverFromHostLoop();

// Forgets the events queued for `point`: its object's events have ended.
void DropQueuedEvents(const ConnectionPoint& point);

// The script's outermost call into the library has returned: events still queued ask the
// host's loop to hand them over.
void EventsAfterCall();

}  // namespace mv
