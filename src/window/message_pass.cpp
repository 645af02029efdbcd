// Message pass and style tests.
#include "window/message_pass.h"

#include "core/unique.h"

namespace mv {

namespace {

// Passes nest: a handler that a pass dispatches may test a style and so run a pass of its
// own, which dispatches the next message, whose handler may do the same. Thousands of such
// messages waiting together (Tab keys typed ahead while the script was busy) would nest one
// pass in the other until the stack ran out. Past this depth a pass returns at once; the
// pass it is nested in dispatches the rest, in the same order.
constexpr int kMaxPassNesting = 32;
int g_passNesting = 0;

}  // namespace

void DoEvents() {
    if (g_passNesting >= kMaxPassNesting) return;
    NestingGuard nested(g_passNesting);
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
