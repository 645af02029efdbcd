// The members through which a script shapes and places a form's window: caption,
// transparency, show state, enabled state, move and size locks, owner, title bar and its
// buttons, taskbar button, topmost state, position and size, focus. Each getter reads the
// window back; only the owner handle is kept in the form object.
//
// A destroyed form acts on no window at all (its old handle may by now name another
// program's window): setters do nothing, getters read 0 or the empty string, Layered 100.
#pragma once

#include <windows.h>

#include "com/dispatch.h"

namespace mv {

class Form;

namespace form_shape {

// Member handlers, wired to the form's member table.
MemberHandler<Form> GetCaption, PutCaption, GetLayered, PutLayered, GetWindowState, PutWindowState, GetEnable, PutEnable,
    GetMoveable, PutMoveable, GetHwndOwner, PutHwndOwner, GetMousePointer, PutMousePointer, ChangeSysMenu,
    GetTitleBar, PutTitleBar, GetShowInTaskbar, PutShowInTaskbar, GetResizeable, PutResizeable, GetTopMost,
    PutTopMost;

// form_geometry.cpp
MemberHandler<Form> GetLeft, PutLeft, GetTop, PutTop, GetHeight, PutHeight, GetWidth, PutWidth, MoveResize, Refresh, SetFocus;

// The form's window now draws at `dpi` (WM_DPICHANGED): a form whose units follow its
// resolution takes the suggested rectangle (in pixels; null keeps its own) and its
// controls' positions, sizes and fonts follow. A form created in the host's awareness
// (units are pixels) is left as it is.
void FollowDpi(Form& f, UINT dpi, const RECT* suggested);

}  // namespace form_shape

}  // namespace mv
