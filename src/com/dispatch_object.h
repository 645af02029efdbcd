// IUnknown, IDispatch and IProvideClassInfo for the library's automation classes, answered
// from each class's member table and the embedded type library. A class derives from
// DispatchObject<Self, Interface> and provides
//   static const DispatchTable<Self>& members();
//   static const IID& interfaceId();             // its interface in the type library, if any
//   static const CLSID& classId();               // its class in the type library, if any
//   static const IID& sourceId();                // its default source (events), if any
//   IConnectionPointContainer* eventContainer();  // where hosts connect to those events
//   void finalRelease();                         // runs once, when the last reference goes
//   bool memberApplies(unsigned kinds, const wchar_t* name);  // for kind-specific members only
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <oleauto.h>

#include "com/dispatch.h"
#include "com/module.h"
#include "com/query.h"
#include "com/type_info.h"
#include "core/unique.h"

namespace mv {

// Tests only: runs before the teardown of an object's last release, and may throw, as a
// teardown that fails to allocate would.
inline void (*g_teardownFaultForTests)() = nullptr;

template <typename Self, typename Interface = IDispatch>
class DispatchObject : public Interface, public IProvideClassInfo2, private CountedObject {
public:
    DispatchObject() = default;
    virtual ~DispatchObject() = default;

    IDispatch* dispatch() { return static_cast<IDispatch*>(this); }
    ULONG refs() const { return refs_; }
    // The apartment thread that made the object: the only one it answers.
    bool onHomeThread() const { return GetCurrentThreadId() == home_; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (described() && out && IsEqualIID(iid, IID_IProvideClassInfo))
            return QueryFor(static_cast<IProvideClassInfo*>(this), iid, {&IID_IProvideClassInfo}, out);
        if (sourced() && out && IsEqualIID(iid, IID_IProvideClassInfo2))
            return QueryFor(static_cast<IProvideClassInfo2*>(this), iid, {&IID_IProvideClassInfo2}, out);
        if (sourced() && out && IsEqualIID(iid, IID_IConnectionPointContainer))
            return QueryFor(static_cast<Self*>(this)->eventContainer(), iid, {&IID_IConnectionPointContainer}, out);
        return QueryFor(static_cast<Interface*>(this), iid, {&IID_IUnknown, &IID_IDispatch, &Self::interfaceId()}, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    // The last release runs the teardown (which may allocate) inside the one guard of this
    // edge: what it lets escape is traced, and the object is then left, not deleted.
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG n = --refs_;
        try {
            if (n == 0) {
                refs_ = 1;  // keep nested AddRef/Release pairs during the teardown harmless
                if (g_teardownFaultForTests) g_teardownFaultForTests();
                static_cast<Self*>(this)->finalRelease();
                delete this;
                return 0;
            }
            static_cast<Self*>(this)->countDropped(n);  // may end the object: return n only
        } catch (...) {
            TraceCaught(__FILE__, __LINE__, L"Release");
        }
        return n;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) RETURN_HR(E_INVALIDARG);
        try {
            ComPtr<ITypeInfo> info;
            *count = SUCCEEDED(Self::typeInfo(info.put())) ? 1 : 0;
            return S_OK;
        }
        CATCH_RETURN()
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** out) override {
        if (!out) RETURN_HR(E_INVALIDARG);
        *out = nullptr;
        if (index != 0) RETURN_HR(DISP_E_BADINDEX);
        try {
            return Self::typeInfo(out);
        }
        CATCH_RETURN()
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        try {
            return Self::members().getIDsOfNames(names, count, ids);
        }
        CATCH_RETURN()
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* excep, UINT* argErr) override {
        if (!IsEqualIID(iid, IID_NULL)) RETURN_HR(DISP_E_UNKNOWNINTERFACE);
        Self& self = *static_cast<Self*>(this);
        ComPtr<IDispatch> keep(dispatch());  // the call may drop the caller's last reference
        try {
            return Self::members().invoke(self, id, flags, params, result, excep, argErr);
        }
        CATCH_RETURN()
    }

    // IProvideClassInfo: the class as the type library describes it, for hosts that list
    // what an object offers (PowerShell's Get-Member, object browsers).
    HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** out) override {
        if (!out) RETURN_HR(E_POINTER);
        *out = nullptr;
        try {
            return described() ? TypeInfoOf(Self::classId(), out) : E_NOTIMPL;
        }
        CATCH_RETURN()
    }

    // IProvideClassInfo2, for classes with events: their default source interface, where
    // hosts look for the events an object raises.
    HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* out) override {
        if (!out) RETURN_HR(E_POINTER);
        if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) RETURN_HR(E_INVALIDARG);
        *out = Self::sourceId();
        return S_OK;
    }

    // Defaults for classes without an interface of their own or teardown of their own.
    static const IID& interfaceId() { return IID_IDispatch; }
    static const CLSID& classId() { return GUID_NULL; }
    static const IID& sourceId() { return IID_NULL; }
    IConnectionPointContainer* eventContainer() { return nullptr; }

    // A class that answers through IDispatch only has no description.
    static bool described() { return !IsEqualIID(Self::interfaceId(), IID_IDispatch); }
    static bool sourced() { return !IsEqualIID(Self::sourceId(), IID_NULL); }

    // The class's interface as the embedded type library describes it.
    static HRESULT typeInfo(ITypeInfo** out) {
        *out = nullptr;
        return described() ? TypeInfoOf(Self::interfaceId(), out) : E_NOTIMPL;
    }
    void finalRelease() {}
    void countDropped(ULONG) {}
    bool memberApplies(unsigned, const wchar_t*) { return true; }

private:
    ULONG refs_ = 1;  // the creator's reference
    const DWORD home_ = GetCurrentThreadId();
};

// Creates an object holding the creator's one reference.
template <typename T, typename... A>
ComPtr<T> MakeObject(A&&... a) {
    return ComPtr<T>::attach(new T(std::forward<A>(a)...));
}

}  // namespace mv
