// A script run the way a person runs it: cscript in a process of its own, its output
// going to a file, so that a test can act on its windows from outside and then read what
// it printed.
#pragma once

#include <windows.h>

#include <string>

namespace test {

// A script of examples/ as a Windows path (the source tree is reached through drive Z:).
std::string ExampleScript(const char* name);

// `cscript //nologo "script" args`, ended when the object goes if it is still running.
class ScriptProcess {
public:
    ScriptProcess(const std::string& script, const std::string& output, const std::string& args = "");
    ScriptProcess(const ScriptProcess&) = delete;
    ScriptProcess& operator=(const ScriptProcess&) = delete;
    ~ScriptProcess();

    bool started() const { return info_.hProcess != nullptr; }
    bool ended(DWORD ms);

private:
    HANDLE out_;
    PROCESS_INFORMATION info_{};
};

}  // namespace test
