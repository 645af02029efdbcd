// Style setters, window text and the focus hand-over.
#include "window/style_bits.h"

#include <cstring>

#include "core/os_level.h"
#include "core/text.h"
#include "core/unique.h"
#include "window/message_pass.h"

namespace mv {

namespace {

// Only the frame is recomputed and redrawn: no move, no size, no change of z-order, and no
// activation. Activated, a hidden form would take the focus onto its own window, and its
// next deactivation would keep that window as the control to give the focus back to.
constexpr UINT kFrameOnly = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE;

// Focus hand-overs nest: a form taking the focus hands it on to its last focused control
// or to the form it owns. Owner marks that form a cycle (A owns B, B owns A) would nest
// without end; past this depth a hand-over does nothing.
constexpr int kMaxFocusNesting = 8;
int g_focusNesting = 0;

void SetBits(HWND hwnd, int index, LONG mask, VARIANT_BOOL on) {
    LONG value = GetWindowLongA(hwnd, index);
    value = on == VARIANT_TRUE ? (value | mask) : (value & ~mask);
    UpdateLock lock(hwnd);
    SetWindowLongA(hwnd, index, value);
    RefreshFrame(hwnd);
}

}  // namespace

void RefreshFrame(HWND hwnd) { SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kFrameOnly); }

long FoldAlignment(long value) {
    if (value == 0) return 0;
    if (value == 1 || value == -1) return 1;
    return 2;
}

void SetStyleBit(HWND hwnd, LONG mask, VARIANT_BOOL on) { SetBits(hwnd, GWL_STYLE, mask, on); }

void SetExStyleBit(HWND hwnd, LONG mask, VARIANT_BOOL on) { SetBits(hwnd, GWL_EXSTYLE, mask, on); }

std::wstring GetWindowCaption(HWND hwnd) {
    // Wine answers a null handle with a count and nothing copied: trust only what the
    // call wrote, up to its terminating zero.
    if (!hwnd) return std::wstring();
    char buffer[255] = {};
    int n = GetWindowTextA(hwnd, buffer, sizeof buffer);
    if (n <= 0) return std::wstring();
    return fromAnsi(buffer, strnlen(buffer, static_cast<size_t>(n)));
}

void FocusWindow(HWND hwnd) {
    bool visible = HasStyle(hwnd, WS_VISIBLE);  // the message pass runs also for 0
    if (!hwnd || !visible || g_focusNesting >= kMaxFocusNesting) return;
    NestingGuard nested(g_focusNesting);
    long activeMinimised = 0;
    MakeLongOf(WA_ACTIVE, 1, &activeMinimised);  // 0x10001, always in range
    SendMessageA(GetFocus(), WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(hwnd));
    SendMessageA(hwnd, WM_ACTIVATE, static_cast<WPARAM>(activeMinimised),
                 reinterpret_cast<LPARAM>(GetFocus()));
    ShowCaret(hwnd);
}

}  // namespace mv
