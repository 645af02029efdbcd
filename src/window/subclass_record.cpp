// The record of the control windows the library subclassed, kept by each thread.
#include "window/subclass_record.h"

#include <unordered_map>

#include "core/thread_state.h"
#include "window/window_props.h"

namespace mv {

namespace {

struct Record {
    long kind;
    WNDPROC classProc;
    long position;
};

// One record per thread, as windows belong to the thread that made them: part of the
// thread's state (core/thread_state.h).
struct ThreadRecords {
    std::unordered_map<HWND, Record> windows;
};

Record* Find(HWND hwnd) {
    ThreadRecords* t = ThreadOwnIfMade<ThreadRecords>();  // a look makes no state
    if (!t) return nullptr;
    auto found = t->windows.find(hwnd);
    return found == t->windows.end() ? nullptr : &found->second;
}

}  // namespace

void RememberSubclass(HWND hwnd, long kind, WNDPROC classProc) {
    ThreadOwn<ThreadRecords>().windows[hwnd] = {kind, classProc, 0};
}

void RememberPosition(HWND hwnd, long position) {
    if (Record* r = Find(hwnd)) r->position = position;
}

void ForgetSubclass(HWND hwnd) {
    if (ThreadRecords* t = ThreadOwnIfMade<ThreadRecords>()) t->windows.erase(hwnd);
}

long SubclassKind(HWND hwnd) {
    const Record* r = Find(hwnd);
    return r ? r->kind : static_cast<long>(GetWindowValue(hwnd, prop::kKind));
}

WNDPROC SubclassClassProc(HWND hwnd) {
    const Record* r = Find(hwnd);
    return r ? r->classProc : reinterpret_cast<WNDPROC>(GetWindowValue(hwnd, prop::kOldProc));
}

long SubclassPosition(HWND hwnd) {
    const Record* r = Find(hwnd);
    return r ? r->position : static_cast<long>(GetWindowValue(hwnd, prop::kPosition));
}

}  // namespace mv
