// Diagnostics switch, error reporter and the library's message box.
#include "core/diagnostics.h"

#include "core/text.h"
#include "core/creation_scope.h"

namespace mv {

namespace {
bool g_debugFlag = false;
constexpr size_t kLongestBoxText = 32766;
}

bool DebugFlag() { return g_debugFlag; }
void SetDebugFlag(bool on) { g_debugFlag = on; }

void ShowError(const std::wstring& message, const std::wstring& title) {
    if (!g_debugFlag) return;
    ShowMessageBox(nullptr, message, title, MB_SYSTEMMODAL | MB_ICONEXCLAMATION);
}

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) {
    CreationScope scope(TopLevel::Dialog);
    return MessageBoxW(owner, CutWhole(text, kLongestBoxText).c_str(), CutWhole(caption, kLongestBoxText).c_str(),
                       style);
}

}  // namespace mv
