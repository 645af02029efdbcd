// Progress bars. The window keeps its default range of 0 to 100 and receives a
// percentage; the script works in its own units from 0 to MaxProgress. Style 2 hands
// the painting to the library's gradient painter (window/progress_paint.cpp).
#include "control/progress.h"

#include <commctrl.h>

#include "control/control.h"
#include "core/rounding.h"
#include "window/message_pass.h"

namespace mv {

namespace {

constexpr long kPercent = 100;
constexpr long kLibraryPainted = 2;

}  // namespace

long ProgressBarStyleOf(const Control& c) {
    if (!(GetWindowLongW(LiveWindow(c), GWL_STYLE) & PBS_SMOOTH)) return 0;
    return c.customPainted() ? kLibraryPainted : 1;
}

void SetProgressBarStyle(Control& c, long style) {
    const long long n = style;
    const long long magnitude = n < 0 ? -n : n;
    const bool painted = magnitude >= kLibraryPainted;
    if (painted != c.customPainted())
        if (HWND w = LiveWindow(c)) InvalidateRect(w, nullptr, TRUE);
    c.setCustomPainted(painted);
}

namespace ctl {

// Stored only: nothing is sent to the window.
HRESULT PutMaxProgress(Control& c, const Args& a, Result&) {
    c.setMaxProgress(a.lng(0));
    return S_OK;
}

HRESULT GetMaxProgress(Control& c, const Args&, Result& r) {
    r.setLong(c.maxProgress());
    return S_OK;
}

// The position as a percentage of MaxProgress, halves to even, at most 100; negative
// values go to the bar unchanged. A hundredfold outside the 32-bit range and a
// MaxProgress of 0 fail the assignment before anything is sent.
HRESULT PutCurrentProgress(Control& c, const Args& a, Result&) {
    long hundredfold = 0, percent = 0;
    RETURN_IF_FAILED(MultiplyLong(a.lng(0), kPercent, &hundredfold));
    RETURN_HR_IF(DISP_E_DIVBYZERO, c.maxProgress() == 0);
    RETURN_IF_FAILED(RoundToLong(static_cast<double>(hundredfold) / c.maxProgress(), &percent));
    if (percent > kPercent) percent = kPercent;
    if (HWND w = LiveWindow(c)) SendMessageW(w, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    DoEvents();  // the bar repaints before the script goes on
    return S_OK;
}

// Back in the script's units: quantised to whole percent of MaxProgress.
HRESULT GetCurrentProgress(Control& c, const Args&, Result& r) {
    long units = 0, value = 0;
    if (HWND w = LiveWindow(c)) {
        long percent = static_cast<long>(SendMessageW(w, PBM_GETPOS, 0, 0));
        RETURN_IF_FAILED(MultiplyLong(percent, c.maxProgress(), &units));
        RETURN_IF_FAILED(RoundToLong(static_cast<double>(units) / kPercent, &value));
    }
    r.setLong(value);
    return S_OK;
}

HRESULT PutProgressBarStyle(Control& c, const Args& a, Result&) {
    SetProgressBarStyle(c, a.lng(0));
    return S_OK;
}

HRESULT GetProgressBarStyle(Control& c, const Args&, Result& r) {
    r.setLong(ProgressBarStyleOf(c));
    return S_OK;
}

}  // namespace ctl

}  // namespace mv
