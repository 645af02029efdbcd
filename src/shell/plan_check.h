// What the shell did, read against the plan: a move's sources removed once their exact
// bytes are at their destinations, and the check of every planned file afterwards.
#pragma once

#include "shell/file_plan.h"

namespace mv {

// After the shell's copy of a move, also when it was cut short: removes each source file
// whose destination holds its exact bytes (another file, never the source under a second
// name), then each source folder left empty whose destination is a folder. A source the
// user declined, or that did not arrive whole, stays where it is.
void RemoveMoved(const FilePlan& plan);

// After the shell reported success: true when all of the plan happened. A copy: every
// planned file holds its source's bytes at its destination (where several land on one
// place, the last one's), every folder is a folder there. A move: every source is gone and
// a renamed one carries its new name. A recycle: every item is gone.
bool Happened(const FilePlan& plan);

}  // namespace mv
