// The state of a form's dialog keys, kept on the form window: "MVVBDialogKeys" (1 while
// on), the default button in "MVVBDefaultCtl" and the cancel button in "MVVBCancelCtl";
// and the default button's look.
#pragma once

#include <windows.h>

namespace mv {

bool DialogKeysOn(HWND form);
void SetDialogKeys(HWND form, bool on);

// Records the default (cancel) button of the form; the default button looks like one only
// while the keys are on.
void SetDefaultButton(HWND form, HWND button);
void SetCancelButton(HWND form, HWND button);

}  // namespace mv
