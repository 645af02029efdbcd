// Controls anchored to the edges of their form: where each set of letters puts a control
// when the form grows and shrinks, what the letters read back and refuse, and what keeps
// the anchoring (hiding, disabling, moving the control, minimising, a new resolution).
// The table runs at 96 with the other tests and again at 120, 144 and 192 (CTest dpi.N):
// rectangles are given in 96-DPI units and read as the pixels the screen shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "aware_thread.h"
#include "fixtures.h"

using namespace test;

namespace {

// A control's rectangle in units: left, top, width, height.
struct Box {
    long left, top, width, height;
};

struct AnchorLayout : DesktopTest {
    void SetUp() override {
        DesktopTest::SetUp();
        dpi = ScreenDpi();
        form = script.obj(L"CreateForm", {L"anchors", L"Anchors", 40, 30, 420, 340});
        ASSERT_TRUE(form);
        form.put(L"Visible", 1);
        setClient(400, 300);
    }

    // Gives the form a client area of exactly this many units, as a user's drag would
    // (the window's frame stays what the system makes it).
    void setClient(long width, long height) const {
        RECT outer{}, client{};
        GetWindowRect(form.hwnd(), &outer);
        GetClientRect(form.hwnd(), &client);
        const long frameX = (outer.right - outer.left) - client.right, frameY = (outer.bottom - outer.top) - client.bottom;
        SetWindowPos(form.hwnd(), nullptr, 0, 0, frameX + Px(width, dpi), frameY + Px(height, dpi),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    Obj button(const wchar_t* name, const Box& b) const {
        return form.obj(L"AddCmdButton", {name, name, b.left, b.top, b.width, b.height, L""});
    }

    // The control shows at the box, to a pixel (rounding at resolutions above 96).
    void expectAt(const Obj& c, const Box& b, const std::string& what) const {
        const RECT r = ClientRectOf(c.hwnd());
        EXPECT_NEAR(Px(b.left, dpi), r.left, 1.0) << what;
        EXPECT_NEAR(Px(b.top, dpi), r.top, 1.0) << what;
        EXPECT_NEAR(Px(b.width, dpi), r.right - r.left, 1.0) << what;
        EXPECT_NEAR(Px(b.height, dpi), r.bottom - r.top, 1.0) << what;
    }

    AwareThread aware;
    UINT dpi = 96;
    Obj form;
};

// Each control starts at 40,50 (100 x 60) in a client area of 400 x 300: 260 units from
// the right edge, 190 from the bottom, its centre at 22.5 % and 26.7 %. The form then grows
// to 500 x 360, shrinks to 200 x 100 and comes back.
constexpr Box kStart{40, 50, 100, 60};

struct AnchorCase {
    const wchar_t* letters;
    Box grown;   // in 500 x 360
    Box shrunk;  // in 200 x 100
};

const AnchorCase kAnchorCases[] = {
    { L"LT",   { 40, 50, 100, 60 },   { 40, 50, 100, 60 } },
    { L"LTRB", { 40, 50, 200, 120 },  { 40, 50, 0, 0 } },        // stretched, never below 0
    { L"RB",   { 140, 110, 100, 60 }, { -160, -150, 100, 60 } },  // with the bottom-right corner
    { L"LR",   { 40, 66, 200, 60 },   { 40, -3, 0, 60 } },        // centred vertically
    { L"TB",   { 63, 50, 100, 120 },  { -5, 50, 100, 0 } },       // centred horizontally
    { L"",     { 63, 66, 100, 60 },   { -5, -3, 100, 60 } },      // centred both ways
    { L"R",    { 140, 66, 100, 60 },  { -160, -3, 100, 60 } },
    { L"B",    { 63, 110, 100, 60 },  { -5, -150, 100, 60 } },
    { L"L",    { 40, 66, 100, 60 },   { 40, -3, 100, 60 } },
    { L"T",    { 63, 50, 100, 60 },   { -5, 50, 100, 60 } },
    { L"LB",   { 40, 110, 100, 60 },  { 40, -150, 100, 60 } },
    { L"TR",   { 140, 50, 100, 60 },  { -160, 50, 100, 60 } },
    { L"LTR",  { 40, 50, 200, 60 },   { 40, 50, 0, 60 } },
    { L"LRB",  { 40, 110, 200, 60 },  { 40, -150, 0, 60 } },
    { L"TRB",  { 140, 50, 100, 120 }, { -160, 50, 100, 0 } },
    { L"LTB",  { 40, 50, 100, 120 },  { 40, 50, 100, 0 } },
};

TEST_F(AnchorLayout, EachSetOfEdgesKeepsItsDistancesAsTheFormGrowsAndShrinks) {
    std::vector<Obj> controls;
    for (const AnchorCase& k : kAnchorCases) {
        Obj c = button((std::wstring(L"b") + k.letters).c_str(), kStart);
        ASSERT_EQ(S_OK, c.put(L"Anchor", k.letters));
        controls.push_back(c);
    }
    auto each = [&](Box AnchorCase::*box, const char* when) {
        for (size_t i = 0; i < controls.size(); ++i) {
            const AnchorCase& k = kAnchorCases[i];
            const Box& b = box ? k.*box : kStart;
            expectAt(controls[i], b, std::string(when) + " " + testing::PrintToString(std::wstring(k.letters)) +
                                         " at " + std::to_string(dpi));
        }
    };
    setClient(500, 360);
    each(&AnchorCase::grown, "grown");
    setClient(200, 100);
    each(&AnchorCase::shrunk, "shrunk");
    setClient(400, 300);
    each(nullptr, "back");
}

TEST_F(AnchorLayout, TheLettersReadBackInTheOrderLTRB) {
    const struct {
        const wchar_t* set;
        const wchar_t* read;
    } kCases[] = {
        { L"br", L"RB" }, { L"tblr", L"LTRB" }, { L"LLt", L"LT" }, { L"", L"" }, { L"Rl", L"LR" },
    };
    Obj c = button(L"b", kStart);
    EXPECT_EQ(L"LT", c.str(L"Anchor")) << "the default";
    for (const auto& k : kCases) {
        ASSERT_EQ(S_OK, c.put(L"Anchor", k.set));
        EXPECT_EQ(k.read, c.str(L"Anchor"));
    }
}

TEST_F(AnchorLayout, OtherLettersAreRefusedAndChangeNothing) {
    Obj c = button(L"b", kStart);
    ASSERT_EQ(S_OK, c.put(L"Anchor", L"RB"));
    for (const wchar_t* bad : {L"LX", L"L T", L"1", L"LTRBW", L"\u00c9"}) {
        // The invalid-argument error (5), described with the letters allowed.
        const Outcome o = Put(c.get(), L"Anchor", Arg(bad));
        EXPECT_EQ(DISP_E_EXCEPTION, o.hr) << testing::PrintToString(std::wstring(bad));
        EXPECT_EQ(static_cast<SCODE>(0x800A0005), o.excep.scode);
        const std::wstring why = o.excep.bstrDescription ? o.excep.bstrDescription : L"";
        EXPECT_NE(std::wstring::npos, why.find(L"L, T, R and B")) << testing::PrintToString(why);
        EXPECT_EQ(L"RB", c.str(L"Anchor")) << "unchanged";
    }
    setClient(500, 360);
    expectAt(c, {140, 110, 100, 60}, "still anchored to the bottom-right corner");
}

TEST_F(AnchorLayout, HiddenAndDisabledControlsKeepTheirAnchoring) {
    Obj c = button(L"b", kStart);
    c.put(L"Anchor", L"RB");
    c.put(L"Visible", 0);
    c.put(L"Enable", 0);
    setClient(500, 360);
    c.put(L"Visible", 1);
    expectAt(c, {140, 110, 100, 60}, "shown again where the anchors put it");
}

TEST_F(AnchorLayout, MovingOrSizingTheControlTakesItsDistancesAgain) {
    Obj c = button(L"b", kStart);
    c.put(L"Anchor", L"LTRB");
    c.call(L"MoveResize", {20, 30, 300, 200});  // 80 from the right, 70 from the bottom
    setClient(500, 360);
    expectAt(c, {20, 30, 400, 260}, "from where the script put it");
    c.put(L"Left", 50);  // 50 from the right now, in 500 x 360
    setClient(400, 300);
    expectAt(c, {50, 30, 300, 200}, "after Left");
}

TEST_F(AnchorLayout, TheFormsOwnMoveResizeLaysOutItsControls) {
    Obj c = button(L"b", kStart);
    c.put(L"Anchor", L"RB");
    const long width = form.num(L"Width"), height = form.num(L"Height");
    form.call(L"MoveResize", {-1, -1, width + 100, height + 60});
    expectAt(c, {140, 110, 100, 60}, "MoveResize");
    form.put(L"Width", width);
    expectAt(c, {40, 110, 100, 60}, "Width");
}

TEST_F(AnchorLayout, AMinimisedFormLaysNothingOutAndARestoredOneIsLaidOutForItsSize) {
    Obj c = button(L"b", kStart);
    c.put(L"Anchor", L"LTRB");
    form.put(L"WindowState", 1);
    expectAt(c, kStart, "minimised");
    form.put(L"WindowState", 0);
    expectAt(c, kStart, "restored");
    form.put(L"WindowState", 2);
    RECT client{};
    GetClientRect(form.hwnd(), &client);
    const RECT r = ClientRectOf(c.hwnd());
    EXPECT_NEAR(client.right - Px(260, dpi), r.right, 1.0) << "maximised: 260 units from the right";
    EXPECT_NEAR(client.bottom - Px(190, dpi), r.bottom, 1.0);
    form.put(L"WindowState", 0);
    expectAt(c, kStart, "restored from maximised");
}

TEST_F(AnchorLayout, ANewResolutionKeepsTheLayoutInUnits) {
    Obj c = button(L"b", kStart);
    c.put(L"Anchor", L"RB");
    const UINT to = dpi * 3 / 2;
    RECT outer{};
    GetWindowRect(form.hwnd(), &outer);
    RECT suggested{outer.left, outer.top, outer.left + MulDiv(outer.right - outer.left, 3, 2),
                   outer.top + MulDiv(outer.bottom - outer.top, 3, 2)};
    SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    RECT client{};
    GetClientRect(form.hwnd(), &client);
    const RECT r = ClientRectOf(c.hwnd());
    EXPECT_NEAR(client.right - Px(260, to), r.right, 1.0) << "260 units from the right at " << to;
    EXPECT_NEAR(client.bottom - Px(190, to), r.bottom, 1.0);
    EXPECT_NEAR(Px(100, to), r.right - r.left, 1.0);
    EXPECT_EQ(100, c.num(L"Width"));
}

}  // namespace
