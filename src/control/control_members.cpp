// The control's automation surface: one row per member, in the order of the class's
// interface, with its dispatch id, parameters and help. Rows marked ForKinds are the
// kind-specific members of the property-applicability table: the dispatcher checks them
// with the row's name before the handler runs. The control class has no default member.
#include "control/control.h"

#include "control/content_props.h"
#include "control/fonts.h"
#include "control/list_ops.h"
#include "control/progress.h"
#include "form/form.h"

namespace mv {

namespace {

using C = Control;

HRESULT GetLeft(C& c, const Args&, Result& r) { r.setLong(c.position().x); return S_OK; }
HRESULT GetTop(C& c, const Args&, Result& r) { r.setLong(c.position().y); return S_OK; }

HRESULT GetWidth(C& c, const Args&, Result& r) {
    long w = 0, h = 0;
    RETURN_IF_FAILED(c.size(&w, &h));
    r.setLong(w);
    return S_OK;
}

HRESULT GetHeight(C& c, const Args&, Result& r) {
    long w = 0, h = 0;
    RETURN_IF_FAILED(c.size(&w, &h));
    r.setLong(h);
    return S_OK;
}

// Left, Top, Width and Height set one value of MoveResize and leave the others (-1).
template <int Slot>
HRESULT PutGeometry(C& c, const Args& a, Result&) {
    long v[4] = {-1, -1, -1, -1};
    v[Slot] = a.lng(0);
    return c.moveResize(v[0], v[1], v[2], v[3]);
}

constexpr Member<C> kRows[] = {
    { L"hwnd", 0x68030020, Kind::Get, {}, GetWindowHandle<C>,
      L"The window handle of the control" },
    { L"name", 0x6803001F, Kind::Get, {},
      [](C& c, const Args&, Result& r) { r.setText(c.name()); return S_OK; },
      L"The name the control was added with" },
    { L"Visible", 0x6803001E, Kind::Get, {},
      [](C& c, const Args&, Result& r) { r.setLong(c.visible()); return S_OK; },
      L"1 when the control is shown, 0 when it is hidden" },
    { L"Visible", 0x6803001E, Kind::Put, { Req(L"nNewVisible", VT_I4) },
      [](C& c, const Args& a, Result&) { c.setVisible(a.lng(0)); return S_OK; },
      L"1 when the control is shown, 0 when it is hidden" },
    { L"BorderStyle", 0x6803001D, Kind::Get, {},
      [](C& c, const Args&, Result& r) { r.setLong(c.borderStyle()); return S_OK; },
      L"0 no border, 1 a thin line, 2 a sunken edge (read back as 10, or 11 with the line)" },
    { L"BorderStyle", 0x6803001D, Kind::Put, { Req(L"nNewBorder", VT_I4) },
      [](C& c, const Args& a, Result&) { c.setBorderStyle(a.lng(0)); return S_OK; },
      L"0 no border, 1 a thin line, 2 a sunken edge (read back as 10, or 11 with the line)" },
    { L"Left", 0x6803001C, Kind::Get, {}, GetLeft,
      L"The left edge of the control inside its form, in pixels" },
    { L"Left", 0x6803001C, Kind::Put, { Req(L"nNewLeft", VT_I4) }, PutGeometry<0>,
      L"The left edge of the control inside its form, in pixels" },
    { L"Top", 0x6803001B, Kind::Get, {}, GetTop,
      L"The top edge of the control inside its form, in pixels" },
    { L"Top", 0x6803001B, Kind::Put, { Req(L"nNewTop", VT_I4) }, PutGeometry<1>,
      L"The top edge of the control inside its form, in pixels" },
    { L"Height", 0x6803001A, Kind::Get, {}, GetHeight,
      L"The height of the control in pixels" },
    { L"Height", 0x6803001A, Kind::Put, { Req(L"nNewHeight", VT_I4) }, PutGeometry<3>,
      L"The height of the control in pixels" },
    { L"Width", 0x68030019, Kind::Get, {}, GetWidth,
      L"The width of the control in pixels" },
    { L"Width", 0x68030019, Kind::Put, { Req(L"nNewWidth", VT_I4) }, PutGeometry<2>,
      L"The width of the control in pixels" },
    { L"Parent", 0x68030018, Kind::Get, {},
      [](C& c, const Args&, Result& r) { r.setObject(c.form() ? c.form()->dispatch() : nullptr); return S_OK; },
      L"The form the control belongs to" },
    { L"OnShow", 0x68030017, Kind::Get, {}, GetEventString<C, &ControlEvents::show>,
      L"Script code that LastEvent returns when the control is shown" },
    { L"OnShow", 0x68030017, Kind::Put, { Req(L"sNewOnShow", VT_BSTR) }, PutEventString<C, &ControlEvents::show>,
      L"Script code that LastEvent returns when the control is shown" },
    { L"OnHide", 0x68030016, Kind::Get, {}, GetEventString<C, &ControlEvents::hide>,
      L"Script code that LastEvent returns when the control is hidden" },
    { L"OnHide", 0x68030016, Kind::Put, { Req(L"sNewOnHide", VT_BSTR) }, PutEventString<C, &ControlEvents::hide>,
      L"Script code that LastEvent returns when the control is hidden" },
    { L"OnClick", 0x68030015, Kind::Get, {}, GetEventString<C, &ControlEvents::click>,
      L"Script code that LastEvent returns when the control is clicked" },
    { L"OnClick", 0x68030015, Kind::Put, { Req(L"sNewOnClick", VT_BSTR) }, PutEventString<C, &ControlEvents::click>,
      L"Script code that LastEvent returns when the control is clicked" },
    { L"OnDoubleClick", 0x68030014, Kind::Get, {}, GetEventString<C, &ControlEvents::doubleClick>,
      L"Script code that LastEvent returns when the control is double-clicked" },
    { L"OnDoubleClick", 0x68030014, Kind::Put, { Req(L"sNewOnDoubleclick", VT_BSTR) },
      PutEventString<C, &ControlEvents::doubleClick>,
      L"Script code that LastEvent returns when the control is double-clicked" },
    { L"OnChange", 0x68030013, Kind::Get, {}, GetEventString<C, &ControlEvents::change>,
      L"Script code that LastEvent returns when another item of a list or combo box is selected" },
    { L"OnChange", 0x68030013, Kind::Put, { Req(L"sNewOnChange", VT_BSTR) },
      PutEventString<C, &ControlEvents::change>,
      L"Script code that LastEvent returns when another item of a list or combo box is selected" },
    { L"OnGotfocus", 0x68030012, Kind::Get, {}, GetEventString<C, &ControlEvents::gotFocus>,
      L"Script code that LastEvent returns when the control gets the keyboard focus" },
    { L"OnGotfocus", 0x68030012, Kind::Put, { Req(L"sNewOnGotfocus", VT_BSTR) },
      PutEventString<C, &ControlEvents::gotFocus>,
      L"Script code that LastEvent returns when the control gets the keyboard focus" },
    { L"OnLostfocus", 0x68030011, Kind::Get, {}, GetEventString<C, &ControlEvents::lostFocus>,
      L"Script code that LastEvent returns when the control loses the keyboard focus" },
    { L"OnLostfocus", 0x68030011, Kind::Put, { Req(L"sNewOnLostfocus", VT_BSTR) },
      PutEventString<C, &ControlEvents::lostFocus>,
      L"Script code that LastEvent returns when the control loses the keyboard focus" },
    { L"MoveResize", 0x60030021, Kind::Method,
      { Opt(L"nNewLeft", VT_I4, -1), Opt(L"nNewTop", VT_I4, -1), Opt(L"nNewWidth", VT_I4, -1),
        Opt(L"nNewHeight", VT_I4, -1) },
      [](C& c, const Args& a, Result&) { return c.moveResize(a.lng(0), a.lng(1), a.lng(2), a.lng(3)); },
      L"Moves and resizes the control in one step; a negative value keeps what it was" },
    { L"Refresh", 0x60030022, Kind::Method, {},
      [](C& c, const Args&, Result&) { c.refresh(); return S_OK; },
      L"Redraws the control's frame; an image also draws its picture again" },
    { L"FontSize", 0x6803000F, Kind::Get, {}, ctl::GetFontSize,
      L"The height of the control's font as the system stores it (lfHeight), not in points" },
    { L"FontSize", 0x6803000F, Kind::Put, { Req(L"nNewFontSize", VT_I4) }, ctl::PutFontSize,
      L"The height of the control's font as the system stores it (lfHeight), not in points" },
    { L"FontName", 0x6803000E, Kind::Get, {}, ctl::GetFontName,
      L"The name of the control's font" },
    { L"FontName", 0x6803000E, Kind::Put, { Req(L"sNewFontName", VT_BSTR) }, ctl::PutFontName,
      L"The name of the control's font" },
    { L"FontStyle", 0x6803000D, Kind::Get, {}, ctl::GetFontStyle,
      L"The style letters of the control's font: b bold, i italic, u underlined" },
    { L"FontStyle", 0x6803000D, Kind::Put, { Req(L"sNewFontStyle", VT_BSTR) }, ctl::PutFontStyle,
      L"The style letters of the control's font: b bold, i italic, u underlined" },
    { L"Enable", 0x6803000C, Kind::Get, {}, content_props::GetEnable,
      L"1 when the control takes input, 0 when it is greyed out", ForKinds(VT_I4) },
    { L"Enable", 0x6803000C, Kind::Put, { Req(L"nNewEnable", VT_I4) }, content_props::PutEnable,
      L"1 when the control takes input, 0 when it is greyed out", ForKinds() },
    { L"Locked", 0x6803000B, Kind::Get, {}, content_props::GetLocked,
      L"1 when the user cannot change the text of a text box", ForKinds(VT_I4) },
    { L"Locked", 0x6803000B, Kind::Put, { Req(L"nNewLocked", VT_I4) }, content_props::PutLocked,
      L"1 when the user cannot change the text of a text box", ForKinds() },
    { L"Caption", 0x6803000A, Kind::Put, { Req(L"sNewCaption", VT_BSTR) }, content_props::PutCaption,
      L"The text the control shows; for an image, the path of its picture file", ForKinds() },
    { L"Caption", 0x6803000A, Kind::Get, {}, content_props::GetCaption,
      L"The text the control shows; for an image, the path of its picture file", ForKinds(VT_BSTR) },
    { L"TextAlign", 0x68030009, Kind::Get, {}, content_props::GetTextAlign,
      L"How a label or text box aligns its text: 0 left, 1 centred, 2 right", ForKinds(VT_I4) },
    { L"TextAlign", 0x68030009, Kind::Put, { Req(L"nNewTextAlign", VT_I4) }, content_props::PutTextAlign,
      L"How a label or text box aligns its text: 0 left, 1 centred, 2 right", ForKinds() },
    { L"PasswordStyle", 0x68030008, Kind::Get, {}, content_props::GetPasswordStyle,
      L"1 when a single-line text box shows its text as asterisks", ForKinds(VT_I4) },
    { L"PasswordStyle", 0x68030008, Kind::Put, { Req(L"nNewPasswordStyle", VT_I4) }, content_props::PutPasswordStyle,
      L"1 when a single-line text box shows its text as asterisks", ForKinds() },
    { L"Value", 0x68030007, Kind::Put, { Req(L"nNewValue", VT_I4) }, content_props::PutValue,
      L"The state of an option or check box: 0 cleared, 1 ticked, 2 indeterminate", ForKinds() },
    { L"Value", 0x68030007, Kind::Get, {}, content_props::GetValue,
      L"The state of an option or check box: 0 cleared, 1 ticked, 2 indeterminate", ForKinds(VT_I4) },
    { L"Text", 0x68030006, Kind::Put, { Req(L"sNewText", VT_BSTR) }, content_props::PutText,
      L"The text of a text box, or the selected item of a combo box", ForKinds() },
    { L"Text", 0x68030006, Kind::Get, {}, content_props::GetText,
      L"The text of a text box, or the selected item of a combo box", ForKinds(VT_BSTR) },
    { L"SetFocus", 0x60030027, Kind::Method, {}, content_props::SetFocus,
      L"Gives the keyboard focus to the control", ForKinds() },
    { L"SetAsDefault", 0x60030028, Kind::Method, {}, content_props::SetAsDefault,
      L"Makes this the control that gets the focus when the form is activated", ForKinds() },
    { L"ListIndex", 0x68030005, Kind::Put, { Req(L"nNewListIndex", VT_I4) }, ctl::PutListIndex,
      L"The 0-based index of the selected item of a list or combo box; -1 when none is", ForKinds() },
    { L"ListIndex", 0x68030005, Kind::Get, {}, ctl::GetListIndex,
      L"The 0-based index of the selected item of a list or combo box; -1 when none is", ForKinds(VT_I4) },
    { L"Count", 0x68030004, Kind::Get, {}, ctl::GetCount,
      L"How many items a list or combo box holds", ForKinds(VT_I4) },
    { L"Clear", 0x6003002A, Kind::Method, {}, ctl::Clear,
      L"Removes every item of a list or combo box", ForKinds() },
    { L"Item", 0x6003002B, Kind::Method, { Req(L"nItemIndex", VT_I4) }, ctl::Item,
      L"The text of the item at a 0-based index of a list or combo box", ForKinds(VT_BSTR) },
    { L"AddItem", 0x6003002C, Kind::Method, { Req(L"sNewItemToAdd", VT_BSTR) }, ctl::AddItem,
      L"Adds an item to a list or combo box", ForKinds() },
    { L"RemoveItem", 0x6003002D, Kind::Method, { Req(L"nItemIndex", VT_I4) }, ctl::RemoveItem,
      L"Removes the item at a 0-based index of a list or combo box", ForKinds() },
    { L"AutoSort", 0x68030003, Kind::Put, { Req(L"nNewAutoSort", VT_I4) }, ctl::PutAutoSort,
      L"1 when a list or combo box keeps its items in alphabetical order", ForKinds() },
    { L"AutoSort", 0x68030003, Kind::Get, {}, ctl::GetAutoSort,
      L"1 when a list or combo box keeps its items in alphabetical order", ForKinds(VT_I4) },
    { L"MaxProgress", 0x68030002, Kind::Put, { Req(L"nNewMaxProgress", VT_I4) }, ctl::PutMaxProgress,
      L"The value at which a progress bar is full", ForKinds() },
    { L"MaxProgress", 0x68030002, Kind::Get, {}, ctl::GetMaxProgress,
      L"The value at which a progress bar is full", ForKinds(VT_I4) },
    { L"CurrentProgress", 0x68030001, Kind::Put, { Req(L"nNewCurrentProgress", VT_I4) }, ctl::PutCurrentProgress,
      L"How far a progress bar has come, from 0 to MaxProgress", ForKinds() },
    { L"CurrentProgress", 0x68030001, Kind::Get, {}, ctl::GetCurrentProgress,
      L"How far a progress bar has come, from 0 to MaxProgress", ForKinds(VT_I4) },
    { L"ProgressBarStyle", 0x68030000, Kind::Put, { Req(L"nNewProgressBarStyle", VT_I4) }, ctl::PutProgressBarStyle,
      L"How a progress bar is drawn: 1 by the system, 2 as the library's gradient", ForKinds() },
    { L"ProgressBarStyle", 0x68030000, Kind::Get, {}, ctl::GetProgressBarStyle,
      L"How a progress bar is drawn: 1 by the system, 2 as the library's gradient", ForKinds(VT_I4) },
    { L"SetAsCancel", 0x60040000, Kind::Method, {}, content_props::SetAsCancel,
      L"Makes this command button the one that Escape clicks when the form's DialogKeys is 1", ForKinds() },
};
static_assert(ParamsFitArgs(kRows), "a member has more parameters than Args holds");
static_assert(HelpIsPlainAndShared(kRows), "every member needs one short line of plain help");

const DispatchTable<C> kTable(kRows);

}  // namespace

const DispatchTable<Control>& Control::members() { return kTable; }

}  // namespace mv
