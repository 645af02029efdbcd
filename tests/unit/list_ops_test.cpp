// List and combo boxes as a script fills and reads them, checked against the window: its
// items and selection read with the list messages, its horizontal extent with
// LB_GETHORIZONTALEXTENT (the widest item's text in the box's font, and 4 pixels beside
// it, at 96 DPI) and its scroll bar, and the messages a combo box receives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "control_fixture.h"

using namespace test;

namespace {

constexpr LONG kFontWidth = 7;
constexpr LONG kMargin = 4;

struct Lists : ControlTest {
    void SetUp() override {
        ControlTest::SetUp();
        list = addList(L"list");
        hwndList = HwndOf(list);
    }
    void TearDown() override {
        if (font) DeleteObject(font);
        ControlTest::TearDown();
    }
    // The extent follows the font's width: give the list a font that has one.
    void giveWidth() {
        LOGFONTA lf{};
        ASSERT_TRUE(FontOf(hwndList, &lf));
        lf.lfWidth = kFontWidth;
        font = CreateFontIndirectA(&lf);
        SendMessageA(hwndList, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    LRESULT extent() const { return SendMessageA(hwndList, LB_GETHORIZONTALEXTENT, 0, 0); }
    // The width of a text in the list's font.
    long widthOf(const std::wstring& text) const { return TextSizeIn(hwndList, text).cx; }
    // The extent the items the window holds call for: 1 when none has a width.
    long recount() const {
        long widest = 0;
        const LRESULT n = SendMessageW(hwndList, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < n; ++i) {
            std::wstring text(static_cast<size_t>(SendMessageW(hwndList, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
            text.resize(static_cast<size_t>(SendMessageW(hwndList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
            widest = std::max(widest, widthOf(text));
        }
        return widest > 0 ? widest + kMargin : 1;
    }

    IDispatch* list = nullptr;
    HWND hwndList = nullptr;
    HFONT font = nullptr;
};

LONG extent_of(HWND h) { return static_cast<LONG>(SendMessageW(h, LB_GETHORIZONTALEXTENT, 0, 0)); }

std::wstring ItemOf(IDispatch* c, long i) { return Call(c, L"Item", {Arg(i)}).text(); }
long CountOf(IDispatch* c) { return GetLong(c, L"Count"); }

TEST_F(Lists, ItemsCountAndIndexesOutsideTheList) {
    Call(list, L"AddItem", {Arg(L"alpha")});
    Call(list, L"AddItem", {Arg(L"beta")});
    EXPECT_EQ(2, CountOf(list));
    EXPECT_EQ(L"alpha", ItemOf(list, 0));
    EXPECT_EQ(L"beta", ItemOf(list, 1));
    for (long i : {2L, -1L, 1000L, 0x7FFFFFFFL, static_cast<long>(0x80000000)}) {
        Outcome o = Call(list, L"Item", {Arg(i)});
        EXPECT_EQ(S_OK, o.hr) << i;
        EXPECT_EQ(L"", o.text()) << i;
    }
    // A list box sorts: the item added last can come first.
    Call(list, L"AddItem", {Arg(L"Aardvark")});
    EXPECT_EQ(L"Aardvark", ItemOf(list, 0));
    EXPECT_EQ(3, SendMessageA(hwndList, LB_GETCOUNT, 0, 0));
}

// A text ends at its first NUL: one that starts with it is the empty text, and adds
// nothing to a list or combo box, as AddItem("") does.
TEST_F(Lists, AnEmptyTextOrOneStartingWithANulAddsNothing) {
    const std::wstring kEmptyTexts[] = {L"", std::wstring(1, L'\0'), std::wstring(1, L'\0') + L"abc"};
    for (IDispatch* box : {list, addCombo(L"combo", 170, 10)}) {
        const long before = CountOf(box);
        for (const std::wstring& text : kEmptyTexts) {
            Call(box, L"AddItem", {Arg(text)});
            EXPECT_EQ(before, CountOf(box)) << text.size() << " characters";
        }
    }
}

TEST_F(Lists, ListIndexSelectsAndReadsTheSelection) {
    for (const wchar_t* s : {L"one", L"three", L"two"}) Call(list, L"AddItem", {Arg(s)});
    EXPECT_EQ(-1, GetLong(list, L"ListIndex"));
    Put(list, L"ListIndex", Arg(1));
    EXPECT_EQ(1, SendMessageA(hwndList, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(1, GetLong(list, L"ListIndex"));
    Put(list, L"ListIndex", Arg(-1));
    EXPECT_EQ(-1, SendMessageA(hwndList, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(S_OK, Put(list, L"ListIndex", Arg(0x7FFFFFFF)).hr);

    IDispatch* combo = addCombo(L"combo", 170, 10);
    for (const wchar_t* s : {L"x", L"y"}) Call(combo, L"AddItem", {Arg(s)});
    EXPECT_EQ(-1, GetLong(combo, L"ListIndex"));
    Put(combo, L"ListIndex", Arg(1));
    EXPECT_EQ(1, SendMessageA(HwndOf(combo), CB_GETCURSEL, 0, 0));
    EXPECT_EQ(L"y", ItemOf(combo, 1));
    EXPECT_EQ(2, CountOf(combo));
}

TEST_F(Lists, ExtentFollowsTheWidestItem) {
    giveWidth();
    Call(list, L"AddItem", {Arg(L"")});
    EXPECT_EQ(0, extent()) << "the empty string adds nothing and sets no extent";
    EXPECT_EQ(0, CountOf(list));
    Call(list, L"AddItem", {Arg(L"abc")});
    EXPECT_EQ(widthOf(L"abc") + kMargin, extent());
    Call(list, L"AddItem", {Arg(L"abcdefgh")});
    EXPECT_EQ(widthOf(L"abcdefgh") + kMargin, extent());
    Call(list, L"AddItem", {Arg(L"x")});
    EXPECT_EQ(widthOf(L"abcdefgh") + kMargin, extent());
    Call(list, L"RemoveItem", {Arg(1)});  // "abcdefgh": after "abc"
    EXPECT_EQ(L"x", ItemOf(list, 1));
    EXPECT_EQ(widthOf(L"abc") + kMargin, extent()) << "the widest remaining item";
    Call(list, L"RemoveItem", {Arg(-1)});  // removes nothing, still sets the extent
    EXPECT_EQ(2, CountOf(list));
    EXPECT_EQ(widthOf(L"abc") + kMargin, extent());
    Call(list, L"RemoveItem", {Arg(0)});
    Call(list, L"RemoveItem", {Arg(0)});
    EXPECT_EQ(0, CountOf(list));
    EXPECT_EQ(1, extent());
    Call(list, L"AddItem", {Arg(L"abcdefghijkl")});
    Call(list, L"Clear");
    EXPECT_EQ(0, CountOf(list));
    EXPECT_EQ(1, extent());
}

// Adds and removes at random and checks every extent against a measure of all items.
TEST_F(Lists, ExtentAfterEveryChangeMatchesARecountOfAllItems) {
    giveWidth();
    Put(list, L"Visible", Arg(0));  // as a script fills a long list: the platform redraws nothing meanwhile
    std::mt19937 random(5);
    for (int step = 0; step < 600; ++step) {
        long count = CountOf(list);
        if (count == 0 || random() % 3 != 0) {
            std::wstring s(1 + random() % 40, static_cast<wchar_t>(L'a' + random() % 26));
            if (random() % 7 == 0) s += std::wstring(1, L'\0') + L"hidden";  // the window keeps the text up to the NUL
            Call(list, L"AddItem", {Arg(s)});
        } else {
            Call(list, L"RemoveItem", {Arg(static_cast<long>(random() % (count + 2)) - 1)});
        }
        ASSERT_EQ(recount(), extent()) << "step " << step;
    }
}

// As a new user tries it: a long file name in a narrow list, added before or after the
// form is shown, in either sort order, after Refresh or a width change: the scroll bar
// shows, and it stays through a font change and goes with Clear.
TEST_F(Lists, AnItemWiderThanTheBoxBringsItsScrollBar) {
    const std::wstring name = L"C:\\Users\\someone\\Documents\\" + std::wstring(200, L'n') + L".txt";
    for (long sorted : {1, 0}) {
        for (bool before : {true, false}) {
            IDispatch* box = addList(sorted ? (before ? L"sb" : L"sa") : (before ? L"ub" : L"ua"), 10, 150, 250, 100);
            const HWND h = HwndOf(box);
            Put(box, L"AutoSort", Arg(sorted));
            if (before) Put(form, L"Visible", Arg(0));
            Call(box, L"AddItem", {Arg(name)});
            Call(box, L"AddItem", {Arg(L"short")});
            Put(form, L"Visible", Arg(1));
            Call(box, L"Refresh");
            Put(box, L"Width", Arg(200));
            const std::string why = "AutoSort " + std::to_string(sorted) + (before ? ", before showing" : ", after");
            EXPECT_GT(extent_of(h), 200) << why;
            SCROLLBARINFO bar{sizeof bar};
            ASSERT_TRUE(GetScrollBarInfo(h, OBJID_HSCROLL, &bar)) << why;
            EXPECT_FALSE(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE) << why;
            const LONG wideExtent = extent_of(h);
            Put(box, L"FontSize", Arg(24));
            EXPECT_GT(extent_of(h), wideExtent) << "measured again in the larger font, " << why;
            Call(box, L"Clear");
            GetScrollBarInfo(h, OBJID_HSCROLL, &bar);
            EXPECT_TRUE(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE) << "gone with Clear, " << why;
        }
    }
}

TEST_F(Lists, ComboBoxesNeverGetAnExtent) {
    IDispatch* combo = addCombo(L"combo", 170, 10);
    MessageSpy spy(HwndOf(combo));
    Call(combo, L"AddItem", {Arg(L"first item")});
    Call(combo, L"AddItem", {Arg(L"second")});
    Call(combo, L"RemoveItem", {Arg(0)});
    Call(combo, L"Clear");
    EXPECT_TRUE(spy.of(LB_SETHORIZONTALEXTENT).empty());
    EXPECT_EQ(1u, spy.of(CB_DELETESTRING).size());
    EXPECT_EQ(1u, spy.of(CB_RESETCONTENT).size());
    EXPECT_EQ(0, CountOf(combo));
}

TEST_F(Lists, AutoSortSetsTheKindsSortBit) {
    EXPECT_EQ(1, GetLong(list, L"AutoSort"));
    Put(list, L"AutoSort", Arg(0));
    EXPECT_EQ(0, GetWindowLongA(hwndList, GWL_STYLE) & LBS_SORT);
    EXPECT_EQ(0, GetLong(list, L"AutoSort"));
    Put(list, L"AutoSort", Arg(7));
    EXPECT_EQ(LBS_SORT, GetWindowLongA(hwndList, GWL_STYLE) & LBS_SORT);
    EXPECT_EQ(1, GetLong(list, L"AutoSort"));

    IDispatch* combo = addCombo(L"combo", 170, 10);
    HWND h = HwndOf(combo);
    EXPECT_EQ(1, GetLong(combo, L"AutoSort"));
    Put(combo, L"AutoSort", Arg(0));
    EXPECT_EQ(0, GetWindowLongA(h, GWL_STYLE) & CBS_SORT);
    EXPECT_EQ(0, GetLong(combo, L"AutoSort"));
    Put(combo, L"AutoSort", Arg(-1));
    EXPECT_EQ(CBS_SORT, GetWindowLongA(h, GWL_STYLE) & CBS_SORT);
}

// AutoSort switched after items were added: each later item goes to the end while it is
// 0 and to its place in alphabetical order (letter case ignored) while it is 1, and the
// items already there keep their order. Both kinds, as a script fills them.
struct SortStep {
    long autoSort;
    std::vector<std::wstring> added;  // after AutoSort is set
};
struct SortCase {
    const char* what;
    std::vector<SortStep> steps;
    std::vector<std::wstring> order;  // Item(0), Item(1), ...
};

const SortCase kSortCases[] = {
    { "off from the start", { { 0, { L"pear", L"apple", L"fig" } } }, { L"pear", L"apple", L"fig" } },
    { "off after sorted items", { { 1, { L"pear", L"apple" } }, { 0, { L"fig", L"banana" } } },
      { L"apple", L"pear", L"fig", L"banana" } },
    { "on again after unsorted items", { { 0, { L"pear", L"apple" } }, { 1, { L"fig", L"zucchini" } } },
      { L"fig", L"pear", L"apple", L"zucchini" } },
    { "on, off, on, letter case ignored", { { 1, { L"b", L"D" } }, { 0, { L"a" } }, { 1, { L"C" } } },
      { L"b", L"C", L"D", L"a" } },
};

TEST_F(Lists, AddItemFollowsAutoSortAsItIsNow) {
    int n = 0;
    for (const SortCase& k : kSortCases) {
        for (bool combo : {false, true}) {
            const std::wstring name = L"sorted" + std::to_wstring(++n);
            IDispatch* c = combo ? addCombo(name.c_str(), 170, 10) : addList(name.c_str(), 170, 10);
            for (const SortStep& s : k.steps) {
                Put(c, L"AutoSort", Arg(s.autoSort));
                EXPECT_EQ(s.autoSort, GetLong(c, L"AutoSort"));
                for (const std::wstring& item : s.added) Call(c, L"AddItem", {Arg(item)});
            }
            std::vector<std::wstring> order;
            for (long i = 0; i < CountOf(c); ++i) order.push_back(ItemOf(c, i));
            EXPECT_EQ(k.order, order) << k.what << (combo ? " (combo box)" : " (list box)");
        }
    }
}

TEST_F(Lists, CountLetsTheWaitingMessagesThrough) {
    PostThreadMessageA(GetCurrentThreadId(), WM_APP + 7, 0, 0);
    EXPECT_EQ(0, CountOf(list));
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_APP + 7, WM_APP + 7, PM_REMOVE));
}

TEST_F(Lists, OtherKindsAnswerEmptyAndChangeNothing) {
    IDispatch* text = addTextbox(L"text");
    HWND h = HwndOf(text);
    const LONG style = GetWindowLongA(h, GWL_STYLE);
    EXPECT_EQ(0, CountOf(text));
    EXPECT_EQ(0, GetLong(text, L"ListIndex"));
    EXPECT_EQ(0, GetLong(text, L"AutoSort"));
    EXPECT_EQ(L"", ItemOf(text, 0));
    for (const wchar_t* m : {L"AddItem", L"RemoveItem", L"Clear"})
        EXPECT_EQ(S_OK, Call(text, m, m[0] == L'C' ? std::vector<Arg>{} : std::vector<Arg>{Arg(L"1")}).hr) << m;
    Put(text, L"AutoSort", Arg(1));
    Put(text, L"ListIndex", Arg(1));
    EXPECT_EQ(style, GetWindowLongA(h, GWL_STYLE));
    char caption[16] = {};
    GetWindowTextA(h, caption, sizeof caption);
    EXPECT_STREQ("text", caption);
}

// A control of a closed form keeps its object; its members act on no window, not even one
// that has since been given the old handle.
TEST_F(Lists, MembersOfAClosedFormsControlsDoNothing) {
    mv::ComPtr<IDispatch> held(list);
    mv::ComPtr<IDispatch> bar(addProgress(L"bar", 10, 150, 100, 20, 2));
    Call(list, L"AddItem", {Arg(L"kept")});
    Put(bar.get(), L"MaxProgress", Arg(10));
    desktop_->closeAll();
    EXPECT_FALSE(IsWindow(hwndList));
    EXPECT_EQ(0, CountOf(list));
    EXPECT_EQ(L"", ItemOf(list, 0));
    EXPECT_EQ(0, GetLong(list, L"ListIndex"));
    EXPECT_EQ(0, GetLong(list, L"AutoSort"));
    EXPECT_EQ(L"", GetText(list, L"FontName"));
    for (const wchar_t* m : {L"AddItem", L"RemoveItem"}) EXPECT_EQ(S_OK, Call(list, m, {Arg(L"0")}).hr) << m;
    EXPECT_EQ(S_OK, Call(list, L"Clear").hr);
    EXPECT_EQ(S_OK, Put(list, L"FontSize", Arg(20)).hr);
    EXPECT_EQ(S_OK, Put(bar.get(), L"CurrentProgress", Arg(5)).hr);
    EXPECT_EQ(0, GetLong(bar.get(), L"CurrentProgress"));
    EXPECT_EQ(0, GetLong(bar.get(), L"ProgressBarStyle"));
    EXPECT_EQ(10, GetLong(bar.get(), L"MaxProgress"));
    list = nullptr;
}

TEST_F(Lists, HugeItemsAndManyItemsReadBackWhole) {
    giveWidth();
    const std::wstring big(1 << 20, L'm');
    const std::wstring mid = std::wstring(300, L'k') + L"end";  // longer than a 255-character buffer
    Call(list, L"AddItem", {Arg(big)});
    Call(list, L"AddItem", {Arg(mid)});
    EXPECT_EQ(big, ItemOf(list, 1));
    EXPECT_EQ(mid, ItemOf(list, 0));
    EXPECT_EQ(recount(), extent());
    Call(list, L"RemoveItem", {Arg(1)});
    EXPECT_EQ(recount(), extent());
    Call(list, L"Clear");

    Put(list, L"Visible", Arg(0));  // as a script fills a long list: the platform redraws nothing meanwhile
    for (int i = 0; i < 10000; ++i) Call(list, L"AddItem", {Arg(L"item " + std::to_wstring(100000 + i))});
    EXPECT_EQ(10000, CountOf(list));
    EXPECT_EQ(L"item 109999", ItemOf(list, 9999));
    EXPECT_EQ(L"", ItemOf(list, 10000));
    for (int i = 0; i < 5000; ++i) Call(list, L"RemoveItem", {Arg(0)});
    EXPECT_EQ(5000, CountOf(list));
    EXPECT_EQ(L"item 105000", ItemOf(list, 0));
    EXPECT_EQ(recount(), extent());
    Put(list, L"Visible", Arg(1));
    EXPECT_EQ(5000, CountOf(list));
}

}  // namespace
