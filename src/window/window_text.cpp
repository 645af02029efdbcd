// The window text, read through the system code page.
#include "window/window_text.h"

#include <cstring>

#include "core/text.h"

namespace mv {

std::wstring GetWindowCaption(HWND hwnd) {
    // Wine answers a null handle with a count and nothing copied: trust only what the
    // call wrote, up to its terminating zero.
    if (!hwnd) return std::wstring();
    char buffer[255] = {};
    int n = GetWindowTextA(hwnd, buffer, sizeof buffer);
    if (n <= 0) return std::wstring();
    return fromAnsi(buffer, strnlen(buffer, static_cast<size_t>(n)));
}

}  // namespace mv
