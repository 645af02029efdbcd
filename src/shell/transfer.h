// Where the shell puts each source of a copy or a move, worked out before the shell runs:
// the refusals, the choice of how a move is done and the check afterwards all read it.
#pragma once

#include <vector>

#include "shell/path_list.h"

namespace mv {

struct Transfer {
    std::wstring source;  // a full path; its last name may hold wildcards
    std::wstring target;  // the target entry it goes to
    bool intoFolder;      // it keeps its name inside the target (else it takes the target's)
    DWORD sourceAttributes;  // as found before the shell ran; invalid for wildcards

    bool wildcard() const { return HasWildcard(source); }
    // Where a source without wildcards ends up.
    std::wstring destination() const { return intoFolder ? Join(target, NameOf(source)) : target; }
};
using Transfers = std::vector<Transfer>;

// The shell's pairing: the n-th source goes to the n-th target, every source into the one
// target when there is one for several, and into a target that is a folder already.
// Empty when the counts do not pair; the shell refuses that itself.
Transfers PlanTransfers(const PathList& sources, const PathList& targets);

// True when the shell would be handed a transfer it does not do while reporting success:
// a destination of MAX_PATH characters or more, or a wildcard whose matches take in its own
// target (the shell copied a few entries into the target, then stopped and said success).
bool ShellWouldFail(const Transfers& plan);

// A folder that would go into a folder inside itself.
bool IntoItself(const Transfers& plan);

// Whether a move of `plan` could replace anything: a file's destination, or a folder's or a
// wildcard's target, that exists (other than the source itself, renamed in letter case
// only), or two transfers into the same place or one into another's.
bool MayReplace(const Transfers& plan);

// After the shell reported success: true when every source without wildcards is where it
// was sent (a folder as a folder, a file as a file) and, when `moved`, no longer where it
// was.
bool Arrived(const Transfers& plan, bool moved);

}  // namespace mv
