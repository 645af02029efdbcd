// Control creation. Every control is a child window of a system class on the form window,
// created without WS_VISIBLE and shown once it is subclassed and marked:
//
//   kind  add method      class               style                             ex style
//   0     AddCmdButton    BUTTON              WS_TABSTOP [+ BS_MULTILINE]       0
//   1     AddLabel        Static              alignment + SS_NOPREFIX           WS_EX_TRANSPARENT
//   2     AddTextbox      EDIT                alignment + 0x100C0 [+ 0x300004]  WS_EX_CLIENTEDGE
//   3     AddComboBox     ComboBox            0x310343                          WS_EX_CLIENTEDGE
//   4     AddListBox      LISTBOX             0x310003                          WS_EX_CLIENTEDGE
//   5     AddProgressBar  msctls_progress32   PBS_SMOOTH                        0
//   6     AddFrame        BUTTON              BS_GROUPBOX                       0
//   7     AddImage        Static              SS_BITMAP                         WS_EX_TRANSPARENT
//   8     AddOptionBox    BUTTON              BS_AUTORADIOBUTTON [+ BS_LEFTTEXT] 0
//   9     AddCheckBox     BUTTON              BS_AUTOCHECKBOX [+ BS_LEFTTEXT]   0
//
// The class comes from the property table's row 0 for the kind. No control has WS_GROUP,
// so all option boxes of a form are one group.
#include "form/add_controls.h"

#include <commctrl.h>

#include "com/module.h"
#include "control/control.h"
#include "core/diagnostics.h"
#include "core/property_table.h"
#include "core/text.h"
#include "form/form.h"
#include "window/ctrl_wndproc.h"
#include "window/message_pass.h"
#include "window/style_bits.h"
#include "window/window_props.h"

namespace mv {

namespace {

constexpr DWORD kTextBoxStyle = WS_TABSTOP | ES_AUTOHSCROLL | ES_AUTOVSCROLL;     // 0x100C0
constexpr DWORD kTextBoxMultiLine = ES_MULTILINE | WS_HSCROLL | WS_VSCROLL;      // 0x300004
constexpr DWORD kComboStyle = CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | CBS_SORT | CBS_HASSTRINGS |
                              WS_TABSTOP | WS_HSCROLL | WS_VSCROLL;              // 0x310343
constexpr DWORD kListStyle = LBS_NOTIFY | LBS_SORT | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL;  // 0x310003
constexpr DWORD kProgressSmooth = 0x1;                                           // PBS_SMOOTH

// A combo box is created with 254 blanks as its window text (followed by the NUL that
// ends every window text).
const std::string kComboText(254, ' ');

DWORD IfSet(long flag, DWORD bits) { return flag != 0 ? bits : 0; }

ComPtr<Control> Fail(const std::wstring& name) {
    ShowError(L"Error in adding object " + name, L"Addcontrol method");
    return {};
}

// Sets a property of the new control by name, as a script would; a property that the
// control does not offer yet (E_NOTIMPL) leaves the control as it was created.
void PutLateBound(Control& control, const wchar_t* property, VARIANT value) {
    IDispatch* d = control.dispatch();
    LPOLESTR name = const_cast<LPOLESTR>(property);
    DISPID id = 0;
    if (FAILED(d->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id))) return;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
}

// The arguments every add method shares: the name first, the geometry from `at` on.
ControlSpec Spec(const Args& a, long kind, std::string text, size_t at, DWORD style, DWORD exStyle) {
    return {kind, a.text(0), std::move(text), a.lng(at), a.lng(at + 1), a.lng(at + 2), a.lng(at + 3),
            std::wstring(), style, exStyle};
}

HRESULT Answer(Result& r, const ComPtr<Control>& c) {
    r.setObject(c ? c->dispatch() : nullptr);
    return S_OK;
}

}  // namespace

