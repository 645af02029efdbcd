// Desktop's automation surface: one row per member of _Desktop, in its order, with the
// handler that does the work. Late-bound calls and the dual interface's entries
// (DesktopDualEntries, generated from morvane.idl) both reach the members through it.
#include "desktop/desktop.h"

#include "com/module.h"
#include "core/diagnostics.h"
#include "core/dpi.h"
#include "core/visual_styles.h"
#include "form/form.h"

namespace mv {

namespace {

using D = Desktop;
using K = idl::Desktop;  // the members' keys, in the order of _Desktop in morvane.idl

constexpr Member<D> kRows[] = {
    { K::Version_get, [](D& d, const Args& a, Result& r) { r.setText(d.version(a.flag(0))); return S_OK; } },
    { K::DebugOption_get, [](D&, const Args&, Result& r) { r.setLong(DebugFlag() ? 1 : 0); return S_OK; } },
    { K::DebugOption_let, [](D&, const Args& a, Result&) { SetDebugFlag(a.lng(0) != 0); return S_OK; } },
    { K::Height_get, [](D& d, const Args&, Result& r) { r.setLong(d.height()); return S_OK; } },
    { K::Width_get, [](D& d, const Args&, Result& r) { r.setLong(d.width()); return S_OK; } },
    { K::NewEnum_get,
      [](D& d, const Args&, Result& r) {
          IUnknown* e = nullptr;
          RETURN_IF_FAILED(d.newEnum(&e));
          r.setUnknown(e);
          e->Release();
          return S_OK;
      } },
    { K::forms, [](D& d, const Args& a, Result& r) { r.setObject(d.lookupForm(a.var(0))); return S_OK; } },
    { K::Count_get, [](D& d, const Args&, Result& r) { r.setLong(d.count()); return S_OK; } },
    { K::CreateForm,
      [](D& d, const Args& a, Result& r) {
          ComPtr<Form> f = d.createForm(a.text(0), a.text(1), a.lng(2), a.lng(3), a.lng(4), a.lng(5));
          r.setObject(f ? f->dispatch() : nullptr);
          return S_OK;
      } },
    { K::CloseAll, [](D& d, const Args&, Result&) { d.closeAll(); return S_OK; } },
    { K::VisualStyles_get, [](D&, const Args&, Result& r) { r.setLong(VisualStylesOn() ? 1 : 0); return S_OK; } },
    { K::VisualStyles_let, [](D&, const Args& a, Result&) { SetVisualStylesOn(a.lng(0) != 0); return S_OK; } },
    { K::WaitEvents, [](D& d, const Args& a, Result& r) { r.setLong(d.waitEvents(a.lng(0))); return S_OK; } },
    { K::DpiAware_get, [](D&, const Args&, Result& r) { r.setLong(DpiAwareOn() ? 1 : 0); return S_OK; } },
    { K::DpiAware_let, [](D&, const Args& a, Result&) { SetDpiAwareOn(a.lng(0) != 0); return S_OK; } },
};
static_assert(BindsEveryMemberInOrder(kRows), "one row per member of the interface, in its order");
static_assert(FactsAreSound(K::facts), "a member has more parameters than Args holds, or no plain help");

const DispatchTable<D> kTable(K::facts, kRows);

}  // namespace

const DispatchTable<Desktop>& Desktop::members() { return kTable; }

const IID& Desktop::interfaceId() { return IID__Desktop; }
const CLSID& Desktop::classId() { return CLSID_Desktop; }

}  // namespace mv
