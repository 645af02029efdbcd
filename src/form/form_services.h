// The form's services for its script: a message box, the folder and file dialogs and the
// shell's file operations, each owned by the form's window. All are modal; window
// messages are dispatched while they are open, so events may reach the form meanwhile.
#pragma once

#include "form/form.h"

namespace mv {
namespace form_services {

HRESULT ShowMsgBox(Form& form, const Args& a, Result& r);
HRESULT ShowFolderBrowser(Form& form, const Args& a, Result& r);
HRESULT ShowFileBrowserOpen(Form& form, const Args& a, Result& r);
HRESULT ShowFileBrowserSave(Form& form, const Args& a, Result& r);
HRESULT CopyFilePB(Form& form, const Args& a, Result& r);
HRESULT MoveFilePB(Form& form, const Args& a, Result& r);
HRESULT RecycleFilePB(Form& form, const Args& a, Result& r);

}  // namespace form_services
}  // namespace mv
