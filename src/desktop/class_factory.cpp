// The class factory of Desktop and the in-process server entry points.
#include <windows.h>

#include <new>

#include "com/module.h"
#include "com/query.h"
#include "desktop/desktop.h"
#include "core/hresult.h"

namespace mv {

namespace {

class DesktopFactory final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        return QueryFor(static_cast<IClassFactory*>(this), iid, {&IID_IUnknown, &IID_IClassFactory}, out);
    }
    // A static object: its references do not keep the library loaded (LockServer does).
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out) RETURN_HR(E_POINTER);
        *out = nullptr;
        if (outer) RETURN_HR(CLASS_E_NOAGGREGATION);
        try {
            ComPtr<Desktop> d = Desktop::Create();  // a new Desktop for every request
            return d->QueryInterface(iid, out);
        }
        CATCH_RETURN()
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        mv::LockServer(lock != FALSE);
        return S_OK;
    }
};

DesktopFactory g_factory;

}  // namespace

}  // namespace mv

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) RETURN_HR(E_POINTER);
    *out = nullptr;
    if (!IsEqualCLSID(clsid, mv::CLSID_Desktop)) RETURN_HR(CLASS_E_CLASSNOTAVAILABLE);
    return mv::g_factory.QueryInterface(iid, out);
}

extern "C" HRESULT WINAPI DllCanUnloadNow() {
    try {
        mv::ReleaseIdleDesktop();  // its end closes its forms
    } catch (...) {
        mv::TraceCaught(__FILE__, __LINE__);
    }
    return mv::LiveObjects() == 0 && mv::ServerLocks() == 0 ? S_OK : S_FALSE;
}
