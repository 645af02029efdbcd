// A move that never replaces a file without the user's yes. The shell's own move replaces
// existing files without asking (Wine's does, even without FOF_NOCONFIRMATION), its copy
// asks for each one; so a move that could replace something is done as the shell's copy,
// followed by the removal of each source file that arrived. A source whose copy the user
// declined, or that did not arrive whole, stays where it is.
#pragma once

#include <string>
#include <vector>

#include "shell/transfer.h"

namespace mv {

// The files and folders of a move as they are before the copy: every file below the
// sources with its destination and whether something was there already.
struct MovePlan {
    struct File {
        std::wstring source, destination;
        bool replaces;  // the destination existed before the copy
    };
    struct Folder {
        std::wstring source, destination;
    };
    std::vector<File> files;
    std::vector<Folder> folders;  // inner folders before the folders holding them
};

MovePlan PlanMove(const Transfers& plan);

// After the copy: removes each source file whose destination now holds it (the same size
// and time of last change, another file, and the same bytes when something was there
// before), then each source folder left empty whose destination is a folder. Links to
// folders are left in place with everything they hold.
void RemoveArrived(const MovePlan& plan);

}  // namespace mv
