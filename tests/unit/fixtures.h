// Shared set-up of the unit tests: a Desktop created in-process, as the class factory
// creates it for a script, and small helpers over forms.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/desktop.h"
#include "core/unique.h"
#include "form/form.h"
#include "late_bound.h"

namespace test {

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override { desktop_ = mv::Desktop::Create(); }
    void TearDown() override {
        if (desktop_) desktop_->closeAll();
    }

    IDispatch* desktop() { return desktop_->dispatch(); }

    // CreateForm through late binding; the result is borrowed from the registry.
    IDispatch* createForm(const wchar_t* name, std::vector<Arg> more = {}) {
        std::vector<Arg> args{Arg(name), Arg(L"Caption of " + std::wstring(name))};
        for (Arg& a : more) args.push_back(a);
        Outcome o = Call(desktop(), L"CreateForm", args);
        EXPECT_EQ(o.hr, S_OK);
        return desktop_->lookupForm(Arg(name).get());
    }

    static HWND hwndOf(IDispatch* obj) { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(GetLong(obj, L"hwnd"))); }

    mv::ComPtr<mv::Desktop> desktop_;
};

// The directory of the running test program, where morvane.dll lies too.
std::wstring ProgramDir();

// Removes a folder and everything below it (wide entry points: test files may have names
// the system code page cannot hold).
void RemoveTree(const std::wstring& path);

// Pumps the thread's messages for about `ms` milliseconds.
void PumpFor(DWORD ms);

// Finds a top-level window of `className` whose text is `title` (any window when title is
// null), waiting up to `ms` milliseconds.
HWND WaitForWindow(const char* className, const char* title, DWORD ms);

}  // namespace test
