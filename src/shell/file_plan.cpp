// Building the plan: the script's lists read as the shell reads them (full paths, doubled
// separators, trailing dots and blanks and relative parts resolved), sources paired with
// targets as the shell pairs them, wildcards expanded, each file and folder named once,
// folders walked down to their last file, and whatever the plan shows the shell would do
// only in part, or in a way no script can have meant, refused before anything happens.
#include "shell/file_plan.h"

#include <shlwapi.h>

#include "shell/file_operation.h"

namespace mv {

namespace {

constexpr size_t kShortest = 4;  // a list shorter than this cannot be a path
// The shell lists a folder's content as "folder\*.*", and the system makes a folder only
// when an 8.3 name would still fit beside its path.
constexpr size_t kListing = 4;
constexpr size_t kLongestFolder = MAX_PATH - 12;

// A wildcard source whose folder holds its target, where the target's first name below
// that folder is one the wildcard takes in ("D\*" into "D\T"): the target would be among
// the entries being copied (the shell copied a few, then stopped and reported success).
bool CoversOwnTarget(const std::wstring& pattern, const std::wstring& target) {
    const std::wstring folder = FolderOf(pattern);
    if (!Inside(folder, target, false)) return false;
    std::wstring below = target.substr(Folded(folder).size());
    below.erase(0, below.find_first_not_of(L"\\/"));
    below = below.substr(0, below.find_first_of(L"\\/"));
    return PathMatchSpecW(below.c_str(), NameOf(pattern).c_str()) != FALSE;
}

void AddItem(const std::wstring& source, const std::wstring& destination, FilePlan* plan) {
    for (const PlanItem& item : plan->items) {
        if (SamePath(item.source, source) && SamePath(item.destination, destination)) return;  // named twice
    }
    plan->items.push_back({source, destination, IsFolder(AttributesOf(source))});
}

// One entry of the script's source list with the target the shell pairs it with; `shared`
// when one target takes several sources.
long AddSource(FileVerb verb, const std::wstring& source, const std::wstring& target, bool shared, FilePlan* plan) {
    if (HasWildcard(source)) {
        if (CoversOwnTarget(source, target)) return kFileOpRejected;
        // One match takes the target's name, as one file would; several go inside it.
        const PathList matches = Matches(source);
        const bool into = shared || IsFolder(AttributesOf(target)) || matches.size() > 1;
        for (const std::wstring& m : matches) AddItem(m, into ? Join(target, NameOf(m)) : target, plan);
        return 0;
    }
    if (!Exists(source)) return verb == FileVerb::Move ? kFileOpRejected : kFileOpMissing;
    const bool into = shared || (IsFolder(AttributesOf(target)) && !SamePath(source, target));
    AddItem(source, into ? Join(target, NameOf(source)) : target, plan);
    return 0;
}

long AddRecycled(const std::wstring& source, FilePlan* plan) {
    if (!HasWildcard(source)) {
        if (!Exists(source)) return kFileOpRejected;  // names nothing: the shell would report it done
        AddItem(source, std::wstring(), plan);
        return 0;
    }
    for (const std::wstring& m : Matches(source)) AddItem(m, std::wstring(), plan);
    return 0;
}

// A recycle of a folder and of something inside it recycles the folder, which takes it.
void DropNested(FilePlan* plan) {
    std::vector<PlanItem> kept;
    for (const PlanItem& item : plan->items) {
        bool nested = false;
        for (const PlanItem& other : plan->items) nested = nested || Inside(other.source, item.source, false);
        if (!nested) kept.push_back(item);
    }
    plan->items.swap(kept);
}

// The folder the process works in cannot go to the recycle bin while it is in use, and the
// shell then deletes what it holds for good (measured under Wine 8).
bool HoldsCurrentFolder(const FilePlan& plan) {
    wchar_t buffer[MAX_PATH];
    const DWORD n = GetCurrentDirectoryW(MAX_PATH, buffer);
    if (n == 0 || n >= MAX_PATH) return false;
    const std::wstring current(buffer, n);
    for (const PlanItem& item : plan.items) {
        if (Inside(item.source, current, true)) return true;
    }
    return false;
}

// The order the shell works in makes a list whose items land on or in each other's sources
// (a swap, a chain, a folder copied into one that is copied too) lose or mix files.
bool Entangled(const FilePlan& plan) {
    for (size_t i = 0; i < plan.items.size(); ++i) {
        for (size_t j = 0; j < plan.items.size(); ++j) {
            if (i == j) continue;
            const std::wstring& landing = plan.items[i].destination;
            const std::wstring& other = plan.items[j].source;
            if (Inside(other, landing, true) || Inside(landing, other, true)) return true;
        }
    }
    return false;
}

long CheckItems(const FilePlan& plan) {
    for (const PlanItem& item : plan.items) {
        const bool onItself = item.source == item.destination || (plan.verb == FileVerb::Copy && item.caseRename());
        if (onItself) return kFileOpSameFile;
    }
    for (const PlanItem& item : plan.items) {
        // Windows' shell refuses this itself; Wine's did nothing and reported success.
        if (!item.caseRename() && Inside(item.source, item.destination, false)) return kFileOpIntoItself;
    }
    return Entangled(plan) ? kFileOpRejected : 0;
}

// Lists `source` and everything below it with the places they land; false when a path on
// either side is longer than the shell handles (it then skips the file and reports success).
bool Walk(const std::wstring& source, const std::wstring& destination, FilePlan* plan) {
    const DWORD attributes = AttributesOf(source);
    if (!IsFolder(attributes)) {
        plan->entries.push_back({source, destination, PlanEntry::File});
        return source.size() < MAX_PATH && destination.size() < MAX_PATH;
    }
    if (source.size() + kListing >= MAX_PATH || destination.size() >= kLongestFolder) return false;
    // A link to a folder: the shell copies what it points to; its own content is not ours
    // to walk, nor to remove.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        plan->entries.push_back({source, destination, PlanEntry::Link});
        return true;
    }
    for (const std::wstring& inner : Matches(Join(source, L"*"))) {
        if (!Walk(inner, Join(destination, NameOf(inner)), plan)) return false;
    }
    plan->entries.push_back({source, destination, PlanEntry::Folder});
    return true;
}

}  // namespace

