// examples/files.js as a person uses it: the script host runs it in its own process and
// this test answers its dialogs from outside, the way a user at the screen does.
#include <gtest/gtest.h>

#include "service_fixture.h"

using namespace test;

namespace {

// The example script as a Windows path (the source tree is reached through drive Z:).
std::string ExampleScript(const char* name) {
    std::string path = std::string("Z:") + MORVANE_SOURCE_DIR + "/examples/" + name;
    for (char& c : path) if (c == '/') c = '\\';
    return path;
}

// A script run by cscript with its output going to a file; ended when the test ends.
class ScriptProcess {
public:
    ScriptProcess(const std::string& script, const std::string& output) {
        SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
        out_ = CreateFileA(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
        STARTUPINFOA start{};
        start.cb = sizeof(start);
        start.dwFlags = STARTF_USESTDHANDLES;
        start.hStdOutput = start.hStdError = out_;
        std::string command = "cscript.exe //nologo \"" + script + "\"";
        if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &info_))
            CloseHandle(info_.hThread);
    }
    ScriptProcess(const ScriptProcess&) = delete;
    ScriptProcess& operator=(const ScriptProcess&) = delete;
    ~ScriptProcess() {
        if (info_.hProcess) {
            if (!ended(0)) TerminateProcess(info_.hProcess, 1);
            CloseHandle(info_.hProcess);
        }
        CloseHandle(out_);
    }
    bool started() const { return info_.hProcess != nullptr; }
    bool ended(DWORD ms) { return WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0; }

private:
    HANDLE out_;
    PROCESS_INFORMATION info_{};
};

}  // namespace

TEST(FilesDemo, CopiesTheChosenFileIntoTheChosenFolder) {
    ScratchFolder dir;
    WriteFile(dir / "report.txt", "quarterly figures");
    CreateDirectoryA((dir / "into").c_str(), nullptr);
    ScriptProcess script(ExampleScript("files.js"), dir / "output.txt");
    ASSERT_TRUE(script.started());

    HWND form = WaitForWindow("MVVBMainWND", "Copy a file", 20000);
    ASSERT_NE(form, nullptr) << ReadFile(dir / "output.txt");
    ASSERT_TRUE(WaitUntilClosed(ChooseFile(form, dir / "report.txt")));
    // The folder browser opens at the file's folder, whose only subfolder is "into".
    HWND browser = WaitForOwnedDialog(form);
    HWND tree = browser ? FindDescendant(browser, "SysTreeView32") : nullptr;
    ASSERT_NE(tree, nullptr);
    ASSERT_TRUE(SelectChild(tree, ""));
    Press(browser, IDOK);
    ASSERT_TRUE(WaitUntilClosed(browser));
    HWND box = WaitForOwnedDialog(form);
    ASSERT_NE(box, nullptr);
    const std::string target = dir / "into\\report.txt";
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), "Copied to " + target + ".");
    EXPECT_EQ(TextOf(box), "Copy a file");
    Press(box, IDOK);

    EXPECT_TRUE(script.ended(10000)) << "the script did not end after its message box";
    EXPECT_EQ(ReadFile(target), "quarterly figures");
    EXPECT_EQ(ReadFile(dir / "report.txt"), "quarterly figures");
    EXPECT_EQ(ReadFile(dir / "output.txt"), "form shown\r\nCopied to " + target + ".\r\n");
}
