// The event floor: call scope, queue, wake window and the wait, over one state object per
// thread.
#include "com/event_loop.h"

#include <deque>
#include <new>

#include "core/hresult.h"
#include "core/module_instance.h"
#include "core/unique.h"
#include "core/window_class.h"

namespace mv {

namespace {

struct QueuedEvent {
    ComPtr<ConnectionPoint> point;  // holds the object whose event it is
    DISPID id;
    ComPtr<IDispatch> arg;
};

// Everything that decides when events move, for one apartment thread. The objects of a
// script live on the thread that made them (a Desktop used from elsewhere refuses the
// call), so nothing here is shared between threads and nothing needs a lock.
//
// - callDepth, calls: the calls into the library running now (nested ones count too) and
//   those answered so far. Nothing is delivered while callDepth is above 0.
// - delivering: a delivery runs; no other starts (it goes on with what is queued meanwhile).
// - queue: the sinks' calls waiting for the script's next wait, in the order they happened.
// - wake, wakePosted: the thread's message-only window, to which a queued event posts the
//   wake message, so that the host's own loop hands the events over; at most one wake is
//   on its way. The window belongs to no form: no form's teardown takes a wake with it.
// - stringsPosted: event strings posted into forms' slots so far (WaitEvents' answer 2).
// - quietCall, emptyAtTick: the last PendingEvent look that found nothing, and when.
struct ThreadEvents {
    int callDepth = 0;
    unsigned long calls = 0;
    bool delivering = false;
    std::deque<QueuedEvent> queue;
    HWND wake = nullptr;
    bool wakePosted = false;
    unsigned long stringsPosted = 0;
    unsigned long quietCall = 0;
    DWORD emptyAtTick = 0;
};

// Made on the thread's first use of the library; the thread's end leaves it (a thread
// that still holds objects of the library when it ends leaks them in any case).
thread_local ThreadEvents* t_events = nullptr;

ThreadEvents& Here() {
    if (!t_events) t_events = new ThreadEvents;
    return *t_events;
}

// The private message that asks for a delivery; in the application range, as a message a
// window class defines for itself.
constexpr UINT kDeliverEventsMessage = WM_APP + 0x0D56;
constexpr wchar_t kWakeClass[] = L"MVEventWake";

// The wake windows of all threads share one class, registered while any exists.
void DescribeWake(WNDCLASSEXW& wc);
SharedWindowClass g_wakeClass{DescribeWake};

void DeliverQueuedEvents();

LRESULT CALLBACK WakeProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != kDeliverEventsMessage) return DefWindowProcW(hwnd, msg, wp, lp);
    try {
        ThreadEvents& t = Here();
        t.wakePosted = false;
        if (t.callDepth == 0) DeliverQueuedEvents();  // otherwise the call's end asks again
    } catch (...) {
        TraceCaught(__FILE__, __LINE__, L"wake window");
    }
    return 0;
}

void DescribeWake(WNDCLASSEXW& wc) {
    wc.lpfnWndProc = &WakeProc;
    wc.lpszClassName = kWakeClass;
}

HWND WakeWindow(ThreadEvents& t) {
    if (t.wake) return t.wake;
    if (FAILED(g_wakeClass.addUser())) {
        g_wakeClass.dropUser();
        return nullptr;
    }
    t.wake = LOG_IF_WIN32_BOOL_FALSE(
        CreateWindowExW(0, kWakeClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ModuleInstance(), nullptr));
    if (!t.wake) g_wakeClass.dropUser();
    return t.wake;
}

void PostWake(ThreadEvents& t) {
    if (t.wakePosted || t.queue.empty()) return;
    HWND wake = WakeWindow(t);
    t.wakePosted = wake && PostMessageW(wake, kDeliverEventsMessage, 0, 0);
}

void DeliverQueuedEvents() {
    ThreadEvents& t = Here();
    if (t.delivering) return;  // the delivery running goes on with these
    struct Delivering {
        bool& on;
        explicit Delivering(bool& flag) : on(flag) { on = true; }
        ~Delivering() { on = false; }
    } delivering(t.delivering);
    while (!t.queue.empty()) {
        QueuedEvent e = std::move(t.queue.front());
        t.queue.pop_front();
        try {
            e.point->fire(e.id, e.arg.get());
        } catch (...) {  // this event is lost, not the rest
            TraceCaught(__FILE__, __LINE__, L"event delivery");
        }
    }
}

}  // namespace

LibraryCall::LibraryCall(Counted counted) {
    ThreadEvents& t = Here();
    if (counted == Counted::Yes) ++t.calls;
    ++t.callDepth;
}

LibraryCall::~LibraryCall() {
    ThreadEvents& t = Here();
    if (--t.callDepth == 0) PostWake(t);
}

void QueueEvent(ConnectionPoint& point, DISPID id, IDispatch* arg) {
    ThreadEvents& t = Here();
    t.queue.push_back({ComPtr<ConnectionPoint>(&point), id, ComPtr<IDispatch>(arg)});
    PostWake(t);
}

void DropQueuedEvents(const ConnectionPoint& point) {
    ThreadEvents& t = Here();
    std::deque<QueuedEvent> dropped;  // released once the queue is whole again
    for (auto it = t.queue.begin(); it != t.queue.end();) {
        if (it->point.get() == &point) {
            dropped.push_back(std::move(*it));
            it = t.queue.erase(it);
        } else {
            ++it;
        }
    }
}

void NoteEventString() { ++Here().stringsPosted; }

unsigned long EventStringsPosted() { return Here().stringsPosted; }

bool WaitForEvents(const WaitFor& w) {
    const DWORD start = GetTickCount();
    auto left = [&]() -> DWORD {
        if (w.milliseconds == INFINITE) return INFINITE;
        const DWORD passed = GetTickCount() - start;
        return passed >= w.milliseconds ? 0 : w.milliseconds - passed;
    };
    for (;;) {
        DeliverQueuedEvents();  // the script waits: connected sinks get what happened
        if (w.done()) return true;
        w.pass();
        if (w.ready ? w.ready() : w.done()) continue;  // never block while something is due
        const DWORD wait = left();
        if (wait == 0) {
            DeliverQueuedEvents();
            return w.done();
        }
        // Wakes for input already sitting in the queue too.
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        w.pass();
    }
}

void LookForEvents(bool (*passIfQueued)(), const std::function<bool()>& foundNothing) {
    constexpr DWORD kQuietMs = 5;
    ThreadEvents& t = Here();
    const unsigned long call = t.calls;
    const DWORD now = GetTickCount();
    const bool quiet = call == t.quietCall + 1 && now - t.emptyAtTick < kQuietMs;
    const bool passed = !quiet && passIfQueued();
    DeliverQueuedEvents();
    if (!passed && foundNothing()) {
        t.quietCall = call;
        if (!quiet) t.emptyAtTick = now;
    }
}

void EndThreadEvents() {
    ThreadEvents& t = Here();
    std::deque<QueuedEvent> left;
    left.swap(t.queue);
    left.clear();
    if (!t.wake) return;
    DestroyWindow(t.wake);
    t.wake = nullptr;
    t.wakePosted = false;
    g_wakeClass.dropUser();
}

}  // namespace mv
