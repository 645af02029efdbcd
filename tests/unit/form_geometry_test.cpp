// Form position and size: the outer window rectangle, read back with GetWindowRect.
#include <gtest/gtest.h>

#include "form_fixture.h"
#include "window/window_props.h"

using namespace test;

namespace {

struct FormGeometry : FormTest {
    void expectRect(long l, long t, long w, long h, const char* what) {
        RECT rc = RectOf(hwnd);
        EXPECT_EQ(l, rc.left) << what;
        EXPECT_EQ(t, rc.top) << what;
        EXPECT_EQ(w, rc.right - rc.left) << what;
        EXPECT_EQ(h, rc.bottom - rc.top) << what;
        EXPECT_EQ(l, GetLong(form, L"Left")) << what;
        EXPECT_EQ(t, GetLong(form, L"Top")) << what;
        EXPECT_EQ(w, GetLong(form, L"Width")) << what;
        EXPECT_EQ(h, GetLong(form, L"Height")) << what;
    }
};

TEST_F(FormGeometry, PropertiesReadAndSetTheOuterRectangle) {
    expectRect(100, 80, 320, 240, "as created");
    Put(form, L"Width", Arg(300));
    expectRect(100, 80, 300, 240, "Width = 300 keeps the rest");
    Put(form, L"Left", Arg(-10));
    expectRect(100, 80, 300, 240, "Left = -10 changes nothing");
    Put(form, L"Left", Arg(0));
    Put(form, L"Top", Arg(5));
    Put(form, L"Height", Arg(200));
    expectRect(0, 5, 300, 200, "each property its own value");
    Put(form, L"Visible", Arg(1));
    Put(form, L"Top", Arg(40));
    expectRect(0, 40, 300, 200, "a visible form");
}

TEST_F(FormGeometry, MoveResizeLeavesNegativeAndOmittedValuesUnchanged) {
    ASSERT_EQ(S_OK, Call(form, L"MoveResize", {Arg(10), Arg(20), Arg(400), Arg(300)}).hr);
    expectRect(10, 20, 400, 300, "all four");
    Call(form, L"MoveResize", {Arg(-1), Arg(-1), Arg(200), Arg(-1)});
    expectRect(10, 20, 200, 300, "width only");
    Call(form, L"MoveResize", {Arg(30)});
    expectRect(30, 20, 200, 300, "omitted arguments");
    Call(form, L"MoveResize", {Arg::Missing(), Arg(50)});
    expectRect(30, 50, 200, 300, "a missing argument");
    Call(form, L"MoveResize");
    expectRect(30, 50, 200, 300, "nothing given");
}

TEST_F(FormGeometry, HugeValuesNeitherFailNorCrash) {
    EXPECT_EQ(S_OK, Call(form, L"MoveResize", {Arg(0x7FFFFFFF), Arg(0x7FFFFFFF), Arg(0x7FFFFFFF), Arg(0x7FFFFFFF)}).hr);
    EXPECT_EQ(S_OK, Get(form, L"Width").hr);
    EXPECT_EQ(S_OK, Get(form, L"Left").hr);
    EXPECT_EQ(S_OK, Call(form, L"MoveResize", {Arg(0), Arg(0), Arg(0), Arg(0)}).hr);
    EXPECT_EQ(0, GetLong(form, L"Left"));
    EXPECT_GE(GetLong(form, L"Width"), 0);
    Call(form, L"MoveResize", {Arg(static_cast<long>(0x80000000)), Arg(-5), Arg(150), Arg(100)});
    expectRect(0, 0, 150, 100, "negative values leave the position");
}

TEST_F(FormGeometry, MoveResizeOpensTheMoveLockOnce) {
    Call(form, L"ChangeSysMenu", {Arg(0), Arg(0), Arg(0)});
    Put(form, L"Moveable", Arg(0));
    ASSERT_EQ(1, mv::GetWindowValue(hwnd, mv::prop::kNotMoveable));
    Call(form, L"MoveResize", {Arg(40), Arg(60)});
    RECT rc = RectOf(hwnd);
    EXPECT_EQ(40, rc.left);
    EXPECT_EQ(60, rc.top);
}

}  // namespace
