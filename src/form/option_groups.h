// Option groups: the option boxes the arrow keys move among, of which one is selected. A
// group is the option boxes added one after another without a control of another kind
// between them, or the option boxes laid out inside one frame. The system's button
// clears the other automatic option boxes of a group when one is clicked; it knows the
// group by WS_GROUP on its first member, which each option box starting a group gets
// when it is added.
#pragma once

#include <windows.h>

#include <vector>

namespace mv {

// The frame of the form whose rectangle holds the control window's, or null.
HWND EnclosingFrame(HWND control);

// The members of the option group of the option box, in the order they were added.
std::vector<HWND> OptionGroupOf(HWND option);

// Marks a control window just added to its form: an option box that starts a group gets
// WS_GROUP.
void MarkOptionGroup(HWND control);

// An arrow key on an option box: the focus moves to the previous (Left, Up) or next
// (Right, Down) visible, enabled member of its group, wrapping at the ends, and selects it
// with its click. True when the key was an arrow on an option box (and so is taken).
bool MoveInOptionGroup(HWND option, UINT key);

}  // namespace mv
