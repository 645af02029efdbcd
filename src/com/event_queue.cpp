// The queue of events for connected sinks. It belongs to the thread of the library's
// windows, like the objects it holds; it is made on first use and kept for the life of
// the process (entries left at exit are not released during the library's unload).
#include "com/event_queue.h"

#include <deque>

#include "com/dispatch.h"

namespace mv {

namespace {

struct QueuedEvent {
    ComPtr<ConnectionPoint> point;  // holds the object whose event it is
    DISPID id;
    ComPtr<IDispatch> arg;
    HWND wake;
};

std::deque<QueuedEvent>& Queue() {
    static auto* queue = new std::deque<QueuedEvent>;
    return *queue;
}

bool g_wakePosted = false;  // a wake message is on its way

// A sink that waits in LastEvent delivers the events behind its own; past this depth the
// delivery around it goes on with them instead.
constexpr int kMaxDeliveryNesting = 8;
int g_deliveryNesting = 0;

void PostWake() {
    std::deque<QueuedEvent>& queue = Queue();
    g_wakePosted = false;
    for (const QueuedEvent& e : queue)
        if (IsWindow(e.wake) && PostMessageW(e.wake, kDeliverEventsMessage, 0, 0)) {
            g_wakePosted = true;
            return;
        }
}

}  // namespace

void QueueEvent(ConnectionPoint& point, DISPID id, IDispatch* arg, HWND wake) {
    Queue().push_back({ComPtr<ConnectionPoint>(&point), id, ComPtr<IDispatch>(arg), wake});
    if (!g_wakePosted) PostWake();
}

void DeliverQueuedEvents() {
    if (g_deliveryNesting >= kMaxDeliveryNesting) return;
    NestingGuard nested(g_deliveryNesting);
    std::deque<QueuedEvent>& queue = Queue();
    while (!queue.empty()) {
        QueuedEvent e = std::move(queue.front());
        queue.pop_front();
        e.point->Fire(e.id, e.arg.get());
    }
}

void DeliverFromHostLoop() {
    g_wakePosted = false;
    if (InLibraryCall()) return;  // EventsAfterCall asks again
    DeliverQueuedEvents();
}

void DropQueuedEvents(const ConnectionPoint& point) {
    std::deque<QueuedEvent>& queue = Queue();
    std::deque<QueuedEvent> dropped;  // released once the queue is whole again
    for (auto it = queue.begin(); it != queue.end();) {
        if (it->point.get() == &point) {
            dropped.push_back(std::move(*it));
            it = queue.erase(it);
        } else {
            ++it;
        }
    }
    if (!dropped.empty() && !queue.empty()) PostWake();  // the wake may have gone to a window that is going
}

void EventsAfterCall() {
    if (!g_wakePosted && !Queue().empty()) PostWake();
}

}  // namespace mv
