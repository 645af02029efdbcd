// Reading the text of a window (a form's caption, a control's caption or text). Every
// window text the library reads back goes through here, so this is where its encoding
// is decided.
#pragma once

#include <windows.h>

#include <string>

namespace mv {

// The window text, read through a 255-character buffer: at most 254 characters.
std::wstring GetWindowCaption(HWND hwnd);

}  // namespace mv
