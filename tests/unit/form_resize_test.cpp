// A form's smallest size and its OnResize, without real input: the system's own messages
// for maximise and restore, and the script's own placing, which raises nothing and is not
// limited. The user's drags are in form_drag_test.cpp.
#include <gtest/gtest.h>

#include "event_sink.h"
#include "form_fixture.h"

using namespace test;

namespace {

struct FormResize : FormTest {
    void SetUp() override {
        FormTest::SetUp();
        Put(form, L"OnResize", Arg(L"resized"));
        Put(form, L"Visible", Arg(1));
        Pump();
        Get(form, L"PendingEvent");  // what showing it posted
    }
    std::wstring pending() const { return Get(form, L"PendingEvent").text(); }
};

TEST_F(FormResize, MinWidthAndMinHeightReadBackAndStartAtZero) {
    EXPECT_EQ(0, Get(form, L"MinWidth").lng());
    EXPECT_EQ(0, Get(form, L"MinHeight").lng());
    Put(form, L"MinWidth", Arg(250));
    Put(form, L"MinHeight", Arg(180));
    EXPECT_EQ(250, Get(form, L"MinWidth").lng());
    EXPECT_EQ(180, Get(form, L"MinHeight").lng());
    Put(form, L"MinWidth", Arg(-5));
    EXPECT_EQ(250, Get(form, L"MinWidth").lng()) << "a negative value leaves it";
}

TEST_F(FormResize, TheScriptsOwnPlacingIsNotLimitedAndRaisesNothing) {
    Put(form, L"MinWidth", Arg(300));
    Put(form, L"MinHeight", Arg(200));
    Call(form, L"MoveResize", {Arg(-1), Arg(-1), Arg(150), Arg(120)});
    EXPECT_EQ(150, Get(form, L"Width").lng()) << "not limited by MinWidth";
    EXPECT_EQ(120, Get(form, L"Height").lng());
    Put(form, L"Width", Arg(500));
    Put(form, L"Visible", Arg(1));
    EXPECT_EQ(L"", pending()) << "no OnResize for MoveResize, Width or Visible";
}

TEST_F(FormResize, MaximiseAndRestoreRaiseOnResizeOnceEach) {
    EventSink sink;
    ASSERT_TRUE(sink.connect(form));
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);  // the title bar's button
    EXPECT_TRUE(IsZoomed(hwnd));
    EXPECT_EQ(L"resized", pending()) << "after maximising";
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(L"resized", pending()) << "after restoring";
    Put(form, L"WindowState", Arg(1));
    Put(form, L"WindowState", Arg(0));
    EXPECT_EQ(L"", pending()) << "minimising and restoring to the same size changes no size";
    EXPECT_EQ((std::vector<std::wstring>{L"Resize", L"Resize"}), Only(sink.seen, {L"Resize"}));
}

TEST_F(FormResize, TheSmallestSizeIsNotGivenOutsideTheUsersSizing) {
    Put(form, L"MinWidth", Arg(300));
    Put(form, L"MinHeight", Arg(200));
    MINMAXINFO info{};
    info.ptMinTrackSize = {100, 30};
    SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(100, info.ptMinTrackSize.x) << "asked outside the user's sizing: the system's own";
}

}  // namespace
