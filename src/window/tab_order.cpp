// The focus hand-over, and Tab and Shift+Tab over a form's controls.
#include "window/tab_order.h"

#include "control/control.h"
#include "control/kind_records.h"
#include "desktop/window_objects.h"
#include "core/os_level.h"
#include "core/unique.h"
#include "form/form.h"
#include "window/message_pass.h"
#include "window/window_props.h"

namespace mv {

namespace {

// Focus hand-overs nest: a form taking the focus hands it on to its last focused control
// or to the form it owns. Owner marks that form a cycle (A owns B, B owns A) would nest
// without end; past this depth a hand-over does nothing.
constexpr int kMaxFocusNesting = 8;
int g_focusNesting = 0;

bool TakesFocus(HWND hwnd) {
    const KindRecord* record = RecordOf(static_cast<long>(GetWindowValue(hwnd, prop::kKind)));
    if (!record || !record->takesFocus) return false;
    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

}  // namespace

void FocusWindow(HWND hwnd) {
    bool visible = HasStyle(hwnd, WS_VISIBLE);  // the message pass runs also for 0
    if (!hwnd || !visible || g_focusNesting >= kMaxFocusNesting) return;
    NestingGuard nested(g_focusNesting);
    long activeMinimised = 0;
    MakeLongOf(WA_ACTIVE, 1, &activeMinimised);  // 0x10001, always in range
    SendMessageW(GetFocus(), WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(hwnd));
    SendMessageW(hwnd, WM_ACTIVATE, static_cast<WPARAM>(activeMinimised),
                 reinterpret_cast<LPARAM>(GetFocus()));
    ShowCaret(hwnd);
}

void FocusNextControl(HWND hwnd, bool reverse) {
    if (!hwnd) return;
    ComPtr<Form> form = FormOfWindow(GetParent(hwnd));
    if (!form) return;
    const long n = static_cast<long>(form->controls().count());
    const long step = reverse ? -1 : 1;

    long start = 0;
    for (long i = 1; i <= n && !start; ++i) {
        Control* c = form->controlAt(i);
        if (c && c->hwnd() == hwnd) start = i;
    }
    if (!start) return;

    // Nothing below passes messages until the focus moves, so the walk sees one state.
    for (long i = start;;) {
        i += step;
        if (i > n) i = 1;
        if (i < 1) i = n;
        if (i == start) return;
        Control* c = form->controlAt(i);
        if (c && TakesFocus(c->hwnd())) {
            FocusWindow(c->hwnd());
            return;
        }
    }
}

}  // namespace mv
