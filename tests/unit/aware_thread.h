// Reading what the library's windows show at any resolution: a test thread made
// per-monitor aware for as long as an AwareThread lives (the library's windows are), the
// screen's resolution, units to pixels, and a control's rectangle in its form.
#pragma once

#include <windows.h>

namespace test {

// The test thread reads pixels as the library's windows are drawn: per-monitor aware.
class AwareThread {
public:
    using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    AwareThread() {
        set_ = reinterpret_cast<SetContext>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
        if (set_) previous_ = set_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    }
    ~AwareThread() {
        if (set_ && previous_) set_(previous_);
    }

private:
    SetContext set_ = nullptr;
    DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

inline UINT ScreenDpi() {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return static_cast<UINT>(dpi);
}

inline long Px(long units, UINT dpi) { return MulDiv(units, static_cast<int>(dpi), 96); }

// A control's rectangle in its form's client area, in pixels.
inline RECT ClientRectOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace test
