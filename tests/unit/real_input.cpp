// Real input through xdotool for the unit tests.
//
// Wine starts a Unix program from CreateProcess but hands back a process handle that
// cannot be waited on, so a shell runs xdotool and then writes its exit status to a marker
// file, which the test polls while it dispatches messages.
#include "real_input.h"

#include <cstdio>
#include <cstdlib>

#include "message_pump.h"

namespace test {

bool HaveXdotool() { return GetFileAttributesA("Z:\\usr\\bin\\xdotool") != INVALID_FILE_ATTRIBUTES; }

bool Xdotool(const std::string& args) {
    static int serial = 0;
    char marker[64];
    std::snprintf(marker, sizeof marker, "/tmp/mv-xdotool-%lu-%d", GetCurrentProcessId(), ++serial);
    std::string markerWin = std::string("Z:") + marker;
    for (char& ch : markerWin)
        if (ch == '/') ch = '\\';
    DeleteFileA(markerWin.c_str());

    std::string cmd = "Z:\\bin\\sh -c \"/usr/bin/xdotool " + args + "; echo $? > " + marker + "\"";
    // The child gets standard handles of its own: given the test's, Wine loses whatever the
    // test writes to its standard output afterwards.
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = si.hStdOutput = si.hStdError = nul;
    PROCESS_INFORMATION pi{};
    BOOL started = CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(nul);
    if (!started) return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);

    DWORD end = GetTickCount() + 30000;   // a hang guard: xdotool starts late on a busy machine
    while (GetFileAttributesA(markerWin.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
        PumpFor(20);
    }
    Pump();
    int status = -1;
    for (int tries = 0; tries < 50 && status < 0; ++tries) {  // the shell may still be writing
        if (FILE* f = std::fopen(markerWin.c_str(), "r")) {
            if (std::fscanf(f, "%d", &status) != 1) status = -1;
            std::fclose(f);
        }
        if (status < 0) Sleep(10);
    }
    DeleteFileA(markerWin.c_str());
    return status == 0;
}

bool Drag(int x, int y, int dx, int dy) {
    char buf[512];
    std::snprintf(buf, sizeof buf,
                  "mousemove %d %d sleep 0.1 mousedown 1 sleep 0.1 mousemove %d %d sleep 0.1 "
                  "mousemove %d %d sleep 0.1 mousemove %d %d sleep 0.1 mouseup 1 sleep 0.1",
                  x, y, x + dx / 3, y + dy / 3, x + 2 * dx / 3, y + 2 * dy / 3, x + dx, y + dy);
    return Xdotool(buf);
}

}  // namespace test
