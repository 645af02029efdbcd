// Tab and Shift+Tab over a form's controls.
#include "form/tab_order.h"

#include "control/control.h"
#include "control/kind_records.h"
#include "form/form.h"
#include "form/window_objects.h"
#include "window/focus.h"
#include "window/subclass_record.h"

namespace mv {

bool CanTakeFocus(HWND hwnd) {
    const KindRecord* record = RecordOf(SubclassKind(hwnd));
    if (!record || !record->takesFocus) return false;
    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

std::vector<HWND> ControlWindowsOf(HWND formWindow) {
    std::vector<HWND> windows;
    ComPtr<Form> form = FormOfWindow(formWindow);
    if (!form || form->hwnd() != formWindow) return windows;
    const long n = static_cast<long>(form->controls().count());
    for (long i = 1; i <= n; ++i)
        if (Control* c = form->controlAt(i)) windows.push_back(c->hwnd());
    return windows;
}

// Nothing here passes messages until the focus moves, so the walk sees one state.
HWND NextFocusable(HWND formWindow, HWND from, bool reverse) {
    const std::vector<HWND> windows = ControlWindowsOf(formWindow);
    const long n = static_cast<long>(windows.size());
    long start = 0;  // 1-based; 0: before the first (after the last, going back)
    for (long i = 1; i <= n && !start; ++i)
        if (windows[i - 1] == from) start = i;
    if (from && !start) return nullptr;
    const long step = reverse ? -1 : 1;
    long i = start ? start : (reverse ? n + 1 : 0);
    for (long walked = 0; walked < n; ++walked) {
        i += step;
        if (i > n) i = 1;
        if (i < 1) i = n;
        if (i == start) return nullptr;
        if (CanTakeFocus(windows[i - 1])) return windows[i - 1];
    }
    return nullptr;
}

void FocusNextControl(HWND hwnd, bool reverse) {
    if (!hwnd) return;
    if (HWND next = NextFocusable(GetParent(hwnd), hwnd, reverse)) FocusWindow(next);
}

void FocusEdgeControl(HWND formWindow, bool last) {
    if (HWND edge = NextFocusable(formWindow, nullptr, last)) FocusWindow(edge);
}

}  // namespace mv
