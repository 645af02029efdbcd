// Form object core: identity, attachment to its window, destruction, visibility, the
// LastEvent pump and PendingEvent, its one pass that never waits.
//
// Lifetime. Desktop's registry holds each form; the form holds its controls collection and
// its Desktop; every control holds its form. A destroyed form has left the registry, but
// its controls stay in its collection for good, so form and controls hold each other. Once
// nothing else holds any of them (the script dropped them, no cache keeps a control) the
// group is unreachable: collectIfUnreachable notices that from the reference counts and
// ends the group, so a script that drops its references leaks nothing.
#include "form/form.h"

#include <uxtheme.h>

#include "com/event_loop.h"
#include "control/control.h"
#include "core/os_level.h"
#include "form/form_windows.h"
#include "window/message_pass.h"
#include "window/window_props.h"

namespace mv {

Form::Form() : controls_(std::make_shared<KeyedCollection>()) {}

Form::~Form() = default;

void Form::SetFormDesktop(FormOwner* desktop) {
    desktop_ = desktop;
    desktopRef_ = ComPtr<IDispatch>(desktop ? desktop->desktopObject() : nullptr);
}

void Form::AttachFormWindow(HWND hwnd, bool scaled) {
    if (attached_) return;
    attached_ = true;
    hwnd_ = hwnd;
    scaled_ = scaled;
    windowDpi_ = WindowDpi(hwnd);
    positionDpi_ = DesktopDpi();
    RememberFormWindow(hwnd, this);
    if (GetOsLevel() > 5) theme_.reset(OpenThemeData(hwnd, L"WINDOW"));
}

void Form::raise(FormEvent event) {
    if (!events_[event].empty()) SetLastEvent(events_[event]);
    if (destroyed_ || !source_.point().connected()) return;
    QueueEvent(source_.point(), idl::clsDefForm::events[event].raises[0], nullptr);
}

void Form::queueForFormSinks(DISPID id, IDispatch* control) {
    if (!destroyed_) QueueEvent(source_.point(), id, control);
}

Control* Form::controlAt(long position) const {
    return static_cast<Control*>(controls_->byPosition(position));
}

// A destroyed form's handle may by then name another window: it acts on none, and still
// passes the messages.
long Form::visible() const { return HasStyle(LiveWindow(*this), WS_VISIBLE) ? 1 : 0; }

void Form::setVisible(long value) {
    if (HWND w = LiveWindow(*this)) {
        if (value != 0) {
            ShowWindow(w, SW_SHOWNORMAL);
            UpdateWindow(w);
        } else {
            ShowWindow(w, SW_HIDE);
        }
    }
    DoEvents();
}

void Form::SetLastEvent(const std::wstring& s) {
    pending_ = s;
    if (!s.empty()) NoteEventString();
}

std::wstring Form::lastEvent() {
    ComPtr<IDispatch> keep(dispatch());  // an event may end the script's last reference
    WaitFor until;
    until.pass = &DoEvents;
    // Due is noted before Visible runs its pass, as the pump has always done it.
    until.done = [this] {
        const bool due = !pending_.empty() || destroyed_;
        return visible() != 1 || due;
    };
    until.ready = [this] { return !pending_.empty() || destroyed_ || !IsWindowVisible(hwnd_); };
    WaitForEvents(until);
    std::wstring event;
    event.swap(pending_);
    return event;
}

std::wstring Form::pendingEvent() {
    ComPtr<IDispatch> keep(dispatch());  // as in lastEvent
    LookForEvents(&DoEventsIfQueued, [this] { return pending_.empty(); });
    std::wstring event;
    event.swap(pending_);
    return event;
}

void Form::DestroyForm() {
    ComPtr<IDispatch> keep(dispatch());  // removal from the registry may drop the last reference
    if (destroyed_) return;
    // The teardown's message passes deliver nothing to anyone, whoever started it (the
    // script, or the host destroying the window between two calls).
    LibraryCall teardown(LibraryCall::Counted::No);
    setVisible(0);
    destroyed_ = true;
    // The owner no longer owns a form: it must not hand its focus to a dead window, and it
    // takes input again even when the window went without being hidden first (destroyed
    // from outside, which sends no WM_SHOWWINDOW).
    if (owner_ && GetWindowValue(owner_, prop::kOwnedChild) == reinterpret_cast<LONG_PTR>(hwnd_))
        SetWindowValue(owner_, prop::kOwnedChild, 0);
    if (ownerDisabled_) {
        ownerDisabled_ = false;
        EnableWindow(owner_, TRUE);
    }
    for (size_t i = 1; i <= controls_->count(); ++i)
        if (Control* c = controlAt(static_cast<long>(i))) {
            DestroyWindow(c->hwnd());
            c->endEvents();  // the form's events end with it: its controls' sinks are let go
        }
    if (GetWindowValue(hwnd_, prop::kIsDestroyed) != 1) {
        SetWindowValue(hwnd_, prop::kIsDestroyed, 1);
        DestroyWindow(hwnd_);
    }
    ForgetFormWindow(hwnd_);
    theme_.reset();
    DropQueuedEvents(source_.point());  // and the form's own sinks too
    source_.point().disconnectAll();
    if (desktop_) desktop_->RemoveForm(name_);
}

void Form::finalRelease() { DestroyForm(); }

void Form::countDropped(ULONG refs) {
    if (destroyed_ && refs == controls_->count()) collectIfUnreachable();
}

void Form::collectIfUnreachable() {
    // Unreachable: destroyed (so out of the registry), held only by its own controls, and
    // each control held only by this form's collection.
    if (!destroyed_ || refs() != controls_->count()) return;
    for (size_t i = 1; i <= controls_->count(); ++i)
        if (controlAt(static_cast<long>(i))->refs() != 1) return;
    ComPtr<IDispatch> keep(dispatch());  // this object ends when keep goes, and not before
    std::vector<ComPtr<IDispatch>> items = controls_->takeAll();
    for (ComPtr<IDispatch>& item : items) static_cast<Control*>(item.get())->forgetParent();
    items.clear();
}

}  // namespace mv
