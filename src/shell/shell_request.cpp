// Building the shell's requests from a plan. Each source is handed with its own
// destination under FOF_MULTIDESTFILES, the one meaning every version gives the target
// list: with a folder as a file's target, Vista and later take the folder for the file's
// own name and refuse (DE_FILEDESTISFLD), where Wine goes into it. The exceptions are the
// items going into their folder (PlanItem::intoFolder): several sources, or one folder to
// merge, into a folder every version goes into. A copy is one request, or one more per
// such folder; a recycle is one request: one progress window, one "Yes to all", one
// Cancel for all of it.
//
// FOF_NO_CONNECTED_ELEMENTS on every request: Windows' shell otherwise takes "connected
// files" along (page.htm with its page_files folder, on by default since Windows 2000),
// which no plan lists and no check reads; a copy could replace files nobody planned, a
// move leave one behind while reporting it done. Wine has no connected files.
#include "shell/shell_request.h"

#include <shlobj.h>

#include <algorithm>

#include "core/visual_styles.h"
#include "shell/file_op_result.h"

namespace mv {

namespace {

constexpr DWORD kEveryRequest = FOF_NOCONFIRMMKDIR | FOF_NO_CONNECTED_ELEMENTS;

DWORD SwitchFlags(bool silent, bool replaceAll) {
    return (silent ? FOF_SILENT : 0u) | (replaceAll ? FOF_NOCONFIRMATION : 0u);
}

void Add(ShellRequest* r, const PlanItem& item) {
    r->from.push_back(item.source);
    if (r->operation != FO_DELETE) r->to.push_back(item.destination);
}

void Keep(std::vector<ShellRequest>* out, ShellRequest r) {
    if (!r.from.empty()) out->push_back(std::move(r));
}

// The copy of `items`: one request with each destination named, one more for each folder
// items go into.
void AddCopies(std::vector<ShellRequest>* out, const std::vector<const PlanItem*>& items, DWORD flags) {
    ShellRequest named{FO_COPY, {}, {}, flags | FOF_MULTIDESTFILES};
    std::vector<ShellRequest> folders;
    for (const PlanItem* item : items) {
        if (!item->intoFolder) {
            Add(&named, *item);
            continue;
        }
        const std::wstring folder = FolderOf(item->destination);
        auto same = [&](const ShellRequest& r) { return SamePath(r.to.front(), folder); };
        auto into = std::find_if(folders.begin(), folders.end(), same);
        if (into == folders.end()) into = folders.insert(folders.end(), {FO_COPY, {}, {folder}, flags});
        into->from.push_back(item->source);
    }
    Keep(out, std::move(named));
    for (ShellRequest& r : folders) Keep(out, std::move(r));
}

}  // namespace

std::vector<ShellRequest> RequestsFor(const FilePlan& plan, bool silent, bool replaceAll) {
    const DWORD asked = kEveryRequest | SwitchFlags(silent, replaceAll);
    std::vector<ShellRequest> out;
    std::vector<const PlanItem*> copied;
    if (plan.verb == FileVerb::Recycle) {
        // What cannot go to the recycle bin is asked about, even under replace-all, instead
        // of being deleted for good.
        ShellRequest all{FO_DELETE, {}, {}, asked | FOF_MULTIDESTFILES | FOF_ALLOWUNDO | FOF_WANTNUKEWARNING};
        for (const PlanItem& item : plan.items) Add(&all, item);
        Keep(&out, std::move(all));
    } else if (plan.verb == FileVerb::Copy) {
        for (const PlanItem& item : plan.items) copied.push_back(&item);
        AddCopies(&out, copied, asked | FOF_ALLOWUNDO);
    } else {
        // The shell's move where nothing planned is in the way: a rename within a volume.
        // The items whose destination exists are copied, so that the shell asks before
        // replacing (its move replaces without asking under Wine); their sources go once
        // their bytes arrived. That copy records no undo: undoing it would not bring back
        // its sources.
        ShellRequest moved{FO_MOVE, {}, {}, asked | FOF_MULTIDESTFILES | FOF_ALLOWUNDO};
        for (const PlanItem& item : plan.items) {
            if (item.caseRename()) {
                ShellRequest rename{FO_RENAME, {}, {}, asked | FOF_MULTIDESTFILES | FOF_ALLOWUNDO};
                Add(&rename, item);
                out.push_back(std::move(rename));
            } else if (item.copyFirst) {
                copied.push_back(&item);
            } else {
                Add(&moved, item);
            }
        }
        Keep(&out, std::move(moved));
        AddCopies(&out, copied, asked);
    }
    return out;
}

ShellRequest RecycleArrived(const PathList& sources, bool silent) {
    // Not asked about: the user already chose to move them. What the recycle bin refuses
    // is deleted for good without a question, as a move would; its bytes are at its
    // destination.
    return {FO_DELETE, sources, {},
            kEveryRequest | FOF_MULTIDESTFILES | FOF_ALLOWUNDO | FOF_NOCONFIRMATION | SwitchFlags(silent, false)};
}

long CallShell(const ShellRequest& r, HWND owner) {
    // Wine's move makes only the first destination's folder (Windows' makes each, as
    // FOF_NOCONFIRMMKDIR asks): the others are made here.
    if (r.operation == FO_MOVE) {
        for (const std::wstring& to : r.to) {
            if (!Exists(FolderOf(to))) SHCreateDirectoryExW(nullptr, FolderOf(to).c_str(), nullptr);
        }
    }
    const std::wstring fromList = ShellForm(r.from), toList = ShellForm(r.to);
    SHFILEOPSTRUCTW request{};
    request.hwnd = owner;
    request.wFunc = r.operation;
    request.pFrom = fromList.c_str();
    request.pTo = r.operation == FO_DELETE ? nullptr : toList.c_str();
    request.fFlags = static_cast<FILEOP_FLAGS>(r.flags);
    VisualStyleScope styles;  // the progress window and the questions
    const int result = SHFileOperationW(&request);
    // A file the user declined to replace, or a cancelled progress window, may come back
    // as result 0 with the aborted mark: that is not success.
    if (result == 0) return request.fAnyOperationsAborted ? kFileOpCancelled : kFileOpDone;
    if (result == 1 || result == -1) return 0;
    return result;
}

}  // namespace mv
