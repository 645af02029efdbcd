// What a copy, a move or a recycle will do, file by file, worked out before anything is
// touched. There is one plan for the three operations: the refusals read it, the shell is
// handed its items, a move removes its sources by it, and the check afterwards walks it.
#pragma once

#include <string>
#include <vector>

#include "shell/path_list.h"

namespace mv {

enum class FileVerb { Copy, Move, Recycle };

// One thing the shell is handed: a file or folder the script named, or one match of a
// wildcard, with the place it lands (empty for a recycle).
struct PlanItem {
    std::wstring source, destination;
    Found found;  // the source, as found while planning
    // A move only: the destination, or a place some other item lands in or on, already
    // exists, so the shell's copy asks before replacing and the source is removed after.
    bool copyFirst = false;
    // Copied as one of the sources going into its destination's folder, keeping its name:
    // a folder merged into a folder of its name, or an item landing where another lands.
    bool intoFolder = false;
    // The same file or folder under another letter case: a move renames it in place.
    bool caseRename() const { return source != destination && SamePath(source, destination); }
};

// One file or folder at or below an item, with the place it lands.
struct PlanEntry {
    // Link: a name surrogate (a mount point, a symbolic link, ...), taken as it is, never
    // looked into.
    enum Kind { File, Folder, Link };
    std::wstring source, destination;
    Kind kind;
    ULONGLONG size;  // of a file, as found while planning
    size_t item;     // the index of its item
};

// How the plan takes what the system's search found: only name surrogates (mount points,
// symbolic links, WSL's links, ...) are links; a cloud placeholder or any other reparse
// point is a file or folder.
PlanEntry::Kind KindOf(const Found& found);

struct FilePlan {
    FileVerb verb = FileVerb::Copy;
    std::vector<PlanItem> items;     // each once, in the script's order
    std::vector<PlanEntry> entries;  // copy and move: every folder after what it holds
};

// The plan of `verb` on the script's comma-separated lists (the target list is not read
// for a recycle). Returns 0 when it can be run; otherwise the result for the script, with
// nothing touched: kFileOpRejected, kFileOpIntoItself, kFileOpSameFile or kFileOpMissing
// (src/shell/file_operation.h says when).
long MakePlan(FileVerb verb, const std::wstring& source, const std::wstring& target, FilePlan* plan);

// Sets each item's way when the operation starts. A move (PlanItem::copyFirst): an item
// whose destination exists (under `replaceAll`: unless a file replaces a file), or that
// lands on, in or around another item's destination, is copied first; every other item is
// the shell's own move. A copy (PlanItem::intoFolder): an item keeping its name that
// merges into a folder or lands where another item lands goes into its folder.
void ChooseWays(FilePlan* plan, bool replaceAll);

}  // namespace mv
