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
// The shell reported success, yet a named source is not at its destination, or a moved or
// recycled one is still where it was (ERROR_PARTIAL_COPY).
constexpr long kFileOpUnfinished = ERROR_PARTIAL_COPY;

// Runs one shell operation (FO_MOVE, FO_COPY, FO_DELETE or FO_RENAME) on comma-separated
// lists of paths: the n-th target is the destination of the n-th source, one target for
// several sources the folder they all go into. The target list is not used by FO_DELETE.
// Paths are UTF-16: any name the file system holds can be given. The shell gets every
// entry as a full path. Deletions go to the recycle bin and missing target folders are
// made without asking; `silent` hides the progress window, `replaceAll` answers every
// question with yes. The shell's windows belong to `owner`.
//
// Without `replaceAll`, a move never replaces a file without the user's yes: a move that
// could replace something is done as the shell's copy, which asks for each file, and each
// source that arrived whole is removed after it; a declined one stays where it is.
//
// Returns kFileOpRejected without calling the shell when a list cannot name files safely
// (shorter than 4 characters, an empty entry before another one, a NUL, a broken
// surrogate pair, a name of only blanks and dots other than "." and "..", a drive letter
// alone, an entry or a destination of MAX_PATH characters or more, a file named with a
// trailing backslash, a wildcard in a target or before the last name of a source), or
// when the shell would not do what is asked while reporting success (a missing source of
// a move, a wildcard source whose matches take in its own target); kFileOpIntoItself
// without calling the shell when a folder would be copied or moved into a folder inside
// itself (as Windows' shell answers); kFileOpDone on success; kFileOpUnfinished when the
// shell reported success but a source without wildcards did not arrive at its destination
// (copy, move) or is still there (move, recycle); kFileOpCancelled when the user or the
// shell cut the operation short; 0 for the shell's results 1 and -1; and any other result
// of the shell unchanged.
long ShellFileOperation(UINT operation, const std::wstring& source, const std::wstring& target, HWND owner,
                        bool silent, bool replaceAll);

}  // namespace mv
