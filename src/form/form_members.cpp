// The form's automation surface: one row per member, in the order of the class's
// interface (get before let), with its dispatch id, parameters and defaults.
#include "form/form.h"

#include "core/desktop.h"
#include "form/add_controls.h"
#include "form/form_services.h"
#include "form/form_shape.h"

namespace mv {

namespace {

using F = Form;

const Member<F> kRows[] = {
    { L"hwnd", 0x68030019, Kind::Get, {}, GetWindowHandle<F> },
    { L"name", 0x68030018, Kind::Get, {},
      [](F& f, const Args&, Result& r) { r.setText(f.name()); return S_OK; } },
    { L"Caption", 0x68030017, Kind::Get, {}, form_shape::GetCaption },
    { L"Caption", 0x68030017, Kind::Put, { Req(L"sNewCaption", VT_BSTR) }, form_shape::PutCaption },
    { L"Visible", 0x68030016, Kind::Get, {},
      [](F& f, const Args&, Result& r) { r.setLong(f.visible()); return S_OK; } },
    { L"Visible", 0x68030016, Kind::Put, { Req(L"nNewVisible", VT_I4) },
      [](F& f, const Args& a, Result&) { f.setVisible(a.lng(0)); return S_OK; } },
    { L"Layered", 0x68030015, Kind::Get, {}, form_shape::GetLayered },
    { L"Layered", 0x68030015, Kind::Put, { Req(L"nNewLayered", VT_I4) }, form_shape::PutLayered },
    { L"WindowState", 0x68030014, Kind::Get, {}, form_shape::GetWindowState },
    { L"WindowState", 0x68030014, Kind::Put, { Req(L"nNewWindowState", VT_I4) }, form_shape::PutWindowState },
    { L"Enable", 0x68030013, Kind::Get, {}, form_shape::GetEnable },
    { L"Enable", 0x68030013, Kind::Put, { Req(L"nNewEnable", VT_I4) }, form_shape::PutEnable },
    { L"Moveable", 0x68030012, Kind::Get, {}, form_shape::GetMoveable },
    { L"Moveable", 0x68030012, Kind::Put, { Req(L"nNewMoveable", VT_I4) }, form_shape::PutMoveable },
    { L"HwndOwner", 0x68030011, Kind::Get, {}, form_shape::GetHwndOwner },
    { L"HwndOwner", 0x68030011, Kind::Put, { Req(L"nNewHwndOwner", VT_I4) }, form_shape::PutHwndOwner },
    { L"MousePointer", 0x68030010, Kind::Get, {}, form_shape::GetMousePointer },
    { L"MousePointer", 0x68030010, Kind::Put, { Req(L"nNewMousePointer", VT_I4) }, form_shape::PutMousePointer },
    { L"ChangeSysMenu", 0x6003001A, Kind::Method,
      { Req(L"nMinEnable", VT_I4), Req(L"nMaxEnable", VT_I4), Req(L"nCloseEnable", VT_I4) }, form_shape::ChangeSysMenu },
    { L"TitleBar", 0x6803000F, Kind::Get, {}, form_shape::GetTitleBar },
    { L"TitleBar", 0x6803000F, Kind::Put, { Req(L"nNewTitleBar", VT_I4) }, form_shape::PutTitleBar },
    { L"ShowInTaskbar", 0x6803000E, Kind::Get, {}, form_shape::GetShowInTaskbar },
    { L"ShowInTaskbar", 0x6803000E, Kind::Put, { Req(L"nNewShowInTaskbar", VT_I4) }, form_shape::PutShowInTaskbar },
    { L"Resizeable", 0x6803000D, Kind::Get, {}, form_shape::GetResizeable },
    { L"Resizeable", 0x6803000D, Kind::Put, { Req(L"nNewResizeable", VT_I4) }, form_shape::PutResizeable },
    { L"TopMost", 0x6803000C, Kind::Get, {}, form_shape::GetTopMost },
    { L"TopMost", 0x6803000C, Kind::Put, { Req(L"nNewTopMost", VT_I4) }, form_shape::PutTopMost },
    { L"Left", 0x6803000B, Kind::Get, {}, form_shape::GetLeft },
    { L"Left", 0x6803000B, Kind::Put, { Req(L"nNewLeft", VT_I4) }, form_shape::PutLeft },
    { L"Top", 0x6803000A, Kind::Get, {}, form_shape::GetTop },
    { L"Top", 0x6803000A, Kind::Put, { Req(L"nNewTop", VT_I4) }, form_shape::PutTop },
    { L"Height", 0x68030009, Kind::Get, {}, form_shape::GetHeight },
    { L"Height", 0x68030009, Kind::Put, { Req(L"nNewHeight", VT_I4) }, form_shape::PutHeight },
    { L"Width", 0x68030008, Kind::Get, {}, form_shape::GetWidth },
    { L"Width", 0x68030008, Kind::Put, { Req(L"nNewWidth", VT_I4) }, form_shape::PutWidth },
    { L"OnShow", 0x68030007, Kind::Get, {}, GetEventString<F, &FormEvents::show> },
    { L"OnShow", 0x68030007, Kind::Put, { Req(L"sNewOnShow", VT_BSTR) }, PutEventString<F, &FormEvents::show> },
    { L"OnHide", 0x68030006, Kind::Get, {}, GetEventString<F, &FormEvents::hide> },
    { L"OnHide", 0x68030006, Kind::Put, { Req(L"sNewOnHide", VT_BSTR) }, PutEventString<F, &FormEvents::hide> },
    { L"OnGotfocus", 0x68030005, Kind::Get, {}, GetEventString<F, &FormEvents::gotFocus> },
    { L"OnGotfocus", 0x68030005, Kind::Put, { Req(L"sNewOnGotfocus", VT_BSTR) }, PutEventString<F, &FormEvents::gotFocus> },
    { L"OnLostfocus", 0x68030004, Kind::Get, {}, GetEventString<F, &FormEvents::lostFocus> },
    { L"OnLostfocus", 0x68030004, Kind::Put, { Req(L"sNewOnLostfocus", VT_BSTR) }, PutEventString<F, &FormEvents::lostFocus> },
    { L"LastEvent", 0x68030003, Kind::Get, {},
      [](F& f, const Args&, Result& r) { r.setText(f.lastEvent()); return S_OK; } },
    { L"Parent", 0x68030002, Kind::Get, {},
      [](F& f, const Args&, Result& r) { r.setObject(f.desktop() ? f.desktop()->dispatch() : nullptr); return S_OK; } },
    { L"NewEnum", 0x68030001, Kind::Get, {},
      [](F& f, const Args&, Result& r) {
          IUnknown* e = nullptr;
          RETURN_IF_FAILED(KeyedCollection::NewEnum(f.controlsShared(), &e));
          r.setUnknown(e);
          e->Release();
          return S_OK;
      } },
    { L"controls", 0x00000000, Kind::Method, { Req(L"vCtrlname", VT_VARIANT) },
      [](F& f, const Args& a, Result& r) { r.setObject(f.controls().lookup(a.var(0))); return S_OK; } },
    { L"Count", 0x68030000, Kind::Get, {},
      [](F& f, const Args&, Result& r) { r.setLong(static_cast<long>(f.controls().count())); return S_OK; } },
    { L"ShowMsgBox", 0x6003001B, Kind::Method,
      { Req(L"sText", VT_BSTR), OptText(L"sCaption", L"Message"), Opt(L"nStyle", VT_I4) }, form_services::ShowMsgBox },
    { L"AddProgressBar", 0x6003001C, Kind::Method,
      { Req(L"sCtrlName", VT_BSTR), Opt(L"nleft", VT_I4), Opt(L"nTop", VT_I4), Opt(L"nWidth", VT_I4),
        Opt(L"nHeight", VT_I4), Opt(L"nPBStyle", VT_I4, 1) }, AddProgressBar },
    { L"AddCmdButton", 0x6003001D, Kind::Method,
      { Req(L"sCtrlName", VT_BSTR), Req(L"sCtrlCaption", VT_BSTR), Opt(L"nleft", VT_I4), Opt(L"nTop", VT_I4),
        Opt(L"nWidth", VT_I4), Opt(L"nHeight", VT_I4), OptText(L"sOnclickEvent"), Opt(L"nMultiLine", VT_I4) },
      AddCmdButton },
    { L"AddLabel", 0x6003001E, Kind::Method,
      { Req(L"sCtrlName", VT_BSTR), Req(L"sCtrlCaption", VT_BSTR), Opt(L"nleft", VT_I4), Opt(L"nTop", VT_I4),
        Opt(L"nWidth", VT_I4), Opt(L"nHeight", VT_I4), Opt(L"nTextAlignement", VT_I4, 0) }, AddLabel },
    { L"AddTextbox", 0x6003001F, Kind::Method,
      { Req(L"sCtrlName", VT_BSTR), Req(L"sCtrlCaption", VT_BSTR), Opt(L"nleft", VT_I4), Opt(L"nTop", VT_I4),
        Opt(L"nWidth", VT_I4), Opt(L"nHeight", VT_I4), OptText(L"sOnclickEvent"),
        Opt(L"nTextAlignement", VT_I4, 0), Opt(L"nMultiLine", VT_I4, 0) }, AddTextbox },
    { L"AddComboBox", 0x60030020, Kind::Method,
      { Req(L"sCtrlName", VT_BSTR), Opt(L"nleft", VT_I4), Opt(L"nTop", VT_I4), Opt(L"nWidth", VT_I4),
        Opt(L"nHeight", VT_I4), OptText(L"sOnclickEvent") }, AddComboBox },
    { L"AddListBox", 0x60030021, Kind::Method,
      { Req(L"sCtrlName", VT_BSTR), Opt(L"nleft", VT_I4), Opt(L"nTop", VT_I4), Opt(L"nWidth", VT_I4),
        Opt(L"nHeight", VT_I4), OptText(L"sOnclickEvent") }, AddListBox },
    { L"AddFrame", 0x60030022, Kind::Method,
      { Req(L"sCtrlName", VT_BSTR), Req(L"sCtrlCaption", VT_BSTR), Opt(L"nleft", VT_I4), Opt(L"nTop", VT_I4),
        Opt(L"nWidth", VT_I4), Opt(L"nHeight", VT_I4) }, AddFrame },
    { L"AddImage", 0x60030023, Kind::Method,
      { Req(L"sCtrlName", VT_BSTR), Req(L"sImageSource", VT_BSTR), Opt(L"nleft", VT_I4), Opt(L"nTop", VT_I4),
        Opt(L"nWidth", VT_I4), Opt(L"nHeight", VT_I4) }, AddImage },
    { L"AddOptionBox", 0x60030024, Kind::Method,
      { Req(L"sCtrlName", VT_BSTR), Req(L"sCtrlCaption", VT_BSTR), Opt(L"nleft", VT_I4), Opt(L"nTop", VT_I4),
        Opt(L"nWidth", VT_I4), Opt(L"nHeight", VT_I4), OptText(L"sOnclickEvent"), Opt(L"nTextOnLeft", VT_I4, 0) },
      AddOptionBox },
    { L"AddCheckBox", 0x60030025, Kind::Method,
      { Req(L"sCtrlName", VT_BSTR), Req(L"sCtrlCaption", VT_BSTR), Opt(L"nleft", VT_I4), Opt(L"nTop", VT_I4),
        Opt(L"nWidth", VT_I4), Opt(L"nHeight", VT_I4), OptText(L"sOnclickEvent"), Opt(L"nTextOnLeft", VT_I4, 0) },
      AddCheckBox },
    { L"MoveResize", 0x60030027, Kind::Method,
      { Opt(L"nNewLeft", VT_I4, -1), Opt(L"nNewTop", VT_I4, -1), Opt(L"nNewWidth", VT_I4, -1),
        Opt(L"nNewHeight", VT_I4, -1) }, form_shape::MoveResize },
    { L"Refresh", 0x60030028, Kind::Method, {}, form_shape::Refresh },
    { L"SetFocus", 0x60030029, Kind::Method, {}, form_shape::SetFocus },
    { L"ShowFolderBrowser", 0x6003002A, Kind::Method,
      { OptText(L"sStartDirectory", L""), OptText(L"sSubCaption", L"Select Folder") }, form_services::ShowFolderBrowser },
    { L"ShowFileBrowserOpen", 0x6003002B, Kind::Method, {}, form_services::ShowFileBrowserOpen },
    { L"ShowFileBrowserSave", 0x6003002C, Kind::Method, {}, form_services::ShowFileBrowserSave },
    { L"CopyFilePB", 0x6003002D, Kind::Method,
      { Req(L"sFSource", VT_BSTR), Req(L"sFTarget", VT_BSTR), Opt(L"nSilent", VT_I4, 0),
        Opt(L"nReplaceAll", VT_I4, 0) }, form_services::CopyFilePB },
    { L"MoveFilePB", 0x6003002E, Kind::Method,
      { Req(L"sFSource", VT_BSTR), Req(L"sFTarget", VT_BSTR), Opt(L"nSilent", VT_I4, 0),
        Opt(L"nReplaceAll", VT_I4, 0) }, form_services::MoveFilePB },
    { L"RecycleFilePB", 0x6003002F, Kind::Method,
      { Req(L"sFSource", VT_BSTR), Opt(L"nSilent", VT_I4, 0), Opt(L"nReplaceAll", VT_I4, 0) }, form_services::RecycleFilePB },
};

const DispatchTable<F> kTable(kRows);

}  // namespace

const DispatchTable<Form>& Form::members() { return kTable; }

}  // namespace mv
