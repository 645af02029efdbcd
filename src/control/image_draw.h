// Picture files drawn on image controls, stretched over the whole window.
#pragma once

#include <windows.h>

#include <string>

namespace mv {

// Lower-cases path in place, then, when it names a picture type the library draws (it
// contains ".gif", ".bmp", ".ico", ".jp" or "." + any character + "mf") and no comma,
// loads the file and stretches the picture over the window. Returns true when a picture
// was drawn. Nothing is cached: every call reads the file again.
bool DrawImage(HWND window, std::wstring& path);

// True when the lower-case path names a picture type the library draws.
bool IsDrawablePath(const std::wstring& lowerPath);

}  // namespace mv