ComPtr<Control> Addcontrol(Form& form, const ControlSpec& s) {
    ComPtr<Form> keep(&form);  // the message pass below may drop the script's references
    if (form.controls().byKey(s.name)) return {};

    const wchar_t* windowClass = KindWindowClass(s.kind);
    if (!windowClass) return Fail(s.name);  // a kind outside the table
    HWND hwnd = CreateWindowExA(s.exStyle, toAnsi(windowClass).c_str(), s.text.c_str(), s.style | WS_CHILD,
                                s.left, s.top, s.width, s.height, form.hwnd(), nullptr, ModuleInstance(),
                                nullptr);
    if (reinterpret_cast<LONG_PTR>(hwnd) <= 0) return {};

    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)), 1);
    const LONG_PTR oldProc = GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    DoEvents();  // reading the class's procedure comes with a message pass
    // The pass may have destroyed the form, and this window with it: then there is
    // nothing to attach an object to, as when the window could not be created.
    if (!IsWindow(hwnd)) return {};
    SetWindowValue(hwnd, prop::kOldProc, oldProc);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CtrlWndProc));
    // The kind goes on the window first: the control object reads it from there.
    SetWindowValue(hwnd, prop::kKind, s.kind);

    ComPtr<Control> control = Control::Create();
    if (FAILED(control->AttachWindow(hwnd))) return Fail(s.name);
    control->SetName(s.name);
    control->SetParentForm(&form);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    if (!s.onClick.empty()) control->events().click = s.onClick;
    if (!form.controls().add(s.name, control->dispatch())) return Fail(s.name);
    SetWindowValue(hwnd, prop::kPosition, static_cast<LONG_PTR>(form.controls().count()));
    if (s.kind == kListBox) SendMessageA(hwnd, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(s.width), 0);
    return control;
}

HRESULT AddCmdButton(Form& f, const Args& a, Result& r) {
    ControlSpec s = Spec(a, kCmdButton, a.ansi(1), 2, WS_TABSTOP | IfSet(a.lng(7), BS_MULTILINE), 0);
    s.onClick = a.text(6);
    return Answer(r, Addcontrol(f, s));
}

HRESULT AddLabel(Form& f, const Args& a, Result& r) {
    return Answer(r, Addcontrol(f, Spec(a, kLabel, a.ansi(1), 2, static_cast<DWORD>(FoldAlignment(a.lng(6))) | SS_NOPREFIX,
                                        WS_EX_TRANSPARENT)));
}

HRESULT AddTextbox(Form& f, const Args& a, Result& r) {
    DWORD style = static_cast<DWORD>(FoldAlignment(a.lng(7))) | kTextBoxStyle | IfSet(a.lng(8), kTextBoxMultiLine);
    ControlSpec s = Spec(a, kTextBox, a.ansi(1), 2, style, WS_EX_CLIENTEDGE);
    s.onClick = a.text(6);
    return Answer(r, Addcontrol(f, s));
}

HRESULT AddComboBox(Form& f, const Args& a, Result& r) {
    ControlSpec s = Spec(a, kComboBox, kComboText, 1, kComboStyle, WS_EX_CLIENTEDGE);
    s.onClick = a.text(5);
    return Answer(r, Addcontrol(f, s));
}

HRESULT AddListBox(Form& f, const Args& a, Result& r) {
    ControlSpec s = Spec(a, kListBox, std::string(), 1, kListStyle, WS_EX_CLIENTEDGE);
    s.onClick = a.text(5);
    return Answer(r, Addcontrol(f, s));
}

HRESULT AddProgressBar(Form& f, const Args& a, Result& r) {
    ComPtr<Control> c = Addcontrol(f, Spec(a, kProgressBar, "PB", 1, kProgressSmooth, 0));
    long style = a.lng(5);
    if (c && style != 1) {
        VARIANT v;
        V_VT(&v) = VT_I4;
        V_I4(&v) = style;
        PutLateBound(*c.get(), L"ProgressBarStyle", v);
    }
    return Answer(r, c);
}

HRESULT AddFrame(Form& f, const Args& a, Result& r) {
    return Answer(r, Addcontrol(f, Spec(a, kFrame, a.ansi(1), 2, BS_GROUPBOX, 0)));
}

HRESULT AddImage(Form& f, const Args& a, Result& r) {
    ComPtr<Control> c = Addcontrol(f, Spec(a, kImage, std::string(), 2, SS_BITMAP, WS_EX_TRANSPARENT));
    if (c) {
        VARIANT v;
        V_VT(&v) = VT_BSTR;
        V_BSTR(&v) = a.bstr(1);  // borrowed for the call
        PutLateBound(*c.get(), L"Caption", v);
    }
    return Answer(r, c);
}

HRESULT AddOptionBox(Form& f, const Args& a, Result& r) {
    ControlSpec s = Spec(a, kOptionBox, a.ansi(1), 2, BS_AUTORADIOBUTTON | IfSet(a.lng(7), BS_LEFTTEXT), 0);
    s.onClick = a.text(6);
    return Answer(r, Addcontrol(f, s));
}

HRESULT AddCheckBox(Form& f, const Args& a, Result& r) {
    ControlSpec s = Spec(a, kCheckBox, a.ansi(1), 2, BS_AUTOCHECKBOX | IfSet(a.lng(7), BS_LEFTTEXT), 0);
    s.onClick = a.text(6);
    return Answer(r, Addcontrol(f, s));
}

}  // namespace mv
