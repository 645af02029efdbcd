// Real input on the virtual display: xdotool moves the X pointer and presses buttons and
// keys on the X server (Xvfb) that Wine's desktop window lives on, and the input reaches
// the forms the way a user's does, through Wine's X11 driver, the system's hit testing,
// focus and key state. The test plays the script: it waits in LastEvent meanwhile.
//
// How xdotool is started from a Windows program under Wine: CreateProcess of a Unix
// executable works (Wine forks and execs it), but no process handle comes back, so its
// end cannot be waited for. The command runs through /bin/sh, which writes a marker file
// when xdotool is done; the test sees the file as Z:\tmp\...
// Wine's virtual desktop window sits at the origin of the X screen, so X coordinates are
// the screen coordinates that GetWindowRect reports.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "dialog_answer.h"
#include "real_input.h"
#include "script_objects.h"
#include "form/tab_order.h"
#include "window/window_props.h"

namespace test {
namespace {

class Xdo {
public:
    Xdo() {
        marker_ = "/tmp/morvane-xdo-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count_);
    }
    // Starts `xdotool <args>`; it runs on its own while the test waits in LastEvent.
    bool start(const std::string& args) {
        DeleteFileA(winMarker().c_str());
        std::string cmd = "/bin/sh -c \"xdotool " + args + "; echo $? > " + marker_ + "\"";
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
        if (pi.hProcess) CloseHandle(pi.hProcess);
        if (pi.hThread) CloseHandle(pi.hThread);
        return true;
    }
    // Waits (pumping messages) until xdotool has ended; true when it succeeded.
    bool finish(DWORD ms = 30000) {
        for (DWORD waited = 0; waited < ms; waited += 20) {
            if (GetFileAttributesA(winMarker().c_str()) != INVALID_FILE_ATTRIBUTES) {
                PumpFor(20);
                char status = '?';
                HANDLE f = CreateFileA(winMarker().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
                DWORD got = 0;
                if (f != INVALID_HANDLE_VALUE) {
                    ReadFile(f, &status, 1, &got, nullptr);
                    CloseHandle(f);
                }
                DeleteFileA(winMarker().c_str());
                return status == '0';
            }
            PumpFor(20);
        }
        return false;
    }
    bool run(const std::string& args) { return start(args) && finish(); }

    // The screen point at the middle of a window.
    static std::string Middle(HWND hwnd) {
        RECT r{};
        GetWindowRect(hwnd, &r);
        return std::to_string((r.left + r.right) / 2) + " " + std::to_string((r.top + r.bottom) / 2);
    }

private:
    std::string winMarker() const {
        std::string w = "Z:" + marker_;
        for (char& c : w)
            if (c == '/') c = '\\';
        return w;
    }
    std::string marker_;
    static inline int count_ = 0;
};

// A shown, active form with two buttons and a text box.
struct Desk {
    Session s;
    Obj form = s.form(L"real", 200, 150, 360, 240);
    Obj a = form.obj(L"AddCmdButton", {L"a", L"A", 20, 20, 100, 30, L"a click()"});
    Obj b = form.obj(L"AddCmdButton", {L"b", L"B", 20, 70, 100, 30, L"b click()"});
    Obj text = form.obj(L"AddTextbox", {L"t", L"", 20, 120, 150, 24});
    Xdo xdo;
    Desk() {
        form.put(L"Visible", 1);
        SetForegroundWindow(form.hwnd());
        Drain(form);
    }
    // Runs `xdotool <args>` while the script waits in LastEvent; returns what it got.
    std::wstring act(const std::string& args, DWORD wait = 5000) {
        if (!xdo.start(args)) return L"<xdotool did not start>";
        std::wstring event = LastEventWithin(form, wait);
        // On a busy machine xdotool itself may start late: what it gave is waited for
        // again once it has given it, so "nothing came" means nothing came after the input.
        const bool given = xdo.finish();
        EXPECT_TRUE(given) << "xdotool " << args;
        if (given && event == L"<timeout>") event = LastEventWithin(form, wait);
        return event;
    }
    // Puts the pointer over a window (the keyboard follows the pointer on this display).
    void pointAt(HWND hwnd) { ASSERT_TRUE(xdo.run("mousemove " + Xdo::Middle(hwnd))); }
    // Events LastEvent returns until nothing more comes within `quiet` ms.
    std::vector<std::wstring> eventsUntilQuiet(DWORD first = 5000, DWORD quiet = 700) {
        std::vector<std::wstring> seen;
        for (std::wstring e = LastEventWithin(form, first); e != L"<timeout>"; e = LastEventWithin(form, quiet))
            seen.push_back(e);
        return seen;
    }
};

TEST(RealInput, MouseClickOnAButton) {
    REQUIRE_XDOTOOL();
    Desk d;
    RECT r{};
    GetWindowRect(d.form.hwnd(), &r);
    std::string beside = std::to_string(r.right - 30) + " " + std::to_string(r.bottom - 30);
    EXPECT_EQ(L"<timeout>", d.act("mousemove " + beside + " click 1", 700)) << "a click beside the controls";
    EXPECT_EQ(L"b click()", d.act("mousemove " + Xdo::Middle(d.b.hwnd()) + " click 1"));
    EXPECT_EQ(L"<timeout>", LastEventWithin(d.form, 500)) << "one click, one event";
}

TEST(RealInput, DoubleClickEndsWithOnDoubleClickAndNoSecondClick) {
    REQUIRE_XDOTOOL();
    Desk d;
    d.a.put(L"OnDoubleClick", L"a double()");
    d.pointAt(d.a.hwnd());
    ASSERT_TRUE(d.xdo.start("click --repeat 2 --delay 80 1"));
    std::vector<std::wstring> seen = d.eventsUntilQuiet();
    EXPECT_TRUE(d.xdo.finish());
    // The first release may be read before the double-click arrives, or be replaced by it.
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(L"a double()", seen.back());
    EXPECT_LE(seen.size(), 2u);
    if (seen.size() == 2) EXPECT_EQ(L"a click()", seen.front());
    EXPECT_EQ(0, mv::GetWindowValue(d.a.hwnd(), mv::prop::kDblClkDone)) << "the second release was swallowed";
}

TEST(RealInput, TabAndShiftTabMoveTheFocus) {
    REQUIRE_XDOTOOL();
    Desk d;
    d.b.put(L"OnGotfocus", L"b got()");
    d.text.put(L"OnGotfocus", L"text got()");
    d.a.put(L"OnGotfocus", L"a got()");
    mv::FocusWindow(d.a.hwnd());
    Drain(d.form);
    d.pointAt(d.form.hwnd());
    EXPECT_EQ(L"b got()", d.act("key Tab"));
    EXPECT_EQ(d.b.hwnd(), GetFocus());
    EXPECT_EQ(L"a got()", d.act("key shift+Tab"));
    EXPECT_EQ(d.a.hwnd(), GetFocus());
    EXPECT_EQ(L"text got()", d.act("key shift+Tab")) << "from the first back to the last";
}

TEST(RealInput, EnterOnAFocusedButtonAndNotInATextBox) {
    REQUIRE_XDOTOOL();
    Desk d;
    mv::FocusWindow(d.b.hwnd());
    Drain(d.form);
    d.pointAt(d.form.hwnd());
    EXPECT_EQ(L"b click()", d.act("key Return"));
    EXPECT_EQ(L"<timeout>", LastEventWithin(d.form, 500)) << "once";

    mv::SetWindowValue(d.form.hwnd(), mv::prop::kDefaultCtl, reinterpret_cast<LONG_PTR>(d.a.hwnd()));
    mv::FocusWindow(d.text.hwnd());
    Drain(d.form);
    EXPECT_EQ(L"<timeout>", d.act("key Return", 1000)) << "Enter in a text box posts nothing";
}

// Enter and Space on a focused button click it once each. The release of the Enter that
// answered a message box opened from a click reaches the button, and clicks nothing.
TEST(RealInput, AKeyReleaseClicksOnlyTheButtonThatGotThePress) {
    REQUIRE_XDOTOOL();
    Desk d;
    mv::FocusWindow(d.b.hwnd());
    d.pointAt(d.form.hwnd());
    EXPECT_EQ(L"b click()", d.act("key space"));
    EXPECT_EQ(L"b click()", d.act("key Return"));
    std::thread user([&] {
        if (test::WaitForOwnedDialog(d.form.hwnd())) d.xdo.run("keydown Return sleep 0.2 keyup Return");
    });
    EXPECT_EQ(IDOK, d.form.num(L"ShowMsgBox", {L"Go on?"}));
    user.join();
    EXPECT_EQ(L"<timeout>", LastEventWithin(d.form, 700));
}

TEST(RealInput, AltF4HidesTheForm) {
    REQUIRE_XDOTOOL();
    Desk d;
    d.form.put(L"OnHide", L"hidden()");
    d.pointAt(d.form.hwnd());
    EXPECT_EQ(L"hidden()", d.act("key alt+F4"));
    EXPECT_EQ(0, d.form.num(L"Visible"));
    EXPECT_TRUE(IsWindow(d.form.hwnd()));
}

// Wizard pages made fixed-size, moved and taken off the top while hidden, then shown one
// after the other: none of that activated a hidden page, so Enter presses each default button.
TEST(RealInput, EnterPressesTheDefaultButtonOfPagesShapedWhileHidden) {
    REQUIRE_XDOTOOL();
    Session s;
    Xdo xdo;
    std::vector<Obj> pages;
    for (size_t i = 0; i < 3; ++i) {
        pages.push_back(s.form((L"page" + std::to_wstring(i)).c_str(), 200, 150, 360, 240));
        pages[i].put(L"Resizeable", 0);
        pages[i].call(L"MoveResize", {200, 150, 360, 240});
        pages[i].put(L"TopMost", 0);
        pages[i].obj(L"AddCmdButton", {L"next", L"Next", 240, 160, 90, 30, L"next " + std::to_wstring(i)})
            .call(L"SetAsDefault");
    }
    for (size_t i = 0; i < 3; ++i) {
        if (i > 0) pages[i - 1].put(L"Visible", 0);
        pages[i].put(L"Visible", 1);
        ASSERT_TRUE(xdo.run("mousemove " + Xdo::Middle(pages[i].hwnd())));
        ASSERT_TRUE(xdo.start("key Return"));
        EXPECT_EQ(L"next " + std::to_wstring(i), LastEventWithin(pages[i], 3000));
        EXPECT_TRUE(xdo.finish());
    }
}

}  // namespace
}  // namespace test
