// Controls as a screen reader sees them, through the system's accessibility interface
// (AccessibleObjectFromWindow): a progress bar is named by its label, an image by its
// AccessibleName, and a ToolTip is the description; everything else stays the system's.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <string>

#include "script_objects.h"

namespace test {
namespace {

// What a screen reader reads of a window's client object: its name and description
// ("<none>" when the object gives none).
struct Read {
    std::wstring name;
    std::wstring description;
};

// One text of the object, read by `get` into a string.
template <typename Get>
std::wstring Text(Get get) {
    BSTR b = nullptr;
    const HRESULT hr = get(&b);
    std::wstring text = SUCCEEDED(hr) && b ? std::wstring(b, SysStringLen(b)) : L"<none>";
    SysFreeString(b);
    return text;
}

Read ReadOf(HWND hwnd) {
    IAccessible* acc = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&acc))) || !acc)
        return {L"<no object>", L"<no object>"};
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    Read r{Text([&](BSTR* b) { return acc->get_accName(self, b); }),
           Text([&](BSTR* b) { return acc->get_accDescription(self, b); })};
    acc->Release();
    return r;
}

// A script host's thread is in a COM apartment, where the answer to a screen reader can
// be marshalled.
struct Apartment {
    Apartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~Apartment() { CoUninitialize(); }
};

struct Accessible : testing::Test {
    Apartment apartment;
    Session s;
    Obj form = s.form(L"reader", 200, 150, 360, 260);
    Obj label = form.obj(L"AddLabel", {L"copying", L"Copying:", 20, 20, 80, 20});
    Obj bar = form.obj(L"AddProgressBar", {L"bar", 110, 20, 200, 20});
    Obj nameLabel = form.obj(L"AddLabel", {L"nameLabel", L"&Name:", 20, 60, 80, 20});
    Obj name = form.obj(L"AddTextbox", {L"name", L"", 110, 60, 200, 24});
    Obj logo = form.obj(L"AddImage", {L"logo", L"", 20, 100, 50, 50});
};

// A field is named by the label just before it. Windows' oleacc reads the name of a
// window without text of its own from the static control before it in z-order; Wine's
// does that for text boxes only and gives other kinds no name. So: the text box's name
// as a screen reader reads it, and the bar's window text (no longer "PB", which screen
// readers announced) and its place right after its label.
TEST_F(Accessible, AFieldAndAProgressBarAreNamedByTheirLabels) {
    EXPECT_EQ(L"Name:", ReadOf(name.hwnd()).name) << "without the &";
    EXPECT_EQ(0, GetWindowTextLengthW(bar.hwnd()));
    EXPECT_NE(L"PB", ReadOf(bar.hwnd()).name);
    EXPECT_EQ(label.hwnd(), GetWindow(bar.hwnd(), GW_HWNDPREV));
}

TEST_F(Accessible, AccessibleNameNamesAnImage) {
    EXPECT_EQ(L"", logo.str(L"AccessibleName"));
    logo.put(L"AccessibleName", L"Company logo");
    EXPECT_EQ(L"Company logo", logo.str(L"AccessibleName"));
    EXPECT_EQ(L"Company logo", ReadOf(logo.hwnd()).name);
    logo.put(L"AccessibleName", L"");
    EXPECT_NE(L"Company logo", ReadOf(logo.hwnd()).name) << "empty gives the system's name back";
}

// The name stays the label's (without its &) when only the description is the control's.
TEST_F(Accessible, AToolTipIsTheDescriptionAndShowsOverTheControl) {
    const std::wstring before = ReadOf(name.hwnd()).name;
    name.put(L"ToolTip", L"Your name as on your passport");
    EXPECT_EQ(L"Your name as on your passport", name.str(L"ToolTip"));
    Read r = ReadOf(name.hwnd());
    EXPECT_EQ(L"Your name as on your passport", r.description);
    EXPECT_EQ(before, r.name);
    HWND tips = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
    while (tips && GetWindow(tips, GW_OWNER) != form.hwnd()) tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr);
    ASSERT_NE(nullptr, tips) << "the form's tooltip window";
    EXPECT_EQ(2, SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0)) << "hover and focus";
    name.put(L"ToolTip", L"");
    EXPECT_EQ(0, SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0));
}

}  // namespace
}  // namespace test
