// Shell file operations on the script's comma-separated path lists: the lists are read and
// checked (src/shell/path_list), the transfers worked out (src/shell/transfer), the shell
// called, and what it reports as success checked against the file system. The shell said
// success for many things it did not do (measured under Wine 8: a move of a missing
// source, a folder moved into a folder that already held one of its name); a script that
// deletes its source after a copy reported done would lose data.
#include "shell/file_operation.h"

#include <shellapi.h>

#include "shell/move_by_copy.h"
#include "shell/path_list.h"
#include "shell/transfer.h"

namespace mv {

namespace {

constexpr size_t kShortest = 4;  // a list shorter than this cannot be a path

bool MissingSource(const Transfers& plan) {
    for (const Transfer& t : plan) {
        if (!t.wildcard() && t.sourceAttributes == INVALID_FILE_ATTRIBUTES) return true;
    }
    return false;
}

bool AllGone(const PathList& sources) {
    for (const std::wstring& s : sources) {
        if (!HasWildcard(s) && Exists(s)) return false;
    }
    return true;
}

long CallShell(SHFILEOPSTRUCTW& request) {
    const int result = SHFileOperationW(&request);
    // A file the user declined to replace, or a cancelled progress window, may come back
    // as result 0 with the aborted mark: that is not success.
    if (result == 0) return request.fAnyOperationsAborted ? kFileOpCancelled : kFileOpDone;
    if (result == 1 || result == -1) return 0;
    return result;
}

}  // namespace

long ShellFileOperation(UINT operation, const std::wstring& source, const std::wstring& target, HWND owner,
                        bool silent, bool replaceAll) {
    const bool usesTarget = operation != FO_DELETE;
    if (source.size() < kShortest || (usesTarget && target.size() < kShortest)) return kFileOpRejected;
    PathList from, to;
    if (!ReadPathList(source, ListRole::Sources, &from)) return kFileOpRejected;
    if (usesTarget && !ReadPathList(target, ListRole::Targets, &to)) return kFileOpRejected;
    const Transfers plan = usesTarget ? PlanTransfers(from, to) : Transfers();
    if (ShellWouldFail(plan) || (operation == FO_MOVE && MissingSource(plan))) return kFileOpRejected;
    // Windows' shell refuses this itself; Wine's did nothing and reported success.
    if (IntoItself(plan)) return kFileOpIntoItself;

    const std::wstring fromList = ShellForm(from), toList = ShellForm(to);
    SHFILEOPSTRUCTW request{};
    request.hwnd = owner;
    request.wFunc = operation;
    request.pFrom = fromList.c_str();
    request.pTo = usesTarget ? toList.c_str() : nullptr;
    FILEOP_FLAGS flags = FOF_MULTIDESTFILES | FOF_ALLOWUNDO | FOF_NOCONFIRMMKDIR;
    if (silent) flags |= FOF_SILENT;
    if (replaceAll) flags |= FOF_NOCONFIRMATION;
    request.fFlags = flags;

    long result;
    if (operation == FO_MOVE && !replaceAll && MayReplace(plan)) {
        const MovePlan moving = PlanMove(plan);
        request.wFunc = FO_COPY;
        result = CallShell(request);
        RemoveArrived(moving);  // also after a refusal or a failure: what arrived has moved
    } else {
        result = CallShell(request);
    }
    if (result != kFileOpDone) return result;
    const bool happened = usesTarget ? Arrived(plan, operation == FO_MOVE) : AllGone(from);
    return happened ? kFileOpDone : kFileOpUnfinished;
}

}  // namespace mv
