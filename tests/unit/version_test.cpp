// src/version.h: what Windows shows as morvane.dll's version (the file's properties, the
// release's name) and what Desktop.Version tells a script are the same version.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "fixtures.h"

using namespace test;

namespace {

// The version resource of morvane.dll beside the test program.
std::vector<BYTE> VersionResource() {
    const std::wstring dll = ProgramDir() + L"morvane.dll";
    std::vector<BYTE> data(GetFileVersionInfoSizeW(dll.c_str(), nullptr));
    if (data.empty() || !GetFileVersionInfoW(dll.c_str(), 0, static_cast<DWORD>(data.size()), data.data()))
        data.clear();
    return data;
}

std::wstring StringValue(std::vector<BYTE>& data, const wchar_t* name) {
    wchar_t* text = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) || !text) return {};
    return text;
}

}  // namespace

TEST_F(DesktopTest, VersionIsTheDllsVersionResource) {
    std::vector<BYTE> data = VersionResource();
    ASSERT_FALSE(data.empty()) << "morvane.dll has no version resource";
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const std::wstring major = std::to_wstring(HIWORD(fixed->dwFileVersionMS));
    const std::wstring minor = std::to_wstring(LOWORD(fixed->dwFileVersionMS));
    const std::wstring revision = std::to_wstring(HIWORD(fixed->dwFileVersionLS));

    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    const std::wstring dotted = major + L"." + minor + L"." + revision;
    EXPECT_EQ(StringValue(data, L"FileVersion"), dotted);
    EXPECT_EQ(StringValue(data, L"ProductVersion"), dotted);
    // Desktop.Version runs the minor number and the revision together: 1.1.42 reads 1.142.
    EXPECT_EQ(GetText(desktop(), L"Version"), major + L"." + minor + revision);
}
