// The form window procedure. It turns the form window's events into the form's event
// strings (OnShow, OnHide, OnGotfocus, OnLostfocus, OnResize), lays out its anchored
// controls at each new size and keeps the user from dragging it below its smallest size
// (form/form_resize.h), turns selection changes of the
// form's combo and list boxes into their OnChange, remembers and restores the focused
// control, keeps an owner window disabled while the form is shown, hides the form when
// the user closes it, holds the move lock of forms without a system menu, hands Escape on
// the form to its dialog keys, Tab on the form to its first control and Alt+letter to its
// controls' shortcuts, repaints when the system's colours change, and starts the form's teardown when its window is destroyed from
// outside. Everything else goes to the default window procedure.
//
// Objects are found through form/window_objects.h. When the form or control of a
// window cannot be found, nothing is posted and the message goes on as usual. Handlers
// run re-entrantly (SendMessage to the form itself, ShowWindow, and the message passes
// inside the style tests and focus hand-overs), so each one holds a reference to the
// objects it uses for as long as it uses them.
#include "control/control.h"
#include "core/dpi.h"
#include "control/kind_records.h"
#include "core/high_contrast.h"
#include "form/window_objects.h"
#include "form/form.h"
#include "form/ctrl_wndproc.h"
#include "form/dialog_keys.h"
#include "form/form_resize.h"
#include "form/form_shape.h"
#include "form/form_wndproc.h"
#include "form/shortcut_keys.h"
#include "window/form_class.h"
#include "window/message_pass.h"
#include "window/message_table.h"
#include "window/subclass_record.h"
#include "form/tab_order.h"
#include "window/window_props.h"

