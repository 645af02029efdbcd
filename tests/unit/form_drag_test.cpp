// A user dragging a form by its caption or its sizing border, with real input on the
// virtual display, against the form's move lock.
#include <gtest/gtest.h>

#include "form_fixture.h"
#include "real_input.h"
#include "window/window_props.h"

using namespace test;

namespace {

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct FormDrag : FormTest {
    // A point on the caption, away from its buttons and icon.
    POINT caption() const {
        RECT rc = RectOf(hwnd);
        POINT p{rc.left + (rc.right - rc.left) / 2, rc.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
        EXPECT_EQ(HTCAPTION, SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)));
        return p;
    }
    // The bottom-right corner of the sizing border.
    POINT corner() const {
        RECT rc = RectOf(hwnd);
        POINT p{rc.right - 2, rc.bottom - 2};
        EXPECT_EQ(HTBOTTOMRIGHT, SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)));
        return p;
    }
    void show() {
        Put(form, L"Visible", Arg(1));
        PumpFor(200);
    }
};

TEST_F(FormDrag, ALockedFormStaysWhereItIsWhileMoveResizeMovesItOnce) {
    show();
    RECT start = RectOf(hwnd);
    POINT p = caption();
    ASSERT_TRUE(Drag(p.x, p.y, 60, 40));
    RECT moved = RectOf(hwnd);
    ASSERT_EQ(start.left + 60, moved.left) << "an unlocked form follows the drag";
    ASSERT_EQ(start.top + 40, moved.top);

    Call(form, L"ChangeSysMenu", {Arg(0), Arg(0), Arg(0)});
    Put(form, L"Moveable", Arg(0));
    p = caption();
    ASSERT_TRUE(Drag(p.x, p.y, -50, 70));
    EXPECT_TRUE(SameRect(moved, RectOf(hwnd))) << "dragging the caption of a locked form";
    p = corner();
    ASSERT_TRUE(Drag(p.x, p.y, 40, 40));
    EXPECT_TRUE(SameRect(moved, RectOf(hwnd))) << "dragging the sizing border of a locked form";

    Call(form, L"MoveResize", {Arg(30), Arg(40), Arg(250)});
    RECT placed = RectOf(hwnd);
    EXPECT_EQ(30, placed.left);
    EXPECT_EQ(40, placed.top);
    EXPECT_EQ(250, placed.right - placed.left);
    EXPECT_EQ(1, mv::GetWindowValue(hwnd, mv::prop::kNotMoveable)) << "the lock is back";
    p = caption();
    ASSERT_TRUE(Drag(p.x, p.y, 80, 80));
    EXPECT_TRUE(SameRect(placed, RectOf(hwnd))) << "locked again after the one move";
}

}  // namespace
