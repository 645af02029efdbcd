// Progress bars as a script drives them and as the screen shows them: positions read
// with PBM_GETPOS, the messages the bar receives, failures as the script sees them, and
// the pixels of the library's gradient bar.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cmath>

#include "control_fixture.h"
#include "gdi_count.h"
#include "control/progress_paint.h"
#include "core/high_contrast.h"
#include "form/window_objects.h"
#include "window/window_props.h"

using namespace test;

namespace {

struct ProgressBars : ControlTest {
    IDispatch* bar(long width = 104, long style = 1) {
        IDispatch* b = addProgress((L"pb" + std::to_wstring(++made)).c_str(), 10, 150, width, 20, style);
        hwndBar = HwndOf(b);
        return b;
    }
    LRESULT position() const { return SendMessageA(hwndBar, PBM_GETPOS, 0, 0); }
    int made = 0;
    HWND hwndBar = nullptr;
};

struct PositionCase { long max, set, percent, reads; };
const PositionCase kPositions[] = {
    { 200, 101,  50, 100 },  // 50.5 % rounds to the even 50
    {   3,   5, 100,   3 },  // capped at 100 %
    {   3,   1,  33,   1 },
    { 100,  37,  37,  37 },
    {   8,   1,  12,   1 },  // 12.5 % rounds to the even 12; 0.96 reads back 1
    {  -4,  -2,  50,  -2 },
};

TEST_F(ProgressBars, PositionIsAPercentageOfMaxProgress) {
    IDispatch* b = bar();
    for (const PositionCase& c : kPositions) {
        Put(b, L"MaxProgress", Arg(c.max));
        ASSERT_EQ(S_OK, Put(b, L"CurrentProgress", Arg(c.set)).hr) << c.max << "/" << c.set;
        EXPECT_EQ(c.percent, position()) << c.max << "/" << c.set;
        EXPECT_EQ(c.reads, GetLong(b, L"CurrentProgress")) << c.max << "/" << c.set;
    }
    MessageSpy spy(hwndBar);
    Put(b, L"MaxProgress", Arg(100));
    EXPECT_TRUE(spy.seen().empty()) << "MaxProgress is stored only";
    EXPECT_EQ(100, GetLong(b, L"MaxProgress"));
    Put(b, L"CurrentProgress", Arg(-10));
    ASSERT_EQ(1u, spy.of(PBM_SETPOS).size());
    EXPECT_EQ(static_cast<WPARAM>(-10), spy.of(PBM_SETPOS)[0].wp) << "negative positions go to the bar unchanged";
}

TEST_F(ProgressBars, ZeroMaximumAndOverflowFailTheAssignment) {
    IDispatch* b = bar();
    Put(b, L"MaxProgress", Arg(10));
    Put(b, L"CurrentProgress", Arg(4));
    Put(b, L"MaxProgress", Arg(0));
    Outcome zero = Put(b, L"CurrentProgress", Arg(5));
    EXPECT_EQ(DISP_E_EXCEPTION, zero.hr);
    EXPECT_EQ(static_cast<HRESULT>(0x800A000B), zero.excep.scode);
    EXPECT_EQ(40, position()) << "the bar is not changed";
    Put(b, L"MaxProgress", Arg(100));
    Outcome big = Put(b, L"CurrentProgress", Arg(30000000));
    EXPECT_EQ(DISP_E_EXCEPTION, big.hr);
    EXPECT_EQ(static_cast<HRESULT>(0x800A0006), big.excep.scode);
    EXPECT_EQ(40, position());
    Put(b, L"MaxProgress", Arg(60000000));
    Outcome read = Get(b, L"CurrentProgress");  // 40 % of it, formed as 40 x 60000000, overflows 32 bits
    EXPECT_EQ(DISP_E_EXCEPTION, read.hr);
    EXPECT_EQ(static_cast<HRESULT>(0x800A0006), read.excep.scode);
}

struct StyleCase { long set, reads; };
const StyleCase kStyles[] = { {7, 2}, {-2, 2}, {0, 1}, {1, 1}, {2, 2}, {-1, 1}, {static_cast<long>(0x80000000), 2} };

TEST_F(ProgressBars, StyleTakesTheAbsoluteValueCappedAt2) {
    EXPECT_EQ(1, GetLong(bar(104, 1), L"ProgressBarStyle"));
    EXPECT_EQ(1, GetLong(bar(104, 0), L"ProgressBarStyle"));
    EXPECT_EQ(2, GetLong(bar(104, 5), L"ProgressBarStyle"));
    IDispatch* b = bar();
    const LONG style = GetWindowLongA(hwndBar, GWL_STYLE);
    for (const StyleCase& c : kStyles) {
        Put(b, L"ProgressBarStyle", Arg(c.set));
        EXPECT_EQ(c.reads, GetLong(b, L"ProgressBarStyle")) << c.set;
        EXPECT_EQ(style, GetWindowLongA(hwndBar, GWL_STYLE)) << "the window's style stays";
    }
    SetWindowLongA(hwndBar, GWL_STYLE, style & ~PBS_SMOOTH);
    EXPECT_EQ(0, GetLong(b, L"ProgressBarStyle"));
}

TEST_F(ProgressBars, OtherKindsAnswerZeroAndRaiseNothing) {
    IDispatch* list = addList(L"list");
    for (const wchar_t* m : {L"MaxProgress", L"CurrentProgress", L"ProgressBarStyle"}) {
        EXPECT_EQ(S_OK, Put(list, m, Arg(5)).hr) << m;
        EXPECT_EQ(0, GetLong(list, m)) << m;
    }
}

// --- the library's gradient bar ---------------------------------------------

COLORREF ButtonFace() { return GetSysColor(COLOR_BTNFACE); }

// Column x of a bar whose inner width is w.
COLORREF Gradient(long x, long w) {
    auto level = [&](double span, double base) { return static_cast<int>(std::nearbyint(span * x / w) + base); };
    return RGB(level(156, 10), level(166, 36), level(134, 106));
}

struct GradientBar : ProgressBars {
    IDispatch* gradient(long width, long max) {
        IDispatch* b = bar(width, 2);
        Put(b, L"MaxProgress", Arg(max));
        return b;
    }
    void show(IDispatch* b, long value) {
        Put(b, L"CurrentProgress", Arg(value));
        RedrawWindow(hwndBar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    // Every column of the inner rectangle, on its first and last rows.
    void expectColumns(long width, long end, const char* what) {
        for (long x = 2; x < width - 2; ++x)
            for (int y : {2, 20 - 3}) {
                COLORREF want = x <= end ? Gradient(x, width - 4) : ButtonFace();
                ASSERT_EQ(want, PixelAt(hwndBar, x, y)) << what << ": column " << x << ", row " << y;
            }
    }
    LONG_PTR previous() const { return mv::GetWindowValue(hwndBar, mv::prop::kPbPreviousPos); }
};

TEST_F(GradientBar, FullScaleOn104PixelsEndsAtColumn100) {
    IDispatch* b = gradient(104, 100);
    show(b, 100);
    EXPECT_EQ(RGB(166, 202, 240), PixelAt(hwndBar, 100, 2));
    EXPECT_EQ(RGB(166, 202, 240), PixelAt(hwndBar, 100, 17));
    EXPECT_EQ(RGB(127, 160, 206), PixelAt(hwndBar, 75, 10)) << "124.5 and 100.5 round to even";
    EXPECT_EQ(RGB(13, 39, 109), PixelAt(hwndBar, 2, 10));
    EXPECT_EQ(ButtonFace(), PixelAt(hwndBar, 101, 10));
    expectColumns(104, 100, "full");
    EXPECT_EQ(100, previous());
}

// The colour choice with both answers of the system's high-contrast setting: on, the bar
// is the system's highlight colour; off, the gradient.
TEST_F(GradientBar, HighContrastPaintsTheSystemsHighlightColour) {
    IDispatch* b = gradient(104, 100);
    for (bool on : {true, false}) {
        mv::g_highContrastForTests = on ? +[] { return true; } : +[] { return false; };
        show(b, 50);
        EXPECT_EQ(on ? GetSysColor(COLOR_HIGHLIGHT) : Gradient(30, 100), PixelAt(hwndBar, 30, 10)) << "high contrast " << on;
        EXPECT_EQ(ButtonFace(), PixelAt(hwndBar, 80, 10)) << "high contrast " << on;
    }
    mv::g_highContrastForTests = nullptr;
}

TEST_F(GradientBar, EndColumnRoundsHalvesToEven) {
    IDispatch* b = gradient(105, 100);  // 101 * 50 / 100 = 50.5
    show(b, 50);
    expectColumns(105, 50, "half");
    EXPECT_EQ(50, previous());
}

TEST_F(GradientBar, AnEmptyBarIsButtonFace) {
    IDispatch* b = gradient(104, 100);
    show(b, 0);
    expectColumns(104, 0, "empty");
    EXPECT_EQ(0, previous());
}

TEST_F(GradientBar, GrowingKeepsTheColoursAndShrinkingLeavesNoStaleGradient) {
    IDispatch* b = gradient(204, 10);
    show(b, 3);
    expectColumns(204, 60, "3 of 10");
    show(b, 9);
    expectColumns(204, 180, "9 of 10");
    show(b, 4);
    expectColumns(204, 80, "back to 4 of 10");
    show(b, 4);  // a paint that finds its own end stored
    expectColumns(204, 80, "4 of 10 again");
    show(b, 0);
    expectColumns(204, 0, "back to 0");
}

TEST_F(GradientBar, OtherStylesAndAZeroMaximumAreLeftToTheClass) {
    IDispatch* b = bar(104, 1);
    Put(b, L"MaxProgress", Arg(100));
    show(b, 50);
    EXPECT_FALSE(mv::PaintProgressBar(hwndBar, mv::ControlOfWindow(hwndBar).get()));
    EXPECT_EQ(0, previous());
    IDispatch* g = gradient(104, 100);
    show(g, 50);
    EXPECT_EQ(50, previous());
    Put(g, L"MaxProgress", Arg(0));
    EXPECT_FALSE(mv::PaintProgressBar(hwndBar, mv::ControlOfWindow(hwndBar).get()));
    EXPECT_EQ(50, previous());
    const HWND list = HwndOf(addList(L"list"));
    EXPECT_FALSE(mv::PaintProgressBar(list, mv::ControlOfWindow(list).get()));
}

TEST_F(GradientBar, SwitchingStylesRepaintsAtOnce) {
    IDispatch* b = bar(104, 1);
    Put(b, L"MaxProgress", Arg(100));
    show(b, 100);
    Put(b, L"ProgressBarStyle", Arg(2));
    UpdateWindow(hwndBar);
    EXPECT_EQ(RGB(166, 202, 240), PixelAt(hwndBar, 100, 10));
}

TEST_F(GradientBar, PaintingHoldsNoGdiObjects) {
    IDispatch* b = gradient(404, 1000);
    show(b, 1);  // whatever the first paint creates once
    const long before = GdiObjectCount();
    for (long i = 0; i < 1000; ++i) show(b, i);
    EXPECT_EQ(before, GdiObjectCount());
}

}  // namespace
