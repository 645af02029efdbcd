// Message pass and style tests.
#include "window/message_pass.h"

#include "core/call_depth.h"
#include "core/thread_state.h"
#include "core/unique.h"
#include "window/form_class.h"

namespace mv {

namespace {

// Passes nest: a handler that a pass dispatches may test a style and so run a pass of its
// own, which dispatches the next message, whose handler may do the same. Thousands of such
// messages waiting together (Tab keys typed ahead while the script was busy) would nest one
// pass in the other until the stack ran out. Past this depth a pass returns at once; the
// pass it is nested in dispatches the rest, in the same order.
constexpr int kMaxPassNesting = 32;

// Some input reaches the queue only during a pass (Wine reads the X server's keys and
// clicks there): a pass runs at least this often however empty the queue looks.
constexpr DWORD kPassAtLeastEveryMs = 10;

// Each thread passes its own messages: part of the thread's state (core/thread_state.h).
// - nesting: passes running now, one inside the other.
// - lastPass: when the last pass began.
// - quitSeen: passes that met the host's quit message so far.
struct PassState {
    int nesting = 0;
    DWORD lastPass = 0;
    unsigned long quitSeen = 0;
};

bool OfClass(HWND hwnd, const wchar_t* cls) {
    wchar_t name[16] = {};
    return hwnd && GetClassNameW(hwnd, name, ARRAYSIZE(name)) > 0 && lstrcmpW(name, cls) == 0;
}

// A dialog of a form (message box, folder browser, file dialog) that has been told to end:
// the system hides it and gives its owner input back, then activates the owner, whose
// focus hand-over runs a pass, all before the dialog's own loop lets it go. That loop
// hands it nothing more and its end takes its queue with it; handed a message here (a
// second Cancel queued behind the first), the dialog would run its teardown a second time
// on what the first one freed. While a dialog opens it is hidden too, but its owner is
// still disabled.
bool IsEndingDialog(HWND hwnd) {
    HWND dialog = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
    if (!dialog || IsWindowVisible(dialog) || !OfClass(dialog, L"#32770")) return false;
    HWND owner = GetWindow(dialog, GW_OWNER);
    return OfClass(owner, kFormClassName) && IsWindowEnabled(owner);
}

}  // namespace

void DoEvents() {
    // Whoever runs the pass (a script's call, or the host destroying a window between two
    // calls), it hands no events to sinks: the wake message it may dispatch delivers only
    // from the host's own loop, and a wait delivers itself.
    CallDepthScope pass;
    PassState& t = ThreadOwn<PassState>();
    if (t.nesting >= kMaxPassNesting) return;
    NestingGuard nested(t.nesting);
    t.lastPass = GetTickCount();
    // Wide: a character typed into a text box reaches it whole, whatever the code page.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        // The host's quit (its own loop ends on it): the pass ends and leaves it in the
        // queue again, with its exit code, as every nested loop must.
        if (msg.message == WM_QUIT) {
            ++t.quitSeen;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        // Dropped (see above); a paint message would come back until painted.
        if (msg.message != WM_PAINT && IsEndingDialog(msg.hwnd)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool DoEventsIfQueued() {
    ThreadStateHold hold;
    const DWORD lastPass = ThreadOwn<PassState>().lastPass;
    if (HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0 && GetTickCount() - lastPass < kPassAtLeastEveryMs) return false;
    DoEvents();
    return true;
}

unsigned long QuitsSeen() {
    ThreadStateHold hold;
    return ThreadOwn<PassState>().quitSeen;
}

LONG_PTR ReadWindowLong(HWND hwnd, int index) {
    LONG_PTR value = GetWindowLongPtrW(hwnd, index);
    DoEvents();
    return value;
}

bool HasStyle(HWND hwnd, LONG mask) { return (ReadWindowLong(hwnd, GWL_STYLE) & mask) != 0; }

bool HasExStyle(HWND hwnd, LONG mask) { return (ReadWindowLong(hwnd, GWL_EXSTYLE) & mask) != 0; }

}  // namespace mv
