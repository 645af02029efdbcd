// The control subclass procedure. It turns a control's clicks, double-clicks, focus
// changes and showing or hiding into the control's event strings, gives forms their Tab
// and Shift+Tab navigation, shortcut letters and arrows among option boxes (forms are
// plain windows, not dialogs), makes Enter and Space click command buttons, hands Enter
// and Escape to the form's dialog keys, moves the focus off a control being disabled,
// shows tooltips on focus, answers screen readers with the control's accessible object,
// and redraws images; then, unless it consumes the message, it hands the message to the procedure the
// control's class gave it ("MVVBOldProc").
//
// The window's kind and its class's procedure come from the thread's record of the
// windows it subclassed (window/subclass_record.h), the control object through the one-entry
// cache of form/window_objects.h. When the object cannot be found (the control
// is being created, or its form is no longer registered) no event is posted and the
// message still goes on.
#include "form/ctrl_wndproc.h"

#include "control/control.h"
#include "control/kind_records.h"
#include "form/form.h"
#include "form/window_objects.h"
#include "form/dialog_keys.h"
#include "window/subclass_record.h"
#include "form/tab_order.h"
#include "form/option_groups.h"
#include "form/shortcut_keys.h"
#include "control/accessible.h"
#include "control/tool_tips.h"
#include "window/message_table.h"
#include "window/window_props.h"

