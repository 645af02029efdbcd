// Message pass and style tests.
#include "window/message_pass.h"

namespace mv {

void DoEvents() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        // Nothing in a script host waits for a quit message from the library's windows;
        // passing it on would only end the pass early, forever.
        if (msg.message == WM_QUIT) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

LONG ReadWindowLong(HWND hwnd, int index) {
    LONG value = GetWindowLongA(hwnd, index);
    DoEvents();
    return value;
}

bool HasStyle(HWND hwnd, LONG mask) { return (ReadWindowLong(hwnd, GWL_STYLE) & mask) != 0; }

bool HasExStyle(HWND hwnd, LONG mask) { return (ReadWindowLong(hwnd, GWL_EXSTYLE) & mask) != 0; }

}  // namespace mv
