// A user dragging a form by its caption or its sizing border, with real input on the
// virtual display: against the form's move lock, with anchored controls following, and
// against the form's smallest size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "event_sink.h"
#include "form_fixture.h"
#include "real_input.h"
#include "core/dpi.h"
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

RECT InForm(HWND control) {
    RECT r = RectOf(control);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(FormDrag, DraggingTheBorderMovesAnRBButtonStretchesAnLTRBListAndRaisesOnResizeOnce) {
    REQUIRE_XDOTOOL();
    IDispatch* list = Call(form, L"AddListBox", {Arg(L"log"), Arg(10), Arg(10), Arg(200), Arg(120)}).object();
    IDispatch* close = Call(form, L"AddCmdButton", {Arg(L"close"), Arg(L"Close"), Arg(200), Arg(150), Arg(80), Arg(26), Arg(L"")}).object();
    ASSERT_TRUE(list && close);
    Put(list, L"Anchor", Arg(L"LTRB"));
    Put(close, L"Anchor", Arg(L"RB"));
    Put(form, L"OnResize", Arg(L"resized"));
    EventSink sink;
    ASSERT_TRUE(sink.connect(form));
    show();
    Get(form, L"PendingEvent");
    const RECT listWas = InForm(HwndOf(list)), closeWas = InForm(HwndOf(close));
    const RECT formWas = RectOf(hwnd);
    POINT p = corner();
    ASSERT_TRUE(Drag(p.x, p.y, 90, 60));
    const RECT formNow = RectOf(hwnd);
    const long dx = (formNow.right - formNow.left) - (formWas.right - formWas.left);
    const long dy = (formNow.bottom - formNow.top) - (formWas.bottom - formWas.top);
    EXPECT_EQ(90, dx) << "the form followed the drag";
    EXPECT_EQ(60, dy);
    const RECT listNow = InForm(HwndOf(list)), closeNow = InForm(HwndOf(close));
    EXPECT_EQ(listWas.left, listNow.left);
    EXPECT_EQ(listWas.top, listNow.top);
    EXPECT_EQ(listWas.right + dx, listNow.right) << "the list stretched";
    const long line = static_cast<long>(SendMessageW(HwndOf(list), LB_GETITEMHEIGHT, 0, 0));
    EXPECT_NEAR(listWas.bottom + dy, listNow.bottom, line) << "a list box keeps a whole number of lines";
    EXPECT_EQ(closeWas.left + dx, closeNow.left) << "the button moved with the corner";
    EXPECT_EQ(closeWas.top + dy, closeNow.top);
    EXPECT_EQ(closeWas.right - closeWas.left, closeNow.right - closeNow.left);
    EXPECT_EQ(L"resized", Get(form, L"PendingEvent").text());
    EXPECT_EQ((std::vector<std::wstring>{L"Resize"}), Only(sink.seen, {L"Resize"})) << "once, at the end of the drag";
}

// The form's client area as the screen shows it, once the pending paints have run.
std::vector<COLORREF> ClientPixels(HWND form, SIZE* size) {
    PumpFor(300);
    RECT rc{};
    GetClientRect(form, &rc);
    MapWindowPoints(form, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    *size = {rc.right - rc.left, rc.bottom - rc.top};
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size->cx, size->cy);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(mem, 0, 0, size->cx, size->cy, screen, rc.left, rc.top, SRCCOPY);
    SelectObject(mem, old);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size->cx, -size->cy, 1, 32, BI_RGB};
    std::vector<COLORREF> pixels(static_cast<size_t>(size->cx) * size->cy);
    GetDIBits(mem, bitmap, 0, size->cy, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A frame, a gradient bar, a picture and labels on the form's background, anchored so
// that each grows or moves; the form is hidden.
IDispatch* DrawnForm(test::Session& s, const wchar_t* name) {
    IDispatch* f = s.createForm(name, {Arg(100), Arg(80), Arg(320), Arg(240)});
    IDispatch* frame = Call(f, L"AddFrame", {Arg(L"frame"), Arg(L"Options"), Arg(10), Arg(10), Arg(200), Arg(120)}).object();
    Put(frame, L"Anchor", Arg(L"LTRB"));
    IDispatch* check = Call(f, L"AddCheckBox", {Arg(L"check"), Arg(L"Keep"), Arg(20), Arg(30), Arg(120), Arg(20)}).object();
    Put(check, L"Anchor", Arg(L"RB"));
    IDispatch* bar = Call(f, L"AddProgressBar", {Arg(L"bar"), Arg(10), Arg(140), Arg(200), Arg(18), Arg(2)}).object();
    Put(bar, L"MaxProgress", Arg(100));
    Put(bar, L"CurrentProgress", Arg(70));
    Put(bar, L"Anchor", Arg(L"LRB"));
    const std::string source = std::string("Z:") + MORVANE_SOURCE_DIR + "/examples/morvane.gif";
    const std::wstring picture(source.begin(), source.end());
    IDispatch* image = Call(f, L"AddImage", {Arg(L"image"), Arg(picture), Arg(220), Arg(10), Arg(60), Arg(60)}).object();
    Put(image, L"Anchor", Arg(L"RB"));
    IDispatch* centred = Call(f, L"AddLabel", {Arg(L"centred"), Arg(L"Centred label"), Arg(10), Arg(166), Arg(200), Arg(18), Arg(1)}).object();
    Put(centred, L"Anchor", Arg(L"LRB"));
    IDispatch* right = Call(f, L"AddLabel", {Arg(L"right"), Arg(L"Right label"), Arg(220), Arg(80), Arg(80), Arg(18), Arg(2)}).object();
    Put(right, L"Anchor", Arg(L""));
    return f;
}

// During and after a drag, what the form shows is what a form made at that size shows:
// nothing left behind of the controls' old places and sizes, in both looks.
TEST_F(FormDrag, ADraggedFormLooksAsOneMadeAtItsNewSize) {
    REQUIRE_XDOTOOL();
    for (long styles : {1, 0}) {
        SCOPED_TRACE(styles ? "today's look" : "the classic look");
        Put(desktop(), L"VisualStyles", Arg(styles));
        IDispatch* draggedForm = DrawnForm(*this, styles ? L"dragged" : L"draggedClassic");
        Put(draggedForm, L"Visible", Arg(1));
        HWND dragged = HwndOf(draggedForm);
        PumpFor(300);
        RECT rc = RectOf(dragged);
        ASSERT_TRUE(Drag(rc.right - 2, rc.bottom - 2, 120, 90));
        ASSERT_TRUE(Drag(rc.right + 118, rc.bottom + 88, -60, -30));
        rc = RectOf(dragged);
        SIZE draggedSize{}, madeSize{};
        const std::vector<COLORREF> after = ClientPixels(dragged, &draggedSize);
        ShowWindow(dragged, SW_HIDE);
        // The same form, laid out at that size while hidden, then shown: drawn once.
        IDispatch* madeForm = DrawnForm(*this, styles ? L"made" : L"madeClassic");
        HWND made = HwndOf(madeForm);
        SetWindowPos(made, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_NOZORDER);
        Put(madeForm, L"Visible", Arg(1));
        const std::vector<COLORREF> fresh = ClientPixels(made, &madeSize);
        ASSERT_EQ(draggedSize.cx, madeSize.cx);
        ASSERT_EQ(draggedSize.cy, madeSize.cy);
        long differ = 0, firstX = -1, firstY = -1;
        for (size_t i = 0; i < after.size(); ++i)
            if (after[i] != fresh[i] && differ++ == 0) firstX = i % draggedSize.cx, firstY = i / draggedSize.cx;
        EXPECT_EQ(0, differ) << "pixels that differ, the first at " << firstX << "," << firstY;
        ShowWindow(made, SW_HIDE);
    }
    Put(desktop(), L"VisualStyles", Arg(1));
}

TEST_F(FormDrag, MinWidthAndMinHeightStopADrag) {
    REQUIRE_XDOTOOL();
    Put(form, L"MinWidth", Arg(280));
    Put(form, L"MinHeight", Arg(200));
    show();
    POINT p = corner();
    ASSERT_TRUE(Drag(p.x, p.y, -150, -150));
    const RECT r = RectOf(hwnd);
    EXPECT_EQ(mv::UnitsToPixels(280, mv::WindowDpi(hwnd)), r.right - r.left) << "no narrower than MinWidth";
    EXPECT_EQ(mv::UnitsToPixels(200, mv::WindowDpi(hwnd)), r.bottom - r.top) << "no lower than MinHeight";
    EXPECT_EQ(280, Get(form, L"Width").lng());
}

}  // namespace
