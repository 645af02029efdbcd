// Option groups: which option boxes belong together, and the arrow keys among them.
#include "form/option_groups.h"

#include <algorithm>

#include "control/kind_records.h"
#include "form/tab_order.h"

namespace mv {

namespace {

bool Usable(HWND hwnd) {
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

bool Holds(HWND outer, HWND inner) {
    RECT o{}, i{};
    return GetWindowRect(outer, &o) && GetWindowRect(inner, &i) && i.left >= o.left && i.top >= o.top &&
           i.right <= o.right && i.bottom <= o.bottom;
}

// Whether two neighbours in the order of adding are members of one group.
bool SameGroup(HWND a, HWND b) {
    return KeysOf(a).optionGroup && KeysOf(b).optionGroup && EnclosingFrame(a) == EnclosingFrame(b);
}

}  // namespace

HWND EnclosingFrame(HWND control) {
    for (HWND w : ControlWindowsOf(GetParent(control)))
        if (w != control && KeysOf(w).encloses && Holds(w, control)) return w;
    return nullptr;
}

std::vector<HWND> OptionGroupOf(HWND option) {
    std::vector<HWND> group;
    if (!KeysOf(option).optionGroup) return group;
    const std::vector<HWND> windows = ControlWindowsOf(GetParent(option));
    if (HWND frame = EnclosingFrame(option)) {
        for (HWND w : windows)
            if (KeysOf(w).optionGroup && EnclosingFrame(w) == frame) group.push_back(w);
        return group;
    }
    auto at = std::find(windows.begin(), windows.end(), option);
    if (at == windows.end()) return group;
    auto first = at, last = at;
    while (first != windows.begin() && SameGroup(*(first - 1), option)) --first;
    while (last + 1 != windows.end() && SameGroup(*(last + 1), option)) ++last;
    group.assign(first, last + 1);
    return group;
}

void MarkOptionGroup(HWND control) {
    if (!KeysOf(control).optionGroup) return;
    const std::vector<HWND> windows = ControlWindowsOf(GetParent(control));
    auto at = std::find(windows.begin(), windows.end(), control);
    const bool continues = at != windows.end() && at != windows.begin() && SameGroup(*(at - 1), control);
    if (!continues) SetWindowLongW(control, GWL_STYLE, GetWindowLongW(control, GWL_STYLE) | WS_GROUP);
}

bool MoveInOptionGroup(HWND option, UINT key) {
    const bool back = key == VK_LEFT || key == VK_UP;
    if ((!back && key != VK_RIGHT && key != VK_DOWN) || !KeysOf(option).optionGroup) return false;
    const std::vector<HWND> group = OptionGroupOf(option);
    const long n = static_cast<long>(group.size());
    const long at = static_cast<long>(std::find(group.begin(), group.end(), option) - group.begin());
    for (long step = 1; step < n; ++step) {
        HWND next = group[static_cast<size_t>(((back ? at - step : at + step) % n + n) % n)];
        if (!Usable(next)) continue;
        SendMessageW(next, BM_CLICK, 0, 0);  // takes the focus, selects, clicks
        return true;
    }
    return true;
}

}  // namespace mv
