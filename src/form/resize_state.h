// What a form keeps of the user's resizing (its smallest size, whether the user or the
// library is sizing it, its settled size), and the scope in which the library places the
// form for the script. The form holds the state; form/form_resize.h acts on it.
#pragma once

#include <windows.h>

namespace mv {
namespace form_resize {

struct ResizeState {
    long minWidth = 0, minHeight = 0;  // 96-DPI units; 0: the system's own minimum
    bool userSizing = false;           // inside the user's move or size (the system's loop)
    bool inCommand = false;            // inside the system command that runs that loop
    int placing = 0;                   // the library places the form (ScriptPlacement)
    SIZE lastSize{};                   // the window's size when last settled (pixels)
    SIZE atEnter{};                    // its size when the user's move or size began
};

// The window's outer size now (pixels); {0, 0} for a window that is gone.
SIZE OuterSize(HWND w);

// While it lives, the library places the form (its state and window given) for the
// script: size changes raise no OnResize, and the size the window has at its end is the
// settled one.
class ScriptPlacement {
public:
    ScriptPlacement(ResizeState& state, HWND window);
    ScriptPlacement(const ScriptPlacement&) = delete;
    ScriptPlacement& operator=(const ScriptPlacement&) = delete;
    ~ScriptPlacement();

private:
    ResizeState& state_;
    HWND window_;
};

}  // namespace form_resize
}  // namespace mv
