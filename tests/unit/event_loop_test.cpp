// When events move: the host's own loop keeps delivering whatever was destroyed; a sink
// in a modal loop is not called again before it returns; each apartment thread has its
// own Desktops, queue and calls; what escapes a window procedure's handler is caught and
// traced; an add method that fails leaves no window.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "com/dispatch_object.h"
#include "com/module.h"
#include "control/control.h"
#include "core/hresult.h"
#include "desktop/desktop.h"
#include "dialog_answer.h"
#include "event_sink.h"
#include "script_objects.h"
#include "window/message_table.h"

namespace test {
namespace {

using Events = std::vector<std::wstring>;

void Click(const Obj& c) { SendMessageW(c.hwnd(), WM_LBUTTONUP, 0, 0); }

TEST(EventLoop, AfterCloseAllWithEventsQueuedTheHostsLoopStillDelivers) {
    Session s;
    {
        Obj old = s.form(L"old");
        Obj a = old.obj(L"AddCmdButton", {L"a", L"A", 20, 20, 100, 30});
        old.put(L"Visible", 1);
        EventSink sink;
        ASSERT_TRUE(sink.connect(old.get()));
        Click(a);  // queued for the sink, never delivered
        Obj(s.desktop()).call(L"CloseAll");
    }
    Obj form = s.form(L"new");
    Obj a = form.obj(L"AddCmdButton", {L"a", L"A", 20, 20, 100, 30});
    form.put(L"Visible", 1);
    EventSink sink;
    ASSERT_TRUE(sink.connect(form.get()));
    Click(a);
    PumpFor(100);  // a plain message loop, as WScript.Sleep runs one
    EXPECT_EQ((Events{L"Click(a)"}), Only(sink.seen, {L"Click(a)"}));
}

TEST(EventLoop, ASinkInAModalLoopIsNotCalledAgainAndGetsLaterEventsAfterwardsInOrder) {
    Session s;
    Obj form = s.form(L"pad", 200, 150, 300, 200);
    Obj a = form.obj(L"AddCmdButton", {L"a", L"A", 20, 20, 100, 30});
    Obj b = form.obj(L"AddCmdButton", {L"b", L"B", 20, 70, 100, 30});
    form.put(L"Visible", 1);
    Drain(form);
    EventSink sink;
    ASSERT_TRUE(sink.connect(form.get()));
    int inside = 0;
    bool calledAgain = false, answered = false;
    sink.onEvent = [&](const std::wstring& e) {
        if (inside) calledAgain = true;
        if (e != L"Click(a)" || answered) return;
        ++inside;
        Click(b);  // further events arrive while the sink's message box is up
        Click(a);
        Answerer answer([&] { return AnswerWith(form.hwnd(), IDOK); });
        MessageBoxW(form.hwnd(), L"Busy", L"Sink", MB_OK);
        answered = answer.ok();
        --inside;
    };
    Click(a);
    PumpFor(100);
    EXPECT_TRUE(answered);
    EXPECT_FALSE(calledAgain);
    EXPECT_EQ((Events{L"Click(a)", L"Click(b)", L"Click(a)"}), Only(sink.seen, {L"Click(a)", L"Click(b)"}));
}

// A host that destroys a form's window between two calls: the teardown passes messages,
// and hands no other form's events to its sinks.
TEST(EventLoop, TearingAFormDownDeliversNothing) {
    Session s;
    Obj kept = s.form(L"kept");
    Obj a = kept.obj(L"AddCmdButton", {L"a", L"A", 20, 20, 100, 30});
    Obj gone = s.form(L"gone");
    gone.put(L"Visible", 1);
    EventSink sink;
    ASSERT_TRUE(sink.connect(kept.get()));
    Click(a);
    DestroyWindow(gone.hwnd());
    EXPECT_TRUE(sink.seen.empty()) << "not inside the host's DestroyWindow";
    Pump();
    EXPECT_EQ((Events{L"Click(a)"}), sink.seen);
}

// The same for a control's window the host destroys: its teardown (the focus going back
// to its form, whose hand-over passes messages) hands no events to any sink.
TEST(EventLoop, TearingAControlDownDeliversNothing) {
    Session s;
    Obj kept = s.form(L"kept");
    Obj a = kept.obj(L"AddCmdButton", {L"a", L"A", 20, 20, 100, 30});
    Obj host = s.form(L"host");
    Obj b = host.obj(L"AddCmdButton", {L"b", L"B", 20, 20, 100, 30});
    Obj t = host.obj(L"AddTextbox", {L"t", L"", 20, 70, 100, 24});
    host.put(L"Visible", 1);
    SetForegroundWindow(host.hwnd());
    SetFocus(b.hwnd());
    Pump();
    EventSink onKept, onHost;
    ASSERT_TRUE(onKept.connect(kept.get()));
    ASSERT_TRUE(onHost.connect(host.get()));
    Click(a);
    Click(b);
    for (HWND gone : {b.hwnd(), t.hwnd()}) {
        DestroyWindow(gone);
        EXPECT_TRUE(onKept.seen.empty() && onHost.seen.empty()) << "not inside the host's DestroyWindow";
    }
    Pump();
    EXPECT_EQ((Events{L"Click(a)"}), onKept.seen);
    EXPECT_EQ((Events{L"Click(b)"}), Only(onHost.seen, {L"Click(b)"}));
}

// WaitEvents ends as soon as an event string is posted while it waits (2), and at once
// when one posted before the call still waits for LastEvent or PendingEvent of a shown
// form; a string waiting on a hidden form does not end it.
TEST(EventLoop, WaitEventsAnswersTwoForAnEventStringPostedWhileItWaits) {
    Session s;
    Obj form = s.form(L"waits");
    Obj b = form.obj(L"AddCmdButton", {L"b", L"B", 20, 20, 100, 30, L"b click()"});
    form.put(L"Visible", 1);
    Drain(form);
    PostMessageW(b.hwnd(), WM_LBUTTONUP, 0, 0);
    const DWORD start = GetTickCount();
    EXPECT_EQ(2, Obj(s.desktop()).num(L"WaitEvents", {10000}));
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(L"b click()", form.str(L"PendingEvent"));
}

TEST(EventLoop, WaitEventsAnswersTwoAtOnceForAnEventStringAlreadyWaiting) {
    Session s;
    Obj shown = s.form(L"shown");
    Obj b = shown.obj(L"AddCmdButton", {L"b", L"B", 20, 20, 100, 30, L"b click()"});
    Obj hidden = s.form(L"hidden");
    shown.put(L"Visible", 1);
    Drain(shown);
    FormOf(hidden)->SetLastEvent(L"not shown()");
    EXPECT_EQ(0, Obj(s.desktop()).num(L"WaitEvents", {20})) << "a hidden form's string ends no wait";
    Click(b);  // while the script was busy between two waits
    const DWORD start = GetTickCount();
    EXPECT_EQ(2, Obj(s.desktop()).num(L"WaitEvents", {10000}));
    EXPECT_LT(GetTickCount() - start, 2000u) << "at once, not after its time";
    EXPECT_EQ(L"b click()", shown.str(L"PendingEvent")) << "still there for the script";
}

// The host's quit (PostQuitMessage: an HTA closing, Application.Exit, a Python loop)
// posted while the script is inside a call: every call that passes messages leaves it
// in the queue with its exit code, and a wait returns at once with nothing.
TEST(EventLoop, TheHostsQuitStaysQueuedAndEndsEveryWaitAtOnce) {
    const struct {
        const char* call;
        void (*make)(Obj& form, Obj& owner);  // what the form is before the call
        void (*call_)(Session& s, Obj& form);
    } kCalls[] = {
        { "Visible (a getter that passes messages)", [](Obj& f, Obj&) { f.put(L"Visible", 1); },
          [](Session&, Obj& f) { EXPECT_EQ(1, f.num(L"Visible")); } },
        { "Desktop.Count", [](Obj&, Obj&) {},
          [](Session& s, Obj&) { EXPECT_EQ(2, Obj(s.desktop()).num(L"Count")); } },
        { "LastEvent", [](Obj& f, Obj&) { f.put(L"Visible", 1); },
          [](Session&, Obj& f) { EXPECT_EQ(L"", LastEventWithin(f, 20000)); } },
        { "LastEvent of a modal form", [](Obj& f, Obj& owner) {
              owner.put(L"Visible", 1);
              f.put(L"HwndOwner", static_cast<long>(reinterpret_cast<LONG_PTR>(owner.hwnd())));
              f.put(L"Visible", 1);
          },
          [](Session&, Obj& f) { EXPECT_EQ(L"", LastEventWithin(f, 20000)); } },
        { "WaitEvents", [](Obj& f, Obj&) { f.put(L"Visible", 1); },
          [](Session& s, Obj&) { EXPECT_EQ(0, Obj(s.desktop()).num(L"WaitEvents", {20000})); } },
        { "WaitEvents with an event already waiting (answered before any pass)", [](Obj& f, Obj&) {
              f.put(L"Visible", 1);
              FormOf(f)->SetLastEvent(L"waiting()");
          },
          [](Session& s, Obj&) { EXPECT_EQ(2, Obj(s.desktop()).num(L"WaitEvents", {20000})); } },
        { "PendingEvent", [](Obj& f, Obj&) { f.put(L"Visible", 1); },
          [](Session&, Obj& f) { EXPECT_EQ(L"", f.str(L"PendingEvent")); } },
    };
    int code = 40;
    for (const auto& c : kCalls) {
        SCOPED_TRACE(c.call);
        Session s;
        Obj owner = s.form(L"owner");
        Obj form = s.form(L"quits");
        c.make(form, owner);
        Pump();
        PostQuitMessage(++code);
        const DWORD start = GetTickCount();
        c.call_(s, form);
        EXPECT_LT(GetTickCount() - start, 10000u) << "the wait returned";
        MSG msg{};
        ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is still queued";
        EXPECT_EQ(static_cast<WPARAM>(code), msg.wParam) << "with its exit code";
    }
}

// Each thread's forms, strings and sinks are its own; an object answers only its own thread.
TEST(EventLoop, TwoApartmentThreadsEachWithADesktopDoNotSeeEachOthersEvents) {
    Session mine;
    Obj form = mine.form(L"same");
    Obj a = form.obj(L"AddCmdButton", {L"a", L"A", 20, 20, 100, 30, L"here()"});
    EventSink sink;
    ASSERT_TRUE(sink.connect(form.get()));
    Click(a);  // queued on this thread while the other one waits for its own

    struct Theirs {
        std::wstring pending;
        Events seen;
        HRESULT formFromThere = S_OK, desktopFromThere = S_OK;
        bool ownCurrent = false;
    } theirs;
    std::thread other([&] {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        {
            Session s;
            Obj f = s.form(L"same");  // the name is free in this thread's own Desktop
            Obj b = f.obj(L"AddCmdButton", {L"b", L"B", 20, 20, 100, 30, L"there()"});
            EventSink theirSink;
            theirSink.connect(f.get());
            Click(b);
            PumpFor(50);
            theirs.pending = f.str(L"PendingEvent");
            theirs.seen = theirSink.seen;
            theirs.ownCurrent = mv::CurrentDesktop() == static_cast<mv::Desktop*>(s.desktop());
            VARIANT v;
            VariantInit(&v);
            theirs.formFromThere = form.invoke(L"PendingEvent", DISPATCH_PROPERTYGET, {}, &v);
            theirs.desktopFromThere = Obj(mine.desktop()).invoke(L"Count", DISPATCH_PROPERTYGET, {}, &v);
            VariantClear(&v);
        }
        CoUninitialize();
    });
    other.join();
    PumpFor(50);

    EXPECT_EQ(L"there()", theirs.pending);
    EXPECT_EQ((Events{L"Click(b)"}), theirs.seen);
    EXPECT_TRUE(theirs.ownCurrent);
    EXPECT_EQ(RPC_E_WRONG_THREAD, theirs.formFromThere);
    EXPECT_EQ(RPC_E_WRONG_THREAD, theirs.desktopFromThere);
    EXPECT_EQ(L"here()", form.str(L"PendingEvent"));
    EXPECT_EQ((Events{L"Click(a)"}), sink.seen);
    EXPECT_EQ(mv::CurrentDesktop(), static_cast<mv::Desktop*>(mine.desktop()));
}

std::vector<std::string> g_traced;

TEST(EventLoop, AnExceptionInAWindowProceduresHandlerIsCaughtAndTraced) {
    Session s;
    Obj form = s.form(L"faulty");
    Obj b = form.obj(L"AddCmdButton", {L"b", L"B", 20, 20, 100, 30, L"b click()"});
    form.put(L"OnGotfocus", L"got()");
    const struct {
        const char* procedure;
        HWND window;
        UINT msg;
        std::wstring posted;  // what the handler posts when it runs
    } kCases[] = {
        { "src/form/ctrl_wndproc.cpp(", b.hwnd(),    WM_LBUTTONUP, L"b click()" },
        { "src/form/form_wndproc.cpp(", form.hwnd(), WM_SETFOCUS,  L"got()"     },
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.procedure);
        g_traced.clear();
        mv::SetTraceListener([](const char* line) { g_traced.emplace_back(line); });
        mv::g_handlerFaultForTests = [](const mv::WindowMessage&) { throw std::runtime_error("injected"); };
        SendMessageW(c.window, c.msg, 0, 0);
        mv::g_handlerFaultForTests = nullptr;
        mv::SetTraceListener(nullptr);
        EXPECT_EQ(L"", form.str(L"PendingEvent")) << "the handler did not run";
        ASSERT_EQ(1u, g_traced.size());
        EXPECT_NE(std::string::npos, g_traced[0].find(c.procedure)) << g_traced[0];
        SendMessageW(c.window, c.msg, 0, 0);
        EXPECT_EQ(c.posted, form.str(L"PendingEvent")) << "the next message is handled as ever";
    }
}

// The last Release of an object runs its teardown inside the edge's guard: a fault there
// (a teardown that fails to allocate) is traced with what was thrown and reaches no host.
// The object is then left as it was, its one reference kept, so a later release ends it.
TEST(EventLoop, AFaultInTheTeardownOfTheLastReleaseIsCaughtAndTraced) {
    const long before = mv::LiveObjects();
    mv::ComPtr<mv::Control> control = mv::Control::Create();
    g_traced.clear();
    mv::SetTraceListener([](const char* line) { g_traced.emplace_back(line); });
    mv::g_teardownFaultForTests = [] { throw std::bad_alloc(); };
    EXPECT_EQ(0u, control.get()->Release());
    mv::g_teardownFaultForTests = nullptr;
    mv::SetTraceListener(nullptr);
    ASSERT_EQ(1u, g_traced.size());
    EXPECT_NE(std::string::npos, g_traced[0].find("src/com/dispatch_object.h(")) << g_traced[0];
    EXPECT_NE(std::string::npos, g_traced[0].find("0x8007000E Release (thrown: std::bad_alloc)")) << g_traced[0];
    EXPECT_EQ(before + 1, mv::LiveObjects()) << "the object is left, not half deleted";
    control.detach()->Release();  // the teardown runs whole this time
    EXPECT_EQ(before, mv::LiveObjects());
}

// A window of the test's own that adds a control of the same name while the add method
// passes messages: the add method then finds the name taken and fails.
Obj* g_form = nullptr;

LRESULT CALLBACK AddsTheSameName(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_APP) g_form->call(L"AddCmdButton", {L"same", L"Inner", 20, 20, 100, 30});
    return DefWindowProcW(hwnd, msg, wp, lp);
}

TEST(EventLoop, AFailedAddLeavesNoWindow) {
    Session s;
    Obj form = s.form(L"adds");
    g_form = &form;
    HWND helper = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(helper, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AddsTheSameName));
    PostMessageW(helper, WM_APP, 0, 0);
    Obj outer = form.obj(L"AddCmdButton", {L"same", L"Outer", 20, 70, 100, 30});
    DestroyWindow(helper);
    g_form = nullptr;

    EXPECT_FALSE(outer) << "the name was taken meanwhile";
    EXPECT_EQ(1, form.num(L"Count"));
    std::vector<HWND> children;
    for (HWND h = GetWindow(form.hwnd(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) children.push_back(h);
    ASSERT_EQ(1u, children.size());
    EXPECT_EQ(form.obj(L"controls", {L"same"}).hwnd(), children[0]);
}

}  // namespace
}  // namespace test
