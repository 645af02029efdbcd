// Progress bars: the script's full scale (MaxProgress), the position in the script's
// units (CurrentProgress, kept in the window as a percentage) and the painting style.
#pragma once

#include <windows.h>

#include "com/dispatch.h"

namespace mv {

class Control;

// ProgressBarStyle as scripts read it: 0 without PBS_SMOOTH, else 2 when the library
// paints the bar and 1 when its class does. Reads the style without a message pass.
long ProgressBarStyleOf(const Control& c);

// Sets ProgressBarStyle: the absolute value, at most 2 (2 is the library's painter). The
// window's style stays as it is; the bar is repainted so that a change of painter shows.
void SetProgressBarStyle(Control& c, long style);

namespace ctl {

// Member handlers with the signature of the control's member-table rows.
MemberHandler<Control> PutMaxProgress, GetMaxProgress, PutCurrentProgress, GetCurrentProgress,
    PutProgressBarStyle, GetProgressBarStyle;

}  // namespace ctl

}  // namespace mv
