// The folder browser and the open and save file dialogs a form offers its script. Each is
// modal, owned by the given window, and gives back the chosen path, or the empty string
// when the user cancels or the dialog cannot be shown.
#pragma once

#include <windows.h>

#include <string>

namespace mv {

// Shows the folder tree with `title` above it and `startDirectory` selected; returns the
// chosen folder's file-system path.
std::wstring BrowseForFolder(HWND owner, const std::wstring& title, const std::wstring& startDirectory);

// The folder browser's callback: selects the start folder (`data`, the request's lParam)
// once the dialog is up.
int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM param, LPARAM data);

// The file dialogs leave the process's current directory as they found it.
// The full path of an existing file the user chose to open.
std::wstring BrowseForFileOpen(HWND owner);

// The full path the user chose to save under (asked first when that file exists).
std::wstring BrowseForFileSave(HWND owner);

}  // namespace mv
