// Style setters and alignment folding.
#include "window/style_bits.h"

#include "core/unique.h"

namespace mv {

namespace {

// Only the frame is recomputed and redrawn: no move, no size, no change of z-order, and no
// activation. Activated, a hidden form would take the focus onto its own window, and its
// next deactivation would keep that window as the control to give the focus back to.
constexpr UINT kFrameOnly = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE;

void SetBits(HWND hwnd, int index, LONG mask, VARIANT_BOOL on) {
    LONG value = GetWindowLongW(hwnd, index);
    value = on == VARIANT_TRUE ? (value | mask) : (value & ~mask);
    UpdateLock lock(hwnd);
    SetWindowLongW(hwnd, index, value);
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

}  // namespace mv
