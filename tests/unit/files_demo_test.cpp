// examples/files.js as a person uses it: the script host runs it in its own process and
// this test answers its dialogs from outside, the way a user at the screen does.
#include <gtest/gtest.h>

#include "script_process.h"
#include "service_fixture.h"

using namespace test;

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
