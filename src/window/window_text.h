// The text of a window (a form's caption, a control's caption or text), written and read
// through the wide entry points, so that it holds any Unicode text. Every window text the
// library sets or reads back goes through here.
#pragma once

#include <windows.h>

#include <string>

namespace mv {

// The window text, read through a 255-character buffer: at most 254 UTF-16 characters,
// fewer by one where the 254th is the first half of a surrogate pair.
std::wstring GetWindowCaption(HWND hwnd);

// Sets the window text: the text up to its first NUL, as the window stores it.
void SetWindowCaption(HWND hwnd, const std::wstring& text);

// CreateWindowExW with the library's module instance, no menu and no creation data: a
// Unicode window whose text is `text` up to its first NUL. A very long text is set just
// after the window is created, before anything else is done with it (Wine 8 fails the
// creation of a window with a name of a million characters, answering 0xC0000005 as
// the handle). Positions and sizes are brought within the platform's range first
// (window_range.h), except the system's default position (CW_USEDEFAULT) of a window
// without a parent. Null when the window cannot be created.
HWND CreateWindowWithText(DWORD exStyle, const wchar_t* windowClass, const std::wstring& text, DWORD style,
                          long x, long y, long width, long height, HWND parent);

}  // namespace mv
