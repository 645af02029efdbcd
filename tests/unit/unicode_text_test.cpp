// Text in every language, as scripts pass it: strings built here from code points go
// through the members by name and come back whole, and the windows show them (read with
// the wide messages). A text ends at its first NUL; reads of at most 254 characters keep
// surrogate pairs whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "control_fixture.h"
#include "service_fixture.h"

using namespace test;

namespace {

// UTF-16 from code points: those above U+FFFF become surrogate pairs.
std::wstring U(std::initializer_list<char32_t> points) {
    std::wstring s;
    for (char32_t p : points) {
        if (p < 0x10000) s += static_cast<wchar_t>(p);
        else s += {static_cast<wchar_t>(0xD7C0 + (p >> 10)), static_cast<wchar_t>(0xDC00 + (p & 0x3FF))};
    }
    return s;
}

const std::wstring kSmiley = U({0x1F600});

const std::vector<std::wstring>& Samples() {
    static const std::wstring megabyte = [] {  // 1 M characters whose 254th begins a pair
        std::wstring s(253, L'a');
        while (s.size() < (1u << 20)) s += kSmiley;
        return s;
    }();
    static const std::vector<std::wstring> samples = {
        U({0x041F, 0x0440, 0x0438, 0x0432, 0x0435, 0x0442}),              // Cyrillic
        U({0x039A, 0x03B1, 0x03BB, 0x03B7, 0x03BC, 0x03AD, 0x03C1, 0x03B1}),  // Greek
        U({0x4F60, 0x597D, 0x4E16, 0x754C}),                              // CJK
        U({0x20BB7, 0x1F600, 'x'}),                                       // surrogate pairs
        U({'e', 0x0301, 0x0430, 0x0308}),                                 // combining accents
        U({'c', 'a', 'f', 0xE9, ' ', 0xDC}),                              // the code page's own
        U({0x0416, 0, 'z'}),                                              // an embedded NUL
        megabyte,
    };
    return samples;
}

// What a window holds of a text, and what a member reads back of it.
std::wstring Held(const std::wstring& s) { return s.substr(0, s.find(L'\0')); }
std::wstring ReadBack(const std::wstring& s) {
    const std::wstring held = Held(s);
    return held.substr(0, held.size() > 254 && IS_HIGH_SURROGATE(held[253]) ? 253 : 254);
}

std::wstring ItemTextOf(HWND w, long i, bool combo) {
    std::wstring s(static_cast<size_t>(SendMessageW(w, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    s.resize(static_cast<size_t>(SendMessageW(w, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(s.data()))));
    return s;
}

using UnicodeText = ControlTest;

// Form captions and the texts of every kind that has one, given at creation and set
// afterwards; text boxes of one line, of several and masked.
TEST_F(UnicodeText, CaptionsAndTextsHoldAnyScript) {
    struct Kind { const wchar_t* add; const wchar_t* member; long multiLine, masked; };
    const Kind kinds[] = {
        {L"AddCmdButton", L"Caption"}, {L"AddLabel", L"Caption"}, {L"AddFrame", L"Caption"},
        {L"AddOptionBox", L"Caption"}, {L"AddCheckBox", L"Caption"}, {L"AddTextbox", L"Text"},
        {L"AddTextbox", L"Text", 1}, {L"AddTextbox", L"Text", 0, 1},
    };
    // In the classic look's stock font: what is checked is the text the windows hold, and
    // laying a megabyte of emoji out in a TrueType font (each one looked up in the fonts
    // linked to it) costs minutes under Wine.
    Put(script.get(), L"VisualStyles", Arg(0));
    int made = 0;
    for (const std::wstring& s : Samples()) {
        Put(form, L"Caption", Arg(s));
        EXPECT_EQ(Held(s), WideTextOf(hwnd));
        EXPECT_EQ(ReadBack(s), GetText(form, L"Caption"));
        for (const Kind& k : kinds) {
            std::vector<Arg> args{L"c" + std::to_wstring(++made), s, 5, 5, 200, 40};
            if (k.multiLine)
                for (Arg more : {Arg(L""), Arg(0), Arg(1)}) args.push_back(more);
            IDispatch* c = added(Call(form, k.add, args).object());
            ASSERT_NE(nullptr, c);
            EXPECT_EQ(Held(s), WideTextOf(HwndOf(c))) << "created, control " << made;
            Put(c, L"PasswordStyle", Arg(k.masked));
            Put(c, k.member, Arg(L""));
            Put(c, k.member, Arg(s));
            EXPECT_EQ(Held(s), WideTextOf(HwndOf(c))) << "set, control " << made;
            EXPECT_EQ(ReadBack(s), GetText(c, k.member)) << "control " << made;
        }
    }
}

// Items of any script are added, read back and selected by their text; a list's extent
// is its widest text measured in its font.
TEST_F(UnicodeText, ListAndComboItemsHoldAnyScript) {
    for (bool combo : {false, true}) {
        IDispatch* c = combo ? addCombo(L"combo", 200, 10) : addList(L"list");
        std::vector<std::wstring> expected, items, shown;
        for (const std::wstring& s : Samples()) {
            Call(c, L"AddItem", {Arg(s)});
            expected.push_back(Held(s));
        }
        for (long i = 0; i < GetLong(c, L"Count"); ++i) {
            items.push_back(Call(c, L"Item", {Arg(i)}).text());
            shown.push_back(ItemTextOf(HwndOf(c), i, combo));
            if (!combo) continue;
            Put(c, L"Text", Arg(items.back()));
            EXPECT_EQ(i, GetLong(c, L"ListIndex"));
            EXPECT_EQ(ReadBack(items.back()), GetText(c, L"Text"));
        }
        EXPECT_EQ(items, shown);
        std::sort(expected.begin(), expected.end());
        std::sort(items.begin(), items.end());
        EXPECT_EQ(expected, items);
    }
    IDispatch* list = addList(L"extent", 10, 150);
    const HWND h = HwndOf(list);
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    lf.lfWidth = 6;
    mv::UniqueFont font(CreateFontIndirectW(&lf));
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    // The extent is the widest text measured in the list's font, and 4 pixels.
    auto widthOf = [h](const std::wstring& text) { return static_cast<LRESULT>(TextSizeIn(h, text).cx); };
    const std::wstring wide = kSmiley + kSmiley + L"cccccc";
    Call(list, L"AddItem", {Arg(L"ab")});
    Call(list, L"AddItem", {Arg(wide)});
    EXPECT_EQ(widthOf(wide) + 4, SendMessageW(h, LB_GETHORIZONTALEXTENT, 0, 0));
    Call(list, L"RemoveItem", {Arg(Call(list, L"Item", {Arg(0)}).text() == L"ab" ? 1 : 0)});
    EXPECT_EQ(widthOf(L"ab") + 4, SendMessageW(h, LB_GETHORIZONTALEXTENT, 0, 0)) << "measured again";
}

// Faces named in any script, up to the platform's 31 characters, without splitting a pair.
TEST_F(UnicodeText, FontNamesHoldAnyScript) {
    IDispatch* label = added(Call(form, L"AddLabel", {L"label", L"x"}).object());
    const std::wstring mincho = U({0xFF2D, 0xFF33, ' ', 0x660E, 0x671D}), a29(29, L'a');
    struct Case { std::wstring set, read; };
    const Case cases[] = {
        {mincho, mincho},
        {a29 + kSmiley + L"bc", a29 + kSmiley},      // 31 characters
        {a29 + L"b" + kSmiley, a29 + L"b"},          // the pair would be cut
        {U({0x03A9, 0, 'x'}), U({0x03A9})},
    };
    for (const Case& c : cases) {
        Put(label, L"FontName", Arg(c.set));
        EXPECT_EQ(c.read, GetText(label, L"FontName"));
        LOGFONTW lf{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(HwndOf(label), WM_GETFONT, 0, 0)), sizeof lf, &lf);
        EXPECT_EQ(c.read, lf.lfFaceName);
    }
}

// What the keyboard types reaches a text box whole through the library's message pass
// (posted here as the keyboard's translation posts it).
TEST_F(UnicodeText, TypedCharactersReachATextBoxWhole) {
    IDispatch* box = addTextbox(L"typed");
    Put(box, L"Text", Arg(L""));
    const std::wstring typed = U({0x0416, 0x03A9, 0x4E2D, 0x1F600});
    for (wchar_t unit : typed) PostMessageW(HwndOf(box), WM_CHAR, unit, 1);
    GetLong(desktop(), L"Count");  // one message pass
    EXPECT_EQ(typed, GetText(box, L"Text"));
}

using UnicodeDialogs = ServiceTest;

// ShowMsgBox's text and caption, and the error reporter's box naming a control.
TEST_F(UnicodeDialogs, MessageBoxesShowAnyScript) {
    const std::wstring text = U({0x041F, 0x4F60, 0x1F600, 'e', 0x0301}), caption = U({0x039A, 0x03B1});
    std::wstring title, shown;
    auto read = [&](HWND box) {
        if (!box) return false;
        title = WideTextOf(box);
        shown = WideTextOf(GetDlgItem(box, 0xFFFF));
        Press(box, IDOK);
        return true;
    };
    Answerer user([&] { return read(WaitForOwnedDialog(owner_)); });
    EXPECT_EQ(IDOK, Call(form_, L"ShowMsgBox", {text, caption}).lng());
    EXPECT_TRUE(user.ok());
    EXPECT_EQ(caption, title);
    EXPECT_EQ(text, shown);

    Put(desktop(), L"DebugOption", Arg(1));
    IDispatch* label = Call(form_, L"AddLabel", {text, L"x"}).object();
    Answerer report([&] { return read(WaitForWindow("#32770", "Bad property", 10000)); });
    Get(label, L"Text");
    EXPECT_TRUE(report.ok());
    EXPECT_NE(std::wstring::npos, shown.find(L"'" + text + L"'")) << "the report names the control";
    Put(desktop(), L"DebugOption", Arg(0));
}

}  // namespace
