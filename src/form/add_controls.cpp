// Control creation. Every control is a child window of a system class on the form window,
// created without WS_VISIBLE and shown once it is subclassed and marked. The add methods
// differ only in their row of the kinds table below.
#include "form/add_controls.h"

#include <commctrl.h>

#include "control/content_props.h"
#include "control/control.h"
#include "control/progress.h"
#include "core/diagnostics.h"
#include "core/property_table.h"
#include "form/form.h"
#include "window/ctrl_wndproc.h"
#include "window/message_pass.h"
#include "window/style_bits.h"
#include "window/subclass_record.h"
#include "window/window_range.h"
#include "window/window_props.h"
#include "window/window_text.h"

namespace mv {

namespace {

constexpr DWORD kTextBoxStyle = WS_TABSTOP | ES_AUTOHSCROLL | ES_AUTOVSCROLL;
constexpr DWORD kTextBoxMultiLine = ES_MULTILINE | WS_HSCROLL | WS_VSCROLL;
// Lists and combos are created sorted: they keep sorting what AddItem gives them with the
// add message whatever AutoSort later says (AddItem appends with the insert message while
// it is 0).
constexpr DWORD kComboStyle = CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | CBS_SORT | CBS_HASSTRINGS |
                              WS_TABSTOP | WS_HSCROLL | WS_VSCROLL;
constexpr DWORD kListStyle = LBS_NOTIFY | LBS_SORT | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL;

// A combo box is created with 254 blanks as its window text (followed by the NUL that
// ends every window text).
const std::wstring kComboText(254, L' ');

// An argument of the add method, by its parameter name; null names none and reads as 0.
long Number(const Args& a, const wchar_t* param) { return param ? a.lng(a.indexOf(param)) : 0; }

// The window text: the add method's argument of that name, or a fixed text.
struct WindowText {
    const wchar_t* param;
    const wchar_t* fixed;
};
constexpr WindowText FromArg(const wchar_t* param) { return {param, nullptr}; }
constexpr WindowText Fixed(const wchar_t* text) { return {nullptr, text}; }

// Style bits added when the argument of that name is not 0.
struct StyleSwitch {
    const wchar_t* param;
    DWORD bits;
};

// What is set on the new control once it exists, as a script would set it.
void ApplyBarStyle(Control& c, const Args& a) {
    long style = Number(a, L"nPBStyle");
    if (style != 1) SetProgressBarStyle(c, style);  // 1 is the smooth style of creation
}

void ApplyPicture(Control& c, const Args& a) {
    content_props::ShowPicture(c, a.text(a.indexOf(L"sImageSource")));
}

// One row per kind: what its add method creates. Arguments are named as the add method's
// parameters; every add method takes sCtrlName first and the geometry nleft, nTop, nWidth
// and nHeight. The window class is the property table's row 0 for the kind. No control has
// WS_GROUP, so all option boxes of a form are one group.
struct KindRow {
    ControlKind kind;
    DWORD style;               // without WS_CHILD, which Addcontrol adds
    DWORD exStyle;
    WindowText text;
    const wchar_t* onClick;    // the argument that becomes OnClick; null: none
    const wchar_t* alignment;  // the argument folded into the alignment bits; null: none
    StyleSwitch option;        // null param: none
    void (*afterwards)(Control&, const Args&);  // null: nothing
};

const KindRow kKinds[] = {
    { kCmdButton,   WS_TABSTOP,         0,                 FromArg(L"sCtrlCaption"), L"sOnclickEvent", nullptr,
      { L"nMultiLine", BS_MULTILINE } },
    { kLabel,       SS_NOPREFIX,        WS_EX_TRANSPARENT, FromArg(L"sCtrlCaption"), nullptr, L"nTextAlignement" },
    { kTextBox,     kTextBoxStyle,      WS_EX_CLIENTEDGE,  FromArg(L"sCtrlCaption"), L"sOnclickEvent", L"nTextAlignement",
      { L"nMultiLine", kTextBoxMultiLine } },
    { kComboBox,    kComboStyle,        WS_EX_CLIENTEDGE,  Fixed(kComboText.c_str()), L"sOnclickEvent" },
    { kListBox,     kListStyle,         WS_EX_CLIENTEDGE,  Fixed(L""), L"sOnclickEvent" },
    { kProgressBar, PBS_SMOOTH,         0,                 Fixed(L"PB"), nullptr, nullptr, {}, ApplyBarStyle },
    { kFrame,       BS_GROUPBOX,        0,                 FromArg(L"sCtrlCaption") },
    { kImage,       SS_BITMAP,          WS_EX_TRANSPARENT, Fixed(L""), nullptr, nullptr, {}, ApplyPicture },
    { kOptionBox,   BS_AUTORADIOBUTTON, 0,                 FromArg(L"sCtrlCaption"), L"sOnclickEvent", nullptr,
      { L"nTextOnLeft", BS_LEFTTEXT } },
    { kCheckBox,    BS_AUTOCHECKBOX,    0,                 FromArg(L"sCtrlCaption"), L"sOnclickEvent", nullptr,
      { L"nTextOnLeft", BS_LEFTTEXT } },
};

const KindRow* RowOf(ControlKind kind) {
    for (const KindRow& k : kKinds)
        if (k.kind == kind) return &k;
    return nullptr;
}

// The creation arguments of a kind from the add method's arguments.
ControlSpec SpecOf(const KindRow& k, const Args& a) {
    DWORD style = k.style;
    if (k.alignment) style |= static_cast<DWORD>(FoldAlignment(Number(a, k.alignment)));
    if (Number(a, k.option.param) != 0) style |= k.option.bits;
    std::wstring text = k.text.param ? a.text(a.indexOf(k.text.param)) : std::wstring(k.text.fixed);
    std::wstring onClick = k.onClick ? a.text(a.indexOf(k.onClick)) : std::wstring();
    return {k.kind, a.text(a.indexOf(L"sCtrlName")), std::move(text),
            Number(a, L"nleft"), Number(a, L"nTop"), Number(a, L"nWidth"), Number(a, L"nHeight"),
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

    const wchar_t* windowClass = KindWindowClass(s.kind);
    if (!windowClass) return Fail(s.name);  // a kind outside the table
    // Created, subclassed and called on through the wide entry points: a Unicode window,
    // whose text and items hold any character.
    HWND hwnd = CreateWindowWithText(s.exStyle, windowClass, s.text, s.style | WS_CHILD, s.left, s.top, s.width,
                                     s.height, form.hwnd());
    if (reinterpret_cast<LONG_PTR>(hwnd) <= 0) return {};

    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)), 1);
    LONG_PTR oldProc = ReadWindowLong(hwnd, GWLP_WNDPROC);  // runs a message pass
    // The pass may have destroyed the form, and this window with it: then there is
    // nothing to attach an object to, as when the window could not be created.
    if (!IsWindow(hwnd)) return {};
    SetWindowValue(hwnd, prop::kOldProc, oldProc);
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CtrlWndProc));
    // The kind goes on the window first: the control object reads it from there.
    SetWindowValue(hwnd, prop::kKind, s.kind);
    RememberSubclass(hwnd, s.kind, reinterpret_cast<WNDPROC>(oldProc));

    ComPtr<Control> control = Control::Create();
    if (FAILED(control->AttachWindow(hwnd))) return Fail(s.name);
    control->SetName(s.name);
    control->SetParentForm(&form);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    if (!s.onClick.empty()) control->events().click = s.onClick;
    if (!form.controls().add(s.name, control->dispatch())) return Fail(s.name);
    SetWindowValue(hwnd, prop::kPosition, static_cast<LONG_PTR>(form.controls().count()));
    if (s.kind == kListBox) SendMessageW(hwnd, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(WindowSize(s.width)), 0);
    return control;
}

HRESULT AddControlOfKind(Form& f, ControlKind kind, const Args& a, Result& r) {
    const KindRow* k = RowOf(kind);
    if (!k) return E_INVALIDARG;
    ComPtr<Control> c = Addcontrol(f, SpecOf(*k, a));
    if (c && k->afterwards) k->afterwards(*c.get(), a);
    r.setObject(c ? c->dispatch() : nullptr);
    return S_OK;
}

}  // namespace mv
