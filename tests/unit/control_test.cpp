// The members every control answers, read back from its window: visibility, border,
// geometry in the form's client coordinates, refresh, and the event strings.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "script_objects.h"

namespace test {
namespace {

// A form at a place of its own, so that client and screen coordinates differ.
struct OneForm {
    Session s;
    Obj form = s.form(L"ctl", 150, 120, 400, 300);
};

TEST(ControlMembers, IdentityAndParent) {
    OneForm t;
    Obj b = t.form.obj(L"AddCmdButton", {L"Go", L"Go!", 1, 1, 50, 20});
    EXPECT_EQ(L"Go", b.str(L"name"));
    EXPECT_TRUE(IsWindow(b.hwnd()));
    EXPECT_EQ(t.form.get(), b.obj(L"Parent").get());
    EXPECT_EQ(L"ctl", b.obj(L"Parent").str(L"name"));
}

TEST(ControlMembers, BorderStyleFoldsItsValue) {
    OneForm t;
    Obj label = t.form.obj(L"AddLabel", {L"l", L"text", 10, 10, 100, 20});
    Obj text = t.form.obj(L"AddTextbox", {L"t", L"", 10, 40, 100, 20});
    EXPECT_EQ(0, label.num(L"BorderStyle"));
    EXPECT_EQ(10, text.num(L"BorderStyle")) << "created with the sunken edge";
    struct Case { long set, read; };
    for (Case c : {Case{1, 1}, Case{2, 10}, Case{8, 10}, Case{3, 11}, Case{11, 11}, Case{4, 0}, Case{0, 0},
                   Case{-1, 11}, Case{0x7FFFFFF0, 0}}) {
        label.put(L"BorderStyle", c.set);
        EXPECT_EQ(c.read, label.num(L"BorderStyle")) << "set " << c.set;
        EXPECT_EQ(c.read % 10 == 1, (GetWindowLongA(label.hwnd(), GWL_STYLE) & WS_BORDER) != 0);
        EXPECT_EQ(c.read >= 10, (GetWindowLongA(label.hwnd(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
    }
    // The frame follows at once: a thin line takes one pixel off each side.
    label.put(L"BorderStyle", 0);
    RECT plain{};
    GetClientRect(label.hwnd(), &plain);
    label.put(L"BorderStyle", 1);
    RECT lined{};
    GetClientRect(label.hwnd(), &lined);
    EXPECT_EQ(plain.right - 2, lined.right);
}

TEST(ControlMembers, GeometryIsInTheFormsClientCoordinatesWithTheOuterSize) {
    OneForm t;
    Obj text = t.form.obj(L"AddTextbox", {L"t", L"", 30, 40, 120, 24});
    EXPECT_EQ(30, text.num(L"Left"));
    EXPECT_EQ(40, text.num(L"Top"));
    EXPECT_EQ(120, text.num(L"Width"));
    EXPECT_EQ(24, text.num(L"Height"));
    RECT client{};
    GetClientRect(text.hwnd(), &client);
    EXPECT_LT(client.right, 120) << "the sunken edge is part of the width";

    struct Case { const wchar_t* member; long value; long left, top, width, height; };
    const Case cases[] = {
        { L"Left", 50, 50, 40, 120, 24 },    { L"Top", 60, 50, 60, 120, 24 },
        { L"Width", 200, 50, 60, 200, 24 },  { L"Height", 30, 50, 60, 200, 30 },
        { L"Left", -10, 50, 60, 200, 30 },   { L"Width", -1, 50, 60, 200, 30 },
        { L"Left", 0, 0, 60, 200, 30 },      { L"Height", 0, 0, 60, 200, 0 },
    };
    for (const Case& c : cases) {
        text.put(c.member, c.value);
        EXPECT_EQ(c.left, text.num(L"Left")) << c.member << " " << c.value;
        EXPECT_EQ(c.top, text.num(L"Top")) << c.member << " " << c.value;
        EXPECT_EQ(c.width, text.num(L"Width")) << c.member << " " << c.value;
        EXPECT_EQ(c.height, text.num(L"Height")) << c.member << " " << c.value;
    }
}

TEST(ControlMembers, MoveResizeChangesWhatIsNotNegative) {
    OneForm t;
    Obj b = t.form.obj(L"AddCmdButton", {L"b", L"b", 10, 20, 80, 25});
    b.call(L"MoveResize", {-1, -1, 200, -1});
    EXPECT_EQ(10, b.num(L"Left"));
    EXPECT_EQ(20, b.num(L"Top"));
    EXPECT_EQ(200, b.num(L"Width"));
    EXPECT_EQ(25, b.num(L"Height"));
    b.call(L"MoveResize", {5, 6});  // the size left out keeps the size
    EXPECT_EQ(5, b.num(L"Left"));
    EXPECT_EQ(6, b.num(L"Top"));
    EXPECT_EQ(200, b.num(L"Width"));
    b.call(L"MoveResize");
    EXPECT_EQ(5, b.num(L"Left"));
    b.call(L"MoveResize", {1, 2, 3, 4});
    RECT r{};
    GetWindowRect(b.hwnd(), &r);
    MapWindowPoints(nullptr, t.form.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(1, r.left);
    EXPECT_EQ(2, r.top);
    EXPECT_EQ(4, r.right);
    EXPECT_EQ(6, r.bottom);
}

TEST(ControlMembers, VisibleReadsOneWhateverWasSet) {
    OneForm t;
    Obj b = t.form.obj(L"AddCmdButton", {L"b", L"b", 10, 20, 80, 25});
    b.put(L"Visible", 0);
    EXPECT_EQ(0, b.num(L"Visible"));
    EXPECT_FALSE(GetWindowLongA(b.hwnd(), GWL_STYLE) & WS_VISIBLE);
    b.put(L"Visible", -5);
    EXPECT_EQ(1, b.num(L"Visible"));
    EXPECT_TRUE(GetWindowLongA(b.hwnd(), GWL_STYLE) & WS_VISIBLE);
}

TEST(ControlMembers, RefreshAppliesAFrameChange) {
    OneForm t;
    Obj label = t.form.obj(L"AddLabel", {L"l", L"text", 10, 10, 100, 20});
    RECT before{}, after{};
    GetClientRect(label.hwnd(), &before);
    SetWindowLongA(label.hwnd(), GWL_STYLE, GetWindowLongA(label.hwnd(), GWL_STYLE) | WS_BORDER);
    label.call(L"Refresh");
    GetClientRect(label.hwnd(), &after);
    EXPECT_EQ(before.right - 2, after.right);
}

TEST(ControlMembers, EventStringsAreStoredAsGiven) {
    OneForm t;
    Obj b = t.form.obj(L"AddCmdButton", {L"b", L"b", 10, 20, 80, 25, L"given()"});
    EXPECT_EQ(L"given()", b.str(L"OnClick"));
    const std::wstring big(1 << 20, L'x');
    for (const wchar_t* e : {L"OnShow", L"OnHide", L"OnClick", L"OnDoubleClick", L"OnChange", L"OnGotfocus",
                             L"OnLostfocus"}) {
        EXPECT_EQ(S_OK, b.put(e, std::wstring(e) + L"()"));
        EXPECT_EQ(std::wstring(e) + L"()", b.str(e));
        b.put(e, L"");
        EXPECT_EQ(L"", b.str(e));
        b.put(e, big);
        EXPECT_EQ(big.size(), b.str(e).size());
    }
}

TEST(ControlMembers, AControlOfADestroyedFormAnswersWithoutEffect) {
    OneForm t;
    Obj b = t.form.obj(L"AddCmdButton", {L"b", L"b", 10, 20, 80, 25, L"given()"});
    t.s.script.call(L"CloseAll");
    EXPECT_FALSE(IsWindow(b.hwnd()));
    EXPECT_EQ(0, b.num(L"Visible"));
    EXPECT_EQ(0, b.num(L"BorderStyle"));
    b.put(L"Visible", 1);
    b.put(L"BorderStyle", 11);
    b.put(L"Left", 5);
    b.call(L"MoveResize", {1, 2, 3, 4});
    b.call(L"Refresh");
    EXPECT_EQ(0, b.num(L"Width"));
    EXPECT_EQ(L"b", b.str(L"name"));
    EXPECT_EQ(L"given()", b.str(L"OnClick"));
    EXPECT_EQ(t.form.get(), b.obj(L"Parent").get());
}

}  // namespace
}  // namespace test
