// The window procedures' way from a control window to its control object, and the posting
// of a control's event string. A one-entry cache holds the object of the window looked up
// last, so a stream of messages to one control looks it up once.
#pragma once

#include <windows.h>

#include <string>

#include "control/control.h"
#include "core/unique.h"

namespace mv {

class ControlCache {
public:
    constexpr ControlCache() = default;
    ControlCache(const ControlCache&) = delete;
    ControlCache& operator=(const ControlCache&) = delete;

    // The control object of the window, from the cache or the current Desktop's registry;
    // null while the control is being created or when its form is no longer registered.
    // The reference keeps it alive while the caller uses it, whatever the cache holds by then.
    ComPtr<Control> find(HWND hwnd);

    // Empties the cache when the control it holds belongs to the given form window: called
    // when that form's window goes, so that the cache does not keep a destroyed form's
    // controls (and with them the form) alive.
    void forgetForm(HWND formWindow);

private:
    StaticRef<Control> entry_;  // process-wide: never released at process exit
};

// Raises one of the control's events (named by the field of its event string), when there
// is a control.
void PostControlEvent(const ComPtr<Control>& c, std::wstring ControlEvents::*field);

}  // namespace mv
