// The thread's DPI awareness around window creation, and the resolution of windows.
#include "core/dpi.h"
#include "core/unique.h"

namespace mv {

namespace {

bool g_on = true;

using SetContextFn = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
using WindowContextFn = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
using WindowDpiFn = UINT(WINAPI*)(HWND);
using SystemDpiFn = UINT(WINAPI*)();
using ParametersForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

// The entry points of Windows 10 1607 and later, looked up once; null where absent.
struct DpiFunctions {
    SetContextFn setThreadContext = nullptr;
    WindowContextFn windowContext = nullptr;
    WindowDpiFn windowDpi = nullptr;
    SystemDpiFn systemDpi = nullptr;
    ParametersForDpiFn parametersForDpi = nullptr;

    DpiFunctions() {
        HMODULE user = GetModuleHandleW(L"user32.dll");
        if (!user) return;
        find(user, "SetThreadDpiAwarenessContext", &setThreadContext);
        find(user, "GetWindowDpiAwarenessContext", &windowContext);
        find(user, "GetDpiForWindow", &windowDpi);
        find(user, "GetDpiForSystem", &systemDpi);
        find(user, "SystemParametersInfoForDpi", &parametersForDpi);
    }

    template <typename Fn>
    static void find(HMODULE module, const char* name, Fn* out) {
        *out = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
};

const DpiFunctions& Functions() {
    static const DpiFunctions functions;
    return functions;
}

UINT ScreenDpi() {
    const WindowDc screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? static_cast<UINT>(dpi) : kUnitDpi;
}

long ScaleRounded(long value, UINT by, UINT over) {
    if (over == 0 || by == over) return value;
    const long long p = static_cast<long long>(value) * by;
    const long long half = over / 2;
    long long q = p >= 0 ? (p + half) / over : -((-p + half) / over);
    if (q > 0x7FFFFFFFLL) q = 0x7FFFFFFFLL;
    if (q < -0x7FFFFFFFLL - 1) q = -0x7FFFFFFFLL - 1;
    return static_cast<long>(q);
}

}  // namespace

bool DpiAwareOn() { return g_on; }
void SetDpiAwareOn(bool on) { g_on = on; }

DpiAwarenessScope::DpiAwarenessScope(HWND window) {
    if (window) {
        const DpiFunctions& f = Functions();
        if (f.windowContext) enter(f.windowContext(window));
        return;
    }
    if (!g_on) return;
    // Windows takes version 2 from 1703 on; earlier versions (and Wine 8) refuse it and
    // take version 1.
    enter(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (!previous_) enter(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
}

void DpiAwarenessScope::enter(DPI_AWARENESS_CONTEXT context) {
    const DpiFunctions& f = Functions();
    if (f.setThreadContext && context) previous_ = f.setThreadContext(context);
}

DpiAwarenessScope::~DpiAwarenessScope() {
    if (previous_) Functions().setThreadContext(previous_);
}

UINT WindowDpi(HWND window) {
    const DpiFunctions& f = Functions();
    const UINT dpi = f.windowDpi && window ? f.windowDpi(window) : 0;
    return dpi ? dpi : ScreenDpi();
}

UINT SystemDpi() {
    const DpiFunctions& f = Functions();
    const UINT dpi = f.systemDpi ? f.systemDpi() : 0;
    return dpi ? dpi : ScreenDpi();
}

long UnitsToPixels(long units, UINT dpi) { return ScaleRounded(units, dpi, kUnitDpi); }
long PixelsToUnits(long pixels, UINT dpi) { return ScaleRounded(pixels, kUnitDpi, dpi); }

LOGFONTW MessageFontAt(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    const DpiFunctions& f = Functions();
    if (f.parametersForDpi && f.parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        return metrics.lfMessageFont;
    // Without the DPI entry point the metrics are the system's, at its resolution.
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof metrics.lfMessageFont, &metrics.lfMessageFont);
        return metrics.lfMessageFont;
    }
    metrics.lfMessageFont.lfHeight = ScaleRounded(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
    return metrics.lfMessageFont;
}

}  // namespace mv
