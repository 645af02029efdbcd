// Several apartment threads at once: each thread's state of the library (its event queue,
// windows, records, counters and switches) is its own, goes with its last Desktop or with
// the thread, and two threads making and ending Desktops, forms and fonts as fast as they
// can corrupt nothing of each other's.
//
// The stress case runs for MORVANE_STRESS_SECONDS (2 by default); run it longer by hand:
//   MORVANE_STRESS_SECONDS=120 tools/wine-run.sh build/bin/morvane_tests.exe --gtest_filter='ThreadStress.*'
// (CTest label "stress").
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "com/event_loop.h"
#include "core/thread_state.h"
#include "desktop/desktop.h"
#include "fixtures.h"
#include "script_objects.h"

namespace test {
namespace {

// Runs `body` on a new single-threaded apartment thread and waits for its end.
template <typename Body>
void OnApartmentThread(Body body) {
    std::thread t([&] {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        body();
        CoUninitialize();
    });
    t.join();
}

TEST(ThreadState, AThreadsStateGoesWithItsLastDesktop) {
    bool withTwo = false, afterFirst = false, afterLast = true;
    OnApartmentThread([&] {
        auto first = std::make_unique<Session>();
        auto second = std::make_unique<Session>();
        Obj form = first->form(L"f");
        form.obj(L"AddCmdButton", {L"b", L"B", 20, 20, 100, 30});
        form.put(L"Visible", 1);
        form.num(L"Visible");
        withTwo = mv::ThreadHasState();
        form = Obj();
        first.reset();  // closes its forms; the thread's current Desktop is the second
        afterFirst = mv::ThreadHasState();
        second.reset();
        mv::ReleaseIdleDesktop();  // the script let go of it: the thread's slot lets go too
        afterLast = mv::ThreadHasState();
    });
    EXPECT_TRUE(withTwo);
    EXPECT_TRUE(afterFirst) << "another Desktop of the thread lives";
    EXPECT_FALSE(afterLast) << "its last Desktop took the thread's state with it";
}

TEST(ThreadState, AThreadThatEndsTakesItsStateWithIt) {
    const long before = mv::LiveThreadStates();
    bool had = false;
    OnApartmentThread([&] {
        mv::EventStringsPosted();  // a look outside any call or Desktop: the thread's counters are made
        had = mv::ThreadHasState();
    });
    EXPECT_TRUE(had);
    EXPECT_EQ(before, mv::LiveThreadStates());
}

// What one thread of the stress case does, round after round until `end`: a Desktop with
// its own switches, a form or two with buttons, lists and (on one thread only) text boxes
// in fonts of several sizes, members called by name, then everything closed. Whatever
// it reads back that is not what it set is written to `faults`.
struct Worker {
    int id;
    bool textBoxes;  // Wine 8's own edit control crashes when two threads make them at once
    DWORD end;
    long rounds = 0;
    std::vector<std::string> faults;

    void check(bool ok, const char* what) {
        if (!ok && faults.size() < 20) faults.push_back("thread " + std::to_string(id) + ": " + what);
    }

    void round() {
        Session s;
        Obj desk(s.desktop());
        // The switches are the thread's: the other thread's new Desktops reset only theirs.
        const long styles = id == 0 ? 0 : 1;
        desk.put(L"VisualStyles", styles);
        desk.put(L"DpiAware", id);
        for (int f = 0; f < 2; ++f) {
            const std::wstring name = L"t" + std::to_wstring(id) + L"f" + std::to_wstring(f);
            Obj form = s.form(name.c_str(), 40 + 30 * id, 40 + 20 * f, 360, 260);
            for (int c = 0; c < 4; ++c) {
                const std::wstring cname = L"b" + std::to_wstring(c);
                Obj b = form.obj(L"AddCmdButton", {cname.c_str(), cname.c_str(), 10, 10 + 30 * c, 100, 26});
                const long size = 8 + (rounds + c) % 12;
                b.put(L"FontSize", size);
                check(b.num(L"FontSize") == size, "a button's font size");
            }
            Obj list = form.obj(L"AddListBox", {L"l", 130, 10, 100, 100});
            for (const wchar_t* item : {L"one", L"two", L"three"}) list.call(L"AddItem", {item});
            check(list.num(L"Count") == 3, "the list's items");
            if (textBoxes) {
                Obj t = form.obj(L"AddTextbox", {L"t", L"text", 130, 120, 100, 24});
                t.put(L"FontSize", 10 + rounds % 8);
                t.put(L"FontName", L"Tahoma");
                check(t.str(L"Text") == L"text", "a text box's text");
            }
            form.put(L"Visible", 1);
            form.str(L"PendingEvent");
            check(form.str(L"Caption") == name, "a form's caption");
        }
        desk.num(L"WaitEvents", {0});
        check(desk.num(L"Count") == 2, "the thread's forms");
        check(desk.num(L"VisualStyles") == styles && desk.num(L"DpiAware") == id, "the thread's switches");
        desk.call(L"CloseAll");
        check(desk.num(L"Count") == 0, "CloseAll");
    }

    void run() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        while (static_cast<LONG>(end - GetTickCount()) > 0) {
            round();
            mv::ReleaseIdleDesktop();
            ++rounds;
        }
        check(!mv::ThreadHasState(), "the state outlived the thread's last Desktop");
        CoUninitialize();
    }
};

DWORD StressMilliseconds() {
    const char* seconds = std::getenv("MORVANE_STRESS_SECONDS");
    const long n = seconds ? std::atol(seconds) : 0;
    return static_cast<DWORD>(n > 0 ? n : 2) * 1000;
}

TEST(ThreadStress, TwoApartmentThreadsMakeAndEndDesktopsFormsAndFontsAtOnce) {
    const DWORD end = GetTickCount() + StressMilliseconds();
    Worker workers[] = {{0, true, end}, {1, false, end}};
    std::thread a([&] { workers[0].run(); });
    std::thread b([&] { workers[1].run(); });
    a.join();
    b.join();
    for (const Worker& w : workers) {
        EXPECT_GT(w.rounds, 0) << w.id;
        for (const std::string& fault : w.faults) ADD_FAILURE() << fault;
        std::printf("thread %d: %ld rounds\n", w.id, w.rounds);
    }
}

}  // namespace
}  // namespace test
