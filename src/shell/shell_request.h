// The requests a plan is handed to the shell in: which operation, which sources with
// which destinations, which flags.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "shell/file_plan.h"

namespace mv {

// One SHFileOperation: each source with its own destination (FOF_MULTIDESTFILES), in
// order; no destinations for FO_DELETE.
struct ShellRequest {
    UINT operation;
    PathList from, to;
    DWORD flags;  // FOF_*
};

// The requests that carry out `plan` (its move ways chosen), in the order they are made:
// a copy is one request, a recycle one, a move one for the items the shell moves, one
// for the items copied first and one for each name changed only in letter case.
std::vector<ShellRequest> RequestsFor(const FilePlan& plan, bool silent, bool replaceAll);

// After the copy step of a move: the sources whose bytes arrived whole, to the recycle bin.
ShellRequest RecycleArrived(const PathList& sources, bool silent);

// Hands one request to the shell, its windows owned by `owner`: kFileOpDone, or the result
// ShellFileOperation gives for what the shell answered.
long CallShell(const ShellRequest& request, HWND owner);

}  // namespace mv
