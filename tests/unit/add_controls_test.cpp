// Control creation as a script sees it: every add method, the window it creates (class,
// styles, text, font, subclassing, marks) read back from the window itself, names that
// are taken, and the failure report.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <climits>
#include <thread>

#include "control/control.h"
#include "control/default_font.h"
#include "core/dpi.h"
#include "form/add_controls.h"
#include "script_objects.h"
#include "form/ctrl_wndproc.h"
#include "window/window_props.h"

namespace test {
namespace {

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string TextOf(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

struct KindCase {
    const wchar_t* method;
    std::vector<Arg> args;
    long kind;
    const char* windowClass;
    DWORD style;    // expected, WS_CHILD | WS_VISIBLE added by the test
    DWORD exStyle;  // expected bits
    const char* text;
    const wchar_t* onClick;
};

// Every kind, with the options that change its style.
std::vector<KindCase> KindCases() {
    return {
        { L"AddCmdButton", { L"b0", L"OK", 1, 2, 80, 24, L"ok()", 0 }, 0, "Button", WS_TABSTOP, 0, "OK", L"ok()" },
        { L"AddCmdButton", { L"b1", L"Two\nlines", 1, 2, 80, 40, L"", 1 }, 0, "Button", WS_TABSTOP | BS_MULTILINE, 0,
          "Two\nlines", L"" },
        { L"AddLabel", { L"l0", L"Name:", 1, 30, 80, 20 }, 1, "Static", SS_LEFT | SS_NOPREFIX, WS_EX_TRANSPARENT,
          "Name:", L"" },
        { L"AddLabel", { L"l1", L"c", 1, 30, 80, 20, -1 }, 1, "Static", SS_CENTER | SS_NOPREFIX, WS_EX_TRANSPARENT,
          "c", L"" },
        { L"AddLabel", { L"l2", L"r", 1, 30, 80, 20, 9 }, 1, "Static", SS_RIGHT | SS_NOPREFIX, WS_EX_TRANSPARENT,
          "r", L"" },
        { L"AddTextbox", { L"t0", L"hello", 1, 60, 80, 20, L"typed()" }, 2, "Edit", 0x100C0, WS_EX_CLIENTEDGE,
          "hello", L"typed()" },
        { L"AddTextbox", { L"t1", L"", 1, 60, 80, 60, L"", 2, 5 }, 2, "Edit", 0x100C0 | ES_RIGHT | 0x300004,
          WS_EX_CLIENTEDGE, "", L"" },
        { L"AddTextbox", { L"t2", L"", 1, 60, 80, 20, L"", LONG_MIN }, 2, "Edit", 0x100C0 | ES_RIGHT,
          WS_EX_CLIENTEDGE, "", L"" },
        { L"AddComboBox", { L"c0", 1, 90, 80, 100, L"picked()" }, 3, "ComboBox", 0x310343, WS_EX_CLIENTEDGE,
          nullptr, L"picked()" },
        { L"AddListBox", { L"s0", 1, 120, 80, 100, L"" }, 4, "ListBox", 0x310003, WS_EX_CLIENTEDGE, "", L"" },
        { L"AddProgressBar", { L"p0", 1, 230, 80, 20 }, 5, "msctls_progress32", 0x1, 0, "", L"" },
        { L"AddProgressBar", { L"p1", 1, 230, 80, 20, 2 }, 5, "msctls_progress32", 0x1, 0, "", L"" },
        { L"AddFrame", { L"f0", L"Options", 100, 1, 150, 200 }, 6, "Button", BS_GROUPBOX, WS_EX_TRANSPARENT, "Options", L"" },
        { L"AddImage", { L"i0", L"Z:\\nothing.bmp", 100, 1, 50, 50 }, 7, "Static", SS_BITMAP, WS_EX_TRANSPARENT,
          "", L"" },
        { L"AddOptionBox", { L"o0", L"Red", 110, 20, 80, 20, L"red()" }, 8, "Button", BS_AUTORADIOBUTTON, 0, "Red",
          L"red()" },
        { L"AddOptionBox", { L"o1", L"Blue", 110, 40, 80, 20, L"", -3 }, 8, "Button",
          BS_AUTORADIOBUTTON | BS_LEFTTEXT, 0, "Blue", L"" },
        { L"AddCheckBox", { L"k0", L"Sure", 110, 60, 80, 20, L"sure()" }, 9, "Button", BS_AUTOCHECKBOX, 0, "Sure",
          L"sure()" },
        { L"AddCheckBox", { L"k1", L"Left", 110, 80, 80, 20, L"", 1 }, 9, "Button", BS_AUTOCHECKBOX | BS_LEFTTEXT, 0,
          "Left", L"" },
    };
}

// What the new windows receive while they are created, as another program hooking the
// thread would see it: the creation text, and the messages sent to them.
struct CreationSpy {
    struct Created {
        HWND hwnd;
        std::string cls, text;
        DWORD style, exStyle;
    };
    static inline std::vector<Created> created;
    static inline std::vector<CWPSTRUCT> sent;
    HHOOK cbt = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    HHOOK calls = SetWindowsHookExA(WH_CALLWNDPROC, OnCall, nullptr, GetCurrentThreadId());
    ~CreationSpy() {
        UnhookWindowsHookEx(cbt);
        UnhookWindowsHookEx(calls);
    }
    static LRESULT CALLBACK OnCbt(int code, WPARAM wp, LPARAM lp) {
        if (code == HCBT_CREATEWND) {
            const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lp)->lpcs;
            char cls[64] = {};
            GetClassNameA(reinterpret_cast<HWND>(wp), cls, sizeof cls);
            created.push_back({reinterpret_cast<HWND>(wp), cls, cs->lpszName ? cs->lpszName : "",
                               static_cast<DWORD>(cs->style), cs->dwExStyle});
        }
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    static LRESULT CALLBACK OnCall(int code, WPARAM wp, LPARAM lp) {
        if (code == HC_ACTION) sent.push_back(*reinterpret_cast<CWPSTRUCT*>(lp));
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    static const Created* Find(HWND h) {
        for (const Created& c : created)
            if (c.hwnd == h) return &c;
        return nullptr;
    }
    static bool Sent(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
        for (const CWPSTRUCT& m : sent)
            if (m.hwnd == h && m.message == msg && m.wParam == wp && m.lParam == lp) return true;
        return false;
    }
};

TEST(AddControls, EachKindCreatesItsWindowAsTheTableSays) {
    Session s;
    Obj form = s.form(L"kinds");
    CreationSpy spy;
    long position = 0;
    for (const KindCase& k : KindCases()) {
        SCOPED_TRACE(testing::Message() << "control " << std::wstring(k.args[0].get().bstrVal).c_str());
        Obj c = form.obj(k.method, k.args);
        ASSERT_TRUE(c);
        ++position;
        HWND h = c.hwnd();
        ASSERT_TRUE(IsWindow(h));
        EXPECT_EQ(form.hwnd(), GetParent(h));
        EXPECT_EQ(0, GetDlgCtrlID(h)) << "controls are told apart by handle only";
        EXPECT_STRCASEEQ(k.windowClass, ClassOf(h).c_str());

        // Created exactly as the table says, hidden; shown afterwards.
        const CreationSpy::Created* made = CreationSpy::Find(h);
        ASSERT_NE(nullptr, made);
        EXPECT_EQ(k.style | WS_CHILD, made->style) << std::hex << made->style;
        EXPECT_EQ(k.exStyle, made->exStyle) << std::hex << made->exStyle;
        if (k.text) EXPECT_EQ(k.text, made->text);
        EXPECT_EQ(k.kind <= 4 && k.kind != 1, (made->style & WS_TABSTOP) != 0) << "only buttons, texts and lists tab";
        EXPECT_TRUE(GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE);
        EXPECT_TRUE(CreationSpy::Sent(h, WM_SETFONT, reinterpret_cast<WPARAM>(mv::DefaultControlFont(mv::WindowDpi(h), false)), 1));

        EXPECT_EQ(k.kind, mv::GetWindowValue(h, mv::prop::kKind));
        EXPECT_EQ(position, mv::GetWindowValue(h, mv::prop::kPosition));
        // Read wide: the control is a Unicode window, whose procedures the ANSI reads would wrap.
        EXPECT_TRUE(IsWindowUnicode(h));
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(&mv::CtrlWndProc), GetWindowLongPtrW(h, GWLP_WNDPROC));
        EXPECT_EQ(static_cast<LONG_PTR>(GetClassLongPtrW(h, GCLP_WNDPROC)), mv::GetWindowValue(h, mv::prop::kOldProc))
            << "the class's own procedure is kept";

        EXPECT_EQ(std::wstring(k.args[0].get().bstrVal), c.str(L"name"));
        EXPECT_EQ(k.onClick, c.str(L"OnClick"));
        EXPECT_EQ(form.get(), c.obj(L"Parent").get());
        EXPECT_EQ(c.get(), form.obj(L"controls", {position}).get());
        EXPECT_EQ(1, c.num(L"Visible"));
    }
    EXPECT_EQ(position, form.num(L"Count"));
}

TEST(AddControls, ComboTextAndListColumnWidth) {
    Session s;
    Obj form = s.form(L"spy");
    CreationSpy spy;
    Obj combo = form.obj(L"AddComboBox", {L"c", 1, 1, 100, 100});
    Obj list = form.obj(L"AddListBox", {L"l", 1, 1, 123, 100});
    ASSERT_TRUE(combo && list);

    const CreationSpy::Created* made = CreationSpy::Find(combo.hwnd());
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(std::string(254, ' '), made->text) << "254 blanks, then the terminating NUL";
    EXPECT_TRUE(CreationSpy::Sent(list.hwnd(), LB_SETCOLUMNWIDTH, 123, 0));
    EXPECT_FALSE(CreationSpy::Sent(combo.hwnd(), LB_SETCOLUMNWIDTH, 100, 0));
}

TEST(AddControls, NamesAreUniqueInAnyLetterCase) {
    Session s;
    Obj form = s.form(L"dups");
    Obj first = form.obj(L"AddCmdButton", {L"OK", L"first", 1, 1, 50, 20, L"one"});
    ASSERT_TRUE(first);
    HWND before = GetWindow(form.hwnd(), GW_CHILD);
    for (const wchar_t* method : {L"AddCmdButton", L"AddImage", L"AddLabel"}) {
        Obj again = form.obj(method, {L"ok", L"second", 1, 30, 50, 20});
        EXPECT_FALSE(again) << method;
    }
    EXPECT_EQ(1, form.num(L"Count"));
    EXPECT_EQ(before, GetWindow(form.hwnd(), GW_CHILD));
    EXPECT_EQ(nullptr, GetWindow(before, GW_HWNDNEXT)) << "no second window was created";
    EXPECT_EQ("first", TextOf(first.hwnd()));
}

TEST(AddControls, PositionsFollowTheOrderOfSuccessfulAdds) {
    Session s;
    Obj form = s.form(L"order");
    Obj a = form.obj(L"AddCmdButton", {L"a", L"a"});
    form.obj(L"AddCmdButton", {L"A", L"dup"});
    Obj b = form.obj(L"AddLabel", {L"b", L"b"});
    Obj c = form.obj(L"AddListBox", {L"c"});
    const Obj* all[] = {&a, &b, &c};
    for (long i = 1; i <= 3; ++i) {
        EXPECT_EQ(i, mv::GetWindowValue(all[i - 1]->hwnd(), mv::prop::kPosition));
        EXPECT_EQ(all[i - 1]->get(), form.obj(L"controls", {i}).get());
    }
    EXPECT_EQ(b.get(), form.obj(L"controls", {L"B"}).get());
    EXPECT_FALSE(form.obj(L"controls", {0L}));
}

TEST(AddControls, OnADestroyedFormNothingIsCreated) {
    Session s;
    Obj form = s.form(L"gone");
    s.script.call(L"CloseAll");
    EXPECT_FALSE(form.obj(L"AddCmdButton", {L"b", L"b", 1, 1, 50, 20}));
    EXPECT_EQ(0, form.num(L"Count"));
}

TEST(AddControls, ControlsAddedToAShownFormAppearAtOnce) {
    Session s;
    Obj form = s.form(L"shown");
    form.put(L"Visible", 1);
    Obj b = form.obj(L"AddCmdButton", {L"b", L"b", 1, 1, 50, 20});
    ASSERT_TRUE(b);
    EXPECT_TRUE(IsWindowVisible(b.hwnd()));
}

BOOL CALLBACK CollectErrorText(HWND child, LPARAM lp) {
    char t[256] = {};
    GetWindowTextA(child, t, sizeof t);
    if (std::string(t).find("Error") == 0) *reinterpret_cast<std::string*>(lp) = t;
    return TRUE;
}

TEST(AddControls, AnUnknownKindIsReportedWhileDiagnosticsAreOn) {
    Session s;
    Obj form = s.form(L"bad");
    s.script.put(L"DebugOption", 1);
    // The report is a modal box: read and close it from another thread.
    std::string title, text;
    std::thread answer([&] {
        for (int i = 0; i < 200 && title.empty(); ++i) {
            Sleep(25);
            HWND box = FindWindowA("#32770", "Addcontrol method");
            if (!box) continue;
            title = "Addcontrol method";
            EnumChildWindows(box, CollectErrorText, reinterpret_cast<LPARAM>(&text));
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    });
    mv::ComPtr<mv::Control> c = mv::Addcontrol(*FormOf(form), {13, L"odd", L"", 1, 1, 10, 10, L"", 0, 0});
    answer.join();
    EXPECT_FALSE(c);
    EXPECT_EQ("Addcontrol method", title);
    EXPECT_EQ("Error in adding object odd", text);

    // Kinds 10-12 have no window class: nothing is created and nothing is reported.
    s.script.put(L"DebugOption", 0);
    for (long kind = 10; kind <= 12; ++kind)
        EXPECT_FALSE(mv::Addcontrol(*FormOf(form), {kind, L"k" + std::to_wstring(kind), L"", 1, 1, 10, 10, L"", 0, 0}));
    EXPECT_EQ(0, form.num(L"Count"));
}

}  // namespace
}  // namespace test

namespace test {
namespace {

// A property of the new control as the script reads it, or nothing when the control
// does not offer the property (yet).
bool ReadIfOffered(const Obj& c, const wchar_t* name, Arg* out) {
    HRESULT hr = c.invoke(name, DISPATCH_PROPERTYGET, {}, &out->get());
    return hr != E_NOTIMPL && SUCCEEDED(hr);
}

TEST(AddControls, ProgressBarStyleAndImageSourceAreSetAfterwards) {
    Session s;
    Obj form = s.form(L"after");
    Obj plain = form.obj(L"AddProgressBar", {L"p1", 1, 1, 100, 20, 1});
    Obj painted = form.obj(L"AddProgressBar", {L"p2", 1, 30, 100, 20, 2});
    Obj defaulted = form.obj(L"AddProgressBar", {L"p3", 1, 60, 100, 20});
    ASSERT_TRUE(plain && painted && defaulted) << "the control comes back whether or not the style could be set";
    Arg style;
    if (ReadIfOffered(painted, L"ProgressBarStyle", &style)) {
        EXPECT_EQ(2, painted.num(L"ProgressBarStyle"));
        EXPECT_EQ(1, plain.num(L"ProgressBarStyle"));
        EXPECT_EQ(1, defaulted.num(L"ProgressBarStyle"));
    }

    Obj image = form.obj(L"AddImage", {L"img", L"Z:\\Pictures\\Logo.BMP", 1, 90, 50, 50});
    ASSERT_TRUE(image);
    Arg source;
    if (ReadIfOffered(image, L"Caption", &source)) {
        std::wstring got = image.str(L"Caption");
        EXPECT_EQ(0, _wcsicmp(L"Z:\\Pictures\\Logo.BMP", got.c_str())) << got.c_str();
    }
    EXPECT_FALSE(form.obj(L"AddImage", {L"IMG", L"Z:\\other.bmp", 1, 1, 5, 5}));
    if (ReadIfOffered(image, L"Caption", &source))
        EXPECT_EQ(0, _wcsicmp(L"Z:\\Pictures\\Logo.BMP", image.str(L"Caption").c_str())) << "the first image keeps its source";
}

}  // namespace
}  // namespace test
