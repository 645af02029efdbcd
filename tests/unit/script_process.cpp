// Scripts run by cscript in a process of their own, for the tests that play the user.
#include "script_process.h"

namespace test {

std::string ExampleScript(const char* name) {
    std::string path = std::string("Z:") + MORVANE_SOURCE_DIR + "/examples/" + name;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

ScriptProcess::ScriptProcess(const std::string& script, const std::string& output, const std::string& args) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    out_ = CreateFileA(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA start{};
    start.cb = sizeof(start);
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdOutput = start.hStdError = out_;
    std::string command = "cscript.exe //nologo \"" + script + "\"";
    if (!args.empty()) command += " " + args;
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &info_))
        CloseHandle(info_.hThread);
}

ScriptProcess::~ScriptProcess() {
    if (info_.hProcess) {
        if (!ended(0)) TerminateProcess(info_.hProcess, 1);
        CloseHandle(info_.hProcess);
    }
    CloseHandle(out_);
}

bool ScriptProcess::ended(DWORD ms) { return WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0; }

}  // namespace test