long MakePlan(FileVerb verb, const std::wstring& source, const std::wstring& target, FilePlan* plan) {
    *plan = FilePlan();
    plan->verb = verb;
    const bool recycle = verb == FileVerb::Recycle;
    if (source.size() < kShortest || (!recycle && target.size() < kShortest)) return kFileOpRejected;
    PathList from, to;
    if (!ReadPathList(source, ListRole::Sources, &from)) return kFileOpRejected;
    if (recycle) {
        for (const std::wstring& s : from) {
            if (const long refused = AddRecycled(s, plan)) return refused;
        }
        DropNested(plan);
        return HoldsCurrentFolder(*plan) ? kFileOpRejected : 0;
    }
    if (!ReadPathList(target, ListRole::Targets, &to)) return kFileOpRejected;
    // The shell pairs the n-th source with the n-th target, or sends every source into the
    // one target; other counts it pairs differently from one version to the next.
    const bool shared = to.size() == 1 && from.size() > 1;
    if (!shared && to.size() != from.size()) return kFileOpRejected;
    for (size_t i = 0; i < from.size(); ++i) {
        if (const long refused = AddSource(verb, from[i], to[shared ? 0 : i], shared, plan)) return refused;
    }
    if (const long refused = CheckItems(*plan)) return refused;
    for (const PlanItem& item : plan->items) {
        if (item.caseRename()) continue;  // renamed in place, as one
        if (!Walk(item.source, item.destination, plan)) return kFileOpRejected;
    }
    return 0;
}

}  // namespace mv
