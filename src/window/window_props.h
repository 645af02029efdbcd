// Named window properties: pointer-sized values the library stores on its windows under
// fixed ANSI names (the same atoms whether a program reads them with GetPropA or GetPropW). An absent property reads 0 and every reader treats 0 as not set; none is
// ever removed, they end with their window.
#pragma once

#include <windows.h>

namespace mv {

namespace prop {
// Form and control windows: 1-based position in the forms registry / the form's controls.
constexpr const char* kPosition = "MVHwndInPosition";
// Control windows: the control kind, 0-9.
constexpr const char* kKind = "MVVBccnObjectType";
// Control windows: the window procedure the control's class gave it.
constexpr const char* kOldProc = "MVVBOldProc";
// Form windows: the window to give the focus back to; the default control.
constexpr const char* kLastFocused = "MVVBLastfocused";
constexpr const char* kDefaultCtl = "MVVBDefaultCtl";
// Form windows: the cancel button; 1 while Enter and Escape act as in a dialog.
constexpr const char* kCancelCtl = "MVVBCancelCtl";
constexpr const char* kDialogKeys = "MVVBDialogKeys";
// Owner windows: the form window they own.
constexpr const char* kOwnedChild = "MVVBHwnChild";
// Form windows: the close command switched off; the move lock (0, 1, or 2 = one move).
constexpr const char* kCloseDeactivated = "MVVBCloseDeactivated";
constexpr const char* kNotMoveable = "MVVBNotMoveAble";
// Form windows: 1 once the form's destruction has begun.
constexpr const char* kIsDestroyed = "MVVBIsDestroyed";
// Control windows: 1 between a reported double-click and the release that ends it.
constexpr const char* kDblClkDone = "DblClkDone";
// Form windows: the tooltip window that shows its controls' ToolTip.
constexpr const char* kToolTips = "MVVBToolTips";
// Progress bars: the end column of the last custom paint.
constexpr const char* kPbPreviousPos = "MVVBPBPreviousPos";
}  // namespace prop

inline LONG_PTR GetWindowValue(HWND hwnd, const char* name) {
    return reinterpret_cast<LONG_PTR>(GetPropA(hwnd, name));
}

inline void SetWindowValue(HWND hwnd, const char* name, LONG_PTR value) {
    SetPropA(hwnd, name, reinterpret_cast<HANDLE>(value));
}

}  // namespace mv
