// Desktop as a script sees it: creating and finding forms, closing them, the screen size,
// the version and the diagnostics switch.
#include <gtest/gtest.h>

#include <thread>

#include "core/diagnostics.h"
#include "core/module_instance.h"
#include "fixtures.h"
#include "form/form_wndproc.h"
#include "window/form_class.h"
#include "window/window_props.h"

using namespace test;

namespace {

std::string WindowText(HWND h) {
    char buf[512];
    int n = GetWindowTextA(h, buf, sizeof(buf));
    return std::string(buf, n > 0 ? n : 0);
}

long PositionOf(HWND h) { return static_cast<long>(mv::GetWindowValue(h, mv::prop::kPosition)); }

// Closes the first message box with this title that appears, pressing its default button.
std::thread AnswerMessageBox(const char* title, std::string* text) {
    return std::thread([title, text] {
        HWND box = WaitForWindow("#32770", title, 10000);
        if (!box) return;
        if (text) {
            HWND label = GetDlgItem(box, 0xFFFF);  // the message text of a message box
            char buf[1024] = {};
            if (label) GetWindowTextA(label, buf, sizeof(buf));
            *text = buf;
        }
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
}

}  // namespace

TEST_F(DesktopTest, CreateFormWithNameAndCaptionMakesAHiddenDefaultWindow) {
    IDispatch* form = createForm(L"Main");
    ASSERT_NE(form, nullptr);
    HWND h = hwndOf(form);
    ASSERT_TRUE(IsWindow(h));
    char cls[64];
    GetClassNameA(h, cls, sizeof(cls));
    EXPECT_STREQ(cls, "MVVBMainWND");
    EXPECT_EQ(WindowText(h), "Caption of Main");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE)) & ~(WS_CLIPSIBLINGS), static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(GetWindowLongA(h, GWL_EXSTYLE) & ~(WS_EX_WINDOWEDGE), 0);
    EXPECT_FALSE(IsWindowVisible(h));
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r.right - r.left, 150);
    EXPECT_EQ(r.bottom - r.top, 125);
    EXPECT_NE(r.left, static_cast<LONG>(0x80000000));  // the system chose the position
    EXPECT_EQ(GetParent(h), nullptr);
    EXPECT_EQ(GetWindow(h, GW_OWNER), nullptr);
    EXPECT_EQ(GetLong(form, L"Visible"), 0);
    EXPECT_EQ(GetText(form, L"name"), L"Main");
    EXPECT_EQ(Get(form, L"Parent").object(), desktop());
}

TEST_F(DesktopTest, CreateFormTakesPositionAndSize) {
    IDispatch* form = createForm(L"Placed", {Arg(40), Arg(30), Arg(320), Arg(200)});
    RECT r;
    GetWindowRect(hwndOf(form), &r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right - r.left, 320);
    EXPECT_EQ(r.bottom - r.top, 200);
}

TEST_F(DesktopTest, DuplicateNamesInAnyCaseReturnNothingAndChangeNothing) {
    IDispatch* first = createForm(L"Main");
    HWND h = hwndOf(first);
    for (const wchar_t* name : {L"Main", L"MAIN", L"main"}) {
        Outcome o = Call(desktop(), L"CreateForm", {Arg(name), Arg(L"Other")});
        ASSERT_EQ(o.hr, S_OK);
        EXPECT_EQ(V_VT(&o.value), VT_DISPATCH);
        EXPECT_EQ(o.object(), nullptr);
    }
    EXPECT_EQ(WindowText(h), "Caption of Main");
    EXPECT_EQ(FindWindowA("MVVBMainWND", "Other"), nullptr);
    EXPECT_EQ(GetLong(desktop(), L"Count"), 1);
}

TEST_F(DesktopTest, PositionsFollowTheRegistryAndAreRenumberedOnRemoval) {
    IDispatch* a = createForm(L"A");
    IDispatch* b = createForm(L"B");
    IDispatch* c = createForm(L"C");
    HWND ha = hwndOf(a), hb = hwndOf(b), hc = hwndOf(c);
    EXPECT_EQ(PositionOf(ha), 1);
    EXPECT_EQ(PositionOf(hb), 2);
    EXPECT_EQ(PositionOf(hc), 3);
    // Every other property of a fresh form reads 0.
    for (const char* name : {mv::prop::kLastFocused, mv::prop::kDefaultCtl, mv::prop::kCloseDeactivated,
                             mv::prop::kNotMoveable, mv::prop::kIsDestroyed, mv::prop::kOwnedChild})
        EXPECT_EQ(mv::GetWindowValue(ha, name), 0) << name;

    DestroyWindow(hb);  // from outside the library
    EXPECT_EQ(GetLong(desktop(), L"Count"), 2);
    EXPECT_EQ(PositionOf(ha), 1);
    EXPECT_EQ(PositionOf(hc), 2);
    EXPECT_EQ(Call(desktop(), L"forms", {Arg(2)}).object(), c);
    EXPECT_EQ(Call(desktop(), L"forms", {Arg(L"b")}).object(), nullptr);
}

