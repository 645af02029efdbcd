// A form's position and size (the outer window rectangle on the screen, frame and title
// bar included, in the script's units: see core/dpi.h), its frame refresh and its focus.
// The one rule of a form's geometry: positions (Left, Top, MoveResize's and CreateForm's
// first two) are converted with the desktop-wide factor (Form::positionDpi), sizes with
// the window's own DPI (Form::unitDpi), through PositionToPixels / SizeToPixels and back.
#include "form/form_shape.h"

#include "control/fonts.h"
#include "core/dpi.h"
#include "core/rounding.h"
#include "core/unique.h"
#include "form/form.h"
#include "window/style_bits.h"
#include "form/tab_order.h"
#include "window/window_props.h"
#include "window/window_range.h"

namespace mv {
namespace form_shape {

namespace {

struct Placement {
    long left = 0, top = 0, width = 0, height = 0;
};

// Reads the window rectangle into the form's scratch rectangle. A width or height beyond
// 32 bits is the script's overflow error; a destroyed form reads all zeros.
HRESULT ReadPlacement(Form& f, Placement* out) {
    *out = Placement{};
    RECT& rc = f.windowRect();
    rc = RECT{};
    HWND w = LiveWindow(f);
    DpiAwarenessScope aware(w);
    if (!w || !GetWindowRect(w, &rc)) return S_OK;
    long width = 0, height = 0;
    RETURN_IF_FAILED(NarrowToLong(static_cast<long long>(rc.right) - rc.left, &width));
    RETURN_IF_FAILED(NarrowToLong(static_cast<long long>(rc.bottom) - rc.top, &height));
    *out = { rc.left, rc.top, width, height };
    return S_OK;
}

template <long Placement::*Field, bool position>
HRESULT GetPlacement(Form& f, Result& r) {
    Placement p;
    RETURN_IF_FAILED(ReadPlacement(f, &p));
    r.setLong(position ? PositionToUnits(f, p.*Field) : SizeToUnits(f, p.*Field));
    return S_OK;
}

// Negative values leave their coordinate or dimension unchanged (the pixels it is);
// the others are converted to pixels, and larger ones than the platform keeps windows in
// are brought within it. A form locked against
// moving lets exactly this one change through the form window procedure. Moving a form
// does not activate it.
HRESULT Place(Form& f, long left, long top, long width, long height) {
    Placement p;
    RETURN_IF_FAILED(ReadPlacement(f, &p));
    HWND w = LiveWindow(f);
    if (!w) return S_OK;
    if (left >= 0) p.left = PositionToPixels(f, left);
    if (top >= 0) p.top = PositionToPixels(f, top);
    if (width >= 0) p.width = SizeToPixels(f, width);
    if (height >= 0) p.height = SizeToPixels(f, height);
    DpiAwarenessScope aware(w);
    if (GetWindowValue(w, prop::kNotMoveable) == 1) SetWindowValue(w, prop::kNotMoveable, 2);
    UpdateLock frozen(w);
    SetWindowPos(w, nullptr, WindowPosition(p.left), WindowPosition(p.top), WindowSize(p.width),
                 WindowSize(p.height), SWP_NOZORDER | SWP_NOACTIVATE);
    return S_OK;
}

}  // namespace

long PositionToPixels(const Form& f, long units) { return UnitsToPixels(units, f.positionDpi()); }
long PositionToUnits(const Form& f, long pixels) { return PixelsToUnits(pixels, f.positionDpi()); }
long SizeToPixels(const Form& f, long units) { return UnitsToPixels(units, f.unitDpi()); }
long SizeToUnits(const Form& f, long pixels) { return PixelsToUnits(pixels, f.unitDpi()); }

HRESULT GetLeft(Form& f, const Args&, Result& r) { return GetPlacement<&Placement::left, true>(f, r); }
HRESULT GetTop(Form& f, const Args&, Result& r) { return GetPlacement<&Placement::top, true>(f, r); }
HRESULT GetWidth(Form& f, const Args&, Result& r) { return GetPlacement<&Placement::width, false>(f, r); }
HRESULT GetHeight(Form& f, const Args&, Result& r) { return GetPlacement<&Placement::height, false>(f, r); }

HRESULT PutLeft(Form& f, const Args& a, Result&) { return Place(f, a.lng(0), -1, -1, -1); }
HRESULT PutTop(Form& f, const Args& a, Result&) { return Place(f, -1, a.lng(0), -1, -1); }
HRESULT PutWidth(Form& f, const Args& a, Result&) { return Place(f, -1, -1, a.lng(0), -1); }
HRESULT PutHeight(Form& f, const Args& a, Result&) { return Place(f, -1, -1, -1, a.lng(0)); }

HRESULT MoveResize(Form& f, const Args& a, Result&) {
    return Place(f, a.lng(0), a.lng(1), a.lng(2), a.lng(3));
}

void SizeForOwnDpi(Form& f, long width, long height, UINT createdAt) {
    HWND w = LiveWindow(f);
    if (!w || f.unitDpi() == createdAt) return;
    DpiAwarenessScope aware(w);
    SetWindowPos(w, nullptr, 0, 0, WindowSize(SizeToPixels(f, width)), WindowSize(SizeToPixels(f, height)),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FollowDpi(Form& f, UINT dpi, const RECT* suggested) {
    HWND w = LiveWindow(f);
    const UINT from = f.windowDpi();
    if (!w || !f.scaled()) return false;
    if (dpi == 0 || from == dpi) return true;
    f.setWindowDpi(dpi);
    ComPtr<Form> keep(&f);  // moving and repainting dispatch messages
    if (suggested) {
        if (GetWindowValue(w, prop::kNotMoveable) == 1) SetWindowValue(w, prop::kNotMoveable, 2);
        SetWindowPos(w, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (size_t i = 1; i <= f.controls().count(); ++i)
        if (Control* c = f.controlAt(static_cast<long>(i))) {
            c->followDpi(from, dpi);
            mv::FollowDpi(*c, from, dpi);  // its font
        }
    return true;
}

// Recomputes and redraws the frame after style changes.
HRESULT Refresh(Form& f, const Args&, Result&) {
    if (HWND w = LiveWindow(f)) RefreshFrame(w);
    return S_OK;
}

HRESULT SetFocus(Form& f, const Args&, Result&) {
    FocusWindow(LiveWindow(f));  // does nothing for a hidden form
    return S_OK;
}

}  // namespace form_shape
}  // namespace mv
