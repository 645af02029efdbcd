// Option groups as a script and the system see them: ticking by script leaves the rest
// of the group as it is, a click clears only its own group, and the system knows the
// groups by WS_GROUP on their first option boxes.
#include <gtest/gtest.h>

#include <windows.h>

#include "script_objects.h"

namespace test {
namespace {

// Two option boxes in a row, a label, two more in a row, and two inside a frame.
struct Groups : testing::Test {
    Session s;
    Obj form = s.form(L"groups", 100, 100, 400, 300);
    Obj a1 = form.obj(L"AddOptionBox", {L"a1", L"A1", 10, 10, 100, 20});
    Obj a2 = form.obj(L"AddOptionBox", {L"a2", L"A2", 10, 35, 100, 20});
    Obj label = form.obj(L"AddLabel", {L"label", L"Then:", 10, 60, 100, 20});
    Obj b1 = form.obj(L"AddOptionBox", {L"b1", L"B1", 10, 85, 100, 20});
    Obj b2 = form.obj(L"AddOptionBox", {L"b2", L"B2", 10, 110, 100, 20});
    Obj frame = form.obj(L"AddFrame", {L"frame", L"Frame", 150, 10, 200, 120});
    Obj c1 = form.obj(L"AddOptionBox", {L"c1", L"C1", 160, 35, 100, 20});
    Obj c2 = form.obj(L"AddOptionBox", {L"c2", L"C2", 160, 60, 100, 20});

    std::wstring ticked() const {
        std::wstring t;
        for (const Obj* o : {&a1, &a2, &b1, &b2, &c1, &c2}) t += o->num(L"Value") ? L'1' : L'0';
        return t;
    }
};

TEST_F(Groups, TickingByScriptLeavesTheOthersOfItsGroup) {
    for (const Obj* o : {&a1, &a2, &b1, &b2, &c1, &c2}) o->put(L"Value", 1);
    EXPECT_EQ(L"111111", ticked());
    a2.put(L"Value", 0);
    EXPECT_EQ(L"101111", ticked());
    EXPECT_EQ(BS_AUTORADIOBUTTON, GetWindowLongW(a1.hwnd(), GWL_STYLE) & BS_TYPEMASK) << "still automatic";
}

TEST_F(Groups, AClickClearsOnlyItsOwnGroup) {
    for (const Obj* o : {&a1, &b1, &c1}) o->put(L"Value", 1);
    for (const Obj* o : {&a2, &b2, &c2}) {
        SendMessageW(o->hwnd(), BM_CLICK, 0, 0);
        Pump();
    }
    EXPECT_EQ(L"010101", ticked());
}

TEST_F(Groups, TheFirstOptionBoxOfEachGroupStartsASystemGroup) {
    for (const Obj* o : {&a1, &a2, &b1, &b2, &c1, &c2}) {
        const bool first = o == &a1 || o == &b1 || o == &c1;
        EXPECT_EQ(first, (GetWindowLongW(o->hwnd(), GWL_STYLE) & WS_GROUP) != 0) << o->str(L"name");
    }
}

}  // namespace
}  // namespace test
