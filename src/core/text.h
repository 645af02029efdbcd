// Automation strings (UTF-16) as the library hands them to the platform's wide entry points:
// copies, cuts that keep surrogate pairs whole, and case folding.
#pragma once

#include <windows.h>

#include <string>

namespace mv {

inline std::wstring toWide(BSTR s) { return std::wstring(s ? s : L"", SysStringLen(s)); }

// The length of at most `limit` units of s (of length n) without the first half of a
// surrogate pair whose second half would be cut off: a text cut to fit a buffer or a
// field ends with whole characters.
size_t WholeLength(const wchar_t* s, size_t n, size_t limit);
inline std::wstring CutWhole(const std::wstring& s, size_t limit) {
    return s.substr(0, WholeLength(s.data(), s.size(), limit));
}

// Lower-cases in place, as the library compares names and keys without regard to case.
void foldCase(std::wstring& s);

}  // namespace mv
