// Gradient painting of progress bars drawn by the library itself.
//
// Geometry is in window coordinates (borders included): W x H is the window, the inner
// rectangle runs from column 2 to W - 2 and from row 2 to H - 2 (exclusive), its width is
// w = W - 4. The bar ends at column e = w * CurrentProgress / MaxProgress; columns 2 to e
// carry the gradient, everything right of e up to the inner edge is button face, so a
// bar that shrinks leaves no stale gradient. Column x has the colour
//   (156 x / w + 10, 166 x / w + 36, 134 x / w + 106), each rounded halves to even,
// which depends on the column and the width only: a growing bar extends its gradient.
//
// While the system's high-contrast setting is on, every column of the bar has the
// system's highlight colour instead (the gradient's fixed blues are not the user's
// colours).
//
// The columns are drawn as one row of pixels stretched over the inner height (the same
// pixels as one-pixel vertical lines, without a pen per column), and the end column is
// kept in "MVVBPBPreviousPos". The ring outside the inner rectangle is the form's
// background.
#include "control/progress_paint.h"

#include <commctrl.h>

#include <cmath>
#include <vector>

#include "control/control.h"
#include "control/progress.h"
#include "core/dpi.h"
#include "core/high_contrast.h"
#include "core/rounding.h"
#include "core/unique.h"
#include "window/subclass_record.h"
#include "window/window_props.h"

namespace mv {

namespace {

constexpr long kInset = 2;
constexpr long kLibraryPainted = 2;

struct Channel { long span; long base; };
constexpr Channel kRed{156, 10}, kGreen{166, 36}, kBlue{134, 106};

BYTE Level(Channel ch, long x, long w) { return static_cast<BYTE>(DivideHalfEven(1LL * ch.span * x, w) + ch.base); }

// The end column, from the position read back as the script reads it (whole percent of
// MaxProgress). Computed in 64 bits, so a large MaxProgress still paints. False for a
// MaxProgress of 0. The position is asked of the bar's class directly: the question needs
// nothing of the control procedure.
bool EndColumn(HWND window, const Control& c, long w, long* end) {
    const double max = c.maxProgress();
    if (max == 0) return false;
    const WNDPROC classProc = SubclassClassProc(window);
    const LRESULT position = classProc ? CallWindowProcW(classProc, window, PBM_GETPOS, 0, 0)
                                       : SendMessageW(window, PBM_GETPOS, 0, 0);
    const double percent = static_cast<double>(static_cast<long>(position));
    const double units = std::nearbyint(percent * max / 100.0);
    const double e = std::nearbyint(w * units / max);
    *end = e > 0x7FFFFFFF ? 0x7FFFFFFF : e < -0x7FFFFFFF ? -0x7FFFFFFF : static_cast<long>(e);
    return true;
}

// The ring of kInset pixels around the inner rectangle shows the form's background: the
// form paints around its controls, not beneath them, and the bar's class never paints
// (the bar is validated here), so the bar draws the ring itself.
void DrawRing(HWND window, HDC dc, long width, long height) {
    const auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(GetParent(window), GCLP_HBRBACKGROUND));
    if (!brush) return;
    const RECT strips[] = {
        {0, 0, width, kInset}, {0, height - kInset, width, height},
        {0, kInset, kInset, height - kInset}, {width - kInset, kInset, width, height - kInset},
    };
    for (const RECT& r : strips)
        if (r.left < r.right && r.top < r.bottom) FillRect(dc, &r, brush);
}
// A 32-bit DIB pixel (blue in the low byte) of a colour.
DWORD Pixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// Columns first..last of the gradient, one row stretched over rows top to bottom.
void DrawColumns(HDC dc, long first, long last, long w, long top, long bottom) {
    const long n = last - first + 1;
    if (n <= 0 || bottom <= top) return;
    const bool highContrast = HighContrastOn();
    const DWORD highlight = Pixel(GetSysColor(COLOR_HIGHLIGHT));
    std::vector<DWORD> row(static_cast<size_t>(n));
    for (long x = first; x <= last; ++x)
        row[x - first] = highContrast ? highlight : Pixel(RGB(Level(kRed, x, w), Level(kGreen, x, w), Level(kBlue, x, w)));
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = n;
    bmi.bmiHeader.biHeight = 1;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    const int mode = SetStretchBltMode(dc, COLORONCOLOR);  // rows are copies, never blended
    StretchDIBits(dc, first, top, n, bottom - top, 0, 0, n, 1, row.data(), &bmi, DIB_RGB_COLORS, SRCCOPY);
    if (mode) SetStretchBltMode(dc, mode);
}

}  // namespace

bool PaintProgressBar(HWND window, Control* c) {
    DpiAwarenessScope aware(window);  // device pixels, whatever the caller's awareness
    RECT wr{};
    if (!c || !GetWindowRect(window, &wr) || ProgressBarStyleOf(*c) != kLibraryPainted) return false;
    const long width = wr.right - wr.left, height = wr.bottom - wr.top;
    const long w = width - 2 * kInset;
    long end = 0;
    if (!EndColumn(window, *c, w, &end)) return false;

    WindowDc dc(window, GetWindowDC(window));
    if (dc) {
        DrawRing(window, dc.get(), width, height);
        const long last = end < w ? end : w;  // never over the frame
        RECT rest{last + 1 > kInset ? last + 1 : kInset, kInset, width - kInset, height - kInset};
        if (rest.left < rest.right && rest.top < rest.bottom)
            FillRect(dc.get(), &rest, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
        if (w > 0) DrawColumns(dc.get(), kInset, last, w, kInset, height - kInset);
    }
    SetWindowValue(window, prop::kPbPreviousPos, end);
    ValidateRect(window, nullptr);
    return true;
}

}  // namespace mv
