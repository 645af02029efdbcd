// What a screen reader is told about a control: the system's standard accessible object
// for its window (role, state, value, location, navigation, all the system's), with only
// the name and the description replaced by the control's AccessibleName and ToolTip when
// the script gave them.
#pragma once

#include <windows.h>

#include <string>

namespace mv {

class Control;

// Answers WM_GETOBJECT (its flags and object identifier) for the control's window: true,
// with the answer, when it asks for the client object and the control has a name or a
// description of its own;
// false leaves the message to the window's class and the system.
bool AnswerGetObject(Control& c, WPARAM wp, LONG object, LRESULT* answer);

// Gives the control its name for screen readers (empty: the system's), and tells them.
void SetAccessibleName(Control& c, const std::wstring& name);

}  // namespace mv
