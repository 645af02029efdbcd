// Dots per inch. Scripts give and read sizes in units of 1/96 inch on the monitor a form
// is on, and a form's position in units of one desktop-wide factor (the system's DPI), so
// that a position names the same point of the desktop whichever monitor the form is on.
// The library creates its forms per-monitor DPI aware, whatever the host's own awareness,
// so that Windows draws them at the monitor's resolution instead of stretching them as
// bitmaps. The platform functions are found at run time (GetProcAddress): on a Windows
// without them the library still loads, and its windows take the host's awareness.
#pragma once

#include <windows.h>

namespace mv {

constexpr UINT kUnitDpi = 96;  // the resolution of a script's units

// The process-wide switch behind Desktop.DpiAware: on by default; windows created while
// it is off take the host's own awareness and scripts' sizes as pixels.
bool DpiAwareOn();
void SetDpiAwareOn(bool on);

// What a top-level window of the library is, for the awareness it is created in. A form is
// scaled by the library: per-monitor version 2 where the platform takes it, else version
// 1 (Windows 10 1607). A dialog the system lays out (message boxes, the folder and file
// dialogs) is scaled by the system only in version 2: version 2, else system aware, never
// version 1.
enum class TopLevel { Form, Dialog };

using SetDpiContextFn = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);

// The context the thread takes for `kind`: each context `kind` allows is tried, best
// first, with `setContext` (SetThreadDpiAwarenessContext: it answers the thread's previous
// context, or null when it refuses one; itself null where the platform has none). Answers
// the context entered and the thread's previous one, both null when none was entered.
struct EnteredContext {
    DPI_AWARENESS_CONTEXT entered = nullptr, previous = nullptr;
};
EnteredContext EnterCreationContext(TopLevel kind, SetDpiContextFn setContext);

// Sets the calling thread's DPI awareness for as long as it lives and restores the
// thread's own afterwards. The scope of a window is that window's own awareness: calls
// that read or place its geometry, and its child windows, are made in it. The scope of no
// window (null), or of a kind of top-level window, is the one new top-level windows of
// that kind are created in (EnterCreationContext) while the switch is on, the host's
// awareness otherwise.
class DpiAwarenessScope {
public:
    explicit DpiAwarenessScope(HWND window = nullptr);
    explicit DpiAwarenessScope(TopLevel kind);
    DpiAwarenessScope(const DpiAwarenessScope&) = delete;
    DpiAwarenessScope& operator=(const DpiAwarenessScope&) = delete;
    ~DpiAwarenessScope();

private:
    void enter(DPI_AWARENESS_CONTEXT context);
    DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

// Tests only: answers WindowDpi in the platform's place, as a window on a monitor of
// another resolution than the system's would.
inline UINT (*g_windowDpiForTests)(HWND) = nullptr;

// The resolution a window is drawn at (GetDpiForWindow; where the platform lacks it, the
// screen's logical resolution).
UINT WindowDpi(HWND window);
// The resolution new windows are created at: the system's, in the calling thread's
// awareness (96 in an unaware thread).
UINT SystemDpi();
// The one desktop-wide factor of positions: the system's DPI as a per-monitor aware window
// sees it, whatever the calling thread's awareness. Fixed for the session (the primary
// display's at sign-in).
UINT DesktopDpi();

// A window created per-monitor aware version 1, whose title bar and frame the system
// scales only when it asks in WM_NCCREATE (version 2 scales them unasked).
bool CreatedPerMonitorV1(HWND window);
// Asks the system to scale the window's title bar and frame with its monitor's DPI
// (EnableNonClientDpiScaling, in WM_NCCREATE); false where the platform has no such call.
bool ScaleNonClientArea(HWND window);

// Script units to pixels at `dpi` and back, rounded to the nearest whole number (halves
// away from zero) and kept within 32 bits. A value set and read back at a resolution of
// 96 or more is the value set.
long UnitsToPixels(long units, UINT dpi);
long PixelsToUnits(long pixels, UINT dpi);

// The message font (SPI_GETNONCLIENTMETRICS, lfMessageFont) for a window at `dpi`.
LOGFONTW MessageFontAt(UINT dpi);

}  // namespace mv
