// Scripts' positions and sizes are 96-DPI units at every resolution: the same tables run
// at 96 with the other tests and at 120, 144 and 192 in programs of their own (CTest
// dpi.N, through tools/at_dpi, which names the resolution in MORVANE_TEST_DPI). What is
// read here is what the screen shows: pixels, read in the windows' own awareness.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "control_fixture.h"
#include "core/dpi.h"
#include "service_fixture.h"

using namespace test;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

// The test thread reads pixels as the library's windows are drawn: per-monitor aware.
class AwareThread {
public:
    using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    AwareThread() {
        set_ = reinterpret_cast<SetContext>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
        if (set_) previous_ = set_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    }
    ~AwareThread() {
        if (set_ && previous_) set_(previous_);
    }

private:
    SetContext set_ = nullptr;
    DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

UINT ScreenDpi() {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return static_cast<UINT>(dpi);
}

long Px(long units, UINT dpi) { return MulDiv(units, static_cast<int>(dpi), 96); }

// A control's rectangle in its form's client area, in pixels.
RECT ClientRectOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

struct DpiScaling : DesktopTest {
    void SetUp() override {
        DesktopTest::SetUp();
        dpi = ScreenDpi();
        if (const char* asked = std::getenv("MORVANE_TEST_DPI")) {
            ASSERT_EQ(static_cast<UINT>(std::atoi(asked)), dpi) << "the program runs at the resolution asked";
        }
        form = script.obj(L"CreateForm", {L"dpi", L"DPI", 40, 30, 300, 200});
        ASSERT_TRUE(form);
        form.put(L"Visible", 1);
    }

    AwareThread aware;
    UINT dpi = 96;
    Obj form;
};

struct Kind {
    const wchar_t* method;
    const wchar_t* caption;  // null: the add method takes none
    long left, top, width, height;
    std::vector<Arg> more;  // the arguments after the geometry
    bool fixedHeight;       // the system sets the height

    std::vector<Arg> args() const {
        std::vector<Arg> a{Arg(method)};
        if (caption) a.emplace_back(caption);
        for (long v : {left, top, width, height}) a.emplace_back(v);
        for (const Arg& m : more) a.push_back(m);
        return a;
    }
};

const std::vector<Kind>& Kinds() {
    static const std::vector<Kind> kinds = {
        { L"AddCmdButton", L"OK", 190, 120, 80, 28, { L"" }, false },
        { L"AddLabel", L"User name:", 16, 20, 90, 20, {}, false },
        { L"AddTextbox", L"text", 110, 18, 150, 22, {}, false },
        { L"AddComboBox", nullptr, 16, 50, 120, 100, {}, true },
        { L"AddListBox", nullptr, 150, 50, 100, 60, {}, true },  // a whole number of items high
        { L"AddProgressBar", nullptr, 16, 150, 250, 18, { 2 }, false },
        { L"AddFrame", L"Colour:", 8, 4, 270, 110, {}, false },
        { L"AddImage", L"", 16, 80, 40, 30, {}, false },
        { L"AddOptionBox", L"Option", 60, 80, 80, 20, {}, false },
        { L"AddCheckBox", L"Don't show again", 16, 120, 150, 20, {}, false },
    };
    return kinds;
}

std::string Why(const Kind& k, UINT dpi) { return test::ToCodePage(k.method) + " at " + std::to_string(dpi); }

}  // namespace

