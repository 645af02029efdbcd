// Shell file operations run from a plan (src/shell/file_plan): the plan is made and
// checked before anything is touched, the shell is handed its items with each one's own
// destination (src/shell/shell_request.h), and what the shell reports as success is
// checked against the plan, file by file. The shell said success for many things it did
// not do (measured under Wine 8: a move of a missing source, a folder moved into a folder
// that already held one of its name, an inner file whose path grew too long); a script
// that deletes its source after a copy reported done would lose data.
//
// A move is the shell's own move where nothing planned is in the way (a rename within a
// volume, whatever the size), and the shell's copy followed by the removal of each source
// whose exact bytes arrived where a destination exists: the shell's own move replaces
// existing files without asking under Wine (even without FOF_NOCONFIRMATION), and removes
// a source whose destination it only believes holds it. A source removed that way goes to
// the recycle bin. What the plan cannot see is a destination made by another program
// between the plan and the shell's move: Wine's move would replace it without asking.
#include "shell/file_operation.h"

#include "shell/file_plan.h"
#include "shell/plan_check.h"
#include "shell/shell_request.h"

namespace mv {

long ShellFileOperation(UINT operation, const std::wstring& source, const std::wstring& target, HWND owner,
                        bool silent, bool replaceAll) {
    FileVerb verb;
    switch (operation) {
    case FO_COPY: verb = FileVerb::Copy; break;
    case FO_MOVE: verb = FileVerb::Move; break;
    case FO_DELETE: verb = FileVerb::Recycle; break;
    default: return kFileOpRejected;
    }
    FilePlan plan;
    if (const long refused = MakePlan(verb, source, target, &plan)) return refused;
    ChooseWays(&plan, replaceAll);

    long result = kFileOpDone;
    for (const ShellRequest& r : RequestsFor(plan, silent, replaceAll)) {
        result = CallShell(r, owner);
        if (result != kFileOpDone) break;  // the user or the shell cut it short
    }
    if (verb == FileVerb::Move) {  // also after a refusal: what arrived has moved
        const PathList arrived = ArrivedWhole(plan);
        if (!arrived.empty()) CallShell(RecycleArrived(arrived, silent), owner);
        RemoveEmptiedFolders(plan);
    }
    if (result != kFileOpDone) return result;
    return Happened(plan) ? kFileOpDone : kFileOpUnfinished;
}

}  // namespace mv