TEST_F(DesktopTest, FormsFindsByNameOrPositionAndOtherwiseNothing) {
    IDispatch* a = createForm(L"Alpha");
    IDispatch* b = createForm(L"Beta");
    struct Case { Arg key; IDispatch* want; const char* what; };
    Case cases[] = {
        {Arg(L"alpha"), a, "name, other case"}, {Arg(L"BETA"), b, "name"}, {Arg(1), a, "position 1"},
        {Arg(2), b, "position 2"}, {Arg(2.0), b, "position as a double"}, {Arg(0), nullptr, "0"},
        {Arg(3), nullptr, "past the end"}, {Arg(-1), nullptr, "negative"}, {Arg(0x7FFFFFFF), nullptr, "huge"},
        {Arg(L"gamma"), nullptr, "unknown name"}, {Arg(L"1"), nullptr, "a number as text is a name"},
        {Arg::Empty(), nullptr, "empty"}, {Arg::Null(), nullptr, "null"}, {Arg(desktop()), nullptr, "an object"},
    };
    for (Case& c : cases) {
        Outcome o = Call(desktop(), L"forms", {c.key});
        EXPECT_EQ(o.hr, S_OK) << c.what;
        EXPECT_EQ(o.object(), c.want) << c.what;
    }
    VARIANT byRef;  // a VBScript variable holding the name
    VariantInit(&byRef);
    V_VT(&byRef) = VT_BSTR;
    V_BSTR(&byRef) = SysAllocString(L"Beta");
    EXPECT_EQ(Call(desktop(), L"forms", {Arg::ByRef(&byRef)}).object(), b);
    VariantClear(&byRef);
}

TEST_F(DesktopTest, CloseAllDestroysEveryFormAndLeavesThemAnswering) {
    Call(desktop(), L"CloseAll");  // empty registry: nothing happens
    EXPECT_EQ(GetLong(desktop(), L"Count"), 0);

    mv::ComPtr<IDispatch> a(createForm(L"A")), b(createForm(L"B")), c(createForm(L"C"));
    HWND ha = hwndOf(a.get());
    Put(b.get(), L"Visible", Arg(1));
    ASSERT_EQ(Call(desktop(), L"CloseAll").hr, S_OK);
    EXPECT_EQ(GetLong(desktop(), L"Count"), 0);
    EXPECT_FALSE(IsWindow(ha));
    EXPECT_FALSE(IsWindow(hwndOf(b.get())));
    // Forms used after CloseAll: names, handles and strings still answer, windows read 0.
    EXPECT_EQ(GetText(a.get(), L"name"), L"A");
    EXPECT_EQ(hwndOf(a.get()), ha);
    EXPECT_EQ(GetLong(b.get(), L"Visible"), 0);
    EXPECT_EQ(Put(b.get(), L"Visible", Arg(1)).hr, S_OK);
    EXPECT_EQ(GetLong(b.get(), L"Visible"), 0);
    EXPECT_EQ(GetText(b.get(), L"LastEvent"), L"");
    EXPECT_EQ(Put(c.get(), L"OnShow", Arg(L"x()")).hr, S_OK);
    EXPECT_EQ(GetText(c.get(), L"OnShow"), L"x()");
    Call(desktop(), L"CloseAll");  // again: nothing left to do
}

TEST_F(DesktopTest, DebugOptionReadsOneOrZeroAndANewDesktopResetsIt) {
    Put(desktop(), L"DebugOption", Arg(5));
    EXPECT_EQ(GetLong(desktop(), L"DebugOption"), 1);
    Put(desktop(), L"DebugOption", Arg(-1));
    EXPECT_EQ(GetLong(desktop(), L"DebugOption"), 1);
    Put(desktop(), L"DebugOption", Arg(0));
    EXPECT_EQ(GetLong(desktop(), L"DebugOption"), 0);
    Put(desktop(), L"DebugOption", Arg(1));
    mv::ComPtr<mv::Desktop> second = mv::Desktop::Create();
    EXPECT_EQ(GetLong(second->dispatch(), L"DebugOption"), 0);
    EXPECT_EQ(GetLong(desktop(), L"DebugOption"), 0);  // one switch for the process
    EXPECT_EQ(mv::CurrentDesktop(), second.get());
}

