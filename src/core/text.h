// Automation strings (UTF-16) as the library hands them to the platform's wide entry points:
// copies, cuts that keep surrogate pairs whole, and case folding.
#pragma once

#include <windows.h>

#include <string>

namespace mv {

inline std::wstring ToWide(BSTR s) { return std::wstring(s ? s : L"", SysStringLen(s)); }

// At most the first `limit` UTF-16 characters of s, one fewer where the last of them would
// be the first half of a surrogate pair whose second half is cut off.
std::wstring CutWhole(const std::wstring& s, size_t limit);

// Lower-cases in place, as the library compares names and keys without regard to case.
void FoldCase(std::wstring& s);

}  // namespace mv
