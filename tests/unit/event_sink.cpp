// The tests' event sink.
#include "event_sink.h"

#include <olectl.h>

#include "late_bound.h"

namespace test {

mv::ComPtr<ITypeInfo> DefaultSource(IDispatch* object) {
    mv::ComPtr<IProvideClassInfo> info;
    mv::ComPtr<ITypeInfo> cls, source;
    if (FAILED(object->QueryInterface(IID_IProvideClassInfo, reinterpret_cast<void**>(info.put()))) ||
        FAILED(info->GetClassInfo(cls.put())))
        return {};
    TYPEATTR* attr = nullptr;
    if (FAILED(cls->GetTypeAttr(&attr))) return {};
    const WORD count = attr->cImplTypes;
    cls->ReleaseTypeAttr(attr);
    for (UINT i = 0; i < count; ++i) {
        INT flags = 0;
        HREFTYPE ref = 0;
        if (SUCCEEDED(cls->GetImplTypeFlags(i, &flags)) && flags == (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE) &&
            SUCCEEDED(cls->GetRefTypeOfImplType(i, &ref)) && SUCCEEDED(cls->GetRefTypeInfo(ref, source.put())))
            return source;
    }
    return {};
}

bool EventSink::connect(IDispatch* source) {
    names_ = DefaultSource(source);
    if (!names_) return false;
    if (style_ == Style::ScriptHost) {
        TYPEATTR* attr = nullptr;
        if (FAILED(names_->GetTypeAttr(&attr))) return false;
        events_ = attr->guid;
        names_->ReleaseTypeAttr(attr);
    } else {
        mv::ComPtr<IProvideClassInfo2> info;
        if (FAILED(source->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(info.put()))) ||
            FAILED(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events_)))
            return false;
    }
    mv::ComPtr<IConnectionPointContainer> container;
    return SUCCEEDED(source->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container.put()))) &&
           SUCCEEDED(container->FindConnectionPoint(events_, point.put())) &&
           SUCCEEDED(point->Advise(this, &cookie));
}

HRESULT EventSink::disconnect() {
    if (!point) return S_FALSE;
    HRESULT hr = point->Unadvise(cookie);
    point.reset();
    return hr;
}

HRESULT EventSink::QueryInterface(REFIID iid, void** out) {
    *out = nullptr;
    const bool answers = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, events_) ||
                         (style_ == Style::ScriptHost && IsEqualIID(iid, IID_IDispatch));
    if (!answers) return E_NOINTERFACE;
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

HRESULT EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO* error, UINT*) {
    mv::Bstr name;
    UINT got = 0;
    std::wstring call = names_ && SUCCEEDED(names_->GetNames(id, name.put(), 1, &got)) ? name.get() : L"?";
    if (params->cArgs == 1 && V_VT(&params->rgvarg[0]) == VT_DISPATCH)
        call += L"(" + GetText(V_DISPATCH(&params->rgvarg[0]), L"name") + L")";
    seen.push_back(call);
    if (onEvent) onEvent(call);
    if (FAILED(answer) && error) error->bstrDescription = SysAllocString(L"the sink's own error");
    return answer;
}

std::vector<std::wstring> Only(const std::vector<std::wstring>& all, std::initializer_list<const wchar_t*> names) {
    std::vector<std::wstring> out;
    for (const std::wstring& e : all)
        for (const wchar_t* n : names)
            if (e == n) out.push_back(e);
    return out;
}

}  // namespace test
