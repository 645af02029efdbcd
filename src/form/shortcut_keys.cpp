// Shortcut letters of a form's controls, and its keyboard cues.
#include "form/shortcut_keys.h"

#include <algorithm>
#include <vector>

#include "control/kind_records.h"
#include "form/option_groups.h"
#include "form/tab_order.h"
#include "window/dialog_buttons.h"
#include "window/focus.h"
#include "window/window_text.h"

namespace mv {

namespace {

bool Usable(HWND hwnd) {
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

wchar_t Upper(wchar_t ch) {
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(ch)))));
}

// The selected option box inside a frame, else its first control that takes the focus.
HWND FocusInside(HWND frame) {
    HWND first = nullptr;
    for (HWND w : ControlWindowsOf(GetParent(frame))) {
        if (!CanTakeFocus(w) || EnclosingFrame(w) != frame) continue;
        if (KeysOf(w).optionGroup && SendMessageW(w, BM_GETCHECK, 0, 0) == BST_CHECKED) return w;
        if (!first) first = w;
    }
    return first;
}

// The window that a control's shortcut gives the focus to.
HWND FocusTarget(HWND control) {
    switch (KeysOf(control).shortcut) {
    case Shortcut::Click: return control;
    case Shortcut::FocusInside: return FocusInside(control);
    case Shortcut::FocusNext: return NextFocusable(GetParent(control), control, false);
    case Shortcut::None: break;
    }
    return nullptr;
}

// One control with the letter: a button, check or option box is clicked as a click with
// the mouse does (it takes the focus); the others hand the focus on.
void Act(HWND control) {
    if (KeysOf(control).shortcut == Shortcut::Click) SendMessageW(control, BM_CLICK, 0, 0);
    else if (HWND target = FocusTarget(control)) FocusWindow(target);
}

// Several: the focus goes to the one after the one that has it, clicking nothing.
void Cycle(const std::vector<HWND>& matches) {
    const HWND focus = GetFocus();
    auto at = std::find_if(matches.begin(), matches.end(), [focus](HWND w) { return w == focus || FocusTarget(w) == focus; });
    const size_t next = at == matches.end() ? 0 : static_cast<size_t>(at - matches.begin() + 1) % matches.size();
    if (HWND target = FocusTarget(matches[next])) FocusWindow(target);
}

}  // namespace

wchar_t ShortcutOf(HWND control) {
    const KeyboardRecord& keys = KeysOf(control);
    if (keys.shortcut == Shortcut::None || (GetWindowLongW(control, GWL_STYLE) & keys.dialogKeysClears)) return 0;
    const std::wstring caption = GetWindowCaption(control);
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] != L'&') return Upper(caption[i + 1]);
        ++i;  // && is one & shown
    }
    return 0;
}

bool TakeShortcut(HWND form, WPARAM ch) {
    if (ch <= L' ' || ch > 0xFFFF) return false;
    const wchar_t letter = Upper(static_cast<wchar_t>(ch));
    std::vector<HWND> matches;
    for (HWND w : ControlWindowsOf(form))
        if (Usable(w) && ShortcutOf(w) == letter) matches.push_back(w);
    if (matches.empty()) return false;
    ShowKeyboardCues(form, UISF_HIDEACCEL | UISF_HIDEFOCUS);
    if (matches.size() == 1) Act(matches.front());
    else Cycle(matches);
    return true;
}

void FollowDialogKeys(HWND control) {
    const DWORD bits = KeysOf(control).dialogKeysClears;
    if (!bits) return;
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const LONG wanted = DialogKeysOn(GetParent(control)) ? style & ~static_cast<LONG>(bits) : style | static_cast<LONG>(bits);
    if (wanted == style) return;
    SetWindowLongW(control, GWL_STYLE, wanted);
    InvalidateRect(control, nullptr, TRUE);
}

void ShowLabelShortcuts(HWND form) {
    for (HWND w : ControlWindowsOf(form)) FollowDialogKeys(w);
}

void ShowKeyboardCues(HWND window, WORD cues) {
    HWND form = GetAncestor(window, GA_ROOT);
    if (form && (SendMessageW(form, WM_QUERYUISTATE, 0, 0) & cues))
        SendMessageW(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, cues), 0);
}

void ShowCuesForKey(HWND window, WPARAM key) {
    const bool keyboard = key == VK_MENU || key == VK_TAB || key == VK_LEFT || key == VK_RIGHT || key == VK_UP ||
                          key == VK_DOWN;
    if (keyboard) ShowKeyboardCues(window, UISF_HIDEACCEL | UISF_HIDEFOCUS);
}

void InitKeyboardCues(HWND form) {
    SendMessageW(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0);
}

}  // namespace mv
