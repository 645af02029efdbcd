// The font every new control starts with: the system's message font (a TrueType face that
// the system links to other fonts for the scripts it lacks), at the control's resolution
// and at a size that keeps layouts made for the older stock font fitting. The classic
// look at 96 DPI keeps the stock font itself (ANSI_VAR_FONT).
#pragma once

#include <windows.h>

#include <memory>

#include "core/unique.h"

namespace mv {

// A font shared by the controls that use it: it lives as long as anyone holds it (the
// cache of the process, each control given it).
using SharedFont = std::shared_ptr<const UniqueFont>;

// Shared by every control at that resolution and look, on every thread: the font to give
// the control, whose holder goes to `keep` when given (empty for the stock font, which no
// one owns).
// The cache is the process's, under a lock, so apartment threads creating controls at one
// moment share one font per resolution.
HFONT DefaultControlFont(UINT dpi, bool classic, SharedFont* keep = nullptr);

// Whether the font is one DefaultControlFont gives (or the stock font).
bool IsDefaultControlFont(HFONT font);

}  // namespace mv
