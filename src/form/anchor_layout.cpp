// One layout pass: each anchored control's rectangle for the new client area, computed
// from the distances it keeps, and all the moves handed to the system at once so that the
// form is redrawn once for them. A control whose size changes is redrawn whole
// (SWP_NOCOPYBITS): frames, gradient bars, pictures and labels draw from their size, and
// bits copied from their old size would leave trails.
#include "form/anchor_layout.h"

#include <algorithm>

#include "control/control.h"
#include "window/window_range.h"

namespace mv {

namespace {

constexpr UINT kMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

bool Stretches(unsigned edges) {
    return (edges & (kAnchorLeft | kAnchorRight)) == (kAnchorLeft | kAnchorRight) ||
           (edges & (kAnchorTop | kAnchorBottom)) == (kAnchorTop | kAnchorBottom);
}

}  // namespace

void AnchorLayout::follow(Control& c, bool on) {
    auto at = std::find(controls_.begin(), controls_.end(), &c);
    if (on && at == controls_.end()) controls_.push_back(&c);
    if (!on && at != controls_.end()) controls_.erase(at);
}

void AnchorLayout::layOut(SIZE area, UINT dpi) {
    area_ = area;
    if (controls_.empty()) return;
    HDWP batch = BeginDeferWindowPos(static_cast<int>(controls_.size()));
    for (Control* c : controls_) {
        const Anchor& anchor = c->anchor();
        const RECT r = anchor.place(area, dpi);
        const UINT flags = kMoveFlags | (Stretches(anchor.edges) ? SWP_NOCOPYBITS : 0);
        const int x = WindowPosition(r.left), y = WindowPosition(r.top);
        const int cx = WindowSize(r.right - r.left), cy = WindowSize(r.bottom - r.top);
        // A batch that failed (out of memory) leaves the rest to one move each.
        if (batch) batch = DeferWindowPos(batch, c->hwnd(), nullptr, x, y, cx, cy, flags);
        else SetWindowPos(c->hwnd(), nullptr, x, y, cx, cy, flags);
    }
    if (batch) EndDeferWindowPos(batch);
}

}  // namespace mv
