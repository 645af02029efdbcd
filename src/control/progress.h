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

namespace ctl {
HRESULT PutMaxProgress(Control& c, const Args& a, Result& r);
HRESULT GetMaxProgress(Control& c, const Args& a, Result& r);
HRESULT PutCurrentProgress(Control& c, const Args& a, Result& r);
HRESULT GetCurrentProgress(Control& c, const Args& a, Result& r);
HRESULT PutProgressBarStyle(Control& c, const Args& a, Result& r);
HRESULT GetProgressBarStyle(Control& c, const Args& a, Result& r);
}  // namespace ctl

}  // namespace mv
