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

// WaitEvents ends as soon as an event string is posted while it waits (2); one posted
// before the call does not end it.
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
