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
    DWORD attributes;  // of the source, as found while planning
    // The same file or folder under another letter case: a move renames it in place.
    bool caseRename() const { return source != destination && SamePath(source, destination); }
};

// One file or folder at or below an item, with the place it lands.
struct PlanEntry {
    enum Kind { File, Folder, Link };  // Link: a link to a folder, taken as it is, never looked into
    std::wstring source, destination;
    Kind kind;
};

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

}  // namespace mv
