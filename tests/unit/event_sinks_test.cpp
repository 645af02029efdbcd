// Forms and controls as event sources: sinks connected the way hosts connect them get
// every event, in order, with the right control, only while the script waits; sinks that
// fail, unadvise themselves or close everything stop nothing; no sink is held once its
// form is gone.
#include <gtest/gtest.h>

#include <windows.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "com/module.h"
#include "desktop/desktop.h"
#include "event_sink.h"
#include "real_input.h"
#include "script_objects.h"

namespace test {
namespace {

using Events = std::vector<std::wstring>;

// A form with two buttons (b has an OnClick string) and a list box with two items.
struct Board {
    Session s;
    Obj form = s.form(L"ev", 200, 150, 360, 240);
    Obj a = form.obj(L"AddCmdButton", {L"a", L"A", 20, 20, 100, 30});
    Obj b = form.obj(L"AddCmdButton", {L"b", L"B", 20, 70, 100, 30, L"b click()"});
    Obj list = form.obj(L"AddListBox", {L"l", 180, 20, 120, 100});
    Board() {
        list.call(L"AddItem", {L"one"});
        list.call(L"AddItem", {L"two"});
    }
    // What a user's click on a button sends it (its release, then the click's wait).
    static void Click(const Obj& c) { SendMessageW(c.hwnd(), WM_LBUTTONUP, 0, 0); }
    long wait(long ms) const { return Obj(s.desktop()).num(L"WaitEvents", {ms}); }
};

TEST(EventSinks, ScriptHostAndTypedSinksGetRealInputInOrder) {
    REQUIRE_XDOTOOL();
    Board d;
    EventSink onForm(EventSink::Style::ScriptHost), onA(EventSink::Style::Typed);
    ASSERT_TRUE(onForm.connect(d.form.get()));
    ASSERT_TRUE(onA.connect(d.a.get()));
    d.form.put(L"Visible", 1);
    SetForegroundWindow(d.form.hwnd());
    d.wait(300);
    RECT item{};
    SendMessageW(d.list.hwnd(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    MapWindowPoints(d.list.hwnd(), nullptr, reinterpret_cast<POINT*>(&item), 2);
    RECT r{};
    GetWindowRect(d.a.hwnd(), &r);
    // The user clicks a, tabs to b, presses Enter on it and picks the list's second item;
    // xdotool's wait dispatches messages as a host's own loop does.
    ASSERT_TRUE(Xdotool("mousemove " + std::to_string((r.left + r.right) / 2) + " " +
                        std::to_string((r.top + r.bottom) / 2) + " click 1 sleep 0.2 key Tab sleep 0.2 key Return"));
    ASSERT_TRUE(Xdotool("mousemove " + std::to_string((item.left + item.right) / 2) + " " +
                        std::to_string((item.top + item.bottom) / 2) + " click 1"));
    d.wait(300);
    d.form.put(L"Visible", 0);
    EXPECT_EQ(1, d.wait(300)) << "no form is shown";

    const Events expected = {L"Show", L"Click(a)", L"ControlLostFocus(a)", L"ControlGotFocus(b)", L"Click(b)",
                             L"ControlGotFocus(l)", L"Change(l)", L"Hide"};
    EXPECT_EQ(expected, Only(onForm.seen, {L"Show", L"Click(a)", L"ControlLostFocus(a)", L"ControlGotFocus(b)",
                                           L"Click(b)", L"ControlGotFocus(l)", L"Change(l)", L"Hide"}))
        << testing::PrintToString(onForm.seen);
    EXPECT_EQ((Events{L"GotFocus", L"Click", L"LostFocus"}), onA.seen) << "a's own sink: a's events alone";
    EXPECT_EQ(L"b click()", d.form.str(L"PendingEvent")) << "the event string still reaches LastEvent";
}

// Raised while the script does something else, an event waits for the script's next
// wait: the host's loop between calls, PendingEvent, LastEvent or WaitEvents.
TEST(EventSinks, DeliveredOnlyWhileTheScriptWaits) {
    const struct {
        const char* way;
        void (*wait)(Board&);
    } kWays[] = {
        { "the host's loop", [](Board&) { Pump(); } },
        { "PendingEvent",    [](Board& d) { d.form.str(L"PendingEvent"); } },
        { "LastEvent",       [](Board& d) { EXPECT_EQ(L"b click()", LastEventWithin(d.form, 1000)); } },
        { "WaitEvents",      [](Board& d) { EXPECT_EQ(2, d.wait(50)) << "b's string waits"; } },
    };
    for (const auto& way : kWays) {
        SCOPED_TRACE(way.way);
        Board d;
        d.form.put(L"Visible", 1);
        Drain(d.form);
        EventSink sink;
        ASSERT_TRUE(sink.connect(d.form.get()));
        Board::Click(d.a);  // no event string: the sink gets it all the same
        Board::Click(d.b);
        EXPECT_TRUE(sink.seen.empty()) << "not inside the window procedure";
        d.form.num(L"Visible");  // a call that passes messages, and does not wait
        EXPECT_TRUE(sink.seen.empty()) << "not inside another call";
        way.wait(d);
        EXPECT_EQ((Events{L"Click(a)", L"Click(b)"}), sink.seen);
    }
}

// A double-click is one gesture for sinks (Click, then DblClick, no second Click); the
// event strings go to LastEvent as they do without sinks (no OnDoubleClick: both
// releases post OnClick).
TEST(EventSinks, ADoubleClickForSinksLeavesTheEventStringsAsTheyWere) {
    Board d;
    d.form.put(L"Visible", 1);
    EventSink sink;
    ASSERT_TRUE(sink.connect(d.form.get()));
    Drain(d.form);
    for (UINT msg : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        SendMessageW(d.b.hwnd(), msg, 0, 0);
        EXPECT_EQ(msg == WM_LBUTTONUP ? L"b click()" : L"", d.form.str(L"PendingEvent")) << msg;
    }
    EXPECT_EQ((Events{L"Click(b)", L"DblClick(b)"}), Only(sink.seen, {L"Click(b)", L"DblClick(b)"}));
}

// What a sink does inside its call stops nothing: an error, unadvising itself, or closing
// every form (the form that raised the event with it, whose window procedure runs the
// sinks from the host's loop).
TEST(EventSinks, ASinkMayFailUnadviseItselfOrCloseEverything) {
    enum Act { Fail, Unadvise, CloseAll };
    const struct {
        Act act;
        Events first, second;  // what the acting sink and the one after it see
    } kCases[] = {
        { Fail,     {L"Click(a)", L"Click(b)"}, {L"Click(a)", L"Click(b)"} },
        { Unadvise, {L"Click(a)"},              {L"Click(a)", L"Click(b)"} },
        { CloseAll, {L"Click(a)"},              {} },
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.act);
        Board d;
        d.form.put(L"Visible", 1);
        EventSink first, second;
        ASSERT_TRUE(first.connect(d.form.get()));
        ASSERT_TRUE(second.connect(d.form.get()));
        first.onEvent = [&](const std::wstring&) {
            if (c.act == Fail) first.answer = DISP_E_EXCEPTION;
            if (c.act == Unadvise) EXPECT_EQ(S_OK, first.disconnect());
            if (c.act == CloseAll) Obj(d.s.desktop()).call(L"CloseAll");
        };
        Board::Click(d.a);
        Board::Click(d.b);
        Pump();
        EXPECT_EQ(c.first, first.seen);
        EXPECT_EQ(c.second, second.seen);
    }
}

// Sinks (here holding their form, as a script's sink object may) are let go however the
// form goes (the Desktop's end closes every form); then nothing of the form is left once
// the host lets go of its connections.
TEST(EventSinks, SinksAreLetGoWhenTheirFormGoes) {
    const struct {
        const char* how;
        void (*end)(Board&, EventSink&, EventSink&);
    } kEnds[] = {
        { "Unadvise",
          [](Board&, EventSink& f, EventSink& l) { EXPECT_EQ(S_OK, f.disconnect()); EXPECT_EQ(S_OK, l.disconnect()); } },
        { "CloseAll",          [](Board& d, EventSink&, EventSink&) { Obj(d.s.desktop()).call(L"CloseAll"); } },
        { "destroyed outside", [](Board& d, EventSink&, EventSink&) { DestroyWindow(d.form.hwnd()); } },
    };
    for (const auto& e : kEnds) {
        SCOPED_TRACE(e.how);
        mv::ReleaseIdleDesktop();
        const long before = mv::LiveObjects();
        EventSink onForm, onList;
        {
            Board d;
            ASSERT_TRUE(onForm.connect(d.form.get()));
            ASSERT_TRUE(onList.connect(d.list.get()));
            Obj held = d.form;
            onForm.onEvent = [held](const std::wstring&) {};
            Board::Click(d.a);  // queued, never delivered
            e.end(d, onForm, onList);
            EXPECT_EQ(1u, onForm.refs());
            EXPECT_EQ(1u, onList.refs());
            onForm.onEvent = nullptr;  // the script lets go of the form
        }
        onForm.disconnect();
        onList.disconnect();
        mv::ReleaseIdleDesktop();
        EXPECT_EQ(before, mv::LiveObjects());
    }
}

// What hosts ask besides Advise: the connections made, and errors for what is not there.
TEST(EventSinks, ConnectionPointsAnswerAsHostsExpect) {
    Board d;
    EventSink one, two;
    ASSERT_TRUE(one.connect(d.b.get()));
    ASSERT_TRUE(two.connect(d.b.get()));
    mv::ComPtr<IEnumConnections> connections;
    ASSERT_EQ(S_OK, one.point->EnumConnections(connections.put()));
    CONNECTDATA data[3] = {};
    ULONG got = 0;
    EXPECT_EQ(S_FALSE, connections->Next(3, data, &got));
    ASSERT_EQ(2u, got);
    EXPECT_EQ(one.cookie, data[0].dwCookie);
    EXPECT_EQ(two.cookie, data[1].dwCookie);
    for (ULONG i = 0; i < got; ++i) data[i].pUnk->Release();
    EXPECT_EQ(CONNECT_E_NOCONNECTION, one.point->Unadvise(two.cookie + 100));
    mv::ComPtr<IConnectionPointContainer> none;
    EXPECT_EQ(E_NOINTERFACE, d.s.desktop()->QueryInterface(IID_IConnectionPointContainer,
                                                         reinterpret_cast<void**>(none.put())))
        << "Desktop raises no events";
}

}  // namespace
}  // namespace test
