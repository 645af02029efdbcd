// Shortcut letters, as the dialog manager gives them: Alt+letter (and the letter alone
// while the focus is on a button, check box or option box) acts on the visible, enabled
// control whose caption marks that letter with &. What it does is the kind's
// (KeyboardRecord::shortcut). Two or more controls with one letter: the focus moves
// among them and nothing is clicked. Labels show & as text unless the form's dialog keys
// are on. Also the keyboard cues (underlines, focus rectangles), which the system hides
// until the keyboard is used.
#pragma once

#include <windows.h>

namespace mv {

// The character `ch` typed with Alt (or alone, from a control of a kind that takes
// letters alone as shortcuts) in the form window `form` or one of its controls. True when
// a control has the shortcut and it acted: the caller then takes the key.
bool TakeShortcut(HWND form, WPARAM ch);

// The shortcut letter a control window's caption marks, upper case; 0 for none (also for
// a kind that shows & as text while its form's dialog keys are off).
wchar_t ShortcutOf(HWND control);

// The kinds that show & as text unless the dialog keys are on follow the form's switch:
// all its controls at once (ShowLabelShortcuts), or one control just added.
void ShowLabelShortcuts(HWND form);
void FollowDialogKeys(HWND control);

// Shows the keyboard cues of the form holding `window` (a form or control window):
// UISF_HIDEFOCUS, UISF_HIDEACCEL or both.
void ShowKeyboardCues(HWND window, WORD cues);
// Shows both cues when the key pressed in `window` is Tab, an arrow or Alt: from then on
// the user works with the keyboard.
void ShowCuesForKey(HWND window, WPARAM key);
// Sets the form's cues from the system's setting and the last input, as a dialog's are
// when it opens.
void InitKeyboardCues(HWND form);

}  // namespace mv
