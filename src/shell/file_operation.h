// Copying, moving and recycling files through the shell's own file operation, with its
// progress window, its questions and its recycle bin.
#pragma once

#include <windows.h>

#include <string>

namespace mv {

// What ShellFileOperation gives back besides the shell's own non-zero codes.
constexpr long kFileOpRejected = -2;  // refused before the shell was called
constexpr long kFileOpDone = -1;      // the shell did everything asked
constexpr long kFileOpCancelled = ERROR_CANCELLED;
constexpr long kFileOpIntoItself = 0x76;  // DE_DESTSUBTREE: a folder into a folder inside it

// Runs one shell operation (FO_MOVE, FO_COPY, FO_DELETE or FO_RENAME) on comma-separated
// lists of paths: the n-th target is the destination of the n-th source. The target list
// is not used by FO_DELETE. Deletions go to the recycle bin and missing target folders are
// made without asking; `silent` hides the progress window, `replaceAll` answers every
// question with yes. The shell's windows belong to `owner`.
//
// Returns kFileOpRejected when a list cannot name files safely (shorter than 4
// characters, an empty entry before another one, a name of only blanks and dots other
// than "." and "..", an entry longer than a path may be, a
// character the system code page cannot hold exactly, a NUL), kFileOpDone on success,
// kFileOpIntoItself without calling the shell when a folder would be copied or moved into
// a folder inside itself (as Windows' shell answers), kFileOpCancelled when the user or
// the shell cut the operation short, 0 for the shell's
// results 1 and -1, and any other result of the shell unchanged.
long ShellFileOperation(UINT operation, const std::wstring& source, const std::wstring& target, HWND owner,
                        bool silent, bool replaceAll);

}  // namespace mv