namespace mv {

namespace {

// A release that posts OnClick pauses this long first (SleepEx, which dispatches no
// message: no double-click is looked for meanwhile; a double-click's own release is told
// apart by "DblClkDone").
constexpr DWORD kClickDelayMs = 25;

// The key press that a release of Enter or Space may turn into a click: the command button
// that got it, and the key. The release of an Enter that answered a message box or closed
// a dialog opened from a button's OnClick reaches that button once the focus is back on
// it; it clicks nothing, since the press went to the dialog. One slot per thread: only the
// window with the focus gets key presses.
struct KeyPress {
    HWND button = nullptr;
    UINT key = 0;
};
thread_local KeyPress t_keyPress;

LRESULT PassOn(const WindowMessage& m) {
    const WNDPROC old = SubclassClassProc(m.hwnd);
    if (!old || old == &CtrlWndProc) return DefWindowProcW(m.hwnd, m.msg, m.wp, m.lp);
    return CallWindowProcW(old, m.hwnd, m.msg, m.wp, m.lp);
}

ComPtr<Control> FindControl(HWND hwnd) { return CachedControlOfWindow(hwnd); }

// A kind that paints itself (a progress bar in the library's style) is drawn here and
// validated, so its class then finds nothing to paint; a picture is drawn once its class
// has painted (the version 6 class fills its whole window with the background).
LRESULT OnPaint(const WindowMessage& m) {
    const KindRecord& kind = RecordOrNone(m.kind);
    if (kind.paintsItself) kind.paintsItself(m.hwnd, FindControl(m.hwnd).get());
    const LRESULT painted = PassOn(m);
    if (kind.drawsPicture)
        if (ComPtr<Control> c = FindControl(m.hwnd)) c->refresh();
    return painted;
}

// The focus shows the control's tooltip while the keyboard cues are shown.
LRESULT OnSetFocus(const WindowMessage& m, HWND) {
    PostControlEvent(FindControl(m.hwnd), ControlEvent::OnGotfocus);
    ShowFocusToolTip(m.hwnd, true);
    return PassOn(m);
}

// A key pressed on a button that loses the focus before the key is released clicks nothing.
LRESULT OnKillFocus(const WindowMessage& m, HWND) {
    if (t_keyPress.button == m.hwnd) t_keyPress = KeyPress{};
    ShowFocusToolTip(m.hwnd, false);
    PostControlEvent(FindControl(m.hwnd), ControlEvent::OnLostfocus);
    return PassOn(m);
}

LRESULT OnShowWindow(const WindowMessage& m, BOOL shown, UINT) {
    if (shown == TRUE) PostControlEvent(FindControl(m.hwnd), ControlEvent::OnShow);
    if (shown == FALSE) PostControlEvent(FindControl(m.hwnd), ControlEvent::OnHide);
    return PassOn(m);
}

// Tab moves the focus on (Shift+Tab back) and never reaches the control, whatever its
// kind; the arrows move among option boxes of a group. On a kind that keys click (a
// command button) Enter becomes Space, which its class treats as a press; the button
// remembers which of the two keys was pressed last on it (any other key forgets).
// Enter and Escape go to the form's dialog keys first (they act only while those are on).
LRESULT OnKeyDown(const WindowMessage& m, UINT key, KeyFlags flags) {
    const bool keysClick = RecordOrNone(m.kind).keysClick;
    if (keysClick) {
        const bool clicks = key == VK_RETURN || key == VK_SPACE;
        t_keyPress = clicks ? KeyPress{m.hwnd, key} : KeyPress{};
    }
    if (TakeDialogKey(GetParent(m.hwnd), m, key, flags)) return 0;
    ShowCuesForKey(m.hwnd, key);
    if (MoveInOptionGroup(m.hwnd, key)) return 0;
    if (key == VK_TAB) {
        // Shift as it was when this Tab was pressed: the keyboard state of the message
        // being handled, as the dialog manager reads it. The asynchronous state tells what
        // the keys are now (a busy thread reads a Shift+Tab typed quickly as Tab) or that
        // Shift was pressed at some time since another asked (a Tab after it goes back).
        const bool reverse = GetKeyState(VK_SHIFT) < 0;
        FocusNextControl(m.hwnd, reverse);
        return 0;
    }
    if (key == VK_RETURN && keysClick) {
        SendMessageW(m.hwnd, WM_KEYDOWN, VK_SPACE, flags.bits);
        t_keyPress = KeyPress{m.hwnd, VK_RETURN};  // the Space sent above noted itself
        return 0;
    }
    return PassOn(m);
}

// Tab's character would reach the control after the focus has left it (a multi-line text
// box would take it as text): the key-down has done all that Tab does. So have the
// key-downs of Enter and Escape that the dialog keys took. A letter alone on a control
// that takes letters alone as shortcuts (buttons, check and option boxes) is one.
LRESULT OnChar(const WindowMessage& m, UINT character, KeyFlags flags) {
    if (character == '\t' || TakeDialogKey(GetParent(m.hwnd), m, character, flags)) return 0;
    if (RecordOrNone(m.kind).keys.bareLetters && TakeShortcut(GetParent(m.hwnd), character)) return 0;
    return PassOn(m);
}

// Alt+letter: the control of the form with that shortcut acts; an unmatched one goes on
// to the system (which beeps: no menu has it).
LRESULT OnSysChar(const WindowMessage& m, UINT character, KeyFlags) {
    return TakeShortcut(GetParent(m.hwnd), character) ? 0 : PassOn(m);
}

// Alt shows the keyboard cues.
LRESULT OnSysKeyDown(const WindowMessage& m, UINT key, KeyFlags) {
    ShowCuesForKey(m.hwnd, key);
    return PassOn(m);
}

// A control disabled while it had the focus: the system took the focus away; it goes on
// to the next control.
LRESULT OnEnable(const WindowMessage& m, bool enabled) {
    HWND form = GetParent(m.hwnd);
    if (!enabled && (GetFocus() == m.hwnd || (!GetFocus() && GetActiveWindow() == form))) FocusNextControl(m.hwnd, false);
    return PassOn(m);
}

// A screen reader asks for the control's accessible object: the system's, with the
// control's AccessibleName and ToolTip as its name and description when it has them.
LRESULT OnGetObject(const WindowMessage& m, WPARAM flags, LONG object) {
    ComPtr<Control> c = FindControl(m.hwnd);
    LRESULT answer = 0;
    if (c && AnswerGetObject(*c.get(), flags, object, &answer)) return answer;
    return PassOn(m);
}

// Releasing Enter or Space on a command button clicks it, through the click handling,
// when that key was pressed on this button.
LRESULT OnKeyUp(const WindowMessage& m, UINT key, KeyFlags) {
    if (t_keyPress.button == m.hwnd && t_keyPress.key == key) {  // only Enter and Space on buttons are noted
        t_keyPress = KeyPress{};
        SendMessageW(m.hwnd, WM_LBUTTONUP, 0, 0);
    }
    return PassOn(m);
}

// What a double-click leaves in "DblClkDone" for the release that ends it: 1 when its
// OnDoubleClick string was posted, and the release posts nothing; 2 when only connected
// sinks got it, and the release still posts OnClick, as it would without sinks.
constexpr LONG_PTR kDoubleClickPosted = 1;
constexpr LONG_PTR kDoubleClickToSinksOnly = 2;

// A release posts OnClick, unless it ends a double-click that has just been posted.
LRESULT OnButtonUp(const WindowMessage& m, POINT, UINT) {
    ComPtr<Control> c = FindControl(m.hwnd);
    if (c && c->listens(ControlEvent::OnClick)) {
        SleepEx(kClickDelayMs, FALSE);
        const LONG_PTR done = GetWindowValue(m.hwnd, prop::kDblClkDone);
        if (done != 0) SetWindowValue(m.hwnd, prop::kDblClkDone, 0);
        if (done == 0) PostControlEvent(c, ControlEvent::OnClick);
        if (done == kDoubleClickToSinksOnly) c->raise(ControlEvent::OnClick, Control::Reach::ScriptOnly);
    }
    return PassOn(m);
}

LRESULT OnDoubleClick(const WindowMessage& m, POINT, UINT) {
    ComPtr<Control> c = FindControl(m.hwnd);
    if (c && c->listens(ControlEvent::OnDoubleClick)) {
        PostControlEvent(c, ControlEvent::OnDoubleClick);
        SetWindowValue(m.hwnd, prop::kDblClkDone,
                       c->events()[ControlEvent::OnDoubleClick].empty() ? kDoubleClickToSinksOnly : kDoubleClickPosted);
    }
    return PassOn(m);
}

// The control's font changes: a list lets go of the font it measures its items in (the
// old font may be deleted next) and asks for the new one at its next measuring.
LRESULT OnSetFont(const WindowMessage& m, HFONT, BOOL) {
    if (ComPtr<Control> c = FindControl(m.hwnd)) c->itemWidths().releaseFont();
    return PassOn(m);
}

// The window's last message: the thread forgets what it recorded of it.
LRESULT OnNcDestroy(const WindowMessage& m) {
    const LRESULT result = PassOn(m);
    ForgetSubclass(m.hwnd);
    return result;
}

const MessageRow kControlMessages[] = {
    Row<WM_PAINT,         OnPaint>(),
    Row<WM_SETFOCUS,      OnSetFocus>(),
    Row<WM_KILLFOCUS,     OnKillFocus>(),
    Row<WM_SHOWWINDOW,    OnShowWindow>(),
    Row<WM_KEYDOWN,       OnKeyDown>(),
    Row<WM_CHAR,          OnChar>(),
    Row<WM_KEYUP,         OnKeyUp>(),
    Row<WM_SYSCHAR,       OnSysChar>(),
    Row<WM_SYSKEYDOWN,    OnSysKeyDown>(),
    Row<WM_ENABLE,        OnEnable>(),
    Row<WM_GETOBJECT,     OnGetObject>(),
    Row<WM_LBUTTONUP,     OnButtonUp>(),
    Row<WM_LBUTTONDBLCLK, OnDoubleClick>(),
    Row<WM_SETFONT,       OnSetFont>(),
    Row<WM_NCDESTROY,     OnNcDestroy>(),
};

}  // namespace

LRESULT CALLBACK CtrlWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const WindowMessage m{hwnd, msg, wp, lp, SubclassKind(hwnd)};
    return Dispatch(kControlMessages, m, PassOn);
}

}  // namespace mv
