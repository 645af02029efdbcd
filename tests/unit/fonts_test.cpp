// Fonts of controls as the window uses them: every change read back with GetObject from
// the font the control holds (WM_GETFONT), and the fonts the library replaced really gone.
#include <gtest/gtest.h>

#include <string>

#include "control/default_font.h"
#include "control_fixture.h"
#include "gdi_count.h"

using namespace test;

namespace {

struct ControlFonts : ControlTest {
    void SetUp() override {
        ControlTest::SetUp();
        list = addList(L"fonts");
        hwndList = HwndOf(list);
    }
    HFONT font() const { return reinterpret_cast<HFONT>(SendMessageA(hwndList, WM_GETFONT, 0, 0)); }
    LOGFONTA logFont() const {
        LOGFONTA lf{};
        EXPECT_TRUE(FontOf(hwndList, &lf));
        return lf;
    }
    // Gives the control a font the test made, as if it came with the control.
    HFONT giveFont(LOGFONTA lf) {
        HFONT f = CreateFontIndirectA(&lf);
        SendMessageA(hwndList, WM_SETFONT, reinterpret_cast<WPARAM>(f), TRUE);
        return f;
    }
    IDispatch* list = nullptr;
    HWND hwndList = nullptr;
};

TEST_F(ControlFonts, SizeIsTheRawHeightAndNegativeStaysNegative) {
    ASSERT_EQ(S_OK, Put(list, L"FontSize", Arg(16)).hr);
    EXPECT_EQ(16, GetLong(list, L"FontSize"));
    EXPECT_EQ(16, logFont().lfHeight);
    LOGFONTA lf = logFont();
    lf.lfHeight = -13;
    HFONT mine = giveFont(lf);
    EXPECT_EQ(-13, GetLong(list, L"FontSize"));
    Put(list, L"FontSize", Arg(20));
    EXPECT_EQ(20, logFont().lfHeight);
    DeleteObject(mine);
}

struct StyleCase {
    const wchar_t* set;
    const wchar_t* reads;
    LONG weight;
    BYTE italic, underline;
};

const StyleCase kStyles[] = {
    { L"BU",        L"bu",  900, 0, 1 },
    { L"underline", L"iu",  400, 1, 1 },  // the word holds both letters
    { L"",          L"",    400, 0, 0 },
    { L"xyz",       L"",    400, 0, 0 },
    { L"u b i",     L"biu", 900, 1, 1 },
    { L"I",         L"i",   400, 1, 0 },
};

TEST_F(ControlFonts, StyleLettersCountAnywhereAndReadBackInOrder) {
    for (const StyleCase& c : kStyles) {
        ASSERT_EQ(S_OK, Put(list, L"FontStyle", Arg(c.set)).hr) << c.set;
        EXPECT_EQ(c.reads, GetText(list, L"FontStyle")) << c.set;
        LOGFONTA lf = logFont();
        EXPECT_EQ(c.weight, lf.lfWeight) << c.set;
        EXPECT_EQ(c.italic, lf.lfItalic) << c.set;
        EXPECT_EQ(c.underline, lf.lfUnderline) << c.set;
    }
}

TEST_F(ControlFonts, NameOrSizeMakesTheFontRegularAndKeepsWhatWasSetBefore) {
    Put(list, L"FontName", Arg(L"Tahoma"));
    Put(list, L"FontSize", Arg(18));
    Put(list, L"FontStyle", Arg(L"b"));
    EXPECT_EQ(L"b", GetText(list, L"FontStyle"));
    Put(list, L"FontSize", Arg(19));
    EXPECT_EQ(L"", GetText(list, L"FontStyle"));
    EXPECT_EQ(L"Tahoma", GetText(list, L"FontName"));
    Put(list, L"FontStyle", Arg(L"iu"));
    Put(list, L"FontName", Arg(L"Arial"));
    EXPECT_EQ(L"", GetText(list, L"FontStyle"));
    EXPECT_EQ(19, GetLong(list, L"FontSize"));
    EXPECT_EQ(L"Arial", GetText(list, L"FontName"));
}

TEST_F(ControlFonts, ZeroOrNegativeSizeKeepsTheHeightButRebuildsTheFont) {
    Put(list, L"FontSize", Arg(20));
    Put(list, L"FontStyle", Arg(L"b"));
    for (long size : {0L, -5L, static_cast<long>(0x80000000)}) {
        HFONT before = font();
        Put(list, L"FontSize", Arg(size));
        EXPECT_NE(before, font()) << size;
        EXPECT_EQ(20, GetLong(list, L"FontSize")) << size;
        EXPECT_EQ(L"", GetText(list, L"FontStyle")) << size;
        Put(list, L"FontStyle", Arg(L"b"));
    }
}

TEST_F(ControlFonts, WeightAbove400ReadsBoldAndStrikeOutIsNeverTouched) {
    LOGFONTA lf = logFont();
    lf.lfWeight = 700;
    lf.lfStrikeOut = 1;
    HFONT mine = giveFont(lf);
    EXPECT_EQ(L"b", GetText(list, L"FontStyle"));
    Put(list, L"FontStyle", Arg(L"b"));
    EXPECT_EQ(900, logFont().lfWeight);
    EXPECT_EQ(1, logFont().lfStrikeOut);
    EXPECT_EQ(L"b", GetText(list, L"FontStyle"));
    EXPECT_EQ(OBJ_FONT, GetObjectType(mine)) << "a font the library did not create is never deleted";
    DeleteObject(mine);
}

TEST_F(ControlFonts, NamesAreCutTo31CharactersAndReadBackWhole) {
    const std::wstring forty = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    Put(list, L"FontName", Arg(forty));
    EXPECT_EQ(forty.substr(0, 31), GetText(list, L"FontName"));
    // Characters above 128 belong to the name (é, Ü and ß are one byte each in the code page).
    const std::wstring accented = L"Caf\u00e9 \u00dcbers\u00e4tze \u00df";
    Put(list, L"FontName", Arg(accented));
    EXPECT_EQ(accented, GetText(list, L"FontName"));
    // Spaces around the name are not part of it; the bytes after its NUL are never read.
    Put(list, L"FontName", Arg(L"  Courier  "));
    EXPECT_EQ(L"Courier", GetText(list, L"FontName"));
    EXPECT_STREQ("  Courier  ", logFont().lfFaceName);
    Put(list, L"FontName", Arg(L"   "));
    EXPECT_EQ(L"", GetText(list, L"FontName")) << "a name of blanks only";
    Put(list, L"FontName", Arg(L"Sym"));
    EXPECT_EQ(L"Sym", GetText(list, L"FontName"));
}

TEST_F(ControlFonts, ImagesAndWindowsWithoutAFontAnswerEmptyAndChangeNothing) {
    IDispatch* image = addImage(L"img", L"", 10, 140, 40, 40);
    HWND h = HwndOf(image);
    HFONT before = reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0));
    EXPECT_EQ(L"", GetText(image, L"FontName"));
    EXPECT_EQ(0, GetLong(image, L"FontSize"));
    EXPECT_EQ(L"", GetText(image, L"FontStyle"));
    Put(image, L"FontName", Arg(L"Arial"));
    Put(image, L"FontSize", Arg(30));
    Put(image, L"FontStyle", Arg(L"b"));
    EXPECT_EQ(before, reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0)));

    SendMessageA(hwndList, WM_SETFONT, 0, TRUE);  // the system font: nothing to read
    EXPECT_EQ(L"", GetText(list, L"FontName"));
    EXPECT_EQ(0, GetLong(list, L"FontSize"));
    Put(list, L"FontSize", Arg(30));
    EXPECT_EQ(nullptr, font());
}

