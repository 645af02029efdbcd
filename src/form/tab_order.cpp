// Tab and Shift+Tab over a form's controls.
#include "form/tab_order.h"

#include "control/control.h"
#include "control/kind_records.h"
#include "form/form.h"
#include "form/window_objects.h"
#include "window/focus.h"
#include "window/subclass_record.h"
#include "window/window_props.h"

namespace mv {

namespace {

bool TakesFocus(HWND hwnd) {
    const KindRecord* record = RecordOf(SubclassKind(hwnd));
    if (!record || !record->takesFocus) return false;
    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

}  // namespace

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
