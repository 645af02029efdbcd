// The "Bad property" report.
#include "control/member_check.h"

#include "core/diagnostics.h"

namespace mv {

bool MemberApplies(KindSet kinds, long kind, const wchar_t* member, const std::wstring& objectName, bool silent) {
    if (InSet(kinds, kind)) return true;
    if (!silent)
        ShowError(L"The property '" + std::wstring(member) + L"' don't apply to the object '" + objectName + L"'",
                  L"Bad property");
    return false;
}

}  // namespace mv
