// The record of the control windows the library subclassed, kept by each thread.
#include "window/subclass_record.h"

#include <unordered_map>

#include "window/window_props.h"

namespace mv {

namespace {

struct Record {
    long kind;
    WNDPROC classProc;
    long position;
};

// One record per thread, as windows belong to the thread that made them; never destroyed:
// a window may be destroyed, and forgotten, while the process ends.
thread_local std::unordered_map<HWND, Record>* t_records = nullptr;

std::unordered_map<HWND, Record>& Records() {
    if (!t_records) t_records = new std::unordered_map<HWND, Record>();
    return *t_records;
}

const Record* Find(HWND hwnd) {
    auto found = Records().find(hwnd);
    return found == Records().end() ? nullptr : &found->second;
}

}  // namespace

void RememberSubclass(HWND hwnd, long kind, WNDPROC classProc) { Records()[hwnd] = {kind, classProc, 0}; }

void RememberPosition(HWND hwnd, long position) {
    auto found = Records().find(hwnd);
    if (found != Records().end()) found->second.position = position;
}

void ForgetSubclass(HWND hwnd) { Records().erase(hwnd); }

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
