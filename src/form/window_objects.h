// The form or the control behind one of the library's windows, for the window procedures
// and the form's window properties: found through the current Desktop's registry, by the
// positions the windows carry. Null while the object is being created, when its form is no
// longer registered, or for a window that is not the library's.
#pragma once

#include <windows.h>

#include "core/unique.h"

namespace mv {

class Form;
class Control;

ComPtr<Form> FormOfWindow(HWND hwnd);
ComPtr<Control> ControlOfWindow(HWND hwnd);

}  // namespace mv