TEST_F(DpiScaling, AFormIsScaledAndReadsBackWhatWasSet) {
    RECT r{};
    GetWindowRect(form.hwnd(), &r);
    EXPECT_EQ(Px(300, dpi), r.right - r.left);
    EXPECT_EQ(Px(200, dpi), r.bottom - r.top);
    EXPECT_EQ(Px(40, dpi), r.left);
    EXPECT_EQ(Px(30, dpi), r.top);
    const long values[] = {300, 200, 40, 30};
    const wchar_t* names[] = {L"Width", L"Height", L"Left", L"Top"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(values[i], form.num(names[i])) << names[i];
    form.call(L"MoveResize", {17, 23, 333, 211});
    const long moved[] = {333, 211, 17, 23};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(moved[i], form.num(names[i])) << "after MoveResize, " << names[i];
    form.put(L"Width", 301);
    EXPECT_EQ(301, form.num(L"Width"));
}

TEST_F(DpiScaling, EveryKindOfControlIsScaledAndReadsBackWhatWasSet) {
    for (const Kind& k : Kinds()) {
        Obj c = form.obj(k.method, k.args());
        ASSERT_TRUE(c) << Why(k, dpi);
        const long left = k.left, top = k.top, width = k.width, height = k.height;
        const RECT r = ClientRectOf(c.hwnd());
        EXPECT_EQ(Px(left, dpi), r.left) << Why(k, dpi);
        EXPECT_EQ(Px(top, dpi), r.top) << Why(k, dpi);
        EXPECT_EQ(Px(width, dpi), r.right - r.left) << Why(k, dpi);
        if (!k.fixedHeight) EXPECT_EQ(Px(height, dpi), r.bottom - r.top) << Why(k, dpi);
        EXPECT_EQ(left, c.num(L"Left")) << Why(k, dpi);
        EXPECT_EQ(top, c.num(L"Top")) << Why(k, dpi);
        EXPECT_EQ(width, c.num(L"Width")) << Why(k, dpi);
        if (!k.fixedHeight) EXPECT_EQ(height, c.num(L"Height")) << Why(k, dpi);
        c.call(L"MoveResize", {left + 1, top + 1, width - 3, -1});
        c.call(L"Refresh");
        EXPECT_EQ(left + 1, c.num(L"Left")) << Why(k, dpi);
        EXPECT_EQ(width - 3, c.num(L"Width")) << Why(k, dpi);
        c.put(L"Width", width);
        EXPECT_EQ(width, c.num(L"Width")) << Why(k, dpi);
    }
}

// The captions of the examples fit their controls at 96 DPI; they fit at every resolution.
TEST_F(DpiScaling, CaptionsThatFitAt96FitAtEveryResolution) {
    for (const Kind& k : Kinds()) {
        if (!k.caption || !*k.caption || std::wstring(k.method) == L"AddTextbox") continue;
        Obj c = form.obj(k.method, k.args());
        ASSERT_TRUE(c);
        const HWND h = c.hwnd();
        const SIZE extent = TextSizeIn(h, c.str(L"Caption"));
        RECT client{};
        GetClientRect(h, &client);
        // A check or option box draws its box (about 13 units and a gap) beside its text.
        const bool boxed = std::wstring(k.method) == L"AddCheckBox" || std::wstring(k.method) == L"AddOptionBox";
        EXPECT_LE(extent.cx + (boxed ? Px(17, dpi) : 0), client.right) << Why(k, dpi);
        EXPECT_LE(extent.cy, client.bottom) << Why(k, dpi);
    }
}

TEST_F(DpiScaling, TheDefaultFontIsTrueTypeExceptInTheClassicLookAt96) {
    for (long styles : {1, 0}) {
        script.put(L"VisualStyles", styles);
        Obj c = form.obj(L"AddLabel", {styles ? L"themed" : L"classic", L"Text", 10, 10, 100, 20});
        HDC dc = GetDC(c.hwnd());
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(c.hwnd(), WM_GETFONT, 0, 0)));
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(c.hwnd(), dc);
        const bool stock = styles == 0 && dpi == 96;
        EXPECT_EQ(!stock, (tm.tmPitchAndFamily & TMPF_TRUETYPE) != 0) << "VisualStyles " << styles << " at " << dpi;
        EXPECT_EQ(stock, reinterpret_cast<HGDIOBJ>(SendMessageW(c.hwnd(), WM_GETFONT, 0, 0)) ==
                             GetStockObject(ANSI_VAR_FONT));
    }
}

TEST_F(DpiScaling, AFontSizeIsMadeForTheWindowAndReadsBack) {
    Obj c = form.obj(L"AddLabel", {L"l", L"Text", 10, 10, 100, 20});
    c.put(L"FontSize", 16);
    EXPECT_EQ(16, c.num(L"FontSize"));
    LOGFONTA lf{};
    ASSERT_TRUE(FontOf(c.hwnd(), &lf));
    EXPECT_EQ(Px(16, dpi), lf.lfHeight);
}

