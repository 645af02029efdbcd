// The thread's DPI awareness around window creation, and the resolution of windows.
#include "core/dpi.h"
#include "core/unique.h"

namespace mv {

namespace {

bool g_on = true;

using WindowContextFn = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
using WindowDpiFn = UINT(WINAPI*)(HWND);
using SystemDpiFn = UINT(WINAPI*)();
using ParametersForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
using ContextsEqualFn = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT);
using NonClientScalingFn = BOOL(WINAPI*)(HWND);

// The entry points of Windows 10 1607 and later, looked up once; null where absent.
struct DpiFunctions {
    SetDpiContextFn setThreadContext = nullptr;
    WindowContextFn windowContext = nullptr;
    WindowDpiFn windowDpi = nullptr;
    SystemDpiFn systemDpi = nullptr;
    ParametersForDpiFn parametersForDpi = nullptr;
    ContextsEqualFn contextsEqual = nullptr;
    NonClientScalingFn nonClientScaling = nullptr;

    DpiFunctions() {
        HMODULE user = GetModuleHandleW(L"user32.dll");
        if (!user) return;
        find(user, "SetThreadDpiAwarenessContext", &setThreadContext);
        find(user, "GetWindowDpiAwarenessContext", &windowContext);
        find(user, "GetDpiForWindow", &windowDpi);
        find(user, "GetDpiForSystem", &systemDpi);
        find(user, "SystemParametersInfoForDpi", &parametersForDpi);
        find(user, "AreDpiAwarenessContextsEqual", &contextsEqual);
        find(user, "EnableNonClientDpiScaling", &nonClientScaling);
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

// Windows takes version 2 from 1703 on; 1607 (and Wine 8) refuse it and take version 1 and
// system awareness; earlier versions have no thread contexts at all.
EnteredContext EnterCreationContext(TopLevel kind, SetDpiContextFn setContext) {
    const DPI_AWARENESS_CONTEXT form[] = {DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2,
                                          DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE};
    const DPI_AWARENESS_CONTEXT dialog[] = {DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2,
                                            DPI_AWARENESS_CONTEXT_SYSTEM_AWARE};
    if (!setContext) return {};
    for (DPI_AWARENESS_CONTEXT context : kind == TopLevel::Form ? form : dialog) {
        if (DPI_AWARENESS_CONTEXT previous = setContext(context)) return {context, previous};
    }
    return {};
}

DpiAwarenessScope::DpiAwarenessScope(HWND window) {
    if (window) {
        const DpiFunctions& f = Functions();
        if (f.windowContext) enter(f.windowContext(window));
        return;
    }
    if (g_on) previous_ = EnterCreationContext(TopLevel::Form, Functions().setThreadContext).previous;
}

DpiAwarenessScope::DpiAwarenessScope(TopLevel kind) {
    if (g_on) previous_ = EnterCreationContext(kind, Functions().setThreadContext).previous;
}

void DpiAwarenessScope::enter(DPI_AWARENESS_CONTEXT context) {
    const DpiFunctions& f = Functions();
    if (f.setThreadContext && context) previous_ = f.setThreadContext(context);
}

DpiAwarenessScope::~DpiAwarenessScope() {
    if (previous_) Functions().setThreadContext(previous_);
}

UINT WindowDpi(HWND window) {
    if (g_windowDpiForTests) return g_windowDpiForTests(window);
    const DpiFunctions& f = Functions();
    const UINT dpi = f.windowDpi && window ? f.windowDpi(window) : 0;
    return dpi ? dpi : ScreenDpi();
}

UINT SystemDpi() {
    const DpiFunctions& f = Functions();
    const UINT dpi = f.systemDpi ? f.systemDpi() : 0;
    return dpi ? dpi : ScreenDpi();
}

UINT DesktopDpi() {
    const DpiFunctions& f = Functions();
    const EnteredContext aware = EnterCreationContext(TopLevel::Form, f.setThreadContext);
    const UINT dpi = SystemDpi();
    if (aware.previous) f.setThreadContext(aware.previous);
    return dpi;
}

bool CreatedPerMonitorV1(HWND window) {
    const DpiFunctions& f = Functions();
    return f.windowContext && f.contextsEqual && window &&
           f.contextsEqual(f.windowContext(window), DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
}

bool ScaleNonClientArea(HWND window) {
    const DpiFunctions& f = Functions();
    return f.nonClientScaling && f.nonClientScaling(window);
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
