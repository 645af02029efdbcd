// What the shell did, read against the plan: which sources of a move's copy step arrived
// whole, and the check of every planned file afterwards.
#pragma once

#include "shell/file_plan.h"

namespace mv {

// After the copy step of a move, also when it was cut short: the source files of the
// items copied first whose destination holds their exact bytes (another file, never the
// source under a second name). A source the user declined, one that did not arrive whole,
// and one whose bytes are not on this machine (a cloud placeholder: reading it would
// fetch it) are not among them. Links are kept: nothing shows what they arrived as.
PathList ArrivedWhole(const FilePlan& plan);

// Then: removes each source folder of the items copied first that is left empty and whose
// destination is a folder.
void RemoveEmptiedFolders(const FilePlan& plan);

// After the shell reported success: true when all of the plan happened. A copy: every
// planned file is at its destination with its source's size (where several land on one
// place, the last one's), every folder is a folder there. A move: every source is gone, a
// renamed one carries its new name, an item the shell moved is at its destination, and
// what was copied first landed as a copy's files do. A recycle: every item is gone. Sizes
// come from the system's search, so no file is opened (nor fetched from cloud storage).
bool Happened(const FilePlan& plan);

}  // namespace mv
