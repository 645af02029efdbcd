// The form or the control behind one of the library's windows, for the window procedures
// and the form's window properties. Each thread keeps the forms whose windows it made,
// by window, from the window's attachment to its form until the form's teardown; a
// control is found through its form window and the position the window carries. So every
// live form answers for its windows, whichever Desktop made it. Null while the object is
// being created, once its form is torn down, or for a window that is not the library's.
#pragma once

#include <windows.h>

#include "core/unique.h"
#include "form/form_windows.h"

namespace mv {

class Form;
class Control;

ComPtr<Form> FormOfWindow(HWND hwnd);
ComPtr<Control> ControlOfWindow(HWND hwnd);

// The window procedures' one-entry cache of the control looked up last, so that a stream
// of messages to one control looks it up once: ControlOfWindow through the cache.
ComPtr<Control> CachedControlOfWindow(HWND hwnd);

}  // namespace mv
