// Every example of examples/ run as a person runs it: cscript in a process of its own,
// the person's clicks and keys given on the screen through xdotool, and what the script
// prints compared with what it must print. A change that breaks an example fails here.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <vector>

#include "real_input.h"
#include "script_process.h"
#include "desktop/desktop.h"
#include "form/form.h"
#include "service_fixture.h"

using namespace test;

namespace {

// One run of a script. `input` is what the person does on the form captioned `window`,
// steps separated by '|':
//   click:TEXT  click the middle of the control showing TEXT, once it is shown and enabled
//   wait:TEXT   wait until a control shows TEXT (the script has handled the last event)
//   key:KEYS    press keys (xdotool key names: Tab, Return, Escape, space, Down, ...)
//   type:TEXT   type text
//   drag:DX DY  drag the form's bottom-right corner by DX, DY pixels
// A run without a window needs no person. `args` may name the scratch folder as %DIR%.
// `output` is a regular expression for all the script prints (lines joined by \n).
struct ScriptRun {
    const char* script;
    const char* args;
    const char* window;
    const char* input;
    const char* output;
};

struct Example {
    const char* name;
    std::vector<ScriptRun> runs;   // in order: a run may rely on what the one before left
};

// The copy example's source folder holds this many files; each run copies into a folder
// of its own.
constexpr int kCopyFiles = 500;

const Example kExamples[] = {
    { "Notice", {
        { "notice.vbs", "", "Maintenance tonight", "key:Return", "Notice read; it will be shown next time\\.\n" },
        { "notice.js", "", "Maintenance tonight", "click:Don't show this again|click:OK",
          "Notice read; it will not be shown again\\.\n" },
        { "notice.vbs", "", nullptr, "", "The notice stays hidden, as the user asked\\.\n" },
        { "notice.js", "", nullptr, "", "The notice stays hidden, as the user asked\\.\n" },
    } },
    { "ListPicker", {
        { "list_picker.js", "", "Choose a printer", "key:Down Down Tab Return", "Printing on: Label printer\n" },
        { "list_picker.vbs", "", "Choose a printer", "key:Down Down Down Tab Return", "Printing on: Plotter A0\n" },
        { "list_picker.vbs", "", "Choose a printer", "key:Home|click:Cancel", "Cancelled: nothing printed\\.\n" },
    } },
    { "CopyProgress", {
        { "copy_progress.js", "\"%DIR%\\from\" \"%DIR%\\to1\"", "Copy files", "click:Cancel",
          "Cancelled: copied (\\d|\\d\\d|[0-4]\\d\\d) of 500 files\\.\n" },
        { "copy_progress.vbs", "\"%DIR%\\from\" \"%DIR%\\to2\"", "Copy files", "click:Cancel",
          "Cancelled: copied (\\d|\\d\\d|[0-4]\\d\\d) of 500 files\\.\n" },
        { "copy_progress.vbs", "\"%DIR%\\from\" \"%DIR%\\to3\"", nullptr, "", "Done: copied 500 of 500 files\\.\n" },
    } },
    { "SignIn", {
        { "sign_in.js", "", "Sign in to the archive", "type:ada|key:Tab|type:s3cret|key:Return",
          "Signed in as ada with a 6-character password\\.\n" },
        { "sign_in.vbs", "", "Sign in to the archive", "type:grace|key:Tab|type:cobol|key:Tab space Return",
          "Signed in as grace with a 5-character password; the user name is remembered\\.\n" },
        { "sign_in.js", "", "Sign in to the archive", "type:ada|key:Escape", "Sign-in cancelled\\.\n" },
    } },
    { "Wizard", {
        { "wizard.js", "", "New workstation",
          "type:Ada|click:Next >|click:Developer: office, mail and tools|click:Connect the floor's printers|"
          "click:Next >|click:Finish",
          "User: Ada; Installation: developer; Printers: connected\n" },
        { "wizard.vbs", "", "New workstation",
          "type:grace|click:Next >|wait:What should it have?|click:< Back|wait:Who is it for?|click:Next >|"
          "wait:What should it have?|click:Next >|click:Finish",
          "User: grace; Installation: typical; Printers: not connected\n" },
        { "wizard.vbs", "", "New workstation", "click:Cancel", "Cancelled: nothing set up\\.\n" },
    } },
    { "LogViewer", {
        { "log_viewer.js", "", "Log viewer", "drag:100 60|click:Close", "Log viewer closed at 620 x 440: 40 lines shown\\.\n" },
        { "log_viewer.vbs", "", "Log viewer", "drag:-400 -400|click:Close",
          "Log viewer closed at 320 x 240: 40 lines shown\\.\n" },
    } },
};

struct Search {
    const std::string& text;
    bool enabled;
    HWND found;
};

BOOL CALLBACK Matches(HWND child, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    char buf[256] = {};
    GetWindowTextA(child, buf, sizeof buf);
    if (s->text != buf || !IsWindowVisible(child) || (s->enabled && !IsWindowEnabled(child))) return TRUE;
    s->found = child;
    return FALSE;
}

void PrintTo(const Example& example, std::ostream* os) { *os << example.name; }

// The shown control of `form` whose text is `text` (enabled too, when asked), waiting up
// to ten seconds for the script to show it.
HWND WaitForControl(HWND form, const std::string& text, bool enabled) {
    Search s{text, enabled, nullptr};
    for (DWORD end = GetTickCount() + 10000; static_cast<LONG>(end - GetTickCount()) > 0 && !s.found; Sleep(50))
        EnumChildWindows(form, Matches, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

std::string Middle(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return std::to_string((r.left + r.right) / 2) + " " + std::to_string((r.top + r.bottom) / 2);
}

// A person types once the form is ready for it: the keyboard focus is on one of its
// controls (where the script put it) and the script is back in its wait for events (a
// message sent to the form is answered only there). Keys given earlier reach whatever
// had the focus before, however slowly the machine runs the script.
void WaitUntilReady(HWND form) {
    const DWORD thread = GetWindowThreadProcessId(form, nullptr);
    GUITHREADINFO info{sizeof info};
    for (DWORD end = GetTickCount() + 10000; static_cast<LONG>(end - GetTickCount()) > 0; Sleep(20))
        if (GetGUIThreadInfo(thread, &info) && IsChild(form, info.hwndFocus)) break;
    SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
}

// Plays one step on the form; false (with the reason in *why) when it could not.
bool Play(HWND form, const std::string& step, std::string* why) {
    const size_t colon = step.find(':');
    const std::string verb = step.substr(0, colon), what = step.substr(colon + 1);
    if (verb == "click" || verb == "wait") {
        HWND control = WaitForControl(form, what, verb == "click");
        if (!control) { *why = "no control shows \"" + what + "\""; return false; }
        return verb == "wait" || Xdotool("mousemove " + Middle(control) + " sleep 0.1 click 1 sleep 0.2");
    }
    WaitUntilReady(form);
    if (verb == "drag") {
        RECT r{};
        GetWindowRect(form, &r);
        int dx = 0, dy = 0;
        std::istringstream(what) >> dx >> dy;
        return Drag(r.right - 2, r.bottom - 2, dx, dy);
    }
    // The keyboard follows the pointer on this display: keep it over the form.
    // (xdotool's type takes the rest of its command line as the text: it comes last.)
    std::string keys = verb == "key" ? "key --delay 120 " + what + " sleep 0.2" : "type --delay 60 '" + what + "'";
    return Xdotool("mousemove " + Middle(form) + " sleep 0.1 " + keys);
}

std::string Normalised(std::string text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

class Examples : public ::testing::TestWithParam<Example> {
protected:
    // The notice keeps the user's choice here; every run of the test starts without it.
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Morvane Examples"); }
    void TearDown() override { SetUp(); }
};

TEST_P(Examples, RunAsAPersonUsesThem) {
    REQUIRE_XDOTOOL();
    ScratchFolder dir;

    int number = 0;
    for (const ScriptRun& run : GetParam().runs) {
        SCOPED_TRACE(std::string(run.script) + " (run " + std::to_string(++number) + ")");
        std::string args = run.args;
        if (!args.empty() && !Exists(dir / "from")) {
            CreateDirectoryA((dir / "from").c_str(), nullptr);
            for (int i = 0; i < kCopyFiles; ++i) WriteFile(dir / ("from\\file" + std::to_string(i) + ".txt"), "data");
        }
        for (size_t at; (at = args.find("%DIR%")) != std::string::npos;) args.replace(at, 5, dir.path());
        const std::string output = dir / "output.txt";
        ScriptProcess script(ExampleScript(run.script), output, args);
        ASSERT_TRUE(script.started());

        if (run.window) {
            HWND form = WaitForWindow("MVVBMainWND", run.window, 20000);
            ASSERT_NE(form, nullptr) << "the form did not come: " << ReadFile(output);
            for (DWORD end = GetTickCount() + 5000; !IsWindowVisible(form) && GetTickCount() < end;) Sleep(20);
            std::stringstream steps(run.input);
            for (std::string step; std::getline(steps, step, '|');) {
                std::string why = "xdotool failed";
                ASSERT_TRUE(Play(form, step, &why)) << step << ": " << why;
            }
        }
        ASSERT_TRUE(script.ended(90000)) << "the script did not end: " << ReadFile(output);
        const std::string printed = Normalised(ReadFile(output));
        EXPECT_TRUE(std::regex_match(printed, std::regex(run.output))) << printed;
    }
}

INSTANTIATE_TEST_SUITE_P(, Examples, ::testing::ValuesIn(kExamples),
                         [](const ::testing::TestParamInfo<Example>& info) { return std::string(info.param.name); });

}  // namespace
