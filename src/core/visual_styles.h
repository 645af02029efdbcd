// Today's look in any host. A host without a manifest asking for version 6 of the common
// controls (PowerShell, the script hosts) gets the classic controls; the library carries
// its own manifest (resource 2) and activates a context made from it around every window
// and dialog it creates, so its controls are version 6 and draw with the current theme.
#pragma once

#include <windows.h>

namespace mv {

// The process-wide switch behind Desktop.VisualStyles: on by default; windows created
// while it is off take the classic look.
bool VisualStylesOn();
void SetVisualStylesOn(bool on);

// Activates the library's context for as long as it lives, while the switch is on. The
// context is made once for the process, on first use, and released when the library
// unloads; where the platform cannot make it, the scope does nothing and windows keep the
// host's look.
class VisualStyleScope {
public:
    VisualStyleScope();
    VisualStyleScope(const VisualStyleScope&) = delete;
    VisualStyleScope& operator=(const VisualStyleScope&) = delete;
    ~VisualStyleScope();

private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

}  // namespace mv
