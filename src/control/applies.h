// The applicability check that every kind-specific member of a control runs first.
#pragma once

#include "control/control.h"
#include "core/property_table.h"

namespace mv {

// True when the member applies to the control's kind; otherwise the "Bad property" box
// is shown while diagnostics are on, and the member does nothing more.
inline bool Applies(const Control& c, const wchar_t* member) {
    return CheckProperty(c.kind(), member, c.name(), false);
}

}  // namespace mv
