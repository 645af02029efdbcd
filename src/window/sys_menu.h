// Items of a window's system menu (Restore, Move, Size, Minimize, Maximize, Close): find
// one by command, switch it on or off, read its state.
//
// A disabled command is greyed and also renumbered without bit 15 (SC_MOVE 0xF010 becomes
// 0x7010), so that the system, which enables and greys these items by command when it
// opens the menu, no longer finds it and cannot switch it back on. Enabling restores the
// full identifier; the finder accepts both forms.
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace mv {

// 0-based position of the first item of the window's system menu whose identifier is id,
// or id without bit 15; -1 when there is none.
long FindSysMenuItem(HWND hwnd, UINT id);

// Enables (enable = -1) or greys and renumbers the item of the command; does nothing when
// the menu lacks it.
void SetSysMenuItem(HWND hwnd, UINT id, VARIANT_BOOL enable);

// The state flags of the item at a position (0: enabled and unchecked); 0 when the item
// cannot be read, as for position -1.
long GetSysMenuItemState(HMENU menu, long position);

}  // namespace mv
