// The event floor: call scope, queue, wake window and the wait, over one state object per
// thread.
#include "com/event_loop.h"

#include <deque>
#include <new>

#include "core/call_depth.h"
#include "core/hresult.h"
#include "core/module_instance.h"
#include "core/thread_state.h"
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
// call), so nothing here is shared between threads and nothing needs a lock. Freed with
// the thread's state (core/thread_state.h): its wake window goes with it.
//
// - calls: the calls into the library answered so far. Nothing is delivered while any
//   work of the library runs (core/call_depth.h: calls and message passes, nested ones
//   counted too).
// - delivering: a delivery runs; no other starts (it goes on with what is queued meanwhile).
// - queue: the sinks' calls waiting for the script's next wait, in the order they happened.
// - wake, wakePosted: the thread's message-only window, to which a queued event posts the
//   wake message, so that the host's own loop hands the events over; at most one wake is
//   on its way. The window belongs to no form: no form's teardown takes a wake with it.
// - stringsPosted: event strings posted into forms' slots so far (WaitEvents' answer 2).
// - quietCall, emptyAtTick: the last PendingEvent look that found nothing, and when.
struct ThreadEvents {
    unsigned long calls = 0;
    bool delivering = false;
    std::deque<QueuedEvent> queue;
    HWND wake = nullptr;
    bool wakePosted = false;
    unsigned long stringsPosted = 0;
    unsigned long quietCall = 0;
    DWORD emptyAtTick = 0;

    ThreadEvents() = default;
    ThreadEvents(const ThreadEvents&) = delete;
    ThreadEvents& operator=(const ThreadEvents&) = delete;
    ~ThreadEvents();
};

ThreadEvents& Here() { return ThreadOwn<ThreadEvents>(); }

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
        ThreadEvents* t = ThreadOwnIfMade<ThreadEvents>();
        if (!t) return 0;  // the thread's state has gone, and its queue with it
        t->wakePosted = false;
        if (CallDepth() == 0) DeliverQueuedEvents();  // otherwise the work's end asks again
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

// The outermost work of the library on this thread has ended: the host's loop is asked to
// deliver what is still queued.
void PostWakeIfQueued() {
    if (ThreadEvents* t = ThreadOwnIfMade<ThreadEvents>()) PostWake(*t);
}

void DeliverQueuedEvents() {
    ThreadStateHold hold;  // a sink may end the thread's last Desktop: the state outlives the delivery
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

ThreadEvents::~ThreadEvents() {
    std::deque<QueuedEvent> left;  // released once the queue is empty: a release may call in
    left.swap(queue);
    left.clear();
    if (!wake) return;
    DestroyWindow(wake);
    g_wakeClass.dropUser();
}

}  // namespace

LibraryCall::LibraryCall(Counted counted) {
    if (counted == Counted::Yes) ++Here().calls;
}

void QueueEvent(ConnectionPoint& point, DISPID id, IDispatch* arg) {
    SetLastWorkEndsHook(&PostWakeIfQueued);  // the end of the work running now asks for the delivery
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

WaitEnd WaitForEvents(const WaitFor& w) {
    const DWORD start = GetTickCount();
    auto left = [&]() -> DWORD {
        if (w.milliseconds == INFINITE) return INFINITE;
        const DWORD passed = GetTickCount() - start;
        return passed >= w.milliseconds ? 0 : w.milliseconds - passed;
    };
    const unsigned long quits = w.quits ? w.quits() : 0;
    auto quit = [&] { return w.quits && w.quits() != quits; };
    for (;;) {
        DeliverQueuedEvents();  // the script waits: connected sinks get what happened
        const bool done = w.done();
        if (quit()) return WaitEnd::Quit;
        if (done) return WaitEnd::Done;
        w.pass();
        if (quit()) return WaitEnd::Quit;
        if (w.ready ? w.ready() : w.done()) continue;  // never block while something is due
        const DWORD wait = left();
        if (wait == 0) {
            DeliverQueuedEvents();
            const bool last = w.done();
            return quit() ? WaitEnd::Quit : last ? WaitEnd::Done : WaitEnd::TimeUp;
        }
        // Wakes for input already sitting in the queue too.
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        w.pass();
        if (quit()) return WaitEnd::Quit;
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

}  // namespace mv