TEST_F(DpiScaling, AnImageFillsItsControlUncut) {
    ScratchFolder dir;
    // Three stripes of a 90 x 30 picture: a picture cut at its right shows no blue there.
    WriteBmp(dir / L"stripes.bmp", 90, 30, [](int x, int) { return x < 30 ? kRed : x < 60 ? kGreen : kBlue; });
    Obj image = form.obj(L"AddImage", {L"i", dir / L"stripes.bmp", 10, 10, 90, 30});
    ASSERT_TRUE(image);
    UpdateWindow(form.hwnd());
    image.call(L"Refresh");
    const HWND h = image.hwnd();
    const long w = Px(90, dpi), middle = Px(15, dpi);
    EXPECT_EQ(kRed, PixelAt(h, w / 6, middle));
    EXPECT_EQ(kGreen, PixelAt(h, w / 2, middle));
    EXPECT_EQ(kBlue, PixelAt(h, w * 5 / 6, middle));
}

TEST_F(DpiScaling, TheGradientBarsColumnsFollowTheScaledWidth) {
    Obj bar = form.obj(L"AddProgressBar", {L"p", 10, 10, 200, 20, 2});
    ASSERT_TRUE(bar);
    bar.put(L"MaxProgress", 100);
    bar.put(L"CurrentProgress", 100);
    const HWND h = bar.hwnd();
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const long w = Px(200, dpi) - 4;  // the inner width in pixels
    // Column x (from the window's left edge) is (156 x / w + 10, 166 x / w + 36, 134 x / w + 106).
    for (long x : {w / 4, w / 2, w}) {
        const COLORREF c = PixelAt(h, x, Px(10, dpi));
        EXPECT_NEAR(156.0 * x / w + 10, GetRValue(c), 1.0) << "column " << x << " at " << dpi;
        EXPECT_NEAR(134.0 * x / w + 106, GetBValue(c), 1.0) << "column " << x << " at " << dpi;
    }
}

TEST_F(DpiScaling, ADpiChangeTakesTheSuggestedRectangleAndRescalesControlsAndFonts) {
    Obj c = form.obj(L"AddCmdButton", {L"b", L"OK", 20, 30, 80, 28, L""});
    Obj l = form.obj(L"AddLabel", {L"l", L"Text", 20, 70, 100, 20});
    l.put(L"FontSize", 14);
    LOGFONTA buttonFont{}, labelFont{};
    ASSERT_TRUE(FontOf(c.hwnd(), &buttonFont));
    ASSERT_TRUE(FontOf(l.hwnd(), &labelFont));
    const RECT was = ClientRectOf(c.hwnd());
    const UINT to = dpi * 3 / 2;
    auto grown = [](long v) { return MulDiv(v, 3, 2); };
    RECT suggested{50, 40, 50 + Px(300, to), 40 + Px(200, to)};
    SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    RECT r{};
    GetWindowRect(form.hwnd(), &r);
    EXPECT_EQ(suggested.left, r.left);
    EXPECT_EQ(suggested.right - suggested.left, r.right - r.left);
    const RECT b = ClientRectOf(c.hwnd());
    EXPECT_EQ(grown(was.left), b.left);
    EXPECT_EQ(grown(was.top), b.top);
    EXPECT_EQ(grown(was.right - was.left), b.right - b.left);
    EXPECT_EQ(grown(was.bottom - was.top), b.bottom - b.top);
    LOGFONTA after{};
    ASSERT_TRUE(FontOf(c.hwnd(), &after));
    EXPECT_NEAR(grown(buttonFont.lfHeight), after.lfHeight, 1.0) << "the default font of the new resolution";
    ASSERT_TRUE(FontOf(l.hwnd(), &after));
    EXPECT_EQ(grown(labelFont.lfHeight), after.lfHeight) << "the script's font, made again";
    EXPECT_NEAR(80, c.num(L"Width"), 1.0) << "the units stay";
    EXPECT_NEAR(14, l.num(L"FontSize"), 1.0);
}

TEST_F(DpiScaling, DpiAwareZeroKeepsPixels) {
    EXPECT_EQ(1, script.num(L"DpiAware")) << "on by default";
    script.put(L"DpiAware", 0);
    EXPECT_EQ(0, script.num(L"DpiAware"));
    Obj pixels = script.obj(L"CreateForm", {L"pixels", L"Pixels", 40, 30, 300, 200});
    Obj b = pixels.obj(L"AddCmdButton", {L"b", L"OK", 20, 30, 80, 28, L""});
    RECT r{};
    GetWindowRect(pixels.hwnd(), &r);
    EXPECT_EQ(300, r.right - r.left);
    EXPECT_EQ(80, ClientRectOf(b.hwnd()).right - ClientRectOf(b.hwnd()).left);
    EXPECT_EQ(300, pixels.num(L"Width"));
    EXPECT_EQ(80, b.num(L"Width"));
    script.put(L"DpiAware", 5);
    EXPECT_EQ(1, script.num(L"DpiAware")) << "any value but 0 is on";
}

