// The process-wide diagnostics switch behind Desktop.DebugOption and the error reporter
// that shows the library's errors only while it is on.
#pragma once

#include <string>

namespace mv {

bool DebugFlag();
void SetDebugFlag(bool on);

// A system-modal exclamation box with an OK button, shown only while DebugFlag is set.
void ShowError(const std::wstring& message, const std::wstring& title);

}  // namespace mv
