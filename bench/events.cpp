// Figures for events handed to connected sinks:
//  1. a click on a button, from its posted release to the call of a sink connected to the
//     button (the script waiting in Desktop.WaitEvents), beside the same click through
//     LastEvent; both beyond the click's 25 ms wait for a double-click;
//  2. Advise then Unadvise on a control 10 000 times: time per pair, and the process's
//     memory and handles before and after; the same over 1 000 cycles that hand events
//     to the sink in between.
#include <windows.h>
#include <ocidl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_util.h"
#include "event_sink.h"
#include "desktop/desktop.h"

namespace {

using namespace bench;

struct Post {
    HWND target;
    double postedAt = 0;
};

DWORD WINAPI PostClickSoon(void* p) {
    auto* job = static_cast<Post*>(p);
    Sleep(20);
    job->postedAt = Now();
    PostMessageW(job->target, WM_LBUTTONUP, 0, 0);
    return 0;
}

// Posts a click from another thread while `wait` runs; the time from the post to `done()`.
template <typename Wait, typename Done>
double Measure(HWND button, Wait wait, Done done) {
    Post job{button};
    HANDLE t = CreateThread(nullptr, 0, PostClickSoon, &job, 0, nullptr);
    wait();
    WaitForSingleObject(t, INFINITE);
    CloseHandle(t);
    return done() - job.postedAt - 25.0;
}

void PrintFigures(const char* what, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    std::printf("  %-34s median %.3f ms, 90th percentile %.3f ms\n", what, Median(v), v[v.size() * 9 / 10]);
}

SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX m{};
    m.cb = sizeof m;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&m), sizeof m);
    return m.PrivateUsage;
}

DWORD Handles() {
    DWORD n = 0;
    GetProcessHandleCount(GetCurrentProcess(), &n);
    return n;
}

}  // namespace

int main() {
    ComPtr<mv::Desktop> desktop = mv::Desktop::Create();
    Obj desk(desktop->dispatch());
    Obj form = NewForm(desk.get(), L"events", 300, 200);
    Obj button = form.obj(L"AddCmdButton", {L"b", L"b", 10, 10, 80, 24, L"clicked()"});
    form.put(L"Visible", 1);
    form.str(L"PendingEvent");

    // A typed sink on the button that notes when it was called.
    test::EventSink sink(test::EventSink::Style::Typed);
    double calledAt = 0;
    sink.onEvent = [&](const std::wstring& event) { if (event == L"Click") calledAt = Now(); };
    if (!sink.connect(button.get())) {
        std::printf("could not connect to the button's events\n");
        return 1;
    }
    IConnectionPoint* point = sink.point.get();
    DWORD cookie = sink.cookie;
    std::vector<double> toSink, toLastEvent;
    for (int i = 0; i < 40; ++i) {
        toSink.push_back(Measure(button.hwnd(), [&] { desk.call(L"WaitEvents", {80}); }, [&] { return calledAt; }));
        form.str(L"PendingEvent");
        double returned = 0;
        toLastEvent.push_back(Measure(button.hwnd(), [&] { form.call(L"LastEvent"); returned = Now(); },
                                      [&] { return returned; }));
    }
    point->Unadvise(cookie);
    std::printf("posted click to its handler, beyond the 25 ms wait, %zu clicks each:\n", toSink.size());
    PrintFigures("to a connected sink (WaitEvents)", toSink);
    PrintFigures("to LastEvent's return", toLastEvent);

    constexpr int kCycles = 10000;
    for (int i = 0; i < 100; ++i) {  // warm-up: the vectors and enumerations reach their size
        point->Advise(&sink, &cookie);
        point->Unadvise(cookie);
    }
    const SIZE_T memory = PrivateBytes();
    const DWORD handles = Handles();
    const double start = Now();
    for (int i = 0; i < kCycles; ++i) {
        point->Advise(&sink, &cookie);
        point->Unadvise(cookie);
    }
    const double elapsed = Now() - start;
    std::printf("Advise + Unadvise %d times: %.0f ns per pair; private bytes %+lld, handles %+ld\n", kCycles,
                elapsed * 1000000 / kCycles, static_cast<long long>(PrivateBytes()) - static_cast<long long>(memory),
                static_cast<long>(Handles()) - static_cast<long>(handles));

    // With events between: the button hidden and shown, both events handed to the sink.
    constexpr int kFiredCycles = 1000;
    auto fired = [&] {
        point->Advise(&sink, &cookie);
        button.put(L"Visible", 0);
        button.put(L"Visible", 1);
        form.str(L"PendingEvent");
        point->Unadvise(cookie);
        sink.seen.clear();  // keeps its room: the sink's own list does not grow
    };
    for (int i = 0; i < 20; ++i) fired();
    const SIZE_T firedMemory = PrivateBytes();
    const DWORD firedHandles = Handles();
    for (int i = 0; i < kFiredCycles; ++i) fired();
    std::printf("Advise, two events, Unadvise %d times: private bytes %+lld, handles %+ld\n", kFiredCycles,
                static_cast<long long>(PrivateBytes()) - static_cast<long long>(firedMemory),
                static_cast<long>(Handles()) - static_cast<long>(firedHandles));
    desktop->closeAll();
    return 0;
}
