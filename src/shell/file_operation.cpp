// Shell file operations run from a plan (src/shell/file_plan): the plan is made and
// checked before anything is touched, the shell is handed its items in requests it
// carries out the same way on every version, and what the shell reports as success is
// checked against the plan, file by file. The shell said success for many things it did
// not do (measured under Wine 8: a move of a missing source, a folder moved into a folder
// that already held one of its name, an inner file whose path grew too long); a script
// that deletes its source after a copy reported done would lose data.
//
// A move is the shell's copy followed by the removal of each source whose exact bytes
// arrived: the shell's own move replaces existing files without asking (Wine's does, even
// without FOF_NOCONFIRMATION), and removes a source whose destination it only believes
// holds it.
#include "shell/file_operation.h"

#include <shellapi.h>

#include "core/visual_styles.h"
#include "shell/file_plan.h"
#include "shell/plan_check.h"

namespace mv {

namespace {

// One request to the shell: items that keep their names inside one folder go together, as
// the shell's "several sources, one target folder"; an item that takes another name, or a
// move that only changes a name's letter case, goes alone.
struct ShellRequest {
    UINT operation;
    std::vector<const PlanItem*> items;
    bool intoFolder;

    std::wstring folder() const { return FolderOf(items.front()->destination); }
    // One item into a folder not made yet is sent to its full destination, or the shell
    // would take the folder's name for the item's new name.
    std::wstring target() const {
        if (operation == FO_DELETE) return std::wstring();
        const bool toFolder = intoFolder && (items.size() > 1 || IsFolder(AttributesOf(folder())));
        return toFolder ? folder() : items.front()->destination;
    }
};

std::vector<ShellRequest> RequestsFor(const FilePlan& plan) {
    std::vector<ShellRequest> requests;
    if (plan.verb == FileVerb::Recycle) {
        ShellRequest all{FO_DELETE, {}, false};
        for (const PlanItem& item : plan.items) all.items.push_back(&item);
        if (!all.items.empty()) requests.push_back(all);
        return requests;
    }
    for (const PlanItem& item : plan.items) {
        if (plan.verb == FileVerb::Move && item.caseRename()) {
            requests.push_back({FO_RENAME, {&item}, false});
            continue;
        }
        const bool keepsName = NameOf(item.source) == NameOf(item.destination);
        ShellRequest* last = requests.empty() ? nullptr : &requests.back();
        if (keepsName && last && last->intoFolder && SamePath(last->folder(), FolderOf(item.destination))) {
            last->items.push_back(&item);
            continue;
        }
        requests.push_back({FO_COPY, {&item}, keepsName});
    }
    return requests;
}

long CallShell(const ShellRequest& r, HWND owner, bool silent, bool replaceAll) {
    PathList sources;
    for (const PlanItem* item : r.items) sources.push_back(item->source);
    const std::wstring fromList = ShellForm(sources), toList = ShellForm({r.target()});
    SHFILEOPSTRUCTW request{};
    request.hwnd = owner;
    request.wFunc = r.operation;
    request.pFrom = fromList.c_str();
    request.pTo = r.operation == FO_DELETE ? nullptr : toList.c_str();
    FILEOP_FLAGS flags = FOF_ALLOWUNDO | FOF_NOCONFIRMMKDIR;
    if (r.items.size() == 1) flags |= FOF_MULTIDESTFILES;  // the one target is this item's own
    if (silent) flags |= FOF_SILENT;
    if (replaceAll) flags |= FOF_NOCONFIRMATION;
    // What cannot go to the recycle bin is asked about, even under replace-all, instead of
    // being deleted for good.
    if (r.operation == FO_DELETE) flags |= FOF_WANTNUKEWARNING;
    request.fFlags = flags;
    VisualStyleScope styles;  // the progress window and the questions
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
    FileVerb verb;
    switch (operation) {
    case FO_COPY: verb = FileVerb::Copy; break;
    case FO_MOVE: verb = FileVerb::Move; break;
    case FO_DELETE: verb = FileVerb::Recycle; break;
    default: return kFileOpRejected;
    }
    FilePlan plan;
    if (const long refused = MakePlan(verb, source, target, &plan)) return refused;

    long result = kFileOpDone;
    for (const ShellRequest& r : RequestsFor(plan)) {
        result = CallShell(r, owner, silent, replaceAll);
        if (result != kFileOpDone) break;  // the user or the shell cut it short
    }
    if (verb == FileVerb::Move) RemoveMoved(plan);  // also after a refusal: what arrived has moved
    if (result != kFileOpDone) return result;
    return Happened(plan) ? kFileOpDone : kFileOpUnfinished;
}

}  // namespace mv
