// Desktop: the one creatable class and the root of the object model. It keeps the forms
// registry and creates forms. Each apartment thread has its own Desktops and current
// Desktop; the window procedures find objects through form/window_objects.h.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "com/dispatch_object.h"
#include "com/keyed_collection.h"
#include "form/form.h"

namespace mv {

class Form;
class Control;

class Desktop final : public DispatchObject<Desktop, DesktopDualEntries<Desktop>>, public FormOwner {
public:
    static ComPtr<Desktop> Create();
    static const DispatchTable<Desktop>& members();
    static const IID& interfaceId();
    static const CLSID& classId();

    // Members as the script sees them.
    std::wstring version(bool infoEx);
    long count();
    long height() const;
    long width() const;
    IDispatch* lookupForm(const VARIANT& nameOrPosition) const;  // borrowed; null when absent
    ComPtr<Form> createForm(const std::wstring& name, const std::wstring& caption, long left,
                            long top, long width, long height);
    void closeAll();
    HRESULT newEnum(IUnknown** out) const;
    // Hands events to connected sinks until no form is shown (1), an event string is
    // posted for LastEvent or PendingEvent (2), or `milliseconds` have passed (0); a
    // negative time waits without limit.
    static constexpr long kWaitTimeUp = 0, kWaitNoFormShown = 1, kWaitEventString = 2;
    long waitEvents(long milliseconds);

    // Friends of the forms.
    void RemoveForm(const std::wstring& key) override;
    IDispatch* desktopObject() override { return dispatch(); }
    size_t formCount() const { return forms_->count(); }

    void finalRelease();

    Desktop();

private:
    ~Desktop() override = default;

    bool anyFormShown() const;

    std::shared_ptr<KeyedCollection> forms_;
};

// The calling thread's most recently created Desktop (borrowed; null before the first).
// The slot holds a counted reference, so the current Desktop lives while it is current.
Desktop* CurrentDesktop();

// Lets the current Desktop go when nothing but the slot holds it (no script reference and
// no form): called when the host asks whether the library may unload.
void ReleaseIdleDesktop();

}  // namespace mv
