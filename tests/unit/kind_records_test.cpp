// Which members apply to which control kind, the kinds' records, the "Bad property"
// report, and the small platform routines shared by the library.
#include <gtest/gtest.h>

#include <thread>

#include "control/control_kind.h"
#include "core/diagnostics.h"
#include "core/os_level.h"
#include "control/control.h"
#include "control/kind_records.h"
#include "control/member_check.h"
#include "fixtures.h"

using namespace test;

namespace {

struct Case { long kind; const wchar_t* member; bool applies; };

const Case kCases[] = {
    {mv::kCmdButton, L"caption", true},      {mv::kCmdButton, L"SETASDEFAULT", true},
    {mv::kCmdButton, L"Text", false},        {mv::kLabel, L"Text", false},
    {mv::kLabel, L"TextAlign", true},        {mv::kTextBox, L"PasswordStyle", true},
    {mv::kComboBox, L"AutoSort", true},      {mv::kListBox, L"AutoSort", true},
    {mv::kComboBox, L"Text", true},          {mv::kListBox, L"Text", false},
    {mv::kOptionBox, L"Value", true},        {mv::kCheckBox, L"Value", true},
    {mv::kCmdButton, L"Value", false},       {mv::kTextBox, L"Value", false},
    {mv::kProgressBar, L"MaxProgress", true}, {mv::kProgressBar, L"SetFocus", false},
    {mv::kFrame, L"SetFocus", false},        {mv::kImage, L"Caption", true},
    {mv::kImage, L"Enable", false},          {10, L"Caption", false},
    {12, L"Caption", false},
};

// Whether the control member of this name (any letter case) serves the kind, as its rows say.
bool AppliesTo(long kind, const wchar_t* member) {
    const mv::DispatchTable<mv::Control>& t = mv::Control::members();
    for (size_t i = 0; i < t.size(); ++i)
        if (_wcsicmp(t.facts(i).name, member) == 0) return mv::InSet(t.applicability(i).kinds, kind);
    return false;
}

}  // namespace

TEST(KindRecords, MembersApplyPerKindWithoutRegardToCase) {
    for (const Case& c : kCases)
        EXPECT_EQ(AppliesTo(c.kind, c.member), c.applies) << c.kind << " " << std::string(c.member, c.member + wcslen(c.member));
    EXPECT_EQ(mv::RecordOf(13), nullptr);
    EXPECT_EQ(mv::RecordOf(-1), nullptr);
}

TEST(KindRecords, BadPropertyIsShownOnlyWithDiagnosticsAndNotWhenSilent) {
    const mv::KindSet texts = mv::Kinds({mv::kTextBox, mv::kComboBox});
    mv::SetDebugFlag(true);
    // Silent: never a box, even with diagnostics on.
    EXPECT_FALSE(mv::MemberApplies(texts, mv::kLabel, L"Text", L"lblName", true));
    EXPECT_EQ(FindWindowA("#32770", "Bad property"), nullptr);

    std::string text;
    std::thread answer([&text] {
        HWND box = WaitForWindow("#32770", "Bad property", 10000);
        if (!box) return;
        char buf[512] = {};
        GetWindowTextA(GetDlgItem(box, 0xFFFF), buf, sizeof(buf));
        text = buf;
        // System-modal, with the exclamation icon.
        if (!(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST)) text += " [not topmost]";
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_FALSE(mv::MemberApplies(texts, mv::kLabel, L"Text", L"lblName", false));
    answer.join();
    EXPECT_EQ(text, "The property 'Text' don't apply to the object 'lblName'");
    mv::SetDebugFlag(false);
    EXPECT_FALSE(mv::MemberApplies(texts, mv::kLabel, L"Text", L"lblName", false));  // silent: no box to answer
}

TEST(OsLevel, FollowsTheVersionRule) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    ASSERT_TRUE(GetVersionExA(&info));
    long want = info.dwMajorVersion <= 4 ? static_cast<long>(info.dwMajorVersion)
                                         : static_cast<long>(info.dwMajorVersion + info.dwMinorVersion);
    EXPECT_EQ(mv::GetOsLevel(), want);
    EXPECT_GT(mv::GetOsLevel(), 5);  // the platform here has layered windows and visual styles
}

TEST(Words, HighWordIsSignedAndMakeLongChecksItsRange) {
    EXPECT_EQ(mv::HiWordOf(static_cast<long>(0xFFFF0000)), -1);
    EXPECT_EQ(mv::HiWordOf(0x00010002), 1);
    EXPECT_EQ(mv::HiWordOf(0x7FFF1234), 32767);
    EXPECT_EQ(mv::HiWordOf(static_cast<long>(0x80000000)), -32768);
    long out = 0;
    EXPECT_EQ(mv::MakeLongOf(1, 1, &out), S_OK);
    EXPECT_EQ(out, 0x10001);
    EXPECT_EQ(mv::MakeLongOf(0, -1, &out), S_OK);
    EXPECT_EQ(out, static_cast<long>(0xFFFF0000));
    EXPECT_EQ(mv::MakeLongOf(0, 32768, &out), DISP_E_OVERFLOW);
    EXPECT_EQ(mv::MakeLongOf(0, -32769, &out), DISP_E_OVERFLOW);
}
