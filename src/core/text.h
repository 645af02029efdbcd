// Conversions between automation strings (UTF-16) and the system code page, which all
// platform calls of the library use.
#pragma once

#include <windows.h>

#include <string>

namespace mv {

std::string toAnsi(const wchar_t* s, size_t len);
inline std::string toAnsi(const std::wstring& s) { return toAnsi(s.data(), s.size()); }
inline std::string toAnsi(BSTR s) { return toAnsi(s, SysStringLen(s)); }

// A text or caption for the platform's ANSI message box, cut to what it can take: it
// widens each through a counted string of at most 65535 bytes, and a longer one overran
// the heap there (measured under Wine 8: 32767 to 65535 characters crashed the host, and
// longer ones showed "?" or "Error"). Nobody reads that much in a message box.
std::string toMessageBoxAnsi(const std::wstring& s);

std::wstring fromAnsi(const char* s, size_t len);
inline std::wstring fromAnsi(const std::string& s) { return fromAnsi(s.data(), s.size()); }

inline std::wstring toWide(BSTR s) { return std::wstring(s ? s : L"", SysStringLen(s)); }

// Lower-cases in place, as the library compares names and keys without regard to case.
void foldCase(std::wstring& s);

}  // namespace mv
