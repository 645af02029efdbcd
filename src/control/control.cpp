// Control object core: attachment to its window and form, event hand-over, and the
// members every kind answers (visibility, border, geometry, refresh).
#include "control/control.h"

#include <uxtheme.h>

#include "com/event_loop.h"
#include "control/image_draw.h"
#include "control/member_check.h"
#include "core/dpi.h"
#include "core/hresult.h"
#include "core/os_level.h"
#include "core/rounding.h"
#include "window/message_pass.h"
#include "window/style_bits.h"
#include "window/window_props.h"
#include "window/window_range.h"

namespace mv {

namespace {

// Border values: 1 is the thin line, 2 and 8 (10 as the getter reads it) the sunken edge.
constexpr long kBorderLine = 0x1;
constexpr long kBorderSunken = 0x2 | 0x8;

HRESULT Extent(LONG from, LONG to, long* out) {
    return NarrowToLong(static_cast<long long>(to) - from, out);
}

LONG WithBits(LONG value, LONG mask, bool on) { return on ? (value | mask) : (value & ~mask); }

}  // namespace

void Control::AttachWindow(HWND hwnd, const KindRecord& record) {
    hwnd_ = hwnd;
    record_ = &record;
    if (GetOsLevel() > 5 && record.themeClasses) theme_.reset(OpenThemeData(hwnd, record.themeClasses));
}

bool Control::memberApplies(KindSet kinds, const wchar_t* member) const {
    return MemberApplies(kinds, kind(), member, name_, false);
}

HWND LiveWindow(const Control& c) {
    ControlOwner* form = c.form();
    if (!form || form->formGone() || !c.hwnd()) return nullptr;
    return GetParent(c.hwnd()) == form->formWindow() ? c.hwnd() : nullptr;
}

void Control::SetParentForm(ControlOwner* form) {
    form_ = form;
    formRef_ = ComPtr<IDispatch>(form ? form->formObject() : nullptr);
}

bool Control::listens(ControlEvent event) {
    return !events_[event].empty() || source_.point().connected() || (form_ && form_->formSinksConnected());
}

void Control::raise(ControlEvent event, Reach reach) {
    const std::wstring& text = events_[event];
    if (!text.empty() && form_) form_->postEvent(text);
    if (reach == Reach::ScriptOnly || !form_ || form_->formGone()) return;
    const EventFacts& raises = idl::clsDefCtrl::events[event];
    if (source_.point().connected()) QueueEvent(source_.point(), raises.raises[0], nullptr);
    if (form_->formSinksConnected()) form_->queueForFormSinks(raises.raises[1], dispatch());
}

void PostControlEvent(const ComPtr<Control>& c, ControlEvent event) {
    if (c) c->raise(event);
}

void Control::endEvents() {
    DropQueuedEvents(source_.point());
    source_.point().disconnectAll();
}

void Control::countDropped(ULONG refs) {
    if (refs == 1 && form_) form_->collectIfUnreachable();  // may end this object
}

void Control::forgetParent() {
    itemWidths_.releaseContext();
    form_ = nullptr;
    formRef_.reset();
}

long Control::visible() const { return HasStyle(hwnd_, WS_VISIBLE) ? 1 : 0; }

void Control::setVisible(long value) { ShowWindow(hwnd_, value != 0 ? SW_SHOWNORMAL : SW_HIDE); }

long Control::borderStyle() const {
    long value = HasExStyle(hwnd_, WS_EX_CLIENTEDGE) ? 10 : 0;
    if (HasStyle(hwnd_, WS_BORDER)) value += 1;
    return value;
}

void Control::setBorderStyle(long value) {
    SetWindowLongW(hwnd_, GWL_EXSTYLE,
                   WithBits(GetWindowLongW(hwnd_, GWL_EXSTYLE), WS_EX_CLIENTEDGE, value & kBorderSunken));
    SetWindowLongW(hwnd_, GWL_STYLE, WithBits(GetWindowLongW(hwnd_, GWL_STYLE), WS_BORDER, value & kBorderLine));
    refresh();
}

UINT Control::windowDpi() const { return form_ ? form_->windowDpi() : kUnitDpi; }
UINT Control::unitDpi() const { return form_ ? form_->unitDpi() : kUnitDpi; }

POINT Control::pixelPosition() const {
    DpiAwarenessScope aware(hwnd_);
    RECT r{};
    GetWindowRect(hwnd_, &r);
    POINT topLeft{r.left, r.top};
    ScreenToClient(form_ ? form_->formWindow() : GetParent(hwnd_), &topLeft);
    return topLeft;
}

SIZE Control::pixelSize() const {
    DpiAwarenessScope aware(hwnd_);
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return {r.right - r.left, r.bottom - r.top};
}

POINT Control::position() const {
    const POINT at = pixelPosition();
    return {PixelsToUnits(at.x, unitDpi()), PixelsToUnits(at.y, unitDpi())};
}

HRESULT Control::size(long* width, long* height) const {
    DpiAwarenessScope aware(hwnd_);
    RECT r{};
    GetWindowRect(hwnd_, &r);
    RETURN_IF_FAILED(Extent(r.left, r.right, width));
    RETURN_IF_FAILED(Extent(r.top, r.bottom, height));
    *width = PixelsToUnits(*width, unitDpi());
    *height = PixelsToUnits(*height, unitDpi());
    return S_OK;
}

// The values given are converted to pixels; those kept stay the pixels they are.
HRESULT Control::moveResize(long left, long top, long width, long height) {
    const UINT dpi = unitDpi();
    DpiAwarenessScope aware(hwnd_);
    POINT at = pixelPosition();
    const SIZE now = pixelSize();
    if (left >= 0) at.x = UnitsToPixels(left, dpi);
    if (top >= 0) at.y = UnitsToPixels(top, dpi);
    const long pw = width >= 0 ? UnitsToPixels(width, dpi) : now.cx;
    const long ph = height >= 0 ? UnitsToPixels(height, dpi) : now.cy;
    MoveWindow(hwnd_, WindowPosition(at.x), WindowPosition(at.y), WindowSize(pw), WindowSize(ph), TRUE);
    if (record_->drawsPicture) refresh();
    return S_OK;
}

void Control::followDpi(UINT from, UINT to) {
    if (!LiveWindow(*this) || from == to) return;
    DpiAwarenessScope aware(hwnd_);
    const POINT at = pixelPosition();
    const SIZE now = pixelSize();
    auto scale = [from, to](long v) { return MulDiv(v, static_cast<int>(to), static_cast<int>(from)); };
    MoveWindow(hwnd_, WindowPosition(scale(at.x)), WindowPosition(scale(at.y)), WindowSize(scale(now.cx)),
               WindowSize(scale(now.cy)), TRUE);
    if (record_->drawsPicture) refresh();
}

// An image also draws its picture again (and keeps its source path lower-cased).
void Control::refresh() {
    RefreshFrame(hwnd_);
    if (record_->drawsPicture) DrawImage(hwnd_, imageSource_);
}

}  // namespace mv
