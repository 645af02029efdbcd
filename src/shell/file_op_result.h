// What a file operation gives back besides the shell's own non-zero codes: the codes the
// plan (file_plan.h), the shell request (shell_request.h) and the operation itself
// (file_operation.h) answer with.
#pragma once

#include <windows.h>

namespace mv {

constexpr long kFileOpRejected = -2;  // refused before anything was touched
constexpr long kFileOpDone = -1;      // everything asked happened
constexpr long kFileOpCancelled = ERROR_CANCELLED;
constexpr long kFileOpIntoItself = 0x76;  // DE_DESTSUBTREE: a folder into a folder inside it
constexpr long kFileOpSameFile = 0x71;    // DE_SAMEFILE: a copy or move onto the source itself
// A source of a copy is missing: 1026, the library's own documented result, which it gives
// itself from the plan. It was the shell's answer before Windows Vista (and is Wine's);
// Windows Vista and later answer 2 there.
constexpr long kFileOpMissing = 0x402;
// The shell reported success, yet a planned file is not at its destination with its
// source's bytes, or a moved or recycled one is still where it was (ERROR_PARTIAL_COPY).
constexpr long kFileOpUnfinished = ERROR_PARTIAL_COPY;

}  // namespace mv
