// Content and state of controls, read back from their windows: styles, texts, check
// states, password characters, focus and the form's named properties.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "core/diagnostics.h"
#include "form_fixture.h"
#include "window/window_props.h"

using namespace test;

namespace {

LONG Style(HWND w) { return GetWindowLongA(w, GWL_STYLE); }

std::string WindowText(HWND w) {
    int n = GetWindowTextLengthA(w);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    GetWindowTextA(w, &s[0], n + 1);
    s.resize(static_cast<size_t>(n));
    return s;
}

struct ContentProps : FormTest {
    // One control of every kind, in kind order 0-9.
    IDispatch* add(const wchar_t* method, std::vector<Arg> args) {
        Outcome o = Call(form, method, args);
        EXPECT_EQ(S_OK, o.hr) << method;
        IDispatch* c = o.object();
        EXPECT_NE(nullptr, c) << method;
        if (c) c->AddRef();
        return c;
    }
    void SetUp() override {
        FormTest::SetUp();
        ctl[0] = add(L"AddCmdButton", {Arg(L"cmd"), Arg(L"Button"), Arg(5), Arg(5), Arg(80), Arg(25)});
        ctl[1] = add(L"AddLabel", {Arg(L"lbl"), Arg(L"Label"), Arg(5), Arg(35), Arg(80), Arg(20)});
        ctl[2] = add(L"AddTextbox", {Arg(L"txt"), Arg(L"Text box"), Arg(5), Arg(60), Arg(120), Arg(22)});
        ctl[3] = add(L"AddComboBox", {Arg(L"cbo"), Arg(5), Arg(90), Arg(120), Arg(120)});
        ctl[4] = add(L"AddListBox", {Arg(L"lst"), Arg(140), Arg(5), Arg(100), Arg(80)});
        ctl[5] = add(L"AddProgressBar", {Arg(L"pb"), Arg(140), Arg(90), Arg(100), Arg(15)});
        ctl[6] = add(L"AddFrame", {Arg(L"fra"), Arg(L"Frame"), Arg(140), Arg(110), Arg(100), Arg(60)});
        ctl[7] = add(L"AddImage", {Arg(L"img"), Arg(L""), Arg(250), Arg(5), Arg(40), Arg(40)});
        ctl[8] = add(L"AddOptionBox", {Arg(L"opt"), Arg(L"Option"), Arg(5), Arg(120), Arg(100), Arg(20)});
        ctl[9] = add(L"AddCheckBox", {Arg(L"chk"), Arg(L"Check"), Arg(5), Arg(145), Arg(100), Arg(20)});
        for (int k = 0; k < 10; ++k) win[k] = ctl[k] ? hwndOf(ctl[k]) : nullptr;
    }
    void TearDown() override {
        for (IDispatch* c : ctl)
            if (c) c->Release();
        FormTest::TearDown();
    }
    IDispatch* ctl[10] = {};
    HWND win[10] = {};
};

// What a member must leave alone on a control it does not apply to.
struct Snapshot {
    explicit Snapshot(HWND w)
        : style(Style(w)), exStyle(GetWindowLongA(w, GWL_EXSTYLE)), text(WindowText(w)),
          check(SendMessageA(w, BM_GETCHECK, 0, 0)) {}
    bool operator==(const Snapshot& o) const {
        return style == o.style && exStyle == o.exStyle && text == o.text && check == o.check;
    }
    LONG style, exStyle;
    std::string text;
    LRESULT check;
};

struct MemberKinds {
    const wchar_t* member;
    bool isText;           // the empty value is "" rather than 0
    const char* kinds;     // '1' where the member applies, by kind 0-9
};

const MemberKinds kApplicability[] = {
    { L"Enable",        false, "1011101011" },
    { L"Locked",        false, "0011100000" },
    { L"Caption",       true,  "1110001111" },
    { L"TextAlign",     false, "0110000000" },
    { L"PasswordStyle", false, "0010000000" },
    { L"Value",         false, "0000000011" },
    { L"Text",          true,  "0011000000" },
};

TEST_F(ContentProps, MembersThatDoNotApplyReadEmptyAndChangeNothing) {
    for (const MemberKinds& m : kApplicability) {
        for (int k = 0; k < 10; ++k) {
            if (m.kinds[k] == '1') continue;
            Snapshot before(win[k]);
            Outcome got = Get(ctl[k], m.member);
            EXPECT_EQ(S_OK, got.hr);
            EXPECT_EQ(m.isText ? VT_BSTR : VT_I4, V_VT(&got.value)) << m.member << " of kind " << k;
            EXPECT_EQ(L"", m.isText ? got.text() : (got.lng() ? L"non-zero" : L"")) << m.member << " of kind " << k;
            EXPECT_EQ(S_OK, Put(ctl[k], m.member, m.isText ? Arg(L"changed") : Arg(1)).hr);
            EXPECT_EQ(S_OK, Put(ctl[k], m.member, m.isText ? Arg(L"") : Arg(0)).hr);
            EXPECT_TRUE(before == Snapshot(win[k])) << m.member << " changed kind " << k;
        }
    }
    for (int k = 1; k < 10; ++k) {
        EXPECT_EQ(S_OK, Call(ctl[k], L"SetAsDefault").hr);
        EXPECT_EQ(0, mv::GetWindowValue(hwnd, mv::prop::kDefaultCtl)) << "SetAsDefault on kind " << k;
        EXPECT_EQ(S_OK, Call(ctl[k], L"SetAsCancel").hr);
        EXPECT_EQ(0, mv::GetWindowValue(hwnd, mv::prop::kCancelCtl)) << "SetAsCancel on kind " << k;
    }
    for (int k : { 1, 5, 6, 7 }) {
        EXPECT_EQ(S_OK, Call(ctl[k], L"SetFocus").hr);
        EXPECT_EQ(0, mv::GetWindowValue(hwnd, mv::prop::kLastFocused)) << "SetFocus on kind " << k;
    }
}

TEST_F(ContentProps, BadPropertyIsReportedByGetterAndSetterWhileDiagnosticsAreOn) {
    Put(desktop(), L"DebugOption", Arg(1));
    std::vector<std::string> texts;
    std::thread answer([&texts] {
        for (int i = 0; i < 2; ++i) {
            HWND box = WaitForWindow("#32770", "Bad property", 10000);
            if (!box) return;
            char buf[512] = {};
            GetWindowTextA(GetDlgItem(box, 0xFFFF), buf, sizeof buf);
            texts.push_back(buf);
            SendMessageA(box, WM_COMMAND, IDOK, 0);
            while (IsWindow(box)) Sleep(10);
        }
    });
    EXPECT_EQ(L"", Get(ctl[4], L"Caption").text());
    Put(ctl[1], L"Text", Arg(L"x"));
    answer.join();
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ("The property 'Caption' don't apply to the object 'lst'", texts[0]);
    EXPECT_EQ("The property 'Text' don't apply to the object 'lbl'", texts[1]);
    Put(desktop(), L"DebugOption", Arg(0));
}

TEST_F(ContentProps, EnableSetsTheDisabledStyleBit) {
    for (int k : { 0, 2, 3, 4, 6, 8, 9 }) {
        EXPECT_EQ(1, GetLong(ctl[k], L"Enable")) << "kind " << k;
        Put(ctl[k], L"Enable", Arg(0));
        EXPECT_NE(0, Style(win[k]) & WS_DISABLED) << "kind " << k;
        EXPECT_EQ(0, GetLong(ctl[k], L"Enable")) << "kind " << k;
        Put(ctl[k], L"Enable", Arg(2));
        EXPECT_EQ(0, Style(win[k]) & WS_DISABLED) << "kind " << k;
        EXPECT_EQ(1, GetLong(ctl[k], L"Enable")) << "kind " << k;
    }
}

TEST_F(ContentProps, LockedMakesATextBoxReadOnly) {
    HWND txt = win[2];
    EXPECT_EQ(0, GetLong(ctl[2], L"Locked"));
    EXPECT_EQ(0, Style(txt) & ES_READONLY) << "reading changes nothing";
    Put(ctl[2], L"Locked", Arg(-4));
    EXPECT_NE(0, Style(txt) & ES_READONLY);
    EXPECT_EQ(1, GetLong(ctl[2], L"Locked"));
    Put(ctl[2], L"Locked", Arg(0));
    EXPECT_EQ(0, GetLong(ctl[2], L"Locked"));
    for (int k : { 3, 4 }) {  // the message reaches combo and list boxes, which ignore it
        EXPECT_EQ(S_OK, Put(ctl[k], L"Locked", Arg(1)).hr);
        EXPECT_EQ(0, GetLong(ctl[k], L"Locked"));
    }
}

TEST_F(ContentProps, CaptionIsTheWindowTextReadUpTo254Characters) {
    for (int k : { 0, 1, 2, 6, 8, 9 }) {
        struct Case { size_t set, read; };
        for (const Case& c : { Case{ 5, 5 }, Case{ 254, 254 }, Case{ 300, 254 }, Case{ 1 << 20, 254 }, Case{ 0, 0 } }) {
            std::wstring text(c.set, L'k');
            ASSERT_EQ(S_OK, Put(ctl[k], L"Caption", Arg(text)).hr);
            EXPECT_EQ(static_cast<int>(c.set), GetWindowTextLengthA(win[k])) << "set in full, kind " << k;
            EXPECT_EQ(std::wstring(c.read, L'k'), GetText(ctl[k], L"Caption")) << "kind " << k << ", set " << c.set;
        }
    }
    Put(ctl[2], L"Caption", Arg(L"same"));
    EXPECT_EQ(L"same", GetText(ctl[2], L"Text"));
    Put(ctl[2], L"Text", Arg(L"value"));
    EXPECT_EQ(L"value", GetText(ctl[2], L"Caption"));
    EXPECT_EQ("value", WindowText(win[2]));
}

TEST_F(ContentProps, ImageCaptionIsItsSourcePathInLowerCase) {
    Put(ctl[7], L"Caption", Arg(L"Z:\\Pictures\\Logo.BMP"));
    EXPECT_EQ(L"z:\\pictures\\logo.bmp", GetText(ctl[7], L"Caption")) << "the drawing lower-cases the stored path";
    EXPECT_EQ("", WindowText(win[7])) << "not the window text";
}

TEST_F(ContentProps, TextAlignFoldsToOneBit) {
    for (int k : { 1, 2 }) {
        EXPECT_EQ(0, GetLong(ctl[k], L"TextAlign")) << "left-aligned when created";
        struct Case { long set, read; };
        const Case cases[] = { { -1, 1 }, { 7, 2 }, { 1, 1 }, { 0, 0 }, { 2, 2 }, { -2, 2 }, { 1, 1 },
                               { static_cast<long>(0x80000000), 2 }, { 0x7FFFFFFF, 2 }, { 0, 0 } };
        for (const Case& c : cases) {
            Put(ctl[k], L"TextAlign", Arg(c.set));
            EXPECT_EQ(c.read, Style(win[k]) & 3) << "kind " << k << ", TextAlign = " << c.set;
            EXPECT_EQ(c.read, GetLong(ctl[k], L"TextAlign")) << "kind " << k << ", TextAlign = " << c.set;
        }
    }
}

TEST_F(ContentProps, PasswordStyleMasksSingleLineBoxesOnly) {
    IDispatch* multi = Call(form, L"AddTextbox", {Arg(L"multi"), Arg(L"a"), Arg(5), Arg(170), Arg(120), Arg(50),
                                                  Arg(L""), Arg(0), Arg(1)}).object();
    ASSERT_NE(nullptr, multi);
    HWND m = hwndOf(multi);
    Put(multi, L"PasswordStyle", Arg(1));
    EXPECT_EQ(0, Style(m) & ES_PASSWORD);
    EXPECT_EQ(0, GetLong(multi, L"PasswordStyle"));
    EXPECT_EQ(0, SendMessageA(m, EM_GETPASSWORDCHAR, 0, 0));

    Put(ctl[2], L"PasswordStyle", Arg(9));
    EXPECT_NE(0, Style(win[2]) & ES_PASSWORD);
    EXPECT_EQ('*', SendMessageA(win[2], EM_GETPASSWORDCHAR, 0, 0));
    EXPECT_EQ(1, GetLong(ctl[2], L"PasswordStyle"));
    EXPECT_EQ(L"Text box", GetText(ctl[2], L"Text")) << "the text itself is not masked";
    Put(ctl[2], L"PasswordStyle", Arg(0));
    EXPECT_EQ(0, Style(win[2]) & ES_PASSWORD);
    EXPECT_EQ(0, GetLong(ctl[2], L"PasswordStyle"));
}

TEST_F(ContentProps, ValueChecksAndReportsTheButtonState) {
    for (int k : { 8, 9 }) {
        EXPECT_EQ(0, GetLong(ctl[k], L"Value"));
        Put(ctl[k], L"Value", Arg(5));
        EXPECT_EQ(BST_CHECKED, SendMessageA(win[k], BM_GETCHECK, 0, 0));
        EXPECT_EQ(1, GetLong(ctl[k], L"Value"));
        Put(ctl[k], L"Value", Arg(0));
        EXPECT_EQ(BST_UNCHECKED, SendMessageA(win[k], BM_GETCHECK, 0, 0));
        EXPECT_EQ(0, GetLong(ctl[k], L"Value"));
    }
}

TEST_F(ContentProps, ComboTextSelectsTheItemWithExactlyThatText) {
    HWND cbo = win[3];
    for (const char* item : { "Red", "Blue", "blue", "Green" })
        SendMessageA(cbo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(L"", GetText(ctl[3], L"Text")) << "nothing selected";
    Put(ctl[3], L"Text", Arg(L"blue"));
    EXPECT_EQ(L"blue", GetText(ctl[3], L"Text"));
    Put(ctl[3], L"Text", Arg(L"Blue"));
    EXPECT_EQ(L"Blue", GetText(ctl[3], L"Text"));
    for (const wchar_t* none : { L"BLUE", L"Blu", L"Blue ", L"" }) {
        Put(ctl[3], L"Text", Arg(none));
        EXPECT_EQ(L"Blue", GetText(ctl[3], L"Text")) << "no item matches";
    }
    std::string longItem(400, 'z');
    SendMessageA(cbo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longItem.c_str()));
    Put(ctl[3], L"Text", Arg(std::wstring(400, L'z')));
    EXPECT_EQ(std::wstring(254, L'z'), GetText(ctl[3], L"Text"));
}

TEST_F(ContentProps, SetFocusAndSetAsDefaultRecordTheControlOnTheForm) {
    Put(form, L"Visible", Arg(1));
    Call(ctl[2], L"SetFocus");
    EXPECT_EQ(win[2], GetFocus());
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(win[2]), mv::GetWindowValue(hwnd, mv::prop::kLastFocused));
    Call(ctl[9], L"SetFocus");
    EXPECT_EQ(win[9], GetFocus());

