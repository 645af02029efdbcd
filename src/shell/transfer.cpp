// Pairing sources with targets as the shell does, and the checks read from the pairing.
#include "shell/transfer.h"

#include <shlwapi.h>

namespace mv {

namespace {

// A wildcard source whose folder holds its target, where the target's first name below
// that folder is one the wildcard takes in ("D\*" into "D\T"): the target would be among
// the entries being copied.
bool CoversOwnTarget(const Transfer& t) {
    const std::wstring folder = FolderOf(t.source);
    if (!Inside(folder, t.target, false)) return false;
    std::wstring below = t.target.substr(Folded(folder).size());
    below.erase(0, below.find_first_not_of(L"\\/"));
    below = below.substr(0, below.find_first_of(L"\\/"));
    return PathMatchSpecW(below.c_str(), NameOf(t.source).c_str()) != FALSE;
}

// Where a move could write over something: a file's own destination; for a folder or a
// wildcard the whole target, into which the shell may merge, or put one match or many.
std::wstring Landing(const Transfer& t) {
    return t.wildcard() || IsFolder(t.sourceAttributes) ? t.target : t.destination();
}

}  // namespace

Transfers PlanTransfers(const PathList& sources, const PathList& targets) {
    Transfers plan;
    const bool shared = targets.size() == 1 && sources.size() > 1;
    if (!shared && targets.size() != sources.size()) return plan;
    for (size_t i = 0; i < sources.size(); ++i) {
        const std::wstring& source = sources[i];
        const std::wstring& target = targets[shared ? 0 : i];
        const bool targetIsFolder = IsFolder(AttributesOf(target)) && !SamePath(source, target);
        const DWORD attributes = HasWildcard(source) ? INVALID_FILE_ATTRIBUTES : AttributesOf(source);
        plan.push_back({source, target, shared || targetIsFolder, attributes});
    }
    return plan;
}

bool ShellWouldFail(const Transfers& plan) {
    for (const Transfer& t : plan) {
        if (t.wildcard() ? CoversOwnTarget(t) : t.destination().size() >= MAX_PATH) return true;
    }
    return false;
}

bool IntoItself(const Transfers& plan) {
    for (const Transfer& t : plan) {
        if (!t.wildcard() && Inside(t.source, t.destination(), false)) return true;
    }
    return false;
}

bool MayReplace(const Transfers& plan) {
    for (size_t i = 0; i < plan.size(); ++i) {
        const std::wstring place = Landing(plan[i]);
        if (Exists(place) && !SamePath(plan[i].source, place)) return true;
        for (size_t j = 0; j < i; ++j) {
            const std::wstring other = Landing(plan[j]);
            if (Inside(other, place, true) || Inside(place, other, true)) return true;
        }
    }
    return false;
}

bool Arrived(const Transfers& plan, bool moved) {
    for (const Transfer& t : plan) {
        if (t.wildcard()) continue;
        const std::wstring destination = t.destination();
        const DWORD there = AttributesOf(destination);
        if (there == INVALID_FILE_ATTRIBUTES || IsFolder(there) != IsFolder(t.sourceAttributes)) return false;
        if (moved && Exists(t.source) && !SamePath(t.source, destination)) return false;
    }
    return true;
}

}  // namespace mv
