// How a form's window looks and behaves: caption, transparency, show state, enabled state,
// move lock, owner, title bar and its buttons, taskbar button, sizing border, topmost.
#include "form/form_shape.h"

#include <optional>

#include "form/window_objects.h"
#include "core/os_level.h"
#include "core/rounding.h"
#include "core/unique.h"
#include "form/form.h"
#include "window/sys_menu.h"
#include "window/message_pass.h"
#include "window/style_bits.h"
#include "window/window_props.h"
#include "window/window_text.h"

namespace mv {
namespace form_shape {

namespace {

constexpr long kOpaque = 100;  // Layered of a window that is not layered

HWND AsWindow(long value) { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(value)); }

// Getters of style flags: 1 when any bit of the mask is set (or, inverted, when none is).
HRESULT StyleFlag(Form& f, Result& r, LONG mask, bool exStyle, bool inverted) {
    HWND w = LiveWindow(f);
    bool set = exStyle ? HasExStyle(w, mask) : HasStyle(w, mask);
    r.setLong(w && set != inverted ? 1 : 0);
    return S_OK;
}

}  // namespace


HRESULT GetCaption(Form& f, const Args&, Result& r) {
    r.setText(GetWindowCaption(LiveWindow(f)));
    return S_OK;
}

HRESULT PutCaption(Form& f, const Args& a, Result&) {
    if (HWND w = LiveWindow(f)) SetWindowCaption(w, a.text(0));
    return S_OK;
}

HRESULT GetLayered(Form& f, const Args&, Result& r) {
    HWND w = LiveWindow(f);
    if (!HasExStyle(w, WS_EX_LAYERED)) {
        r.setLong(kOpaque);
        return S_OK;
    }
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(w, &key, &alpha, &flags)) {
        r.setLong(0);
        return S_OK;
    }
    r.setLong(static_cast<long>(DivideHalfEven(alpha * 100LL, 255)));
    return S_OK;
}

// Opacity in per cent: 0-99 make the window layered with that alpha (50 gives 128); 100 and
// above, and negative values, end the layering.
HRESULT PutLayered(Form& f, const Args& a, Result&) {
    HWND w = LiveWindow(f);
    if (!w || GetOsLevel() <= 4) return S_OK;  // no layered windows before Windows 2000
    long percent = a.lng(0);
    if (!HasExStyle(w, WS_EX_LAYERED)) SetExStyleBit(w, WS_EX_LAYERED, VARIANT_TRUE);
    if (percent >= 0 && percent <= 99) {
        BYTE alpha = static_cast<BYTE>(DivideHalfEven(percent * 255LL, 100));
        SetLayeredWindowAttributes(w, 0, alpha, LWA_ALPHA);
    } else {
        SetExStyleBit(w, WS_EX_LAYERED, VARIANT_FALSE);
    }
    return S_OK;
}

HRESULT GetWindowState(Form& f, const Args&, Result& r) {
    HWND w = LiveWindow(f);
    long state = 0;
    if (HasStyle(w, WS_MINIMIZE)) state = 1;
    else if (HasStyle(w, WS_MAXIMIZE)) state = 2;
    r.setLong(w ? state : 0);
    return S_OK;
}

// The absolute value picks the show command: 0 normal, 1 minimised, anything else
// maximised. Compared rather than computed, so that the most negative number is folded too.
HRESULT PutWindowState(Form& f, const Args& a, Result&) {
    HWND w = LiveWindow(f);
    if (!w) return S_OK;
    long state = a.lng(0);
    int show = SW_SHOWMAXIMIZED;
    if (state == 0) show = SW_SHOWNORMAL;
    else if (state == 1 || state == -1) show = SW_MINIMIZE;
    ShowWindow(w, show);
    return S_OK;
}

HRESULT GetEnable(Form& f, const Args&, Result& r) { return StyleFlag(f, r, WS_DISABLED, false, true); }

HRESULT PutEnable(Form& f, const Args& a, Result&) {
    if (HWND w = LiveWindow(f)) EnableWindow(w, a.lng(0) != 0);
    return S_OK;
}

// With a system menu, the greyed Move item keeps the user from moving the form; without
// one, the move lock of the form window procedure does.
HRESULT GetMoveable(Form& f, const Args&, Result& r) {
    HWND w = LiveWindow(f);
    if (!w || GetWindowValue(w, prop::kNotMoveable) != 0) {
        r.setLong(0);
        return S_OK;
    }
    long state = GetSysMenuItemState(GetSystemMenu(w, FALSE), FindSysMenuItem(w, SC_MOVE));
    r.setLong(state == 0 ? 1 : 0);
    return S_OK;
}

HRESULT PutMoveable(Form& f, const Args& a, Result&) {
    HWND w = LiveWindow(f);
    if (!w) return S_OK;
    bool moveable = a.lng(0) != 0;
    bool locked = !HasStyle(w, WS_SYSMENU) && !moveable;
    SetWindowValue(w, prop::kNotMoveable, locked ? 1 : 0);
    SetSysMenuItem(w, SC_MOVE, AsFlag(moveable));
    return S_OK;
}

