// Control creation: the generic Addcontrol and the form's add methods, one per control kind.
#pragma once

#include <windows.h>

#include <string>

#include "com/dispatch.h"
#include "control/control_kind.h"
#include "core/unique.h"

namespace mv {

class Form;
class Control;

// What Addcontrol needs to create one control window and its object.
struct ControlSpec {
    long kind;
    std::wstring name;
    std::wstring text;  // the window text (up to its first NUL)
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

// The add method of a kind (AddCmdButton, AddLabel, ...) as the form's member table calls
// it: creates the control as the kinds table says and answers it, or a null object.
HRESULT AddControlOfKind(Form& f, ControlKind kind, const Args& a, Result& r);

template <ControlKind K>
HRESULT AddKind(Form& f, const Args& a, Result& r) { return AddControlOfKind(f, K, a, r); }

}  // namespace mv
