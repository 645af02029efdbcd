// Several Desktops: the most recently created one is the thread's current Desktop, and the
// forms of every living Desktop keep their events.
#include <gtest/gtest.h>

#include "fixtures.h"

using namespace test;

TEST_F(DesktopTest, ASecondDesktopBecomesCurrentAndTheFirstsFormsKeepTheirEvents) {
    IDispatch* first = createForm(L"First");
    Put(first, L"OnHide", Arg(L"hidden()"));
    Put(first, L"Visible", Arg(1));
    HWND h = hwndOf(first);

    mv::ComPtr<mv::Desktop> second = mv::Desktop::Create();
    ASSERT_EQ(mv::CurrentDesktop(), second.get());
    EXPECT_EQ(GetLong(second->dispatch(), L"Count"), 0);
    // The first Desktop's form is still its own: its close command hides it and posts its
    // OnHide to it.
    SendMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindowVisible(h));
    EXPECT_EQ(GetText(first, L"LastEvent"), L"hidden()");

    // A form of the second Desktop at the same position gets none of the first form's events.
    Outcome made = Call(second->dispatch(), L"CreateForm", {Arg(L"Second"), Arg(L"s")});
    IDispatch* other = made.object();
    ASSERT_NE(other, nullptr);
    Put(other, L"OnShow", Arg(L"secondShown()"));
    Put(first, L"OnShow", Arg(L"firstShown()"));
    Put(first, L"Visible", Arg(1));
    EXPECT_EQ(GetText(other, L"PendingEvent"), L"");
    EXPECT_EQ(GetText(first, L"PendingEvent"), L"firstShown()");
    Call(second->dispatch(), L"CloseAll");
}

TEST_F(DesktopTest, ReleasingTheCurrentDesktopsLastScriptReferenceKeepsItCurrent) {
    mv::Desktop* raw = nullptr;
    {
        mv::ComPtr<mv::Desktop> d = mv::Desktop::Create();
        raw = d.get();
        Call(d->dispatch(), L"CreateForm", {Arg(L"Kept"), Arg(L"k")});
    }
    // The slot and the registered form keep it: its forms still answer through it.
    ASSERT_EQ(mv::CurrentDesktop(), raw);
    EXPECT_EQ(GetLong(raw->dispatch(), L"Count"), 1);
    Call(raw->dispatch(), L"CloseAll");
    EXPECT_EQ(mv::CurrentDesktop(), raw);
}
