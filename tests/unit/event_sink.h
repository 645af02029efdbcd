// A host's event sink, as the hosts that connect to forms and controls make one: an
// IDispatch that the library calls by dispatch id. It connects the way Windows Script
// Host does (the object's class information names its default source interface, the
// container finds that interface's connection point) or the way a typed WithEvents sink
// does (by the source interface's id, answering that interface and not IDispatch), and
// records each call by the name the source's type information gives its id, with the
// control's name when the event carries one: "Click(a)".
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/unique.h"

namespace test {

class EventSink final : public IDispatch {
public:
    enum class Style { ScriptHost, Typed };

    explicit EventSink(Style style = Style::ScriptHost) : style_(style) {}
    EventSink(const EventSink&) = delete;
    EventSink& operator=(const EventSink&) = delete;
    ~EventSink() { disconnect(); }

    // Connects to `source`; false when any step a host takes fails.
    bool connect(IDispatch* source);
    // Unadvise, once; the answer of the connection point.
    HRESULT disconnect();

    std::vector<std::wstring> seen;          // every call, in order
    std::function<void(const std::wstring&)> onEvent;  // runs inside the call, after it is recorded
    HRESULT answer = S_OK;                   // what Invoke answers
    ULONG refs() const { return refs_; }     // 1 when only the test holds it

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs_; }  // lives on the test's stack
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO* error,
                                     UINT*) override;

    mv::ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;

private:
    Style style_;
    IID events_{};
    mv::ComPtr<ITypeInfo> names_;
    ULONG refs_ = 1;
};

// The calls a sink saw of the given names, in order.
std::vector<std::wstring> Only(const std::vector<std::wstring>& all, std::initializer_list<const wchar_t*> names);

// The default source interface of an object's class, as its class information lists it.
mv::ComPtr<ITypeInfo> DefaultSource(IDispatch* object);

}  // namespace test
