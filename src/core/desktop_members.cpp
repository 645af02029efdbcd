// Desktop's automation surface: the member table that answers late-bound calls, and the
// dual interface's own entries, both over the same members.
#include "core/desktop.h"

#include "com/module.h"
#include "core/diagnostics.h"
#include "core/visual_styles.h"
#include "form/form.h"

namespace mv {

namespace {

using D = Desktop;

constexpr Member<D> kRows[] = {
    { L"Version", 0x68030005, Kind::Get, { Opt(L"InfoEx", VT_BOOL, 0) },
      [](D& d, const Args& a, Result& r) { r.setText(d.version(a.flag(0))); return S_OK; },
      L"The library's version number; with InfoEx true it also shows where to send reports" },
    { L"DebugOption", 0x68030004, Kind::Get, {},
      [](D&, const Args&, Result& r) { r.setLong(DebugFlag() ? 1 : 0); return S_OK; },
      L"1 shows the library's error messages in message boxes, 0 keeps them silent" },
    { L"DebugOption", 0x68030004, Kind::Put, { Req(L"nNewDebugOption", VT_I4) },
      [](D&, const Args& a, Result&) { SetDebugFlag(a.lng(0) != 0); return S_OK; },
      L"1 shows the library's error messages in message boxes, 0 keeps them silent" },
    { L"Height", 0x68030003, Kind::Get, {},
      [](D& d, const Args&, Result& r) { r.setLong(d.height()); return S_OK; },
      L"The height of the screen in pixels at 96 dots per inch" },
    { L"Width", 0x68030002, Kind::Get, {},
      [](D& d, const Args&, Result& r) { r.setLong(d.width()); return S_OK; },
      L"The width of the screen in pixels at 96 dots per inch" },
    { L"NewEnum", 0x68030001, Kind::Get, {},
      [](D& d, const Args&, Result& r) {
          IUnknown* e = nullptr;
          RETURN_IF_FAILED(d.newEnum(&e));
          r.setUnknown(e);
          e->Release();
          return S_OK;
      },
      L"An enumerator object over the open forms; walk them by position with Count and forms" },
    { L"forms", 0x00000000, Kind::Method, { Req(L"vItemName", VT_VARIANT) },
      [](D& d, const Args& a, Result& r) { r.setObject(d.lookupForm(a.var(0))); return S_OK; },
      L"The form of this name, or at this position counted from 1; nothing when there is none" },
    { L"Count", 0x68030000, Kind::Get, {},
      [](D& d, const Args&, Result& r) { r.setLong(d.count()); return S_OK; },
      L"How many forms are open" },
    { L"CreateForm", 0x60030008, Kind::Method,
      { Req(L"sfrName", VT_BSTR), Req(L"sFrCaption", VT_BSTR),
        Opt(L"nleft", VT_I4, kDefaultPosition), Opt(L"nTop", VT_I4, kDefaultPosition),
        Opt(L"nWidth", VT_I4, 150), Opt(L"nHeight", VT_I4, 125) },
      [](D& d, const Args& a, Result& r) {
          ComPtr<Form> f = d.createForm(a.text(0), a.text(1), a.lng(2), a.lng(3), a.lng(4), a.lng(5));
          r.setObject(f ? f->dispatch() : nullptr);
          return S_OK;
      },
      L"Creates a hidden form with a name, caption, position and size; nothing when the name is taken" },
    { L"CloseAll", 0x6003000B, Kind::Method, {},
      [](D& d, const Args&, Result&) { d.closeAll(); return S_OK; },
      L"Closes every form and its controls" },
    { L"VisualStyles", 0x68040000, Kind::Get, {},
      [](D&, const Args&, Result& r) { r.setLong(VisualStylesOn() ? 1 : 0); return S_OK; },
      L"1 gives forms, controls and dialogs created afterwards today's look, 0 the classic look" },
    { L"VisualStyles", 0x68040000, Kind::Put, { Req(L"nNewVisualStyles", VT_I4) },
      [](D&, const Args& a, Result&) { SetVisualStylesOn(a.lng(0) != 0); return S_OK; },
      L"1 gives forms, controls and dialogs created afterwards today's look, 0 the classic look" },
};
static_assert(ParamsFitArgs(kRows), "a member has more parameters than Args holds");
static_assert(HelpIsPlainAndShared(kRows), "every member needs one short line of plain help");

const DispatchTable<D> kTable(kRows);

template <typename T>
T orDefault(const T* p, T def) { return p ? *p : def; }

}  // namespace

const DispatchTable<Desktop>& Desktop::members() { return kTable; }

const IID& Desktop::interfaceId() { return IID__Desktop; }
const CLSID& Desktop::classId() { return CLSID_Desktop; }

HRESULT Desktop::get_Version(VARIANT_BOOL* InfoEx, BSTR* result) {
    if (!result) return E_POINTER;
    std::wstring v = version(orDefault<VARIANT_BOOL>(InfoEx, VARIANT_FALSE) != VARIANT_FALSE);
    *result = SysAllocStringLen(v.data(), static_cast<UINT>(v.size()));
    return *result ? S_OK : E_OUTOFMEMORY;
}

HRESULT Desktop::get_DebugOption(long* result) {
    if (!result) return E_POINTER;
    *result = DebugFlag() ? 1 : 0;
    return S_OK;
}

HRESULT Desktop::put_DebugOption(long* value) {
    if (!value) return E_POINTER;
    SetDebugFlag(*value != 0);
    return S_OK;
}

HRESULT Desktop::get_Height(long* result) {
    if (!result) return E_POINTER;
    *result = height();
    return S_OK;
}

HRESULT Desktop::get_Width(long* result) {
    if (!result) return E_POINTER;
    *result = width();
    return S_OK;
}

HRESULT Desktop::get_NewEnum(IUnknown** result) { return newEnum(result); }

HRESULT Desktop::forms(VARIANT* vItemName, IDispatch** result) {
    if (!vItemName || !result) return E_POINTER;
    *result = lookupForm(*vItemName);
    if (*result) (*result)->AddRef();
    return S_OK;
}

HRESULT Desktop::get_Count(long* result) {
    if (!result) return E_POINTER;
    *result = count();
    return S_OK;
}

HRESULT Desktop::CreateForm(BSTR* sfrName, BSTR* sFrCaption, long* nleft, long* nTop, long* nWidth,
                            long* nHeight, IDispatch** result) {
    if (!sfrName || !sFrCaption || !result) return E_POINTER;
    ComPtr<Form> f = createForm(toWide(*sfrName), toWide(*sFrCaption), orDefault(nleft, kDefaultPosition),
                                orDefault(nTop, kDefaultPosition), orDefault(nWidth, 150L),
                                orDefault(nHeight, 125L));
    *result = f ? f->dispatch() : nullptr;
    if (*result) (*result)->AddRef();
    return S_OK;
}

HRESULT Desktop::CloseAll() {
    closeAll();
    return S_OK;
}

HRESULT Desktop::get_VisualStyles(long* result) {
    if (!result) return E_POINTER;
    *result = VisualStylesOn() ? 1 : 0;
    return S_OK;
}

HRESULT Desktop::put_VisualStyles(long* value) {
    if (!value) return E_POINTER;
    SetVisualStylesOn(*value != 0);
    return S_OK;
}

}  // namespace mv
