// Building the plan: the script's lists read as the shell reads them (full paths, doubled
// separators, trailing dots and blanks and relative parts resolved), sources paired with
// targets as the shell pairs them, wildcards expanded, each file and folder named once,
// folders walked down to their last file, and whatever the plan shows the shell would do
// only in part, or in a way no script can have meant, refused before anything happens.
#include "shell/file_plan.h"

#include <shlwapi.h>

#include <set>
#include <unordered_set>

#include "shell/file_op_result.h"

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

// Every item as the plan first lists it; named twice, it is kept once (DropRepeats).
void AddItem(const Found& source, const std::wstring& destination, FilePlan* plan) {
    plan->items.push_back({source.path, destination, source});
}

// One entry of the script's source list with the target the shell pairs it with; `shared`
// when one target takes several sources.
long AddSource(FileVerb verb, const std::wstring& source, const std::wstring& target, bool shared, FilePlan* plan) {
    if (HasWildcard(source)) {
        if (CoversOwnTarget(source, target)) return kFileOpRejected;
        // One match takes the target's name, as one file would; several go inside it.
        const std::vector<Found> matches = Matches(source);
        const bool into = shared || IsFolder(AttributesOf(target)) || matches.size() > 1;
        for (const Found& m : matches) AddItem(m, into ? Join(target, NameOf(m.path)) : target, plan);
        return 0;
    }
    Found found;
    if (!Look(source, &found)) return verb == FileVerb::Move ? kFileOpRejected : kFileOpMissing;
    const bool into = shared || (IsFolder(AttributesOf(target)) && !SamePath(source, target));
    AddItem(found, into ? Join(target, NameOf(source)) : target, plan);
    return 0;
}

long AddRecycled(const std::wstring& source, FilePlan* plan) {
    if (!HasWildcard(source)) {
        Found found;
        if (!Look(source, &found)) return kFileOpRejected;  // the shell would report it done
        AddItem(found, std::wstring(), plan);
        return 0;
    }
    for (const Found& m : Matches(source)) AddItem(m, std::wstring(), plan);
    return 0;
}

// An item named twice (the same source to the same place) is kept once, where first named.
void DropRepeats(FilePlan* plan) {
    std::unordered_set<std::wstring> seen;
    std::vector<PlanItem> kept;
    for (PlanItem& item : plan->items) {
        if (seen.insert(Folded(item.source) + L'|' + Folded(item.destination)).second) kept.push_back(std::move(item));
    }
    plan->items.swap(kept);
}

// The items' sources (or destinations), folded, for the questions asked of every item: a
// wildcard's matches make lists long, and each question then looks its paths up instead
// of comparing them with every other item.
class ItemPaths {
public:
    explicit ItemPaths(const std::vector<PlanItem>& items, bool destinations = false) {
        for (const PlanItem& item : items) folded_.insert(Folded(destinations ? item.destination : item.source));
    }

    // Whether a path other than `own` (folded; `own` counts once) is `path` or a folder
    // holding it.
    bool atOrAbove(const std::wstring& path, const std::wstring& own) const {
        const std::wstring p = Folded(path);
        for (size_t cut = p.find(L'\\'); cut != std::wstring::npos; cut = p.find(L'\\', cut + 1)) {
            // "C:" and "C:\": a root keeps its backslash when folded.
            for (const std::wstring& up : {p.substr(0, cut), p.substr(0, cut + 1)})
                if (up != own && folded_.count(up)) return true;
        }
        return folded_.count(p) > (p == own ? 1u : 0u);
    }

    // Whether a path other than `own` (folded) lies inside the folder `path`.
    bool below(const std::wstring& path, const std::wstring& own) const {
        std::wstring p = Folded(path);
        if (p.empty()) return false;
        if (p.back() != L'\\') p += L'\\';
        for (auto it = folded_.lower_bound(p); it != folded_.end() && it->compare(0, p.size(), p) == 0; ++it)
            if (*it != own) return true;
        return false;
    }

private:
    std::multiset<std::wstring> folded_;
};

// A recycle of a folder and of something inside it recycles the folder, which takes it.
void DropNested(FilePlan* plan) {
    const ItemPaths sources(plan->items);
    std::vector<PlanItem> kept;
    for (PlanItem& item : plan->items) {
        const std::wstring own = Folded(item.source);
        if (!sources.atOrAbove(FolderOf(item.source), own)) kept.push_back(std::move(item));
    }
    plan->items.swap(kept);
}

// The folder the process works in cannot go to the recycle bin while it is in use, and the
// shell then deletes what it holds for good (measured under Wine 8).
bool HoldsCurrentFolder(const FilePlan& plan) {
    wchar_t buffer[MAX_PATH];
    const DWORD n = GetCurrentDirectoryW(MAX_PATH, buffer);
    if (n == 0 || n >= MAX_PATH) return false;
    return ItemPaths(plan.items).atOrAbove(std::wstring(buffer, n), std::wstring());
}

