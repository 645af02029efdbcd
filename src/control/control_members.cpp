// The control's automation surface: one row per member, in the order of the class's
// interface, with its dispatch id and parameters. The control class has no default member.
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

const Member<C> kRows[] = {
    { L"hwnd", 0x68030020, Kind::Get, {}, GetWindowHandle<C> },
    { L"name", 0x6803001F, Kind::Get, {},
      [](C& c, const Args&, Result& r) { r.setText(c.name()); return S_OK; } },
    { L"Visible", 0x6803001E, Kind::Get, {},
      [](C& c, const Args&, Result& r) { r.setLong(c.visible()); return S_OK; } },
    { L"Visible", 0x6803001E, Kind::Put, { Req(L"nNewVisible", VT_I4) },
      [](C& c, const Args& a, Result&) { c.setVisible(a.lng(0)); return S_OK; } },
    { L"BorderStyle", 0x6803001D, Kind::Get, {},
      [](C& c, const Args&, Result& r) { r.setLong(c.borderStyle()); return S_OK; } },
    { L"BorderStyle", 0x6803001D, Kind::Put, { Req(L"nNewBorder", VT_I4) },
      [](C& c, const Args& a, Result&) { c.setBorderStyle(a.lng(0)); return S_OK; } },
    { L"Left", 0x6803001C, Kind::Get, {}, GetLeft },
    { L"Left", 0x6803001C, Kind::Put, { Req(L"nNewLeft", VT_I4) }, PutGeometry<0> },
    { L"Top", 0x6803001B, Kind::Get, {}, GetTop },
    { L"Top", 0x6803001B, Kind::Put, { Req(L"nNewTop", VT_I4) }, PutGeometry<1> },
    { L"Height", 0x6803001A, Kind::Get, {}, GetHeight },
    { L"Height", 0x6803001A, Kind::Put, { Req(L"nNewHeight", VT_I4) }, PutGeometry<3> },
    { L"Width", 0x68030019, Kind::Get, {}, GetWidth },
    { L"Width", 0x68030019, Kind::Put, { Req(L"nNewWidth", VT_I4) }, PutGeometry<2> },
    { L"Parent", 0x68030018, Kind::Get, {},
      [](C& c, const Args&, Result& r) { r.setObject(c.form() ? c.form()->dispatch() : nullptr); return S_OK; } },
    { L"OnShow", 0x68030017, Kind::Get, {}, GetEventString<C, &ControlEvents::show> },
    { L"OnShow", 0x68030017, Kind::Put, { Req(L"sNewOnShow", VT_BSTR) }, PutEventString<C, &ControlEvents::show> },
    { L"OnHide", 0x68030016, Kind::Get, {}, GetEventString<C, &ControlEvents::hide> },
    { L"OnHide", 0x68030016, Kind::Put, { Req(L"sNewOnHide", VT_BSTR) }, PutEventString<C, &ControlEvents::hide> },
    { L"OnClick", 0x68030015, Kind::Get, {}, GetEventString<C, &ControlEvents::click> },
    { L"OnClick", 0x68030015, Kind::Put, { Req(L"sNewOnClick", VT_BSTR) }, PutEventString<C, &ControlEvents::click> },
    { L"OnDoubleClick", 0x68030014, Kind::Get, {}, GetEventString<C, &ControlEvents::doubleClick> },
    { L"OnDoubleClick", 0x68030014, Kind::Put, { Req(L"sNewOnDoubleclick", VT_BSTR) },
      PutEventString<C, &ControlEvents::doubleClick> },
    { L"OnChange", 0x68030013, Kind::Get, {}, GetEventString<C, &ControlEvents::change> },
    { L"OnChange", 0x68030013, Kind::Put, { Req(L"sNewOnChange", VT_BSTR) },
      PutEventString<C, &ControlEvents::change> },
    { L"OnGotfocus", 0x68030012, Kind::Get, {}, GetEventString<C, &ControlEvents::gotFocus> },
    { L"OnGotfocus", 0x68030012, Kind::Put, { Req(L"sNewOnGotfocus", VT_BSTR) },
      PutEventString<C, &ControlEvents::gotFocus> },
    { L"OnLostfocus", 0x68030011, Kind::Get, {}, GetEventString<C, &ControlEvents::lostFocus> },
    { L"OnLostfocus", 0x68030011, Kind::Put, { Req(L"sNewOnLostfocus", VT_BSTR) },
      PutEventString<C, &ControlEvents::lostFocus> },
    { L"MoveResize", 0x60030021, Kind::Method, { Opt(L"nNewLeft", VT_I4, -1), Opt(L"nNewTop", VT_I4, -1), Opt(L"nNewWidth", VT_I4, -1),
        Opt(L"nNewHeight", VT_I4, -1) },
      [](C& c, const Args& a, Result&) { return c.moveResize(a.lng(0), a.lng(1), a.lng(2), a.lng(3)); } },
    { L"Refresh", 0x60030022, Kind::Method, {},
      [](C& c, const Args&, Result&) { c.refresh(); return S_OK; } },
    { L"FontSize", 0x6803000F, Kind::Get, {}, ctl::GetFontSize },
    { L"FontSize", 0x6803000F, Kind::Put, { Req(L"nNewFontSize", VT_I4) }, ctl::PutFontSize },
    { L"FontName", 0x6803000E, Kind::Get, {}, ctl::GetFontName },
    { L"FontName", 0x6803000E, Kind::Put, { Req(L"sNewFontName", VT_BSTR) }, ctl::PutFontName },
    { L"FontStyle", 0x6803000D, Kind::Get, {}, ctl::GetFontStyle },
    { L"FontStyle", 0x6803000D, Kind::Put, { Req(L"sNewFontStyle", VT_BSTR) }, ctl::PutFontStyle },
    { L"Enable", 0x6803000C, Kind::Get, {}, content_props::GetEnable },
    { L"Enable", 0x6803000C, Kind::Put, { Req(L"nNewEnable", VT_I4) }, content_props::PutEnable },
    { L"Locked", 0x6803000B, Kind::Get, {}, content_props::GetLocked },
    { L"Locked", 0x6803000B, Kind::Put, { Req(L"nNewLocked", VT_I4) }, content_props::PutLocked },
    { L"Caption", 0x6803000A, Kind::Put, { Req(L"sNewCaption", VT_BSTR) }, content_props::PutCaption },
    { L"Caption", 0x6803000A, Kind::Get, {}, content_props::GetCaption },
    { L"TextAlign", 0x68030009, Kind::Get, {}, content_props::GetTextAlign },
    { L"TextAlign", 0x68030009, Kind::Put, { Req(L"nNewTextAlign", VT_I4) }, content_props::PutTextAlign },
    { L"PasswordStyle", 0x68030008, Kind::Get, {}, content_props::GetPasswordStyle },
    { L"PasswordStyle", 0x68030008, Kind::Put, { Req(L"nNewPasswordStyle", VT_I4) }, content_props::PutPasswordStyle },
    { L"Value", 0x68030007, Kind::Put, { Req(L"nNewValue", VT_I4) }, content_props::PutValue },
    { L"Value", 0x68030007, Kind::Get, {}, content_props::GetValue },
    { L"Text", 0x68030006, Kind::Put, { Req(L"sNewText", VT_BSTR) }, content_props::PutText },
    { L"Text", 0x68030006, Kind::Get, {}, content_props::GetText },
    { L"SetFocus", 0x60030027, Kind::Method, {}, content_props::SetFocus },
    { L"SetAsDefault", 0x60030028, Kind::Method, {}, content_props::SetAsDefault },
    { L"ListIndex", 0x68030005, Kind::Put, { Req(L"nNewListIndex", VT_I4) }, ctl::PutListIndex },
    { L"ListIndex", 0x68030005, Kind::Get, {}, ctl::GetListIndex },
    { L"Count", 0x68030004, Kind::Get, {}, ctl::GetCount },
    { L"Clear", 0x6003002A, Kind::Method, {}, ctl::Clear },
    { L"Item", 0x6003002B, Kind::Method, { Req(L"nItemIndex", VT_I4) }, ctl::Item },
    { L"AddItem", 0x6003002C, Kind::Method, { Req(L"sNewItemToAdd", VT_BSTR) }, ctl::AddItem },
    { L"RemoveItem", 0x6003002D, Kind::Method, { Req(L"nItemIndex", VT_I4) }, ctl::RemoveItem },
    { L"AutoSort", 0x68030003, Kind::Put, { Req(L"nNewAutoSort", VT_I4) }, ctl::PutAutoSort },
    { L"AutoSort", 0x68030003, Kind::Get, {}, ctl::GetAutoSort },
    { L"MaxProgress", 0x68030002, Kind::Put, { Req(L"nNewMaxProgress", VT_I4) }, ctl::PutMaxProgress },
    { L"MaxProgress", 0x68030002, Kind::Get, {}, ctl::GetMaxProgress },
    { L"CurrentProgress", 0x68030001, Kind::Put, { Req(L"nNewCurrentProgress", VT_I4) }, ctl::PutCurrentProgress },
    { L"CurrentProgress", 0x68030001, Kind::Get, {}, ctl::GetCurrentProgress },
    { L"ProgressBarStyle", 0x68030000, Kind::Put, { Req(L"nNewProgressBarStyle", VT_I4) }, ctl::PutProgressBarStyle },
    { L"ProgressBarStyle", 0x68030000, Kind::Get, {}, ctl::GetProgressBarStyle },
};

const DispatchTable<C> kTable(kRows);

}  // namespace

const DispatchTable<Control>& Control::members() { return kTable; }

}  // namespace mv
