// How a form takes the user's resizing: its anchored controls follow every new size (live
// while the user drags), the user cannot drag it below MinWidth and MinHeight, and its
// OnResize is raised once the user has finished changing its size (at the end of a drag,
// after maximising, restoring or snapping, WindowState's too), never for the library's own
// placing of it on the script's behalf (MoveResize, the size properties, Visible).
#pragma once

#include <windows.h>

#include "com/dispatch.h"

namespace mv {

class Form;

namespace form_resize {

struct ResizeState {
    long minWidth = 0, minHeight = 0;  // 96-DPI units; 0: the system's own minimum
    bool userSizing = false;           // inside the user's move or size (the system's loop)
    bool inCommand = false;            // inside the system command that runs that loop
    int placing = 0;                   // the library places the form (ScriptPlacement)
    SIZE lastSize{};                   // the window's size when last settled (pixels)
    SIZE atEnter{};                    // its size when the user's move or size began
};

MemberHandler<Form> GetMinWidth, PutMinWidth, GetMinHeight, PutMinHeight;

// While it lives, the library places the form for the script: size changes raise no
// OnResize, and the size the form has at its end is the settled one.
class ScriptPlacement {
public:
    explicit ScriptPlacement(Form& f);
    ScriptPlacement(const ScriptPlacement&) = delete;
    ScriptPlacement& operator=(const ScriptPlacement&) = delete;
    ~ScriptPlacement();

private:
    Form& form_;
};

// While it lives, the user moves or sizes the form through the system (the WM_SYSCOMMAND
// of SC_SIZE or SC_MOVE, whose loop sends WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE): the system
// asks for the smallest size before the loop begins, and may still put the form back
// (Escape) after it ends, so the change is judged when the command returns.
class UserSizing {
public:
    explicit UserSizing(Form& f);
    UserSizing(const UserSizing&) = delete;
    UserSizing& operator=(const UserSizing&) = delete;
    ~UserSizing();

private:
    Form& form_;
};

// From the form window procedure.
void Sized(Form& f, WPARAM kind, SIZE client);  // WM_SIZE
void LimitSize(Form& f, MINMAXINFO* info);      // WM_GETMINMAXINFO
void EnterSizeMove(Form& f);                    // WM_ENTERSIZEMOVE
void ExitSizeMove(Form& f);                     // WM_EXITSIZEMOVE

// The window's outer size now (pixels); {0, 0} for a window that is gone.
SIZE OuterSize(HWND w);

}  // namespace form_resize
}  // namespace mv
