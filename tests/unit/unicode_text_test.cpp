// Text in every language, as scripts pass it: strings built here from code points go
// through the members by name and come back whole, and the windows show them (read with
// the wide messages). A text ends at its first NUL, and reads of at most 254 characters
// keep surrogate pairs whole.
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
        if (p < 0x10000) {
            s += static_cast<wchar_t>(p);
        } else {
            s += static_cast<wchar_t>(0xD800 + ((p - 0x10000) >> 10));
            s += static_cast<wchar_t>(0xDC00 + ((p - 0x10000) & 0x3FF));
        }
    }
    return s;
}

const std::wstring kSmiley = U({0x1F600});

// 1 M characters whose 254th is the first half of a pair.
std::wstring Megabyte() {
    std::wstring s(253, L'a');
    while (s.size() < (1u << 20)) s += kSmiley;
    return s;
}

struct Sample { const char* what; std::wstring text; };

const std::vector<Sample>& Samples() {
    static const std::vector<Sample> samples = {
        {"Cyrillic", U({0x041F, 0x0440, 0x0438, 0x0432, 0x0435, 0x0442})},
        {"Greek", U({0x039A, 0x03B1, 0x03BB, 0x03B7, 0x03BC, 0x03AD, 0x03C1, 0x03B1})},
        {"CJK", U({0x4F60, 0x597D, 0x4E16, 0x754C})},
        {"surrogate pairs", U({0x20BB7, 0x1F600, 'x'})},
        {"combining accents", U({'e', 0x0301, 0x0430, 0x0308})},
        {"code page", U({'c', 'a', 'f', 0xE9, ' ', 0xDC})},
        {"embedded NUL", U({0x0416, 0, 'z'})},
        {"1 MB", Megabyte()},
    };
    return samples;
}

// What a window holds of a text, and what a member reads back of it.
std::wstring Held(const std::wstring& s) { return s.substr(0, s.find(L'\0')); }
std::wstring ReadBack(const std::wstring& s) {
    const std::wstring held = Held(s);
    return held.substr(0, held.size() > 254 && IS_HIGH_SURROGATE(held[253]) ? 253 : 254);
}

