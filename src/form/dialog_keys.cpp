// Dialog keys of forms. A form is a plain window, not a dialog: no dialog manager turns
// Enter and Escape into its buttons' commands, so the window procedures ask here. The
// state lives on the form window (window/dialog_buttons.h).
#include "form/dialog_keys.h"

#include "control/control.h"
#include "control/kind_records.h"
#include "form/form.h"
#include "form/window_objects.h"
#include "window/dialog_buttons.h"
#include "window/window_props.h"

namespace mv {

namespace {

enum class Role { None, Accept, Cancel };

// What Enter or Escape does in this window of the form.
Role RoleOf(HWND form, const WindowMessage& m, UINT key) {
    const bool onControl = m.hwnd != form;
    // An open list takes both keys itself: they close it.
    const KindRecord& kind = RecordOrNone(m.kind);
    if (onControl && kind.openListTakesKeys && SendMessageW(m.hwnd, CB_GETDROPPEDSTATE, 0, 0)) return Role::None;
    if (key == VK_ESCAPE) return Role::Cancel;
    if (!onControl) return Role::None;
    // A command button clicks itself; the kinds that take no focus see no key.
    if (!kind.enterAccepts) return Role::None;
    // A multi-line box takes Enter as a line break.
    const bool lineBreaks = kind.enterStyle && (GetWindowLongW(m.hwnd, GWL_STYLE) & kind.enterStyle);
    return lineBreaks ? Role::None : Role::Accept;
}

// The button recorded on the form under `name` while it is still a window of the form,
// shown and enabled; null otherwise.
HWND UsableButton(HWND form, const char* name) {
    HWND button = reinterpret_cast<HWND>(GetWindowValue(form, name));
    if (!button || !IsWindow(button) || GetParent(button) != form) return nullptr;
    LONG style = GetWindowLongW(button, GWL_STYLE);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED) ? button : nullptr;
}

// Posts the button's OnClick, as a click on it does.
void Click(HWND button) {
    PostControlEvent(ControlOfWindow(button), ControlEvent::OnClick);
}

}  // namespace

bool TakeDialogKey(HWND form, const WindowMessage& m, UINT key, KeyFlags flags) {
    // The characters of Enter and Escape have the keys' codes.
    if ((key != VK_RETURN && key != VK_ESCAPE) || !DialogKeysOn(form)) return false;
    const Role role = RoleOf(form, m, key);
    if (role == Role::None) return false;
    if (m.msg != WM_KEYDOWN || flags.repeated()) return true;
    if (role == Role::Accept) {
        if (HWND ok = UsableButton(form, prop::kDefaultCtl)) Click(ok);
    } else if (HWND cancel = UsableButton(form, prop::kCancelCtl)) {
        Click(cancel);
    } else {
        SendMessageW(form, WM_SYSCOMMAND, SC_CLOSE, 0);  // what the close box does for this form
    }
    return true;
}

}  // namespace mv
