// The scope every window and dialog of the library is created in: the thread's DPI
// awareness (dpi.h) and the library's activation context (visual_styles.h), both restored
// when the scope ends, so the host is left as it was.
#pragma once

#include "core/dpi.h"
#include "core/visual_styles.h"

namespace mv {

class CreationScope {
public:
    // A child window is created in its parent's awareness; a form (no parent) in the
    // awareness the library's switch chooses for forms.
    explicit CreationScope(HWND parent = nullptr) : dpi_(parent) {}
    // A message box or a folder or file dialog: in the awareness chosen for dialogs.
    explicit CreationScope(TopLevel kind) : dpi_(kind) {}

private:
    DpiAwarenessScope dpi_;
    VisualStyleScope styles_;
};

}  // namespace mv
