// The form's service methods: the form adds its window as owner, picks the shell
// operation and turns the script's numbers into switches; the work is in src/shell.
#include "form/form_services.h"

#include <shellapi.h>

#include "core/diagnostics.h"
#include "shell/dialogs.h"
#include "shell/file_operation.h"

namespace mv {
namespace form_services {

namespace {

long Magnitude(long n) { return n < 0 ? -n : n; }

// sFSource, sFTarget (none for a recycle), nSilent, nReplaceAll.
HRESULT RunFileOperation(Form& form, UINT operation, const Args& a, Result& r) {
    const bool usesTarget = operation != FO_DELETE;
    const size_t switches = usesTarget ? 2 : 1;
    const long code = ShellFileOperation(operation, a.text(0), usesTarget ? a.text(1) : std::wstring(),
                                         form.hwnd(), a.lng(switches) != 0, a.lng(switches + 1) != 0);
    r.setLong(Magnitude(code));
    return S_OK;
}

}  // namespace

HRESULT ShowMsgBox(Form& form, const Args& a, Result& r) {
    const int button = ShowMessageBox(form.hwnd(), a.text(0), a.text(1), static_cast<UINT>(a.lng(2)));
    r.setLong(Magnitude(button));
    return S_OK;
}

HRESULT ShowFolderBrowser(Form& form, const Args& a, Result& r) {
    r.setText(BrowseForFolder(form.hwnd(), a.text(1), a.text(0)));
    return S_OK;
}

HRESULT ShowFileBrowserOpen(Form& form, const Args&, Result& r) {
    r.setText(BrowseForFileOpen(form.hwnd()));
    return S_OK;
}

HRESULT ShowFileBrowserSave(Form& form, const Args&, Result& r) {
    r.setText(BrowseForFileSave(form.hwnd()));
    return S_OK;
}

HRESULT CopyFilePB(Form& form, const Args& a, Result& r) { return RunFileOperation(form, FO_COPY, a, r); }

// The shell's move: the source is gone afterwards. Without replace-all it never replaces
// a file the user did not say yes to (src/shell/file_operation.h).
HRESULT MoveFilePB(Form& form, const Args& a, Result& r) { return RunFileOperation(form, FO_MOVE, a, r); }

// The shell's delete with undo allowed: the files go to the recycle bin.
HRESULT RecycleFilePB(Form& form, const Args& a, Result& r) { return RunFileOperation(form, FO_DELETE, a, r); }

}  // namespace form_services
}  // namespace mv
