// Copying, moving and recycling files through the shell's own file operation, with its
// progress window, its questions and its recycle bin.
#pragma once

#include <windows.h>

#include <string>

#include "shell/file_op_result.h"

namespace mv {

// Runs one shell operation (FO_MOVE, FO_COPY or FO_DELETE) on comma-separated lists of
// paths: the n-th target is the destination of the n-th source, one target for several
// sources the folder they all go into. The target list is not used by FO_DELETE. Paths
// are UTF-16: any name the file system holds can be given. Deletions go to the recycle
// bin and missing target folders are made without asking; `silent` hides the progress
// window, `replaceAll` answers every question with yes. The shell's windows belong to
// `owner`.
//
// The whole operation is planned, file by file, before anything is touched
// (src/shell/file_plan.h); a list naming one file twice names it once. A move never
// replaces a file without the user's yes (unless `replaceAll`): it is the shell's own
// move where nothing is in the way, and otherwise the shell's copy, after which a source
// goes to the recycle bin only once its exact bytes are at its destination. A recycle
// never deletes for good without asking: what cannot go to the recycle bin is asked about.
//
// Returns kFileOpRejected, with nothing touched, when a list cannot name files safely
// (shorter than 4 characters, an empty entry before another one, a NUL, a broken
// surrogate pair, a name of only blanks and dots other than "." and "..", a drive letter
// alone, an entry of MAX_PATH characters or more, a file named with a trailing backslash,
// a wildcard in a target or before the last name of a source, numbers of sources and
// targets other than equal or one target) or when the plan shows the shell would do it
// only in part or not as meant (a path inside a folder or among a wildcard's matches that
// would grow too long at its destination, a missing source of a move, a recycle entry
// without wildcards naming nothing, a recycle of the current folder or one holding it, a
// wildcard whose matches take in its own target, items landing on or in each other's
// sources, a file whose destination is an existing folder or a folder whose destination
// is an existing file, also inside a folder merged into another); kFileOpIntoItself when a folder would go into a folder inside itself (as
// Windows' shell answers); kFileOpSameFile when an item would land on itself;
// kFileOpMissing when a source of a copy is missing; kFileOpDone on success;
// kFileOpUnfinished when the shell reported success but part of the plan did not happen;
// kFileOpCancelled when the user or the shell cut the operation short; 0 for the shell's
// results 1 and -1; and any other result of the shell unchanged.
long ShellFileOperation(UINT operation, const std::wstring& source, const std::wstring& target, HWND owner,
                        bool silent, bool replaceAll);

}  // namespace mv
