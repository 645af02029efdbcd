// How a form takes the user's resizing: its anchored controls follow every new size (live
// while the user drags), the user cannot drag it below MinWidth and MinHeight, and its
// OnResize is raised once the user has finished changing its size (at the end of a drag,
// after maximising, restoring or snapping, WindowState's too), never for the library's own
// placing of it on the script's behalf (MoveResize, the size properties, Visible).
#pragma once

#include <windows.h>

#include "com/dispatch.h"
#include "form/resize_state.h"

namespace mv {

class Form;

namespace form_resize {

MemberHandler<Form> GetMinWidth, PutMinWidth, GetMinHeight, PutMinHeight;

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

}  // namespace form_resize
}  // namespace mv
