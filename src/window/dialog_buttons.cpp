// The dialog keys' state on the form window, and the default button's look.
#include "window/dialog_buttons.h"

#include "window/window_props.h"

namespace mv {

namespace {

// A push button drawn as the default button or as an ordinary one, redrawn at once.
void DrawAsDefault(HWND button, bool on) {
    if (!button || !IsWindow(button)) return;
    LONG style = GetWindowLongW(button, GWL_STYLE);
    LONG type = style & BS_TYPEMASK;
    if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON) return;
    WPARAM look = (style & 0xFFFF & ~BS_TYPEMASK) | (on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    SendMessageW(button, BM_SETSTYLE, look, TRUE);
}

HWND DefaultButton(HWND form) { return reinterpret_cast<HWND>(GetWindowValue(form, prop::kDefaultCtl)); }

}  // namespace

bool DialogKeysOn(HWND form) { return form && GetWindowValue(form, prop::kDialogKeys) == 1; }

void SetDialogKeys(HWND form, bool on) {
    SetWindowValue(form, prop::kDialogKeys, on ? 1 : 0);
    DrawAsDefault(DefaultButton(form), on);
}

// While the keys are off no button has the look, and a button's style stays as created.
void SetDefaultButton(HWND form, HWND button) {
    HWND old = DefaultButton(form);
    SetWindowValue(form, prop::kDefaultCtl, reinterpret_cast<LONG_PTR>(button));
    if (!DialogKeysOn(form)) return;
    if (old != button) DrawAsDefault(old, false);
    DrawAsDefault(button, true);
}

void SetCancelButton(HWND form, HWND button) {
    SetWindowValue(form, prop::kCancelCtl, reinterpret_cast<LONG_PTR>(button));
}

}  // namespace mv
