// Content and state of controls: enabled and read-only state, caption and text, alignment,
// password masking, check state, focus and the form's default and cancel buttons.
#include "control/content_props.h"

#include <cwchar>
#include <string>
#include <vector>

#include "control/control.h"
#include "window/dialog_buttons.h"
#include "window/message_pass.h"
#include "window/style_bits.h"
#include "window/focus.h"
#include "window/window_props.h"
#include "window/window_text.h"

namespace mv {
namespace content_props {

namespace {

constexpr LONG kAlignBits[] = { 0, 0x1, 0x2 };  // left, centre (SS_CENTER, ES_CENTER), right
constexpr WPARAM kPasswordChar = '*';

long ReadTextAlign(HWND w) {
    if (HasStyle(w, kAlignBits[1])) return 1;
    if (HasStyle(w, kAlignBits[2])) return 2;
    return 0;
}

// Selects the first item whose text is exactly the given one (letter case included); a
// text that no item has changes nothing.
void SelectComboItem(HWND w, const std::wstring& text) {
    LRESULT count = SendMessageW(w, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT len = SendMessageW(w, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (len != static_cast<LRESULT>(text.size())) continue;
        std::vector<wchar_t> item(static_cast<size_t>(len) + 1, L'\0');
        SendMessageW(w, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        if (std::wmemcmp(item.data(), text.data(), text.size()) == 0) {
            SendMessageW(w, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return;
        }
    }
}

void SetCaption(Control& c, HWND w, const Args& a) {
    if (c.record().drawsPicture) ShowPicture(c, a.text(0));
    else SetWindowCaption(w, a.text(0));
}

std::wstring ReadCaption(Control& c, HWND w) {
    return c.record().drawsPicture ? c.imageSource() : GetWindowCaption(w);
}

// The style setters redraw only the frame, and a style bit changed in place sends no
// WM_ENABLE: without this a disabled button would still look enabled and a label keep its
// old alignment on screen until something else repainted it.
void Repaint(HWND w) { InvalidateRect(w, nullptr, TRUE); }

// Getters of one style bit: 1 when it is set (or, inverted, when it is clear).
HRESULT StyleFlag(Control& c, Result& r, LONG bit, bool inverted) {
    HWND w = LiveWindow(c);
    r.setLong(w && HasStyle(w, bit) != inverted ? 1 : 0);
    return S_OK;
}

}  // namespace

void ShowPicture(Control& c, const std::wstring& path) {
    if (!LiveWindow(c)) return;
    c.imageSource() = path;
    c.refresh();  // draws the picture
}

HRESULT GetEnable(Control& c, const Args&, Result& r) { return StyleFlag(c, r, WS_DISABLED, true); }

// The system's way: a control being disabled loses the focus (the control procedure
// hands it on, form/ctrl_wndproc.h), takes no more input, and screen readers hear of the
// change; the window repaints itself (WM_ENABLE).
HRESULT PutEnable(Control& c, const Args& a, Result&) {
    if (HWND w = LiveWindow(c)) EnableWindow(w, a.lng(0) != 0);
    return S_OK;
}

// The read-only bit of text boxes, read as it is for every kind the member applies to.
HRESULT GetLocked(Control& c, const Args&, Result& r) { return StyleFlag(c, r, ES_READONLY, false); }

HRESULT PutLocked(Control& c, const Args& a, Result&) {
    if (HWND w = LiveWindow(c)) SendMessageW(w, EM_SETREADONLY, a.lng(0) != 0 ? 1 : 0, 0);
    return S_OK;
}

HRESULT GetCaption(Control& c, const Args&, Result& r) {
    HWND w = LiveWindow(c);
    r.setText(w ? ReadCaption(c, w) : std::wstring());
    return S_OK;
}

HRESULT PutCaption(Control& c, const Args& a, Result&) {
    if (HWND w = LiveWindow(c)) SetCaption(c, w, a);
    return S_OK;
}

HRESULT GetTextAlign(Control& c, const Args&, Result& r) {
    HWND w = LiveWindow(c);
    r.setLong(w ? ReadTextAlign(w) : 0);
    return S_OK;
}

// The old alignment bit is cleared before the new one is set: both together would make a
// label an icon (SS_ICON is 3).
HRESULT PutTextAlign(Control& c, const Args& a, Result&) {
    HWND w = LiveWindow(c);
    if (!w) return S_OK;
    long align = FoldAlignment(a.lng(0));
    long current = ReadTextAlign(w);
    if (current != 0) SetStyleBit(w, kAlignBits[current], VARIANT_FALSE);
    if (align != 0) SetStyleBit(w, kAlignBits[align], VARIANT_TRUE);
    Repaint(w);
    return S_OK;
}

HRESULT GetPasswordStyle(Control& c, const Args&, Result& r) {
    return StyleFlag(c, r, ES_PASSWORD, false);
}

// Multi-line boxes cannot mask their text.
HRESULT PutPasswordStyle(Control& c, const Args& a, Result&) {
    HWND w = LiveWindow(c);
    if (!w || HasStyle(w, ES_MULTILINE)) return S_OK;
    SendMessageW(w, EM_SETPASSWORDCHAR, a.lng(0) != 0 ? kPasswordChar : 0, 0);
    return S_OK;
}

// 0 cleared, 1 ticked, 2 indeterminate, as the button reports it.
HRESULT GetValue(Control& c, const Args&, Result& r) {
    HWND w = LiveWindow(c);
    r.setLong(w ? static_cast<long>(SendMessageW(w, BM_GETCHECK, 0, 0)) : 0);
    return S_OK;
}

// Ticks or clears this box alone, as BM_SETCHECK does on Windows: an automatic option box
// ticked by a script leaves the others of its group as they are (only a click, by the
// user or a shortcut, clears them). Some systems' automatic option box clears them on
// BM_SETCHECK too, so the check is set while the box is, for that one message, a plain
// option box, which no system ties to its group.
HRESULT PutValue(Control& c, const Args& a, Result&) {
    HWND w = LiveWindow(c);
    if (!w) return S_OK;
    const WPARAM check = a.lng(0) != 0 ? BST_CHECKED : BST_UNCHECKED;
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    const bool automatic = (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    if (automatic) SetWindowLongW(w, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_RADIOBUTTON);
    SendMessageW(w, BM_SETCHECK, check, 0);
    if (automatic) SetWindowLongW(w, GWL_STYLE, (GetWindowLongW(w, GWL_STYLE) & ~BS_TYPEMASK) | BS_AUTORADIOBUTTON);
    return S_OK;
}

// A text box's text is its caption; a combo box's is the text of its selection field.
HRESULT GetText(Control& c, const Args&, Result& r) {
    HWND w = LiveWindow(c);
    r.setText(w ? ReadCaption(c, w) : std::wstring());
    return S_OK;
}

// On a combo box (a drop-down list, which has no free text) the item with exactly that
// text is selected, as a script writing combo.Text = "Blue" expects.
HRESULT PutText(Control& c, const Args& a, Result&) {
    HWND w = LiveWindow(c);
    if (!w) return S_OK;
    if (c.record().textSelectsItem) SelectComboItem(w, a.text(0));
    else SetCaption(c, w, a);
    return S_OK;
}

// The form gives the focus back to this control when it is activated again.
HRESULT SetFocus(Control& c, const Args&, Result&) {
    HWND w = LiveWindow(c);
    if (!w) return S_OK;
    FocusWindow(w);  // a hidden control does not take it
    if (LiveWindow(c)) SetWindowValue(c.form()->formWindow(), prop::kLastFocused, reinterpret_cast<LONG_PTR>(w));
    return S_OK;
}

// The control that takes the focus when the form is activated and no other was focused
// last, and the button Enter clicks while the form's dialog keys are on; only then does
// the button look like the default one.
HRESULT SetAsDefault(Control& c, const Args&, Result&) {
    if (HWND w = LiveWindow(c)) SetDefaultButton(c.form()->formWindow(), w);
    return S_OK;
}

// The button Escape clicks while the form's dialog keys are on.
HRESULT SetAsCancel(Control& c, const Args&, Result&) {
    if (HWND w = LiveWindow(c)) SetCancelButton(c.form()->formWindow(), w);
    return S_OK;
}

}  // namespace content_props
}  // namespace mv
