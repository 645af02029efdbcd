// The focus hand-over.
#include "window/focus.h"

#include "core/os_level.h"
#include "core/thread_state.h"
#include "core/unique.h"
#include "window/message_pass.h"

namespace mv {

namespace {

// Focus hand-overs nest: a form taking the focus hands it on to its last focused control
// or to the form it owns. Owner marks that form a cycle (A owns B, B owns A) would nest
// without end; past this depth a hand-over does nothing.
constexpr int kMaxFocusNesting = 8;

// Each thread hands its own windows the focus: part of the thread's state.
struct FocusState {
    int nesting = 0;
};

}  // namespace

void FocusWindow(HWND hwnd) {
    ThreadStateHold hold;
    bool visible = HasStyle(hwnd, WS_VISIBLE);  // the message pass runs also for 0
    FocusState& t = ThreadOwn<FocusState>();
    if (!hwnd || !visible || t.nesting >= kMaxFocusNesting) return;
    NestingGuard nested(t.nesting);
    long activeMinimised = 0;
    MakeLongOf(WA_ACTIVE, 1, &activeMinimised);  // 0x10001, always in range
    SendMessageW(GetFocus(), WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(hwnd));
    SendMessageW(hwnd, WM_ACTIVATE, static_cast<WPARAM>(activeMinimised),
                 reinterpret_cast<LPARAM>(GetFocus()));
    ShowCaret(hwnd);
}

}  // namespace mv
