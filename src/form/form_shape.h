// The members through which a script shapes and places a form's window: caption,
// transparency, show state, enabled state, move and size locks, owner, title bar and its
// buttons, taskbar button, topmost state, position and size, focus. Each getter reads the
// window back; only the owner handle is kept in the form object.
//
// A destroyed form acts on no window at all (its old handle may by now name another
// program's window): setters do nothing, getters read 0 or the empty string, Layered 100.
#pragma once

#include "com/dispatch.h"

namespace mv {

class Form;

namespace form_shape {

HRESULT GetCaption(Form& f, const Args& a, Result& r);
HRESULT PutCaption(Form& f, const Args& a, Result& r);
HRESULT GetLayered(Form& f, const Args& a, Result& r);
HRESULT PutLayered(Form& f, const Args& a, Result& r);
HRESULT GetWindowState(Form& f, const Args& a, Result& r);
HRESULT PutWindowState(Form& f, const Args& a, Result& r);
HRESULT GetEnable(Form& f, const Args& a, Result& r);
HRESULT PutEnable(Form& f, const Args& a, Result& r);
HRESULT GetMoveable(Form& f, const Args& a, Result& r);
HRESULT PutMoveable(Form& f, const Args& a, Result& r);
HRESULT GetHwndOwner(Form& f, const Args& a, Result& r);
HRESULT PutHwndOwner(Form& f, const Args& a, Result& r);
HRESULT GetMousePointer(Form& f, const Args& a, Result& r);
HRESULT PutMousePointer(Form& f, const Args& a, Result& r);
HRESULT ChangeSysMenu(Form& f, const Args& a, Result& r);
HRESULT GetTitleBar(Form& f, const Args& a, Result& r);
HRESULT PutTitleBar(Form& f, const Args& a, Result& r);
HRESULT GetShowInTaskbar(Form& f, const Args& a, Result& r);
HRESULT PutShowInTaskbar(Form& f, const Args& a, Result& r);
HRESULT GetResizeable(Form& f, const Args& a, Result& r);
HRESULT PutResizeable(Form& f, const Args& a, Result& r);
HRESULT GetTopMost(Form& f, const Args& a, Result& r);
HRESULT PutTopMost(Form& f, const Args& a, Result& r);

// form_geometry.cpp
HRESULT GetLeft(Form& f, const Args& a, Result& r);
HRESULT PutLeft(Form& f, const Args& a, Result& r);
HRESULT GetTop(Form& f, const Args& a, Result& r);
HRESULT PutTop(Form& f, const Args& a, Result& r);
HRESULT GetHeight(Form& f, const Args& a, Result& r);
HRESULT PutHeight(Form& f, const Args& a, Result& r);
HRESULT GetWidth(Form& f, const Args& a, Result& r);
HRESULT PutWidth(Form& f, const Args& a, Result& r);
HRESULT MoveResize(Form& f, const Args& a, Result& r);
HRESULT Refresh(Form& f, const Args& a, Result& r);
HRESULT SetFocus(Form& f, const Args& a, Result& r);

// The form's window while it exists as the form's; null once the form is destroyed.
HWND LiveWindow(const Form& f);

}  // namespace form_shape

}  // namespace mv
