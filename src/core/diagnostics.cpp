// Diagnostics switch and error reporter.
#include "core/diagnostics.h"

#include <windows.h>

#include "core/text.h"

namespace mv {

namespace {
bool g_debugFlag = false;
}

bool DebugFlag() { return g_debugFlag; }
void SetDebugFlag(bool on) { g_debugFlag = on; }

void ShowError(const std::wstring& message, const std::wstring& title) {
    if (!g_debugFlag) return;
    MessageBoxA(nullptr, toMessageBoxAnsi(message).c_str(), toMessageBoxAnsi(title).c_str(),
                MB_SYSTEMMODAL | MB_ICONEXCLAMATION);
}

}  // namespace mv
