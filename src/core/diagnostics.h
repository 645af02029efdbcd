// The process-wide diagnostics switch behind Desktop.DebugOption, the error reporter that
// shows the library's errors only while it is on, and the message box it shares with the
// form's ShowMsgBox.
#pragma once

#include <windows.h>

#include <string>

namespace mv {

bool DebugFlag();
void SetDebugFlag(bool on);

// A system-modal exclamation box with an OK button, shown only while DebugFlag is set.
void ShowError(const std::wstring& message, const std::wstring& title);

// The platform's message box with any Unicode text and caption, each cut to its first
// 32766 characters without splitting a surrogate pair: the most a box of the library has
// ever shown, and more than anyone reads in one. Returns the button pressed.
int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style);

}  // namespace mv