// A script that sets its variable to a new Desktop (Set d = CreateObject(...) again)
// creates the new one before it lets the old one go: the old one's end must leave the
// current Desktop able to create forms.
TEST_F(DesktopTest, AnEarlierDesktopEndingLeavesTheCurrentOneWorking) {
    mv::ComPtr<mv::Desktop> second = mv::Desktop::Create();
    drop();  // the script drops the first one
    Outcome o = Call(second->dispatch(), L"CreateForm", {Arg(L"After"), Arg(L"x")});
    EXPECT_NE(o.object(), nullptr) << "the form class went with the first Desktop";
    second->closeAll();
}

TEST_F(DesktopTest, VersionShowsTheInformationBoxOnlyWhenAsked) {
    Outcome quiet = Get(desktop(), L"Version", {Arg::Bool(false)});
    EXPECT_EQ(quiet.text(), L"1.142");
    EXPECT_EQ(FindWindowA("#32770", "Informations"), nullptr);
    EXPECT_EQ(GetText(desktop(), L"Version"), L"1.142");  // the argument is optional

    std::string text;
    std::thread answer = AnswerMessageBox("Informations", &text);
    Outcome shown = Get(desktop(), L"Version", {Arg(1)});
    answer.join();
    EXPECT_EQ(shown.text(), L"1.142");
    // Five lines: two of invitation, the address, an empty line, the author.
    int lines = 1;
    for (char ch : text) lines += ch == '\n';
    EXPECT_EQ(lines, 5) << text;
    EXPECT_NE(text.find("\n\n"), std::string::npos);
}

TEST_F(DesktopTest, ScreenSizeIsTwipsOverFifteen) {
    HDC dc = GetDC(nullptr);
    int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    long wantH = static_cast<long>(GetSystemMetrics(SM_CYSCREEN) * 1440.0 / dpi / 15.0);
    EXPECT_EQ(GetLong(desktop(), L"Height"), wantH);
    if (dpi == 96) {
        EXPECT_EQ(GetLong(desktop(), L"Width"), GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(GetLong(desktop(), L"Height"), GetSystemMetrics(SM_CYSCREEN));
    }
}

TEST_F(DesktopTest, CountRunsOneMessagePass) {
    createForm(L"A");
    HWND h = hwndOf(desktop_->lookupForm(Arg(L"A").get()));
    PostMessageA(h, WM_NULL, 0, 0);
    EXPECT_EQ(GetLong(desktop(), L"Count"), 1);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(DesktopTest, NewEnumYieldsTheFormsInRegistryOrder) {
    IDispatch* a = createForm(L"A");
    IDispatch* b = createForm(L"B");
    IDispatch* c = createForm(L"C");
    Outcome o = Get(desktop(), L"NewEnum");
    ASSERT_EQ(V_VT(&o.value), VT_UNKNOWN);
    mv::ComPtr<IEnumVARIANT> e;
    ASSERT_EQ(V_UNKNOWN(&o.value)->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(e.put())), S_OK);
    VARIANT items[4];
    ULONG got = 0;
    EXPECT_EQ(e->Next(2, items, &got), S_OK);
    ASSERT_EQ(got, 2u);
    EXPECT_EQ(V_DISPATCH(&items[0]), a);
    EXPECT_EQ(V_DISPATCH(&items[1]), b);
    VariantClear(&items[0]);
    VariantClear(&items[1]);
    mv::ComPtr<IEnumVARIANT> clone;
    ASSERT_EQ(e->Clone(clone.put()), S_OK);
    EXPECT_EQ(e->Next(4, items, &got), S_FALSE);  // short: only C is left
    ASSERT_EQ(got, 1u);
    EXPECT_EQ(V_DISPATCH(&items[0]), c);
    VariantClear(&items[0]);
    EXPECT_EQ(clone->Skip(1), S_OK);
    EXPECT_EQ(clone->Skip(1), S_FALSE);
    EXPECT_EQ(e->Reset(), S_OK);
    EXPECT_EQ(e->Next(1, items, nullptr), S_OK);
    EXPECT_EQ(V_DISPATCH(&items[0]), a);
    VariantClear(&items[0]);
}

TEST_F(DesktopTest, CreateFormFailureIsReportedOnlyWithDiagnostics) {
    // A name the registry cannot take is impossible to pass; a window the system refuses
    // (a class that does not exist after unregistering) returns nothing silently.
    UnregisterClassW(mv::kFormClassName, mv::ModuleInstance());
    Put(desktop(), L"DebugOption", Arg(1));
    Outcome o = Call(desktop(), L"CreateForm", {Arg(L"NoClass"), Arg(L"x")});
    EXPECT_EQ(o.hr, S_OK);
    EXPECT_EQ(o.object(), nullptr);
    EXPECT_EQ(FindWindowA("#32770", "Addform method"), nullptr);
    Put(desktop(), L"DebugOption", Arg(0));
    WNDCLASSEXW wc{};
    wc.hInstance = mv::ModuleInstance();
    mv::DescribeFormClass(wc, mv::kFormClassName, &mv::FormWndProc);
    RegisterClassExW(&wc);
}
