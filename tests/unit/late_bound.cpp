// Late-bound calls for the tests and the benchmarks.
#include "late_bound.h"

#include <algorithm>

namespace test {

long Outcome::lng() const {
    VARIANT n;
    VariantInit(&n);
    if (FAILED(VariantChangeType(&n, const_cast<VARIANT*>(&value), 0, VT_I4))) return 0;
    return V_I4(&n);
}

std::wstring Outcome::text() const {
    VARIANT s;
    VariantInit(&s);
    if (FAILED(VariantChangeType(&s, const_cast<VARIANT*>(&value), 0, VT_BSTR))) return L"";
    std::wstring out(V_BSTR(&s) ? V_BSTR(&s) : L"", SysStringLen(V_BSTR(&s)));
    VariantClear(&s);
    return out;
}

IDispatch* Outcome::object() const { return V_VT(&value) == VT_DISPATCH ? V_DISPATCH(&value) : nullptr; }

DISPID IdOf(IDispatch* obj, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    obj->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

Outcome InvokeRaw(IDispatch* obj, DISPID id, WORD flags, std::vector<Arg> args, std::vector<DISPID> namedIds) {
    Outcome out;
    std::vector<VARIANT> rev;
    for (Arg& a : args) rev.push_back(a.get());
    // Positional arguments come last and reversed; named ones first, in the order of namedIds.
    size_t named = namedIds.size();
    std::reverse(rev.begin() + static_cast<std::ptrdiff_t>(named), rev.end());
    DISPPARAMS dp{};
    dp.rgvarg = rev.empty() ? nullptr : rev.data();
    dp.cArgs = static_cast<UINT>(rev.size());
    dp.rgdispidNamedArgs = namedIds.empty() ? nullptr : namedIds.data();
    dp.cNamedArgs = static_cast<UINT>(named);
    out.hr = obj->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &dp, &out.value, &out.excep, &out.argErr);
    return out;
}

Outcome Invoke(IDispatch* obj, const wchar_t* name, WORD flags, std::vector<Arg> args) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT found = obj->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(found)) {
        Outcome out;
        out.hr = found;
        return out;
    }
    if (flags & DISPATCH_PROPERTYPUT) return InvokeRaw(obj, id, flags, std::move(args), {DISPID_PROPERTYPUT});
    return InvokeRaw(obj, id, flags, std::move(args));
}

Outcome Get(IDispatch* obj, const wchar_t* name, std::vector<Arg> args) {
    return Invoke(obj, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, std::move(args));
}

Outcome Put(IDispatch* obj, const wchar_t* name, Arg value) {
    std::vector<Arg> args;
    args.push_back(std::move(value));
    return Invoke(obj, name, DISPATCH_PROPERTYPUT, std::move(args));
}

Outcome Call(IDispatch* obj, const wchar_t* name, std::vector<Arg> args) {
    return Invoke(obj, name, DISPATCH_METHOD, std::move(args));
}

long GetLong(IDispatch* obj, const wchar_t* name) { return Get(obj, name).lng(); }
std::wstring GetText(IDispatch* obj, const wchar_t* name) { return Get(obj, name).text(); }
HWND HwndOf(IDispatch* obj) { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(GetLong(obj, L"hwnd"))); }

HRESULT Obj::invoke(const wchar_t* name, WORD flags, std::vector<Arg> args, VARIANT* result) const {
    if (!d_) return E_POINTER;
    Outcome out = Invoke(d_.get(), name, flags, std::move(args));
    if (result) {
        *result = out.value;  // handed over
        VariantInit(&out.value);
    }
    return out.hr;
}

Arg Obj::call(const wchar_t* name, std::vector<Arg> args) const {
    Arg r;
    invoke(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::move(args), &r.get());
    return r;
}

Obj Obj::obj(const wchar_t* name, std::vector<Arg> args) const {
    Arg r = call(name, std::move(args));
    return Obj(V_VT(&r.get()) == VT_DISPATCH ? V_DISPATCH(&r.get()) : nullptr);
}

long Obj::num(const wchar_t* name, std::vector<Arg> args) const {
    Arg r = call(name, std::move(args));
    if (FAILED(VariantChangeType(&r.get(), &r.get(), 0, VT_I4))) return -12345678;
    return V_I4(&r.get());
}

std::wstring Obj::str(const wchar_t* name, std::vector<Arg> args) const {
    Arg r = call(name, std::move(args));
    if (FAILED(VariantChangeType(&r.get(), &r.get(), 0, VT_BSTR))) return L"<not a string>";
    return std::wstring(V_BSTR(&r.get()), SysStringLen(V_BSTR(&r.get())));
}

HRESULT Obj::put(const wchar_t* name, Arg value) const {
    std::vector<Arg> args;
    args.push_back(std::move(value));
    return invoke(name, DISPATCH_PROPERTYPUT, std::move(args), nullptr);
}

}  // namespace test