HRESULT GetHwndOwner(Form& f, const Args&, Result& r) {
    r.setHandle(f.ownerWindow());
    return S_OK;
}

// True when `candidate` is the form's window or a form owned, directly or through other
// forms, by it: owning it would disable both while shown, leaving the user nothing to click.
bool OwnedBy(HWND form, HWND candidate) {
    HWND w = candidate;
    for (int depth = 0; w && depth < 64; ++depth) {
        if (w == form) return true;
        ComPtr<Form> of = FormOfWindow(w);
        w = (of && of->hwnd() == w) ? of->ownerWindow() : nullptr;
    }
    return false;
}

// The owner is marked with the form it owns; the form window procedure disables it while
// the form is shown. A form is never owned by itself or by a form it owns (OwnedBy).
HRESULT PutHwndOwner(Form& f, const Args& a, Result&) {
    HWND w = LiveWindow(f);
    if (!w) return S_OK;
    if (HWND old = f.ownerWindow()) SetWindowValue(old, prop::kOwnedChild, 0);
    HWND owner = AsWindow(a.lng(0));
    // The desktop window is nobody's owner: disabling it would freeze the whole screen.
    if (owner && IsWindow(owner) && owner != GetDesktopWindow() && !OwnedBy(w, owner)) {
        SetWindowValue(owner, prop::kOwnedChild, reinterpret_cast<LONG_PTR>(w));
        f.setOwnerWindow(owner);
    } else {
        f.setOwnerWindow(nullptr);
    }
    return S_OK;
}

// Accepted for compatibility; no pointer shapes are offered.
HRESULT GetMousePointer(Form&, const Args&, Result& r) {
    r.setLong(0);
    return S_OK;
}

HRESULT PutMousePointer(Form&, const Args&, Result&) { return S_OK; }

// Close exactly 1 gives the system menu back and ends the move lock. Any other value
// switches the lock on (0 also takes the system menu and every title-bar button away)
// and sets the minimise and maximise boxes and items.
HRESULT ChangeSysMenu(Form& f, const Args& a, Result&) {
    HWND w = LiveWindow(f);
    if (!w) return S_OK;
    long minEnable = a.lng(0), maxEnable = a.lng(1), closeEnable = a.lng(2);
    SetStyleBit(w, WS_SYSMENU, AsFlag(closeEnable != 0));
    if (closeEnable == 1) {
        SetWindowValue(w, prop::kCloseDeactivated, 0);
        return S_OK;
    }
    SetWindowValue(w, prop::kCloseDeactivated, 1);
    SetStyleBit(w, WS_MINIMIZEBOX, AsFlag(minEnable != 0));
    SetSysMenuItem(w, SC_MINIMIZE, AsFlag(minEnable != 0));
    SetStyleBit(w, WS_MAXIMIZEBOX, AsFlag(maxEnable != 0));
    SetSysMenuItem(w, SC_MAXIMIZE, AsFlag(maxEnable != 0));
    return S_OK;
}

HRESULT GetTitleBar(Form& f, const Args&, Result& r) { return StyleFlag(f, r, WS_CAPTION, false, false); }

HRESULT PutTitleBar(Form& f, const Args& a, Result&) {
    if (HWND w = LiveWindow(f)) SetStyleBit(w, WS_CAPTION, AsFlag(a.lng(0) != 0));
    return S_OK;
}

HRESULT GetShowInTaskbar(Form& f, const Args&, Result& r) {
    return StyleFlag(f, r, WS_EX_TOOLWINDOW, true, true);
}

// A tool window has no taskbar button. The taskbar notices the change only when the window
// is shown, so a visible form is hidden and shown again around it (in its normal state).
HRESULT PutShowInTaskbar(Form& f, const Args& a, Result&) {
    HWND w = LiveWindow(f);
    if (!w) return S_OK;
    bool wasVisible = f.visible() > 0;
    std::optional<UpdateLock> frozen;
    if (wasVisible) {
        frozen.emplace(w);
        ShowWindow(w, SW_HIDE);
    }
    SetExStyleBit(w, WS_EX_TOOLWINDOW, AsFlag(a.lng(0) == 0));
    if (wasVisible) ShowWindow(w, SW_SHOWNORMAL);
    return S_OK;
}

HRESULT GetResizeable(Form& f, const Args&, Result& r) { return StyleFlag(f, r, WS_THICKFRAME, false, false); }

HRESULT PutResizeable(Form& f, const Args& a, Result&) {
    HWND w = LiveWindow(f);
    if (!w) return S_OK;
    VARIANT_BOOL on = AsFlag(a.lng(0) != 0);
    SetSysMenuItem(w, SC_SIZE, on);
    SetStyleBit(w, WS_THICKFRAME, on);
    return S_OK;
}

HRESULT GetTopMost(Form& f, const Args&, Result& r) { return StyleFlag(f, r, WS_EX_TOPMOST, true, false); }

// Changes the z-order only: the form is not activated.
HRESULT PutTopMost(Form& f, const Args& a, Result&) {
    HWND w = LiveWindow(f);
    if (!w) return S_OK;
    HWND after = a.lng(0) != 0 ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(w, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return S_OK;
}

}  // namespace form_shape
}  // namespace mv
