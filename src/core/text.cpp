// Conversions between automation strings and the system code page.
#include "core/text.h"

namespace mv {

std::string toAnsi(const wchar_t* s, size_t len) {
    if (!s || len == 0) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, s, static_cast<int>(len), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, s, static_cast<int>(len), out.data(), n, nullptr, nullptr);
    return out;
}

std::string toMessageBoxAnsi(const std::wstring& s) {
    constexpr size_t kLongest = 32766;
    std::string ansi = toAnsi(s.substr(0, kLongest));
    // A double-byte code page may need up to two bytes a character.
    if (ansi.size() > kLongest) ansi = toAnsi(s.substr(0, kLongest / 2));
    return ansi;
}

std::wstring fromAnsi(const char* s, size_t len) {
    if (!s || len == 0) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, s, static_cast<int>(len), nullptr, 0);
    if (n <= 0) return {};
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, s, static_cast<int>(len), out.data(), n);
    return out;
}

void foldCase(std::wstring& s) {
    if (!s.empty()) CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
}

}  // namespace mv
