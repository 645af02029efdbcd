// Folder browser and file dialogs through the shell's and the common dialogs' wide entry
// points: the title and start folder go in, and the chosen path comes back, exactly. In
// the system code page a name the code page cannot hold would come back with '?' (a
// wildcard to the file methods) or a look-alike ("\u0101.txt" as "a.txt"), naming other
// files than the one the user chose.
#include "shell/dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cwchar>
#include <vector>

#include "core/creation_scope.h"
#include "core/unique.h"

namespace mv {

namespace {

// The folder to select when the folder browser opens, for its callback. One browser at a
// time: the dialog is modal and everything runs on the script's thread.
std::wstring g_startDirectory;

constexpr DWORD kOpenFlags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_NODEREFERENCELINKS | OFN_LONGNAMES;
constexpr DWORD kSaveFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NODEREFERENCELINKS | OFN_LONGNAMES;
constexpr size_t kFileBufferLength = 513;  // 512 blanks and a NUL, also the name box's first text

using FileDialogFn = BOOL(WINAPI*)(LPOPENFILENAMEW);

// The file dialogs make the chosen file's folder the process's current directory. The
// script's relative paths must go on naming what they named before the dialog, so the
// current directory is put back (through the wide entry points: it must come back
// exactly, whatever characters it holds).
class CurrentDirectoryKeeper {
public:
    CurrentDirectoryKeeper() {
        DWORD n = GetCurrentDirectoryW(0, nullptr);
        if (n == 0) return;
        saved_.resize(n);
        n = GetCurrentDirectoryW(n, saved_.data());
        saved_.resize(n < saved_.size() ? n : 0);
    }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;
    ~CurrentDirectoryKeeper() {
        if (!saved_.empty()) SetCurrentDirectoryW(saved_.c_str());
    }

private:
    std::wstring saved_;
};

std::wstring ShowFileDialog(HWND owner, FileDialogFn show, DWORD flags) {
    static const wchar_t kFilter[] = L"All (*.*)\0*.*\0";  // the literal adds the list's final NUL
    std::vector<wchar_t> buffer(kFileBufferLength, L' ');
    buffer.back() = L'\0';
    OPENFILENAMEW request{};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400W;  // without the fields of later versions
    request.hwndOwner = owner;
    request.lpstrFilter = kFilter;
    request.nFilterIndex = 1;
    request.lpstrFile = buffer.data();
    request.nMaxFile = static_cast<DWORD>(buffer.size());
    request.Flags = flags;
    CurrentDirectoryKeeper keep;
    CreationScope scope(TopLevel::Dialog);
    if (!show(&request)) return L"";
    // The dialog wrote the path and a NUL over the start of the blanks.
    std::wstring file(buffer.data(), wcsnlen(buffer.data(), buffer.size()));
    const size_t first = file.find_first_not_of(L' ');
    if (first == std::wstring::npos) return L"";
    return file.substr(first, file.find_last_not_of(L' ') - first + 1);
}

}  // namespace

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM, LPARAM) {
    if (message != BFFM_INITIALIZED) return 0;
    // Asked twice: Wine's browser (measured with Wine 8) leaves a folder made a few
    // seconds before unselected on the first request and selects it on the second.
    // Selecting the same folder again changes nothing elsewhere.
    for (int attempt = 0; attempt < 2; ++attempt)
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(g_startDirectory.c_str()));
    return 0;
}

std::wstring BrowseForFolder(HWND owner, const std::wstring& title, const std::wstring& startDirectory) {
    g_startDirectory = startDirectory;
    BROWSEINFOW request{};
    request.hwndOwner = owner;
    request.lpszTitle = title.c_str();
    request.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    request.lpfn = &BrowseCallback;
    CreationScope scope(TopLevel::Dialog);
    UniqueTaskMem<ITEMIDLIST> chosen(SHBrowseForFolderW(&request));
    if (!chosen) return L"";
    wchar_t path[300] = {};
    if (!SHGetPathFromIDListW(chosen.get(), path)) return L"";
    return std::wstring(path, wcsnlen(path, 300));
}

std::wstring BrowseForFileOpen(HWND owner) { return ShowFileDialog(owner, &GetOpenFileNameW, kOpenFlags); }

std::wstring BrowseForFileSave(HWND owner) { return ShowFileDialog(owner, &GetSaveFileNameW, kSaveFlags); }

}  // namespace mv
