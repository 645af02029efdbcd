// Tooltips of controls. Each control with a text has two tools in its form's tooltip
// window: one the tooltip control watches itself (the pointer over the control's window),
// one shown and hidden by the focus (a tracked tool, identified by the control's window
// and the id 1).
#include "control/tool_tips.h"

#include <commctrl.h>

#include "control/control.h"
#include "window/window_props.h"
#include "window/window_text.h"

namespace mv {

namespace {

constexpr UINT_PTR kFocusTool = 1;

HWND ToolTipsOf(HWND form) { return reinterpret_cast<HWND>(GetWindowValue(form, prop::kToolTips)); }

// The form's tooltip window, made on first use; it ends with the form, which owns it.
HWND MakeToolTips(HWND form) {
    HWND tips = ToolTipsOf(form);
    if (tips && IsWindow(tips)) return tips;
    tips = CreateWindowWithText(WS_EX_TOPMOST, TOOLTIPS_CLASSW, L"", WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_NOANIMATE | TTS_NOFADE, 0, 0, 0,
                                0, form);
    if (!tips) return nullptr;
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 400);  // long texts wrap
    SetWindowValue(form, prop::kToolTips, reinterpret_cast<LONG_PTR>(tips));
    return tips;
}

// The size every version of the tooltip control reads.
TTTOOLINFOW Tool(HWND control, bool focus) {
    TTTOOLINFOW ti{};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = focus ? control : GetParent(control);
    ti.uId = focus ? kFocusTool : reinterpret_cast<UINT_PTR>(control);
    ti.uFlags = focus ? TTF_TRACK | TTF_ABSOLUTE : TTF_IDISHWND | TTF_SUBCLASS;
    return ti;
}

}  // namespace

void SetToolTip(Control& c, const std::wstring& text) {
    c.toolTip() = text;
    HWND control = LiveWindow(c);
    if (!control) return;
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
    HWND tips = text.empty() ? ToolTipsOf(GetParent(control)) : MakeToolTips(GetParent(control));
    if (!tips) return;
    for (bool focus : {false, true}) {
        TTTOOLINFOW ti = Tool(control, focus);
        SendMessageW(tips, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&ti));
        if (text.empty()) continue;
        ti.lpszText = const_cast<wchar_t*>(text.c_str());  // the tooltip control keeps a copy
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

void ShowFocusToolTip(HWND control, bool show) {
    HWND form = GetParent(control);
    HWND tips = form ? ToolTipsOf(form) : nullptr;
    if (!tips || !IsWindow(tips)) return;
    TTTOOLINFOW ti = Tool(control, true);
    const bool cues = !(SendMessageW(form, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    if (show && cues) {
        RECT r{};
        GetWindowRect(control, &r);
        SendMessageW(tips, TTM_TRACKPOSITION, 0, MAKELPARAM(r.left, r.bottom + 2));
    }
    SendMessageW(tips, TTM_TRACKACTIVATE, show && cues, reinterpret_cast<LPARAM>(&ti));
}

}  // namespace mv