    Put(ctl[0], L"Visible", Arg(0));
    Call(ctl[0], L"SetFocus");
    EXPECT_EQ(win[9], GetFocus()) << "a hidden control takes no focus";

    LONG style = Style(win[0]);
    EXPECT_EQ(S_OK, Call(ctl[0], L"SetAsDefault").hr);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(win[0]), mv::GetWindowValue(hwnd, mv::prop::kDefaultCtl));
    EXPECT_EQ(style, Style(win[0])) << "the button's style is not changed";
}

TEST_F(ContentProps, ControlsOfADestroyedFormActOnNoWindow) {
    desktop_->closeAll();
    for (int k = 0; k < 10; ++k) {
        for (const MemberKinds& m : kApplicability) {
            EXPECT_EQ(S_OK, Put(ctl[k], m.member, m.isText ? Arg(L"x") : Arg(1)).hr);
            Outcome o = Get(ctl[k], m.member);
            EXPECT_EQ(S_OK, o.hr);
            EXPECT_EQ(m.isText ? L"" : L"0", o.text()) << m.member << " of kind " << k;
        }
        EXPECT_EQ(S_OK, Call(ctl[k], L"SetFocus").hr);
        EXPECT_EQ(S_OK, Call(ctl[k], L"SetAsDefault").hr);
    }
}

}  // namespace

