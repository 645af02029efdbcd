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

// A form's geometry between the script's units and pixels, the one rule for every member:
// a position on the desktop with the one desktop-wide factor, whichever monitor the form is
// on (Form::positionDpi); a size with the window's own DPI (Form::unitDpi).
long PositionToPixels(const Form& f, long units);
long PositionToUnits(const Form& f, long pixels);
long SizeToPixels(const Form& f, long units);
long SizeToUnits(const Form& f, long pixels);

// A new form's window, made `width` x `height` units at `createdAt` DPI, still hidden:
// sized again for its own DPI when that is another (a monitor of another scaling than
// the system's gets no WM_DPICHANGED at creation).
void SizeForOwnDpi(Form& f, long width, long height, UINT createdAt);

// The form's window now draws at `dpi` (WM_DPICHANGED): a form the library created scaled
// takes the suggested rectangle (in pixels; null keeps its own) and its controls'
// positions, sizes and fonts follow; true. A form created in the host's awareness (units
// are pixels) leaves the message to the system: false.
bool FollowDpi(Form& f, UINT dpi, const RECT* suggested);

}  // namespace form_shape

}  // namespace mv
