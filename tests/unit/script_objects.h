// What the tests that play a script's part do with its forms, beside the Session
// (fixtures.h) and the late-bound objects (late_bound.h) they hold as script variables:
// the form object behind a variable, and its pending event emptied or waited for.
#pragma once

#include <windows.h>

#include <string>

#include "fixtures.h"
#include "form/form.h"

namespace test {

// The form object behind a late-bound form.
inline mv::Form* FormOf(const Obj& form) { return static_cast<mv::Form*>(form.get()); }

// Dispatches what is pending and empties the form's pending event.
inline void Drain(const Obj& form) {
    Pump();
    FormOf(form)->SetLastEvent(L"");
}

// Reads LastEvent as a script does, but gives up after `ms`: a thread timer then posts
// "<timeout>" to the form, which ends the wait like any event.
std::wstring LastEventWithin(const Obj& form, DWORD ms = 3000);

}  // namespace test