namespace {

// Dark (text-coloured) pixels of a window's screen area, in its left and right halves,
// as the screen shows them after the pending paints have run.
struct Ink {
    int left = 0, right = 0;
};

Ink InkOf(HWND w) {
    PumpFor(150);
    RECT rc{};
    GetWindowRect(w, &rc);
    int width = rc.right - rc.left, height = rc.bottom - rc.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, width, height, screen, rc.left, rc.top, SRCCOPY);
    Ink ink;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            COLORREF c = GetPixel(mem, x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 120) (x < width / 2 ? ink.left : ink.right)++;
        }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ink;
}

TEST_F(ContentProps, TheScreenShowsTheNewStateAtOnce) {
    Put(form, L"Visible", Arg(1));
    Put(ctl[1], L"Caption", Arg(L"WWW"));
    Ink button = InkOf(win[0]);
    Ink label = InkOf(win[1]);
    ASSERT_GT(label.left, 20) << "a left-aligned label draws on its left";
    ASSERT_EQ(0, label.right);
    ASSERT_GT(button.left + button.right, 20) << "an enabled button draws black text";

    Put(ctl[0], L"Enable", Arg(0));
    Put(ctl[1], L"TextAlign", Arg(2));
    Ink greyed = InkOf(win[0]);
    Ink right = InkOf(win[1]);
    EXPECT_LT(greyed.left + greyed.right, (button.left + button.right) / 2) << "the disabled button's text is grey";
    EXPECT_EQ(0, right.left) << "the label's text moved to the right";
    EXPECT_GT(right.right, 20);
}

}  // namespace