// The order the shell works in makes a list whose items land on or in each other's sources
// (a swap, a chain, a folder copied into one that is copied too) lose or mix files.
bool Entangled(const FilePlan& plan) {
    const ItemPaths sources(plan.items);
    for (const PlanItem& item : plan.items) {
        const std::wstring own = Folded(item.source);
        if (sources.atOrAbove(item.destination, own) || sources.below(item.destination, own)) return true;
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
// either side is longer than the shell handles (it then skips the file and reports success),
// or when a file would land on an existing folder or a folder on an existing file: Windows'
// shell (Vista and later) then fails the whole request (DE_FILEDESTISFLD) where Wine's
// copies the file into the folder. `destinationMayExist` is false below a folder whose own
// destination does not exist: nothing there is looked up.
// A folder kept in cloud storage is walked as any other: its listing comes from the
// system's search, which fetches no file.
// Every folder is listed, also for an item the shell will move by a rename: a file that is
// already longer than the limit inside the source (made through a "\\?\" path, or by a
// rename of a folder above it) is refused wherever it lands, and only the listing shows its
// length. Under Wine the listing is nearly all of a plan's time (a folder of 1 500 files:
// about 9-18 ms, against about 1 ms for the shell's rename).
bool Walk(const Found& source, const std::wstring& destination, size_t item, FilePlan* plan,
          bool destinationMayExist = true) {
    const PlanEntry::Kind kind = KindOf(source);
    const DWORD there = destinationMayExist ? AttributesOf(destination) : INVALID_FILE_ATTRIBUTES;
    if (there != INVALID_FILE_ATTRIBUTES && IsFolder(there) != IsFolder(source.attributes)) return false;
    if (!IsFolder(source.attributes)) {
        plan->entries.push_back({source.path, destination, kind, source.size, item});
        return source.path.size() < MAX_PATH && destination.size() < MAX_PATH;
    }
    if (source.path.size() + kListing >= MAX_PATH || destination.size() >= kLongestFolder) return false;
    if (kind == PlanEntry::Folder) {
        for (const Found& inner : Matches(Join(source.path, L"*"))) {
            if (!Walk(inner, Join(destination, NameOf(inner.path)), item, plan, there != INVALID_FILE_ATTRIBUTES))
                return false;
        }
    }
    plan->entries.push_back({source.path, destination, kind, 0, item});
    return true;
}

}  // namespace

// A link to a folder: the shell copies what it points to; its own content is not ours to
// walk, nor to remove. Windows' cloud storage keeps placeholders as reparse points of
// tags of its own (files on demand, known folders moved into the cloud), which hold the
// user's files.
PlanEntry::Kind KindOf(const Found& found) {
    if (IsLink(found)) return PlanEntry::Link;
    return IsFolder(found.attributes) ? PlanEntry::Folder : PlanEntry::File;
}

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
        DropRepeats(plan);
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
    DropRepeats(plan);
    if (const long refused = CheckItems(*plan)) return refused;
    for (size_t i = 0; i < plan->items.size(); ++i) {
        const PlanItem& item = plan->items[i];
        if (item.caseRename()) continue;  // renamed in place, as one
        if (!Walk(item.found, item.destination, i, plan)) return kFileOpRejected;
    }
    return 0;
}

// The shell's move is taken only where it cannot replace anything the user did not agree
// to: Wine's replaces existing files without asking, even without FOF_NOCONFIRMATION, and
// Windows' asks. Where nothing is in the way it is a rename within a volume on both, and
// the plan's check follows it as any other. Under replace-all it also replaces a file
// with a file, as asked. A folder onto a folder is merged by the copy (Wine's move did
// nothing there and reported success), and an item landing on, in or around another's
// destination is copied too: a move would replace what the earlier item just brought,
// and its bytes would be nowhere.
//
// Copied items each name their own destination, except those keeping their names that
// merge into a folder or land where another item lands: Wine takes an existing folder
// named as the destination for a folder to go into (a merge would land one level too
// deep), and ends the whole request at the first No where each names its destination
// (Windows skips that item and goes on). Several sources into one folder is read alike by
// every version, and each replacement is asked about in turn.
void ChooseWays(FilePlan* plan, bool replaceAll) {
    if (plan->verb == FileVerb::Recycle) return;
    const ItemPaths destinations(plan->items, true);
    for (PlanItem& item : plan->items) {
        if (item.caseRename()) continue;
        const std::wstring own = Folded(item.destination);
        const DWORD there = AttributesOf(item.destination);
        const bool shared = destinations.atOrAbove(item.destination, own);
        const bool fileOnFile = !IsFolder(there) && !IsFolder(item.found.attributes);
        item.copyFirst = plan->verb == FileVerb::Move &&
                         ((there != INVALID_FILE_ATTRIBUTES && !(replaceAll && fileOnFile)) || shared ||
                          destinations.below(item.destination, own));
        const bool merge = IsFolder(there) && IsFolder(item.found.attributes);
        item.intoFolder = NameOf(item.source) == NameOf(item.destination) && (merge || shared);
    }
}

}  // namespace mv
