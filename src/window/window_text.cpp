// The window text through the wide entry points, and windows created with a text.
#include "window/window_text.h"

#include <cwchar>

#include "core/creation_scope.h"
#include "core/module_instance.h"
#include "window/window_range.h"

namespace mv {

namespace {
constexpr int kBuffer = 255;  // holds 254 characters and the terminating zero
// Texts up to this length are given at creation (measured: Wine 8 creates windows with
// names of 512 K characters, and fails from 1 M on).
constexpr size_t kLongestCreationText = 65535;
}

std::wstring GetWindowCaption(HWND hwnd) {
    // Wine answers a null handle with a count and nothing copied: trust only what the
    // call wrote, up to its terminating zero.
    if (!hwnd) return std::wstring();
    wchar_t buffer[kBuffer] = {};
    int n = GetWindowTextW(hwnd, buffer, kBuffer);
    if (n <= 0) return std::wstring();
    size_t length = wcsnlen(buffer, static_cast<size_t>(n));
    // A full buffer may end in the first half of a pair whose second half it could not hold.
    if (length + 1 == static_cast<size_t>(kBuffer) && IS_HIGH_SURROGATE(buffer[length - 1])) --length;
    return std::wstring(buffer, length);
}

void SetWindowCaption(HWND hwnd, const std::wstring& text) { SetWindowTextW(hwnd, text.c_str()); }

HWND CreateWindowWithText(DWORD exStyle, const wchar_t* windowClass, const std::wstring& text, DWORD style,
                          long x, long y, long width, long height, HWND parent) {
    const bool atCreation = std::wcslen(text.c_str()) <= kLongestCreationText;
    CreationScope scope(parent);  // the class a name stands for, and the awareness, are chosen at creation
    // A form may be placed where the system places new windows.
    auto position = [parent](long v) { return !parent && v == CW_USEDEFAULT ? CW_USEDEFAULT : WindowPosition(v); };
    HWND hwnd = CreateWindowExW(exStyle, windowClass, atCreation ? text.c_str() : L"", style, position(x),
                                position(y), WindowSize(width), WindowSize(height), parent, nullptr,
                                ModuleInstance(), nullptr);
    if (!hwnd) return nullptr;
    if (!atCreation) SetWindowCaption(hwnd, text);
    return hwnd;
}

}  // namespace mv
