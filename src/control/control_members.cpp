// The control's automation surface: one row per member, in the order of the class's
// interface, with its dispatch id and parameters. The control class has no default member.
#include "control/control.h"

#include "form/form.h"

namespace mv {

namespace {

using C = Control;

const Member<C> kRows[] = {
    { L"hwnd", 0x68030020, Kind::Get, {}, NotBuilt<C> },
    { L"name", 0x6803001F, Kind::Get, {}, NotBuilt<C> },
    { L"Visible", 0x6803001E, Kind::Get, {}, NotBuilt<C> },
    { L"Visible", 0x6803001E, Kind::Put, { Req(L"nNewVisible", VT_I4) }, NotBuilt<C> },
    { L"BorderStyle", 0x6803001D, Kind::Get, {}, NotBuilt<C> },
    { L"BorderStyle", 0x6803001D, Kind::Put, { Req(L"nNewBorder", VT_I4) }, NotBuilt<C> },
    { L"Left", 0x6803001C, Kind::Get, {}, NotBuilt<C> },
    { L"Left", 0x6803001C, Kind::Put, { Req(L"nNewLeft", VT_I4) }, NotBuilt<C> },
    { L"Top", 0x6803001B, Kind::Get, {}, NotBuilt<C> },
    { L"Top", 0x6803001B, Kind::Put, { Req(L"nNewTop", VT_I4) }, NotBuilt<C> },
    { L"Height", 0x6803001A, Kind::Get, {}, NotBuilt<C> },
    { L"Height", 0x6803001A, Kind::Put, { Req(L"nNewHeight", VT_I4) }, NotBuilt<C> },
    { L"Width", 0x68030019, Kind::Get, {}, NotBuilt<C> },
    { L"Width", 0x68030019, Kind::Put, { Req(L"nNewWidth", VT_I4) }, NotBuilt<C> },
    { L"Parent", 0x68030018, Kind::Get, {}, NotBuilt<C> },
    { L"OnShow", 0x68030017, Kind::Get, {}, NotBuilt<C> },
    { L"OnShow", 0x68030017, Kind::Put, { Req(L"sNewOnShow", VT_BSTR) }, NotBuilt<C> },
    { L"OnHide", 0x68030016, Kind::Get, {}, NotBuilt<C> },
    { L"OnHide", 0x68030016, Kind::Put, { Req(L"sNewOnHide", VT_BSTR) }, NotBuilt<C> },
    { L"OnClick", 0x68030015, Kind::Get, {}, NotBuilt<C> },
    { L"OnClick", 0x68030015, Kind::Put, { Req(L"sNewOnClick", VT_BSTR) }, NotBuilt<C> },
    { L"OnDoubleClick", 0x68030014, Kind::Get, {}, NotBuilt<C> },
    { L"OnDoubleClick", 0x68030014, Kind::Put, { Req(L"sNewOnDoubleclick", VT_BSTR) }, NotBuilt<C> },
    { L"OnChange", 0x68030013, Kind::Get, {}, NotBuilt<C> },
    { L"OnChange", 0x68030013, Kind::Put, { Req(L"sNewOnChange", VT_BSTR) }, NotBuilt<C> },
    { L"OnGotfocus", 0x68030012, Kind::Get, {}, NotBuilt<C> },
    { L"OnGotfocus", 0x68030012, Kind::Put, { Req(L"sNewOnGotfocus", VT_BSTR) }, NotBuilt<C> },
    { L"OnLostfocus", 0x68030011, Kind::Get, {}, NotBuilt<C> },
    { L"OnLostfocus", 0x68030011, Kind::Put, { Req(L"sNewOnLostfocus", VT_BSTR) }, NotBuilt<C> },
    { L"MoveResize", 0x60030021, Kind::Method, { Opt(L"nNewLeft", VT_I4, -1), Opt(L"nNewTop", VT_I4, -1), Opt(L"nNewWidth", VT_I4, -1),
        Opt(L"nNewHeight", VT_I4, -1) }, NotBuilt<C> },
    { L"Refresh", 0x60030022, Kind::Method, {}, NotBuilt<C> },
    { L"FontSize", 0x6803000F, Kind::Get, {}, NotBuilt<C> },
    { L"FontSize", 0x6803000F, Kind::Put, { Req(L"nNewFontSize", VT_I4) }, NotBuilt<C> },
    { L"FontName", 0x6803000E, Kind::Get, {}, NotBuilt<C> },
    { L"FontName", 0x6803000E, Kind::Put, { Req(L"sNewFontName", VT_BSTR) }, NotBuilt<C> },
    { L"FontStyle", 0x6803000D, Kind::Get, {}, NotBuilt<C> },
    { L"FontStyle", 0x6803000D, Kind::Put, { Req(L"sNewFontStyle", VT_BSTR) }, NotBuilt<C> },
    { L"Enable", 0x6803000C, Kind::Get, {}, NotBuilt<C> },
    { L"Enable", 0x6803000C, Kind::Put, { Req(L"nNewEnable", VT_I4) }, NotBuilt<C> },
    { L"Locked", 0x6803000B, Kind::Get, {}, NotBuilt<C> },
    { L"Locked", 0x6803000B, Kind::Put, { Req(L"nNewLocked", VT_I4) }, NotBuilt<C> },
    { L"Caption", 0x6803000A, Kind::Put, { Req(L"sNewCaption", VT_BSTR) }, NotBuilt<C> },
    { L"Caption", 0x6803000A, Kind::Get, {}, NotBuilt<C> },
    { L"TextAlign", 0x68030009, Kind::Get, {}, NotBuilt<C> },
    { L"TextAlign", 0x68030009, Kind::Put, { Req(L"nNewTextAlign", VT_I4) }, NotBuilt<C> },
    { L"PasswordStyle", 0x68030008, Kind::Get, {}, NotBuilt<C> },
    { L"PasswordStyle", 0x68030008, Kind::Put, { Req(L"nNewPasswordStyle", VT_I4) }, NotBuilt<C> },
    { L"Value", 0x68030007, Kind::Put, { Req(L"nNewValue", VT_I4) }, NotBuilt<C> },
    { L"Value", 0x68030007, Kind::Get, {}, NotBuilt<C> },
    { L"Text", 0x68030006, Kind::Put, { Req(L"sNewText", VT_BSTR) }, NotBuilt<C> },
    { L"Text", 0x68030006, Kind::Get, {}, NotBuilt<C> },
    { L"SetFocus", 0x60030027, Kind::Method, {}, NotBuilt<C> },
    { L"SetAsDefault", 0x60030028, Kind::Method, {}, NotBuilt<C> },
    { L"ListIndex", 0x68030005, Kind::Put, { Req(L"nNewListIndex", VT_I4) }, NotBuilt<C> },
    { L"ListIndex", 0x68030005, Kind::Get, {}, NotBuilt<C> },
    { L"Count", 0x68030004, Kind::Get, {}, NotBuilt<C> },
    { L"Clear", 0x6003002A, Kind::Method, {}, NotBuilt<C> },
    { L"Item", 0x6003002B, Kind::Method, { Req(L"nItemIndex", VT_I4) }, NotBuilt<C> },
    { L"AddItem", 0x6003002C, Kind::Method, { Req(L"sNewItemToAdd", VT_BSTR) }, NotBuilt<C> },
    { L"RemoveItem", 0x6003002D, Kind::Method, { Req(L"nItemIndex", VT_I4) }, NotBuilt<C> },
    { L"AutoSort", 0x68030003, Kind::Put, { Req(L"nNewAutoSort", VT_I4) }, NotBuilt<C> },
    { L"AutoSort", 0x68030003, Kind::Get, {}, NotBuilt<C> },
    { L"MaxProgress", 0x68030002, Kind::Put, { Req(L"nNewMaxProgress", VT_I4) }, NotBuilt<C> },
    { L"MaxProgress", 0x68030002, Kind::Get, {}, NotBuilt<C> },
    { L"CurrentProgress", 0x68030001, Kind::Put, { Req(L"nNewCurrentProgress", VT_I4) }, NotBuilt<C> },
    { L"CurrentProgress", 0x68030001, Kind::Get, {}, NotBuilt<C> },
    { L"ProgressBarStyle", 0x68030000, Kind::Put, { Req(L"nNewProgressBarStyle", VT_I4) }, NotBuilt<C> },
    { L"ProgressBarStyle", 0x68030000, Kind::Get, {}, NotBuilt<C> },
};

const DispatchTable<C> kTable(kRows);

}  // namespace

const DispatchTable<Control>& Control::members() { return kTable; }

}  // namespace mv