std::wstring WindowTextW(HWND w) {
    std::wstring s(static_cast<size_t>(SendMessageW(w, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    s.resize(static_cast<size_t>(SendMessageW(w, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()))));
    return s;
}

std::wstring ItemTextW(HWND w, long i, bool combo) {
    std::wstring s(static_cast<size_t>(SendMessageW(w, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    s.resize(static_cast<size_t>(SendMessageW(w, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(s.data()))));
    return s;
}

using UnicodeText = ControlTest;
using UnicodeDialogs = ServiceTest;

// Form captions and the texts of every kind that has one, given at creation and set
// afterwards; text boxes of one line, of several and masked.
TEST_F(UnicodeText, CaptionsAndTextsHoldAnyScript) {
    struct Kind { const wchar_t* add; const wchar_t* member; long multiLine; long masked; };
    const Kind kinds[] = {
        {L"AddCmdButton", L"Caption"}, {L"AddLabel", L"Caption"}, {L"AddFrame", L"Caption"},
        {L"AddOptionBox", L"Caption"}, {L"AddCheckBox", L"Caption"}, {L"AddTextbox", L"Text"},
        {L"AddTextbox", L"Text", 1}, {L"AddTextbox", L"Text", 0, 1},
    };
    int made = 0;
    for (const Sample& s : Samples()) {
        SCOPED_TRACE(s.what);
        const std::wstring name = L"f" + std::to_wstring(++made);
        IDispatch* f = Call(desktop(), L"CreateForm", {name, s.text}).object();
        ASSERT_NE(nullptr, f);
        EXPECT_EQ(Held(s.text), WindowTextW(HwndOf(f)));
        Put(form, L"Caption", Arg(s.text));
        EXPECT_EQ(Held(s.text), WindowTextW(hwnd));
        EXPECT_EQ(ReadBack(s.text), GetText(form, L"Caption"));
        for (const Kind& k : kinds) {
            std::vector<Arg> args{L"c" + std::to_wstring(++made), s.text, 5, 5, 200, 40};
            if (k.multiLine)
                for (Arg more : {Arg(L""), Arg(0), Arg(1)}) args.push_back(more);
            IDispatch* c = added(Call(form, k.add, args).object());
            ASSERT_NE(nullptr, c);
            EXPECT_EQ(Held(s.text), WindowTextW(HwndOf(c))) << "created, " << k.add;
            Put(c, L"PasswordStyle", Arg(k.masked));
            Put(c, k.member, Arg(L""));
            Put(c, k.member, Arg(s.text));
            EXPECT_EQ(Held(s.text), WindowTextW(HwndOf(c))) << "set, " << k.add;
            EXPECT_EQ(ReadBack(s.text), GetText(c, k.member)) << k.add;
        }
    }
}

// Items of any script are added, read back and selected by their text; the list's extent
// counts UTF-16 characters (a pair counts two).
TEST_F(UnicodeText, ListAndComboItemsHoldAnyScript) {
    struct List { IDispatch* control; bool combo; };
    for (const List& l : {List{addList(L"list"), false}, List{addCombo(L"combo", 200, 10), true}}) {
        IDispatch* c = l.control;
        std::vector<std::wstring> expected, items, shown;
        for (const Sample& s : Samples()) {
            Call(c, L"AddItem", {Arg(s.text)});
            expected.push_back(Held(s.text));
        }
        for (long i = 0; i < GetLong(c, L"Count"); ++i) {
            items.push_back(Call(c, L"Item", {Arg(i)}).text());
            shown.push_back(ItemTextW(HwndOf(c), i, l.combo));
        }
        EXPECT_EQ(items, shown);
        std::sort(expected.begin(), expected.end());
        std::sort(items.begin(), items.end());
        EXPECT_EQ(expected, items);
        if (!l.combo) continue;
        for (long i = 0; i < GetLong(c, L"Count"); ++i) {
            const std::wstring item = Call(c, L"Item", {Arg(i)}).text();
            Put(c, L"Text", Arg(item));
            EXPECT_EQ(i, GetLong(c, L"ListIndex"));
            EXPECT_EQ(ReadBack(item), GetText(c, L"Text"));
        }
    }
    IDispatch* list = addList(L"extent", 10, 150);
    HWND h = HwndOf(list);
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    lf.lfWidth = 6;
    mv::UniqueFont font(CreateFontIndirectW(&lf));
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    Call(list, L"AddItem", {Arg(L"ab")});
    Call(list, L"AddItem", {Arg(kSmiley + kSmiley + L"c")});  // 5 characters
    EXPECT_EQ((5 + 2) * 6 / 1.5, SendMessageW(h, LB_GETHORIZONTALEXTENT, 0, 0));
    Call(list, L"RemoveItem", {Arg(Call(list, L"Item", {Arg(0)}).text() == L"ab" ? 0 : 1)});
    EXPECT_EQ(5 * 6 / 1.5, SendMessageW(h, LB_GETHORIZONTALEXTENT, 0, 0)) << "recounted";
}

// Faces named in any script, up to the platform's 31 characters, without splitting a pair.
TEST_F(UnicodeText, FontNamesHoldAnyScript) {
    IDispatch* label = added(Call(form, L"AddLabel", {L"label", L"x"}).object());
    const std::wstring mincho = U({0xFF2D, 0xFF33, ' ', 0x660E, 0x671D}), a30(30, L'a');
    struct Case { std::wstring set, read; };
    const Case cases[] = {
        {mincho, mincho},
        {U({0x0422, 0x0430, 0x0445, 0x043E, 0x043C, 0x0430}), U({0x0422, 0x0430, 0x0445, 0x043E, 0x043C, 0x0430})},
        {a30.substr(1) + kSmiley + L"bc", a30.substr(1) + kSmiley},  // 31 characters exactly
        {a30 + kSmiley, a30},                                           // the pair would be cut
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

// ShowMsgBox's text and caption, and the error reporter's box naming a control.
TEST_F(UnicodeDialogs, MessageBoxesShowAnyScript) {
    const std::wstring text = U({0x041F, 0x4F60, 0x1F600, 'e', 0x0301}), caption = U({0x039A, 0x03B1});
    std::wstring title, shown;
    auto read = [&](HWND box) {
        if (!box) return false;
        title = WindowTextW(box);
        shown = WindowTextW(GetDlgItem(box, 0xFFFF));
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

// The folder browser shows its title and starts in a folder of any name, and gives back
// the folder chosen.
TEST_F(UnicodeDialogs, FolderBrowserTakesAndGivesFoldersOfAnyName) {
    const std::wstring start = FromCodePage(dir_.path()) + L"\\" + U({0x041F, 0x4F60, 0x20BB7});
    const std::wstring title = U({0x039A, 0x03B1, 0x03BB, 0x03B7});
    CreateDirectoryW(start.c_str(), nullptr);
    Sleep(2500);  // Wine's browser may not select a folder made a moment ago
    bool titled = false;
    Answerer user([&] {
        HWND dialog = WaitForOwnedDialog(owner_);
        HWND tree = dialog ? FindDescendant(dialog, "SysTreeView32") : nullptr;
        if (!tree || !SettledSelection(tree)) return false;
        for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) titled |= WindowTextW(c) == title;
        Press(dialog, IDOK);
        return true;
    });
    EXPECT_EQ(start, Call(form_, L"ShowFolderBrowser", {start, title}).text());
    EXPECT_TRUE(user.ok());
    EXPECT_TRUE(titled);
}

}  // namespace
