// Control creation: the generic Addcontrol and the form's ten add methods.
#pragma once

#include <windows.h>

#include <string>

#include "com/dispatch.h"
#include "core/unique.h"

namespace mv {

class Form;
class Control;

// What Addcontrol needs to create one control window and its object.
struct ControlSpec {
    long kind;
    std::wstring name;
    std::string text;  // the window text, already in the system code page
    long left, top, width, height;
    std::wstring onClick;
    DWORD style;       // without WS_CHILD, which Addcontrol adds
    DWORD exStyle;
};

// Creates the child window on the form, gives it the default font, subclasses it, marks
// its kind, creates and attaches the control object, shows the window and appends the
// object to the form's controls under its name. Returns nothing when the name is taken
// (in any letter case) or the window cannot be created; other failures are reported
// ("Addcontrol method") while diagnostics are on and also return nothing.
ComPtr<Control> Addcontrol(Form& form, const ControlSpec& desc);

// The add methods as the form's member table calls them; each returns the new control
// or a null object.
HRESULT AddCmdButton(Form& f, const Args& a, Result& r);
HRESULT AddLabel(Form& f, const Args& a, Result& r);
HRESULT AddTextbox(Form& f, const Args& a, Result& r);
HRESULT AddComboBox(Form& f, const Args& a, Result& r);
HRESULT AddListBox(Form& f, const Args& a, Result& r);
HRESULT AddProgressBar(Form& f, const Args& a, Result& r);
HRESULT AddFrame(Form& f, const Args& a, Result& r);
HRESULT AddImage(Form& f, const Args& a, Result& r);
HRESULT AddOptionBox(Form& f, const Args& a, Result& r);
HRESULT AddCheckBox(Form& f, const Args& a, Result& r);

}  // namespace mv
