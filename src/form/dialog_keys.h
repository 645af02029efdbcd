// Enter and Escape on forms whose dialog keys are on (DialogKeys): Enter in a field clicks
// the form's default button, Escape clicks its cancel button or closes the form as its
// close box does; and the default button's look. Both window procedures hand their
// key-downs and characters here first; with the keys off nothing here acts.
#pragma once

#include <windows.h>

#include "window/dialog_buttons.h"
#include "window/message_table.h"

namespace mv {

// For a WM_KEYDOWN or WM_CHAR of the form window `form` or of one of its controls: true
// when the form's dialog keys took it, and the caller then answers 0 and passes nothing
// on. The keys act at the key-down (once, not while held); the character that
// TranslateMessage makes of the key-down is taken too, so the field never sees it. `key`
// and `flags` are what the message carries (its key or character, and its key flags).
bool TakeDialogKey(HWND form, const WindowMessage& m, UINT key, KeyFlags flags);

bool DialogKeysOn(HWND form);
// Switches the form's dialog keys on or off; the default button takes or loses its look.
void SetDialogKeys(HWND form, bool on);

// Records the form's default button; while the keys are on, the look moves to it.
void SetDefaultButton(HWND form, HWND button);
void SetCancelButton(HWND form, HWND button);

}  // namespace mv
