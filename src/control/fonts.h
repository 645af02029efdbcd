// Fonts of controls: reading one field of the font a control uses, and replacing that
// font by a changed copy that the control object owns.
#pragma once

#include <windows.h>

#include <string>

#include "com/dispatch.h"

namespace mv {

class Control;

// The LOGFONTW of the font the control uses now. False for an image, and when the window
// has no font the library can read (the system font).
bool GetFontInfo(const Control& c, LOGFONTW* out);

// The face name as scripts read it: the name up to its terminating NUL, spaces trimmed,
// characters of any code kept; a control character in the first two places reads as a
// space, one further on ends the name.
std::wstring FaceNameOf(const LOGFONTW& lf);

// "b", "i", "u" in that order, for the styles the font has.
std::wstring StyleOf(const LOGFONTW& lf);

// Creates a copy of the control's font with the face name (when not empty; its first 31
// characters, without splitting a surrogate pair), the height (when greater than 0) and
// the style letters ("b", "i", "u" anywhere; case-sensitive) applied, gives it to the
// control and deletes the font the object created before.
// Does nothing for an image or a control whose font cannot be read. The height is in the
// script's units.
void ApplyFont(Control& c, const std::wstring& name, long height, const std::wstring& style);

// The control's window now draws at `to` DPI instead of `from`: a font the script set is
// made again at the new resolution, a default font replaced by the new resolution's.
void FollowDpi(Control& c, UINT from, UINT to);

namespace ctl {

// Member handlers with the signature of the control's member-table rows.
MemberHandler<Control> GetFontSize, PutFontSize, GetFontName, PutFontName, GetFontStyle, PutFontStyle;

}  // namespace ctl

}  // namespace mv
