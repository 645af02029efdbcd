// System-menu items, addressed by position in the window's own copy of its system menu.
#include "window/sys_menu.h"

#include <cstddef>

namespace mv {

namespace {

constexpr UINT kCommandBit = 0x8000;  // set in every system command, cleared when disabled
constexpr UINT kGrayed = MF_GRAYED;   // state of a disabled item: grey, not selectable

// The record without its trailing bitmap field (44 bytes), which every system accepts.
MENUITEMINFOW ItemInfo(UINT mask) {
    MENUITEMINFOW info{};
    info.cbSize = offsetof(MENUITEMINFOW, hbmpItem);
    info.fMask = mask;
    return info;
}

}  // namespace

long FindSysMenuItem(HWND hwnd, UINT id) {
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    if (!menu) return -1;
    const UINT disabled = id & ~kCommandBit;
    int n = GetMenuItemCount(menu);
    for (int pos = 0; pos < n; ++pos) {
        UINT itemId = GetMenuItemID(menu, pos);
        if (itemId == id || itemId == disabled) return pos;
    }
    return -1;
}

void SetSysMenuItem(HWND hwnd, UINT id, VARIANT_BOOL enable) {
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    long pos = FindSysMenuItem(hwnd, id);
    if (!menu || pos < 0) return;
    const bool on = enable == VARIANT_TRUE;
    MENUITEMINFOW info = ItemInfo(MIIM_STATE | MIIM_ID);
    info.fState = on ? MFS_ENABLED : kGrayed;
    info.wID = on ? id : (id & ~kCommandBit);
    SetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &info);
}

long GetSysMenuItemState(HMENU menu, long position) {
    if (!menu || position < 0) return 0;
    MENUITEMINFOW info = ItemInfo(MIIM_STATE);
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return 0;
    return static_cast<long>(info.fState);
}

}  // namespace mv
