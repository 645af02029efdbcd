// Shared set-up of the unit tests, one family: a Session is a Desktop created in-process,
// as the class factory creates it for a script, held in the script's variable; a
// DesktopTest is a test with a Session, and the fixtures built on it add a form
// (form_fixture.h), controls (control_fixture.h) or the form's services
// (service_fixture.h).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "desktop/desktop.h"
#include "core/unique.h"
#include "form/form.h"
#include "late_bound.h"
#include "message_pump.h"

namespace test {

// Every form the Desktop made closes at the end.
class Session {
public:
    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session() { closeAll(); }

    IDispatch* desktop() const { return script.get(); }

    // CreateForm(name, name, left, top, width, height), held as a script variable.
    Obj form(const wchar_t* name, long left = 100, long top = 100, long width = 400, long height = 300) const {
        return script.obj(L"CreateForm", {name, name, left, top, width, height});
    }
    // CreateForm(name, "Caption of <name>", more...); the form is borrowed from the registry.
    IDispatch* createForm(const wchar_t* name, std::vector<Arg> more = {});

    static HWND hwndOf(IDispatch* obj) { return HwndOf(obj); }

    void closeAll() {
        if (desktop_) desktop_->closeAll();
    }
    // Lets the Desktop go, as a script that sets its variable to another object.
    void drop() {
        script = Obj();
        desktop_ = mv::ComPtr<mv::Desktop>();
    }

    mv::ComPtr<mv::Desktop> desktop_ = mv::Desktop::Create();
    Obj script{desktop_->dispatch()};
};

class DesktopTest : public ::testing::Test, public Session {
protected:
    void TearDown() override { closeAll(); }
};

// The directory of the running test program, where morvane.dll lies too.
std::wstring ProgramDir();

// Removes a folder and everything below it (wide entry points: test files may have names
// the system code page cannot hold).
void RemoveTree(const std::wstring& path);

// Finds a top-level window of `className` whose text is `title` (any window when title is
// null), waiting up to `ms` milliseconds.
HWND WaitForWindow(const char* className, const char* title, DWORD ms);

}  // namespace test