// Windows gives each monitor its own DPI, and a form opened on a monitor of another scaling
// than the system's gets no WM_DPICHANGED: the form reads its window's own DPI (here
// answered by the test in the platform's place) and is sized for it, while its position
// names the same point of the desktop at the one desktop-wide factor.
namespace {

UINT g_otherDpi = 96;
UINT OtherMonitorsDpi(HWND) { return g_otherDpi; }

struct OnAnotherMonitor {
    explicit OnAnotherMonitor(UINT dpi) {
        g_otherDpi = dpi;
        mv::g_windowDpiForTests = &OtherMonitorsDpi;
    }
    ~OnAnotherMonitor() { mv::g_windowDpiForTests = nullptr; }
};

}  // namespace

TEST_F(DpiScaling, AFormOnAMonitorOfAnotherDpiIsSizedForItAndReadsBackWhatWasSet) {
    const UINT other = dpi == 96 ? 144 : 96;
    OnAnotherMonitor monitor(other);
    Obj there = script.obj(L"CreateForm", {L"there", L"There", 40, 30, 300, 200});
    ASSERT_TRUE(there);
    Obj b = there.obj(L"AddCmdButton", {L"b", L"OK", 20, 30, 80, 28, L""});
    RECT r{};
    GetWindowRect(there.hwnd(), &r);
    EXPECT_EQ(Px(300, other), r.right - r.left) << "sized for its own DPI";
    EXPECT_EQ(Px(200, other), r.bottom - r.top);
    EXPECT_EQ(Px(40, dpi), r.left) << "placed at the desktop-wide factor";
    EXPECT_EQ(Px(30, dpi), r.top);
    EXPECT_EQ(Px(80, other), ClientRectOf(b.hwnd()).right - ClientRectOf(b.hwnd()).left) << "its controls too";
    const wchar_t* names[] = {L"Width", L"Height", L"Left", L"Top"};
    const long created[] = {300, 200, 40, 30};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(created[i], there.num(names[i])) << names[i];
    there.call(L"MoveResize", {17, 23, 333, 211});
    GetWindowRect(there.hwnd(), &r);
    EXPECT_EQ(Px(333, other), r.right - r.left);
    EXPECT_EQ(Px(17, dpi), r.left);
    const long moved[] = {333, 211, 17, 23};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(moved[i], there.num(names[i])) << "after MoveResize, " << names[i];
    there.put(L"Left", 101);
    EXPECT_EQ(101, there.num(L"Left"));
    EXPECT_EQ(333, there.num(L"Width")) << "a move keeps the size";
}

// A form created unscaled (DpiAware = 0) leaves WM_DPICHANGED to the system: nothing of it
// changes. A scaled one follows the change, and back.
TEST_F(DpiScaling, ADpiChangeIsActedOnOnlyByFormsCreatedScaled) {
    script.put(L"DpiAware", 0);
    Obj pixels = script.obj(L"CreateForm", {L"pixels", L"Pixels", 40, 30, 300, 200});
    script.put(L"DpiAware", 1);
    Obj b = pixels.obj(L"AddCmdButton", {L"b", L"OK", 20, 30, 80, 28, L""});
    for (UINT to : {dpi * 3 / 2, dpi}) {
        RECT suggested{10, 10, 10 + Px(300, to), 10 + Px(200, to)};
        SendMessageW(pixels.hwnd(), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
        RECT r{};
        GetWindowRect(pixels.hwnd(), &r);
        EXPECT_EQ(300, r.right - r.left) << "unscaled, at " << to;
        EXPECT_EQ(40, r.left) << "unscaled, at " << to;
        EXPECT_EQ(80, ClientRectOf(b.hwnd()).right - ClientRectOf(b.hwnd()).left) << "unscaled, at " << to;
        EXPECT_EQ(300, pixels.num(L"Width"));

        SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(form.hwnd(), &r);
        EXPECT_EQ(Px(300, to), r.right - r.left) << "scaled, at " << to;
        EXPECT_EQ(300, form.num(L"Width")) << "scaled, at " << to;
    }
}
