// What the benchmark programs share: a millisecond clock, medians, and late-bound calls
// by name as a script host makes them.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/unique.h"

namespace bench {

using mv::ComPtr;

inline double Now() {
    static LARGE_INTEGER freq = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A late-bound call by name, arguments given in order.
inline HRESULT CallByName(IDispatch* d, const wchar_t* name, WORD flags, std::vector<VARIANT> args, VARIANT* result) {
    LPOLESTR n = const_cast<LPOLESTR>(name);
    DISPID id = 0;
    HRESULT hr = d->GetIDsOfNames(IID_NULL, &n, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    std::reverse(args.begin(), args.end());
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS p{args.data(), flags == DISPATCH_PROPERTYPUT ? &put : nullptr, static_cast<UINT>(args.size()),
                 flags == DISPATCH_PROPERTYPUT ? 1u : 0u};
    hr = d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &p, result, nullptr, nullptr);
    for (VARIANT& v : args) VariantClear(&v);
    return hr;
}

inline VARIANT Num(long n) { VARIANT v; VariantInit(&v); V_VT(&v) = VT_I4; V_I4(&v) = n; return v; }
inline VARIANT Text(const std::wstring& s) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
    return v;
}

inline ComPtr<IDispatch> Object(VARIANT& v) {
    ComPtr<IDispatch> d(V_VT(&v) == VT_DISPATCH ? V_DISPATCH(&v) : nullptr);
    VariantClear(&v);
    return d;
}

// A method or property get whose result is an object (null when none).
inline ComPtr<IDispatch> CallObject(IDispatch* d, const wchar_t* name, std::vector<VARIANT> args) {
    VARIANT r;
    VariantInit(&r);
    CallByName(d, name, DISPATCH_METHOD, std::move(args), &r);
    return Object(r);
}

inline void Let(IDispatch* d, const wchar_t* name, VARIANT value) { CallByName(d, name, DISPATCH_PROPERTYPUT, {value}, nullptr); }

inline ComPtr<IDispatch> NewForm(IDispatch* desk, const std::wstring& name, long width = 900, long height = 700) {
    return CallObject(desk, L"CreateForm", {Text(name), Text(name), Num(10), Num(10), Num(width), Num(height)});
}

inline HWND HwndOf(IDispatch* d) {
    VARIANT r;
    VariantInit(&r);
    CallByName(d, L"hwnd", DISPATCH_PROPERTYGET, {}, &r);
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(V_I4(&r)));
}

}  // namespace bench
