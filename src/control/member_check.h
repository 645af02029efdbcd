// The check every kind-specific member of a control runs first: whether the control's kind
// is among the kinds the member's row names, and the "Bad property" report when it is not.
#pragma once

#include <string>

#include "control/control_kind.h"

namespace mv {

// True when `kind` is in `kinds`. When it is not, and silent is false, the "Bad property"
// box names the member and the control while diagnostics are on.
bool MemberApplies(KindSet kinds, long kind, const wchar_t* member, const std::wstring& objectName, bool silent);

}  // namespace mv
