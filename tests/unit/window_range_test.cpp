// Positions and sizes far outside the screen, as a script may pass them: no call hangs,
// and every value reads back within the range the platform keeps windows in
// (-32768..32767 for a position, 0..32767 for a size).
#include <gtest/gtest.h>

#include <string>

#include "control_fixture.h"
#include "script_process.h"
#include "service_fixture.h"

using namespace test;

namespace {

// A text box created by a script host of its own, which this test ends when it does not
// answer in time: a call that hangs fails the test instead of stopping the suite.
constexpr char kTextboxScript[] =
    "var a = WScript.Arguments, desk = new ActiveXObject('Morvane.Desktop');\r\n"
    "var form = desk.CreateForm('f', 'huge', 10, 10, 300, 200);\r\n"
    "form.Visible = 1;\r\n"
    "var box = form.AddTextbox('t', 'abc', 186, 89, +a(0), 382, '', +a(1), +a(2));\r\n"
    "WScript.Echo(box.Left + ' ' + box.Top + ' ' + box.Width + ' ' + box.Height);\r\n"
    "desk.CloseAll();\r\n";

struct HugeTextbox {
    long width, alignment, multiLine;
};
const HugeTextbox kHugeTextboxes[] = {
    {100000, 0, 0},   {100000, 1, 0},   {100000, 2, 0},   {10000000, 2, 0}, {21474837, 1, 0},
    {21474837, 2, 0}, {100000, 1, 1},   {100000, 2, 1},   {2147483647, 2, 0}, {32768, 2, 0},
};

struct WindowRange : ControlTest {};

TEST_F(WindowRange, AHugeTextboxOfEveryAlignmentIsCreatedAtOnce) {
    ScratchFolder dir;
    WriteFile(dir / "huge.js", kTextboxScript);
    for (const HugeTextbox& t : kHugeTextboxes) {
        const std::string args =
            std::to_string(t.width) + " " + std::to_string(t.alignment) + " " + std::to_string(t.multiLine);
        ScriptProcess script(dir / "huge.js", dir / "output.txt", args);
        ASSERT_TRUE(script.started());
        EXPECT_TRUE(script.ended(10000)) << "AddTextbox hangs with " << args;
        if (script.ended(0)) EXPECT_EQ("186 89 32767 382\r\n", ReadFile(dir / "output.txt")) << args;
    }
}

// What a script reads back after creating a control of each kind far out, and after
// moving it further.
struct Placed {
    long left, top, width, height;
};
struct FarCase {
    const char* what;
    Placed given, read;
};
const FarCase kFarCases[] = {
    {"wider than the range", {20, 30, 100000, 40}, {20, 30, 32767, 40}},
    {"exactly 32768 wide and high", {20, 30, 32768, 32768}, {20, 30, 32767, 32767}},
    {"at the end of the 32-bit range", {2147483647, 2147483647, 100, 40}, {32767, 32767, 100, 40}},
    {"before its start", {-2147483647 - 1, -40000, 100, 40}, {-32768, -32768, 100, 40}},
    {"negative sizes", {20, 30, -5, -2147483647 - 1}, {20, 30, 0, 0}},
};

struct KindAdd {
    const wchar_t* method;
    const wchar_t* caption;  // null: the add method takes none
    bool ownHeight;          // combo and list boxes choose their own height
};
const KindAdd kKinds[] = {
    {L"AddCmdButton", L"OK", true},  {L"AddLabel", L"abc", true},    {L"AddTextbox", L"abc", true},
    {L"AddComboBox", nullptr, false}, {L"AddListBox", nullptr, false}, {L"AddProgressBar", nullptr, true},
    {L"AddFrame", L"box", true},     {L"AddImage", L"", true},       {L"AddOptionBox", L"one", true},
    {L"AddCheckBox", L"two", true},
};

void ExpectPlaced(IDispatch* c, const Placed& p, bool height, const std::string& what) {
    EXPECT_EQ(p.left, GetLong(c, L"Left")) << what;
    EXPECT_EQ(p.top, GetLong(c, L"Top")) << what;
    EXPECT_EQ(p.width, GetLong(c, L"Width")) << what;
    if (height) EXPECT_EQ(p.height, GetLong(c, L"Height")) << what;
}

TEST_F(WindowRange, EveryKindReadsBackWithinTheRange) {
    int n = 0;
    for (const KindAdd& k : kKinds) {
        for (const FarCase& f : kFarCases) {
            const std::string what = std::string(f.what) + ", " + std::string(k.method, k.method + wcslen(k.method));
            std::vector<Arg> args{Arg(L"c" + std::to_wstring(++n))};
            if (k.caption) args.push_back(Arg(k.caption));
            for (long v : {f.given.left, f.given.top, f.given.width, f.given.height}) args.push_back(Arg(v));
            IDispatch* c = Call(form, k.method, args).object();
            ASSERT_NE(c, nullptr) << what;
            const bool sized = k.ownHeight && f.given.height >= 0;
            ExpectPlaced(c, f.read, sized, what);
            Call(c, L"MoveResize", {Arg(5), Arg(6), Arg(70), Arg(20)});
            Call(c, L"MoveResize", {Arg(f.given.left), Arg(f.given.top), Arg(f.given.width), Arg(f.given.height)});
            // Negative values leave their coordinate as it was.
            const Placed moved{f.given.left < 0 ? 5 : f.read.left, f.given.top < 0 ? 6 : f.read.top,
                               f.given.width < 0 ? 70 : f.read.width, f.given.height < 0 ? 20 : f.read.height};
            ExpectPlaced(c, moved, k.ownHeight, what + " (MoveResize)");
        }
    }
}

TEST_F(WindowRange, FormsAndTheirSettersStayWithinTheRange) {
    IDispatch* distant = createForm(L"distant", {Arg(2147483647), Arg(100000), Arg(200), Arg(100)});
    ASSERT_NE(distant, nullptr);
    EXPECT_EQ(32767, GetLong(distant, L"Left"));
    EXPECT_EQ(32767, GetLong(distant, L"Top"));
    EXPECT_EQ(200, GetLong(distant, L"Width")) << "a form far out keeps its size";
    EXPECT_EQ(100, GetLong(distant, L"Height"));
    for (const wchar_t* p : {L"Left", L"Top"}) {
        Put(form, p, Arg(40000));
        EXPECT_EQ(32767, GetLong(form, p)) << p;
    }
    Put(form, L"Width", Arg(2147483647));
    const long width = GetLong(form, L"Width");
    EXPECT_GT(width, 320);
    EXPECT_LE(width, 32767);
}

}  // namespace
