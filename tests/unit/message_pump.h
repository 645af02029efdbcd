// The tests' message pump: what the library's own message pass does for the thread's
// windows, run by a test that waits for something to arrive.
#pragma once

#include <windows.h>

namespace test {

// Processes every pending message.
inline void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Pumps messages for about `ms` milliseconds, waking as soon as anything arrives: lets
// timers run and input that travels through the X server arrive.
inline void PumpFor(DWORD ms) {
    DWORD end = GetTickCount() + ms;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        Pump();
        MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    Pump();
}

}  // namespace test
