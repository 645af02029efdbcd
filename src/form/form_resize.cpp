// The user's resizing of a form: layout on each size, the smallest size while the user
// drags, and OnResize once a size has settled.
#include "form/form_resize.h"

#include <algorithm>

#include "form/form.h"
#include "form/form_shape.h"
#include "window/window_range.h"

namespace mv {
namespace form_resize {

namespace {

bool SameSize(SIZE a, SIZE b) { return a.cx == b.cx && a.cy == b.cy; }

// The user's change has settled at the window's size now: OnResize when it differs.
void Settle(Form& f, bool raise) {
    ResizeState& s = f.resizeState();
    const SIZE now = OuterSize(f.hwnd());
    const bool changed = !SameSize(now, s.lastSize);
    s.lastSize = now;
    if (raise && changed) f.raise(FormEvent::OnResize);
}

// The user's move or size has ended: OnResize when it changed the size.
void EndUserSizing(Form& f) {
    ResizeState& s = f.resizeState();
    s.userSizing = false;
    if (f.destroyed()) return;
    const bool changed = !SameSize(OuterSize(f.hwnd()), s.atEnter);
    Settle(f, false);
    if (changed && s.placing == 0) f.raise(FormEvent::OnResize);
}

template <long ResizeState::*Field>
HRESULT GetMin(Form& f, const Args&, Result& r) {
    r.setLong(f.resizeState().*Field);
    return S_OK;
}

// A negative value leaves the minimum as it was, as negative sizes do elsewhere.
template <long ResizeState::*Field>
HRESULT PutMin(Form& f, const Args& a, Result&) {
    const long value = a.lng(0);
    if (value >= 0) f.resizeState().*Field = std::min(value, kLargestSize);
    return S_OK;
}

}  // namespace

HRESULT GetMinWidth(Form& f, const Args& a, Result& r) { return GetMin<&ResizeState::minWidth>(f, a, r); }
HRESULT PutMinWidth(Form& f, const Args& a, Result& r) { return PutMin<&ResizeState::minWidth>(f, a, r); }
HRESULT GetMinHeight(Form& f, const Args& a, Result& r) { return GetMin<&ResizeState::minHeight>(f, a, r); }
HRESULT PutMinHeight(Form& f, const Args& a, Result& r) { return PutMin<&ResizeState::minHeight>(f, a, r); }

UserSizing::UserSizing(Form& f) : form_(f) {
    ResizeState& s = f.resizeState();
    s.inCommand = s.userSizing = true;
    s.atEnter = OuterSize(f.hwnd());
}

UserSizing::~UserSizing() {
    form_.resizeState().inCommand = false;
    EndUserSizing(form_);
}

// A minimised form lays nothing out (its client area is empty); a restored one is laid out
// for its restored size. While the user drags, the end of the drag tells whether the size
// changed; a change by the system otherwise (maximise, restore, a snap) has settled at once.
void Sized(Form& f, WPARAM kind, SIZE client) {
    if (kind != SIZE_RESTORED && kind != SIZE_MAXIMIZED) return;
    f.layout().layOut(client, f.windowDpi());
    const ResizeState& s = f.resizeState();
    if (!s.userSizing) Settle(f, s.placing == 0);
}

// The minimum holds only for the user: the system applies it to SetWindowPos as well,
// and the script's own placing is not limited by it.
void LimitSize(Form& f, MINMAXINFO* info) {
    const ResizeState& s = f.resizeState();
    if (!info || !s.userSizing) return;
    // Scaled as the form's Width and Height are, to the window's DPI.
    if (s.minWidth > 0)
        info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, WindowSize(form_shape::SizeToPixels(f, s.minWidth)));
    if (s.minHeight > 0)
        info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, WindowSize(form_shape::SizeToPixels(f, s.minHeight)));
}

void EnterSizeMove(Form& f) {
    ResizeState& s = f.resizeState();
    if (!s.inCommand) s.atEnter = OuterSize(f.hwnd());
    s.userSizing = true;
}

void ExitSizeMove(Form& f) {
    if (!f.resizeState().inCommand) EndUserSizing(f);
}

}  // namespace form_resize
}  // namespace mv
