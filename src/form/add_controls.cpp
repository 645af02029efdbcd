// Control creation. Every control is a child window of a system class on the form window,
// created without WS_VISIBLE and shown once it is subclassed and marked. The add methods
// differ only in their kind's record (control/kind_records.h).
#include "form/add_controls.h"

#include <uxtheme.h>

#include "control/control.h"
#include "control/default_font.h"
#include "control/kind_records.h"
#include "core/diagnostics.h"
#include "core/dpi.h"
#include "core/visual_styles.h"
#include "form/form.h"
#include "form/ctrl_wndproc.h"
#include "form/option_groups.h"
#include "form/shortcut_keys.h"
#include "window/message_pass.h"
#include "window/style_bits.h"
#include "window/subclass_record.h"
#include "window/window_range.h"
#include "window/window_props.h"
#include "window/window_text.h"

namespace mv {

namespace {

// An argument of the add method, by its parameter name; null names none and reads as 0.
long Number(const Args& a, const wchar_t* param) { return param ? a.lng(a.indexOf(param)) : 0; }

// The creation arguments of a kind from the add method's arguments.
ControlSpec SpecOf(const KindRecord& k, const Args& a) {
    DWORD style = k.style;
    if (k.alignment) style |= static_cast<DWORD>(FoldAlignment(Number(a, k.alignment)));
    if (Number(a, k.option.param) != 0) style |= k.option.bits;
    std::wstring text = k.text.param ? a.text(a.indexOf(k.text.param)) : std::wstring(k.text.fixed);
    std::wstring onClick = k.onClick ? a.text(a.indexOf(k.onClick)) : std::wstring();
    return {k.kind, a.text(a.indexOf(AddParam::sCtrlName)), std::move(text),
            Number(a, AddParam::nleft), Number(a, AddParam::nTop), Number(a, AddParam::nWidth), Number(a, AddParam::nHeight),
            std::move(onClick), style, k.exStyle};
}

ComPtr<Control> Fail(const std::wstring& name) {
    ShowError(L"Error in adding object " + name, L"Addcontrol method");
    return {};
}

}  // namespace

ComPtr<Control> Addcontrol(Form& form, const ControlSpec& s) {
    ComPtr<Form> keep(&form);  // the message pass below may drop the script's references
    if (form.controls().byKey(s.name)) return {};

    const KindRecord* record = RecordOf(s.kind);
    if (!record) return Fail(s.name);  // no such kind
    // Created, subclassed and called on through the wide entry points: a Unicode window,
    // whose text and items hold any character. The geometry is in the script's units.
    const UINT dpi = form.unitDpi();
    HWND hwnd = CreateWindowWithText(s.exStyle, record->windowClass, s.text, s.style | WS_CHILD,
                                     UnitsToPixels(s.left, dpi), UnitsToPixels(s.top, dpi),
                                     UnitsToPixels(s.width, dpi), UnitsToPixels(s.height, dpi), form.hwnd());
    if (reinterpret_cast<LONG_PTR>(hwnd) <= 0) return {};
    UniqueWindow made(hwnd);  // a control that fails to be added leaves no window behind

    const bool classic = !VisualStylesOn();
    // The classic look in every host: one whose own manifest asks for the common
    // controls of version 6 gives them to windows created outside the library's context.
    if (classic) SetWindowTheme(hwnd, L"", L"");
    SharedFont font;  // held by the control from its creation
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultControlFont(form.windowDpi(), classic, &font)), 1);
    LONG_PTR oldProc = ReadWindowLong(hwnd, GWLP_WNDPROC);  // runs a message pass
    // The pass may have destroyed the form, and this window with it: then there is
    // nothing to attach an object to, as when the window could not be created.
    if (!IsWindow(hwnd)) {
        made.release();
        return {};
    }
    SetWindowValue(hwnd, prop::kOldProc, oldProc);
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CtrlWndProc));
    SetWindowValue(hwnd, prop::kKind, s.kind);  // for other programs and the window procedures
    RememberSubclass(hwnd, s.kind, reinterpret_cast<WNDPROC>(oldProc));

    ComPtr<Control> control = Control::Create();
    control->AttachWindow(hwnd, *record);
    control->SetName(s.name);
    control->sharedFont() = std::move(font);
    control->SetParentForm(&form);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    if (!s.onClick.empty()) control->events()[ControlEvent::OnClick] = s.onClick;
    if (!form.controls().add(s.name, control->dispatch())) return Fail(s.name);
    const long position = static_cast<long>(form.controls().count());
    SetWindowValue(hwnd, prop::kPosition, position);
    RememberPosition(hwnd, position);
    MarkOptionGroup(hwnd);
    FollowDialogKeys(hwnd);
    made.release();
    return control;
}

HRESULT AddControlOfKind(Form& f, ControlKind kind, const Args& a, Result& r) {
    const KindRecord* k = RecordOf(kind);
    if (!k) RETURN_HR(E_INVALIDARG);
    ComPtr<Control> c = Addcontrol(f, SpecOf(*k, a));
    if (c && k->afterwards) k->afterwards(*c.get(), a);
    r.setObject(c ? c->dispatch() : nullptr);
    return S_OK;
}

}  // namespace mv
