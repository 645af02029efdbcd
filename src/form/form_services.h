// The form's services for its script: a message box, the folder and file dialogs and the
// shell's file operations, each owned by the form's window. All are modal; window
// messages are dispatched while they are open, so events may reach the form meanwhile.
#pragma once

#include "form/form.h"

namespace mv {
namespace form_services {

// Member handlers, wired to the form's member table.
MemberHandler<Form> ShowMsgBox, ShowFolderBrowser, ShowFileBrowserOpen, ShowFileBrowserSave, CopyFilePB, MoveFilePB,
    RecycleFilePB;

}  // namespace form_services
}  // namespace mv