TEST_F(ControlFonts, EveryReplacedFontIsDeletedAndTheLastOneEndsWithTheObject) {
    HFONT stock = font();
    ASSERT_TRUE(mv::IsDefaultControlFont(stock)) << "the shared font every control starts with";
    // A themed list box makes what it draws with at its first change of font.
    Put(list, L"FontSize", Arg(9));
    Put(list, L"FontName", Arg(L"Tahoma"));
    Put(list, L"FontSize", Arg(8));
    const long objects = GdiObjectCount() - 1;  // without the font the control holds now
    HFONT previous = nullptr;
    for (int i = 0; i < 10000; ++i) {
        Put(list, i % 2 ? L"FontSize" : L"FontStyle", i % 2 ? Arg(10 + i % 20) : Arg(L"bi"));
        HFONT now = font();
        ASSERT_NE(previous, now);
        if (previous) {
            ASSERT_EQ(0u, GetObjectType(previous)) << "change " << i;
        }
        previous = now;
    }
    EXPECT_EQ(OBJ_FONT, GetObjectType(stock));
    if (objects >= 0) {
        EXPECT_EQ(objects + 1, GdiObjectCount()) << "one font held: the control's current one";
    }
    // The control ends with its form; its last font goes with it.
    ASSERT_EQ(OBJ_FONT, GetObjectType(previous));
    list = nullptr;
    desktop_->closeAll();
    EXPECT_EQ(0u, GetObjectType(previous));
}

}  // namespace
