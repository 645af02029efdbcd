// The control object: one child window of a form (button, label, text box, combo box,
// list box, progress bar, frame, image, option box or check box), its name, kind, event
// strings and the state its kind-specific members keep.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "com/connection_point.h"
#include "com/dispatch_object.h"
#include "control/anchor.h"
#include "control/control_kind.h"
#include "control/default_font.h"
#include "control/item_widths.h"
#include "control/kind_record.h"
#include "core/unique.h"

namespace mv {

class Control;

// What a control asks of the form that holds it; the form implements it.
class ControlOwner {
public:
    virtual HWND formWindow() const = 0;
    virtual bool formGone() const = 0;                     // its windows are destroyed
    virtual IDispatch* formObject() = 0;                   // the form as scripts see it
    virtual void postEvent(const std::wstring& event) = 0;  // into its pending-event slot
    // The form's own sinks, which also get every event of its controls.
    virtual bool formSinksConnected() = 0;
    virtual void queueForFormSinks(DISPID id, IDispatch* control) = 0;
    // A control the script no longer holds asks whether the form and its controls are
    // still reachable; the form ends them all when not.
    virtual void collectIfUnreachable() = 0;
    // The resolution the form's windows are drawn at, and the one of the script's units
    // for its positions and sizes (core/dpi.h): the same for a form created per-monitor
    // aware, 96 (pixels) for one created in the host's awareness.
    virtual UINT windowDpi() const = 0;
    virtual UINT unitDpi() const = 0;
    // The size (pixels) of the client area anchored controls are laid out in: the form's
    // while it was last not minimised.
    virtual SIZE layoutArea() const = 0;
    // The control now follows the form's layout (its anchor is other than left and top),
    // or no longer does.
    virtual void followLayout(Control& c, bool on) = 0;

protected:
    ~ControlOwner() = default;
};

// The control's event strings, indexed by event key (ControlEvent::OnClick, ...): one per
// On... property of _clsDefCtrl, as morvane.idl ties each to the source methods it raises.
using ControlEvent = idl::clsDefCtrl::Event;
using ControlEvents = std::array<std::wstring, idl::clsDefCtrl::kEventCount>;

class Control final : public DispatchObject<Control> {
public:
    static ComPtr<Control> Create() { return MakeObject<Control>(); }
    static const DispatchTable<Control>& members();
    static const IID& interfaceId() { return DIID__clsDefCtrl; }
    static const CLSID& classId() { return CLSID_clsDefCtrl; }
    static const IID& sourceId() { return DIID__clsDefCtrlEvents; }
    IConnectionPointContainer* eventContainer() { return &source_; }

    // Set up by the form's Addcontrol, in this order.
    void AttachWindow(HWND hwnd, const KindRecord& record);
    void SetName(const std::wstring& name) { name_ = name; }
    void SetParentForm(ControlOwner* form);
    // Whether an event is awaited: its string is set, or sinks are connected to the
    // control or to its form.
    bool listens(ControlEvent event);
    // The event happened: its string, when set, goes to the form's pending-event slot;
    // the sinks connected to the control, then those connected to its form, get it when
    // the script next waits (unless it is for the script only).
    enum class Reach { Everyone, ScriptOnly };
    void raise(ControlEvent event, Reach reach = Reach::Everyone);
    // Lets the sinks go and forgets the events queued for them: the form is destroyed.
    void endEvents();

    HWND hwnd() const { return hwnd_; }
    const std::wstring& name() const { return name_; }
    long kind() const { return record_->kind; }
    // What its kind does unlike the others (control/kind_record.h).
    const KindRecord& record() const { return *record_; }
    ControlOwner* form() const { return form_; }
    ControlEvents& events() { return events_; }
    // An image's picture file, as its Caption was given (the drawing may lower-case it).
    std::wstring& imageSource() { return imageSource_; }

    // Members every kind answers. The style tests behind visible() and borderStyle() run
    // a message pass. Geometry is in the form's client coordinates, sizes are the outer
    // window's, both in the script's units (ControlOwner::unitDpi); a negative MoveResize
    // argument leaves that value unchanged.
    long visible() const;
    void setVisible(long value);
    long borderStyle() const;
    void setBorderStyle(long value);
    POINT position() const;
    HRESULT size(long* width, long* height) const;
    // Negative values leave their coordinate or dimension; the others are brought within
    // the platform's range (window_range.h).
    HRESULT moveResize(long left, long top, long width, long height);
    void refresh();
    // The form's window now draws at `to` DPI instead of `from`: the control's position
    // and size follow (its font follows through FollowDpi, control/fonts.h).
    void followDpi(UINT from, UINT to);
    // The resolutions of the form's (96 for a control without a form).
    UINT windowDpi() const;
    UINT unitDpi() const;
    // The edges of the form the control keeps its distance to (control/anchor.h). Setting
    // them takes the distances of where the control stands now, as moving or sizing it
    // through moveResize does again.
    const Anchor& anchor() const { return anchor_; }
    void setAnchor(unsigned edges);

    // Whether a kind-specific member applies to this control's kind (the property table);
    // when it does not, the "Bad property" box is shown while diagnostics are on.
    bool memberApplies(KindSet kinds, const wchar_t* member) const;

    // Lifetime: the form's collection and the control keep each other; see form.cpp.
    void countDropped(ULONG refs);
    void forgetParent();

    // State of the font, list and progress-bar members (fonts.cpp, list_ops.cpp,
    // progress.cpp).
    UniqueFont& ownFont() { return font_; }
    SharedFont& sharedFont() { return sharedFont_; }  // the default font it was given, held
    long maxProgress() const { return maxProgress_; }
    void setMaxProgress(long value) { maxProgress_ = value; }
    bool customPainted() const { return customPainted_; }
    void setCustomPainted(bool on) { customPainted_ = on; }
    ItemWidths& itemWidths() { return itemWidths_; }
    // What a screen reader announces and the tooltip shows (accessible.h, tool_tips.h);
    // empty: the system's own name, no tooltip.
    std::wstring& accessibleName() { return accessibleName_; }
    std::wstring& toolTip() { return toolTip_; }

    Control() = default;

private:
    ~Control() override = default;

    POINT pixelPosition() const;
    SIZE pixelSize() const;
    void takeDistances();

    std::wstring name_;
    const KindRecord* record_ = &kUnattached;
    std::wstring imageSource_;
    HWND hwnd_ = nullptr;
    UniqueTheme theme_;
    ControlOwner* form_ = nullptr;
    ComPtr<IDispatch> formRef_;  // keeps the form alive while the control is
    UniqueFont font_;
    SharedFont sharedFont_;
    long maxProgress_ = 0;
    bool customPainted_ = false;
    ItemWidths itemWidths_;
    Anchor anchor_;
    std::wstring accessibleName_;
    std::wstring toolTip_;
    ControlEvents events_;
    EventSource source_{*dispatch(), DIID__clsDefCtrlEvents};
};

// Raises one of the control's events (by its event key), when there
// is a control.
void PostControlEvent(const ComPtr<Control>& c, ControlEvent event);

// The control's window while it is still a window of its living form: the handle of a
// destroyed control may by now name some other window.
HWND LiveWindow(const Control& c);

}  // namespace mv
