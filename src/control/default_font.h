// The font every new control starts with: the system's message font (a TrueType face that
// the system links to other fonts for the scripts it lacks), at the control's resolution
// and at a size that keeps layouts made for the older stock font fitting. The classic
// look at 96 DPI keeps the stock font itself (ANSI_VAR_FONT).
#pragma once

#include <windows.h>

namespace mv {

// Shared by every control at that resolution and look; never deleted by a control (the
// process's fonts end when the library unloads).
HFONT DefaultControlFont(UINT dpi, bool classic);

// Whether the font is one DefaultControlFont gives (or the stock font).
bool IsDefaultControlFont(HFONT font);

}  // namespace mv