namespace mv {

namespace {

LRESULT Default(const WindowMessage& m) { return DefWindowProcW(m.hwnd, m.msg, m.wp, m.lp); }

ComPtr<Form> FindForm(HWND hwnd) { return FormOfWindow(hwnd); }

void Post(const ComPtr<Form>& form, FormEvent event) {
    if (form) form->raise(event);
}

HWND WindowValue(HWND hwnd, const char* name) { return reinterpret_cast<HWND>(GetWindowValue(hwnd, name)); }

// The window is going away. When the library did not start it (DestroyForm marks the
// window first), detach the form: destroy its controls' windows and take it out of the
// registry, exactly once. Either way the window is no longer the form's.
LRESULT OnDestroy(const WindowMessage& m) {
    if (GetWindowValue(m.hwnd, prop::kIsDestroyed) != 1) {
        SetWindowValue(m.hwnd, prop::kIsDestroyed, 1);
        ComPtr<Form> form = FindForm(m.hwnd);
        if (form && form->hwnd() == m.hwnd) form->DestroyForm();
    }
    ForgetFormWindow(m.hwnd);
    return Default(m);
}

// Deactivation (not by minimising): remember the focused window for the next activation.
LRESULT OnActivate(const WindowMessage& m, WORD state, bool minimised, HWND) {
    if (state == WA_INACTIVE && !minimised) {
        SetWindowValue(m.hwnd, prop::kLastFocused, reinterpret_cast<LONG_PTR>(GetFocus()));
        Post(FindForm(m.hwnd), FormEvent::OnLostfocus);
    }
    return Default(m);
}

// While a form this window owns is shown, the focus goes on to that form. Otherwise the
// last focused control (or the default control) gets it back.
LRESULT OnSetFocus(const WindowMessage& m, HWND) {
    HWND owned = WindowValue(m.hwnd, prop::kOwnedChild);
    if (owned && (GetWindowLongW(owned, GWL_STYLE) & WS_VISIBLE)) {
        FocusWindow(owned);
        return 0;
    }
    HWND last = WindowValue(m.hwnd, prop::kLastFocused);
    HWND fallback = WindowValue(m.hwnd, prop::kDefaultCtl);
    if (last) FocusWindow(last);
    else if (fallback) FocusWindow(fallback);
    else if (DialogKeysOn(m.hwnd)) FocusEdgeControl(m.hwnd, false);  // a dialog starts on its first field
    Post(FindForm(m.hwnd), FormEvent::OnGotfocus);
    return Default(m);
}

LRESULT OnShowWindow(const WindowMessage& m, BOOL shown, UINT) {
    if (shown == TRUE) {
        ComPtr<Form> form = FindForm(m.hwnd);
        Post(form, FormEvent::OnShow);
        InitKeyboardCues(m.hwnd);
        if (form && form->ownerWindow()) {
            EnableWindow(form->ownerWindow(), FALSE);
            form->setOwnerDisabled(true);
        }
        SendMessageW(m.hwnd, WM_SETFOCUS, 0, 0);
    } else if (shown == FALSE) {
        ComPtr<Form> form = FindForm(m.hwnd);
        Post(form, FormEvent::OnHide);
        if (form && form->ownerWindow()) {
            EnableWindow(form->ownerWindow(), TRUE);
            form->setOwnerDisabled(false);
            FocusWindow(form->ownerWindow());
        }
    }
    return Default(m);
}

// The move lock: without a system menu (close switched off), a form marked not moveable
// keeps its place and size; a pending programmatic move (2) goes through once.
LRESULT OnWindowPosChanging(const WindowMessage& m, WINDOWPOS* pos) {
    if (pos && GetWindowValue(m.hwnd, prop::kCloseDeactivated) == 1) {
        LONG_PTR lock = GetWindowValue(m.hwnd, prop::kNotMoveable);
        if (lock == 1) pos->flags |= SWP_NOSIZE | SWP_NOMOVE;
        if (lock == 2) SetWindowValue(m.hwnd, prop::kNotMoveable, 1);
    }
    return Default(m);
}

// A selection change in a combo or list box posts the control's OnChange.
LRESULT OnCommand(const WindowMessage& m, WORD, WORD code, HWND from) {
    if (!from || !IsWindow(from)) return Default(m);
    const KindRecord* record = RecordOf(SubclassKind(from));
    if (record && record->selectionChange && code == record->selectionChange)
        PostControlEvent(CachedControlOfWindow(from), ControlEvent::OnChange);
    return Default(m);
}

// The user moves or sizes the form (the system's loop runs inside the default procedure).
LRESULT OnSizeOrMove(const WindowMessage& m) {
    ComPtr<Form> form = FindForm(m.hwnd);
    if (!form || form->hwnd() != m.hwnd) return Default(m);
    form_resize::UserSizing sizing(*form.get());
    return Default(m);
}

// A new size of the client area (live while the user drags): the anchored controls follow.
LRESULT OnSize(const WindowMessage& m, UINT kind, SIZE client) {
    ComPtr<Form> form = FindForm(m.hwnd);
    if (form && form->hwnd() == m.hwnd) form_resize::Sized(*form.get(), kind, client);
    return Default(m);
}

// The smallest size the user can drag the form to.
LRESULT OnGetMinMaxInfo(const WindowMessage& m, MINMAXINFO* info) {
    ComPtr<Form> form = FindForm(m.hwnd);
    if (form && form->hwnd() == m.hwnd) form_resize::LimitSize(*form.get(), info);
    return Default(m);
}

LRESULT OnEnterSizeMove(const WindowMessage& m) {
    if (ComPtr<Form> form = FindForm(m.hwnd)) form_resize::EnterSizeMove(*form.get());
    return Default(m);
}

LRESULT OnExitSizeMove(const WindowMessage& m) {
    if (ComPtr<Form> form = FindForm(m.hwnd)) form_resize::ExitSizeMove(*form.get());
    return Default(m);
}

// The user's close command (close box, Alt+F4, system menu) hides the form; it is
// ignored while the close command is switched off (no system menu). The low four bits of
// a system command are the system's own: SC_CLOSE with any of them set is still the close
// command, and the default procedure would destroy the form for it.
constexpr WPARAM kSysCommandMask = 0xFFF0;

LRESULT OnSysCommand(const WindowMessage& m, UINT command) {
    command &= static_cast<UINT>(kSysCommandMask);
    if (command == SC_SIZE || command == SC_MOVE) return OnSizeOrMove(m);
    if (command != SC_CLOSE) return Default(m);
    if (!HasStyle(m.hwnd, WS_SYSMENU)) return 0;
    SetWindowValue(m.hwnd, prop::kLastFocused, 0);
    ShowWindow(m.hwnd, SW_HIDE);
    return 0;
}

// Labels, frames, option and check boxes paint their background with the brush the form
// gives them: the form's own colour, not the button face the default answer would give
// (a box of another colour around their text wherever the two colours differ).
LRESULT OnCtlColor(const WindowMessage& m, HDC dc, HWND from) {
    const LRESULT answer = Default(m);  // the text colour
    const KindRecord* record = from ? RecordOf(SubclassKind(from)) : nullptr;
    if (!record || !record->onFormBackground || GetParent(from) != m.hwnd) return answer;
    SetBkColor(dc, GetSysColor(COLOR_MENU));
    // The text colour of that background: in a high-contrast theme the window text's may
    // be as dark (or as light) as it.
    if (HighContrastOn()) SetTextColor(dc, GetSysColor(COLOR_MENUTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_MENU));
}

// The form's monitor or its resolution changed: a form the library created scaled takes
// the rectangle the system suggests, and its controls follow; any other is left to the
// system.
LRESULT OnDpiChanged(const WindowMessage& m, UINT dpi, const RECT* suggested) {
    ComPtr<Form> form = FindForm(m.hwnd);
    if (!form || form->hwnd() != m.hwnd) return Default(m);
    return form_shape::FollowDpi(*form.get(), dpi, suggested) ? 0 : Default(m);
}

// A form created per-monitor aware version 1 asks for its title bar and frame to be
// scaled with its monitor (version 2 does that unasked).
LRESULT OnNcCreate(const WindowMessage& m, CREATESTRUCTW*) {
    if (CreatedPerMonitorV1(m.hwnd)) ScaleNonClientArea(m.hwnd);
    return Default(m);
}

// Escape while the form itself has the focus (no control of it can take it), when the
// form's dialog keys are on; Tab (Shift+Tab) there goes to the first (last) control.
LRESULT OnKey(const WindowMessage& m, UINT key, KeyFlags flags) {
    if (TakeDialogKey(m.hwnd, m, key, flags)) return 0;
    if (key != VK_TAB) return Default(m);
    if (m.msg == WM_KEYDOWN) {
        ShowCuesForKey(m.hwnd, key);
        FocusEdgeControl(m.hwnd, GetKeyState(VK_SHIFT) < 0);
    }
    return 0;
}

// Alt+letter while the form itself has the focus: its controls' shortcut letters.
LRESULT OnSysChar(const WindowMessage& m, UINT character, KeyFlags) {
    return TakeShortcut(m.hwnd, character) ? 0 : Default(m);
}

// Alt shows the keyboard cues.
LRESULT OnSysKeyDown(const WindowMessage& m, UINT key, KeyFlags) {
    ShowCuesForKey(m.hwnd, key);
    return Default(m);
}

// The system's colours or settings changed (a high-contrast theme chosen): the form and
// its controls paint again, and the common controls hear of it, as a top-level window
// must tell them.
LRESULT RepaintForColours(const WindowMessage& m) {
    for (HWND child = GetWindow(m.hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, m.msg, m.wp, m.lp);
    RedrawWindow(m.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return Default(m);
}
LRESULT OnSysColorChange(const WindowMessage& m) { return RepaintForColours(m); }
LRESULT OnSettingChange(const WindowMessage& m, UINT, const wchar_t*) { return RepaintForColours(m); }

const MessageRow kFormMessages[] = {
    Row<WM_DESTROY,           OnDestroy>(),
    Row<WM_ACTIVATE,          OnActivate>(),
    Row<WM_SETFOCUS,          OnSetFocus>(),
    Row<WM_SHOWWINDOW,        OnShowWindow>(),
    Row<WM_WINDOWPOSCHANGING, OnWindowPosChanging>(),
    Row<WM_COMMAND,           OnCommand>(),
    Row<WM_SYSCOMMAND,        OnSysCommand>(),
    Row<WM_CTLCOLORSTATIC,    OnCtlColor>(),
    Row<WM_CTLCOLORBTN,       OnCtlColor>(),
    Row<WM_KEYDOWN,           OnKey>(),
    Row<WM_CHAR,              OnKey>(),
    Row<WM_SYSCHAR,           OnSysChar>(),
    Row<WM_SYSKEYDOWN,        OnSysKeyDown>(),
    Row<WM_SYSCOLORCHANGE,    OnSysColorChange>(),
    Row<WM_SETTINGCHANGE,     OnSettingChange>(),
    Row<WM_DPICHANGED,        OnDpiChanged>(),
    Row<WM_SIZE,              OnSize>(),
    Row<WM_GETMINMAXINFO,     OnGetMinMaxInfo>(),
    Row<WM_ENTERSIZEMOVE,     OnEnterSizeMove>(),
    Row<WM_EXITSIZEMOVE,      OnExitSizeMove>(),
    Row<WM_NCCREATE,          OnNcCreate>(),
};

}  // namespace

LRESULT CALLBACK FormWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return Dispatch(kFormMessages, {hwnd, msg, wp, lp, kNoKind}, Default);
}

}  // namespace mv
