// Dots per inch. Scripts give and read positions and sizes in units of 1/96 inch on the
// monitor a form is on; the library creates its windows per-monitor DPI aware, whatever the
// host's own awareness, so that Windows draws them at the monitor's resolution instead of
// stretching them as bitmaps. The platform functions are found at run time
// (GetProcAddress): on a Windows without them the library still loads, and its windows
// take the host's awareness.
#pragma once

#include <windows.h>

namespace mv {

constexpr UINT kUnitDpi = 96;  // the resolution of a script's units

// The process-wide switch behind Desktop.DpiAware: on by default; windows created while
// it is off take the host's own awareness and scripts' sizes as pixels.
bool DpiAwareOn();
void SetDpiAwareOn(bool on);

// Sets the calling thread's DPI awareness for as long as it lives and restores the
// thread's own afterwards. The scope of a window is that window's own awareness: calls
// that read or place its geometry, and its child windows, are made in it. The scope of no
// window (null) is the one new top-level windows and dialogs are created in: per-monitor
// aware (version 2 where the platform takes it, else version 1) while the switch is on,
// the host's awareness otherwise.
class DpiAwarenessScope {
public:
    explicit DpiAwarenessScope(HWND window = nullptr);
    DpiAwarenessScope(const DpiAwarenessScope&) = delete;
    DpiAwarenessScope& operator=(const DpiAwarenessScope&) = delete;
    ~DpiAwarenessScope();

private:
    void enter(DPI_AWARENESS_CONTEXT context);
    DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

// The resolution a window is drawn at (GetDpiForWindow; where the platform lacks it, the
// screen's logical resolution).
UINT WindowDpi(HWND window);
// The resolution new windows are created at: the system's.
UINT SystemDpi();

// Script units to pixels at `dpi` and back, rounded to the nearest whole number (halves
// away from zero) and kept within 32 bits. A value set and read back at a resolution of
// 96 or more is the value set.
long UnitsToPixels(long units, UINT dpi);
long PixelsToUnits(long pixels, UINT dpi);

// The message font (SPI_GETNONCLIENTMETRICS, lfMessageFont) for a window at `dpi`.
LOGFONTW MessageFontAt(UINT dpi);

}  // namespace mv
