// The settled size of a form's window, and the library's placing of it for the script.
#include "form/resize_state.h"

#include "core/dpi.h"

namespace mv {
namespace form_resize {

SIZE OuterSize(HWND w) {
    if (!w) return SIZE{};
    RECT r{};
    DpiAwarenessScope aware(w);  // the window's own pixels, whoever asks
    if (!GetWindowRect(w, &r)) return SIZE{};
    return SIZE{r.right - r.left, r.bottom - r.top};
}

ScriptPlacement::ScriptPlacement(ResizeState& state, HWND window) : state_(state), window_(window) {
    ++state_.placing;
}

// A window destroyed meanwhile leaves the settled size as it was.
ScriptPlacement::~ScriptPlacement() {
    if (--state_.placing == 0 && IsWindow(window_)) state_.lastSize = OuterSize(window_);
}

}  // namespace form_resize
}  // namespace mv
