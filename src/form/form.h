// The form object: one top-level window of the form class, its controls, its own event
// strings and the one-string pending-event slot through which every event of the form and
// its controls reaches the script's LastEvent.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "com/connection_point.h"
#include "com/dispatch_object.h"
#include "com/keyed_collection.h"
#include "control/control.h"
#include "core/dpi.h"
#include "core/unique.h"

namespace mv {

// What a form asks of the Desktop that holds it; the Desktop implements it.
class FormOwner {
public:
    virtual IDispatch* desktopObject() = 0;                 // the Desktop as scripts see it
    virtual void RemoveForm(const std::wstring& key) = 0;   // out of the registry

protected:
    ~FormOwner() = default;
};
class Control;

// The form's own event strings, indexed by event key (FormEvent::OnShow, ...), as morvane.idl
// ties each to the method of _clsDefFormEvents it raises.
using FormEvent = idl::clsDefForm::Event;
using FormEvents = std::array<std::wstring, idl::clsDefForm::kEventCount>;

class Form final : public DispatchObject<Form>, public ControlOwner {
public:
    static ComPtr<Form> Create() { return MakeObject<Form>(); }
    static const DispatchTable<Form>& members();
    static const IID& interfaceId() { return DIID__clsDefForm; }
    static const CLSID& classId() { return CLSID_clsDefForm; }
    static const IID& sourceId() { return DIID__clsDefFormEvents; }
    IConnectionPointContainer* eventContainer() { return &source_; }

    // Set up by Desktop.CreateForm, in this order.
    void SetFormName(const std::wstring& name) { name_ = name; }
    void SetFormDesktop(FormOwner* desktop);
    // `scaled`: created per-monitor aware, with the script's units at 96 DPI.
    void AttachFormWindow(HWND hwnd, bool scaled);

    // The pending event becomes a copy of s (an empty s empties it).
    void SetLastEvent(const std::wstring& s);

    // What its controls ask of it.
    HWND formWindow() const override { return hwnd(); }
    bool formGone() const override { return destroyed(); }
    IDispatch* formObject() override { return dispatch(); }
    void postEvent(const std::wstring& event) override { SetLastEvent(event); }
    bool formSinksConnected() override { return source_.point().connected(); }
    void queueForFormSinks(DISPID id, IDispatch* control) override;
    UINT windowDpi() const override { return windowDpi_; }
    // The resolution of the script's sizes (of the form and its controls) and positions in
    // the form: the window's own. Pixels (96) for a form created unscaled.
    UINT unitDpi() const override { return scaled_ ? windowDpi_ : kUnitDpi; }
    // The resolution of the form's position on the desktop: the one desktop-wide factor
    // (DesktopDpi), whichever monitor the form is on. Pixels (96) for a form created unscaled.
    UINT positionDpi() const { return scaled_ ? positionDpi_ : kUnitDpi; }
    // Created per-monitor aware, its units scaled by the library (Desktop.DpiAware).
    bool scaled() const { return scaled_; }
    // The window now draws at `dpi` (WM_DPICHANGED).
    void setWindowDpi(UINT dpi) { windowDpi_ = dpi; }

    // One of the form's own events happened: its string, when set, becomes the pending
    // event; the sinks connected to the form get it when the script next waits.
    void raise(FormEvent event);
    // Hides the form, destroys its control windows and its window, closes its theme and
    // takes it out of the registry; runs its steps at most once.
    void DestroyForm();

    HWND hwnd() const { return hwnd_; }
    const std::wstring& name() const { return name_; }
    FormOwner* desktop() const { return desktop_; }
    bool destroyed() const { return destroyed_; }
    KeyedCollection& controls() { return *controls_; }
    const std::shared_ptr<KeyedCollection>& controlsShared() const { return controls_; }
    Control* controlAt(long position) const;  // borrowed; null outside 1..Count

    FormEvents& events() { return events_; }
    HWND ownerWindow() const { return owner_; }
    void setOwnerWindow(HWND owner) { owner_ = owner; }
    // Set while the shown form keeps its owner disabled.
    void setOwnerDisabled(bool on) { ownerDisabled_ = on; }
    RECT& windowRect() { return rect_; }

    long visible() const;
    void setVisible(long value);
    std::wstring lastEvent();
    // One pass over the messages already queued, then the pending event (emptied), or ""
    // at once when none is pending; it never waits.
    std::wstring pendingEvent();

    // Lifetime: see form.cpp.
    void finalRelease();
    void countDropped(ULONG refs);
    void collectIfUnreachable() override;

    Form();

private:
    ~Form() override;

    std::shared_ptr<KeyedCollection> controls_;
    std::wstring name_;
    HWND hwnd_ = nullptr;
    UniqueTheme theme_;
    FormOwner* desktop_ = nullptr;
    ComPtr<IDispatch> desktopRef_;  // keeps the Desktop alive while the form is
    HWND owner_ = nullptr;
    bool ownerDisabled_ = false;
    bool attached_ = false;
    bool destroyed_ = false;
    bool scaled_ = false;
    UINT windowDpi_ = kUnitDpi;
    UINT positionDpi_ = kUnitDpi;
    RECT rect_{};
    std::wstring pending_;
    FormEvents events_;
    EventSource source_{*dispatch(), DIID__clsDefFormEvents};
};

// The form's window while it exists as the form's; null once the form is destroyed.
inline HWND LiveWindow(const Form& f) { return f.destroyed() ? nullptr : f.hwnd(); }

}  // namespace mv
