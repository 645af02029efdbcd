// Late-bound calls for the unit tests.
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

Outcome Get(IDispatch* obj, const wchar_t* name, std::vector<Arg> args) {
    return InvokeRaw(obj, IdOf(obj, name), DISPATCH_PROPERTYGET | DISPATCH_METHOD, std::move(args));
}

Outcome Put(IDispatch* obj, const wchar_t* name, Arg value) {
    std::vector<Arg> args{value};
    return InvokeRaw(obj, IdOf(obj, name), DISPATCH_PROPERTYPUT, std::move(args), {DISPID_PROPERTYPUT});
}

Outcome Call(IDispatch* obj, const wchar_t* name, std::vector<Arg> args) {
    return InvokeRaw(obj, IdOf(obj, name), DISPATCH_METHOD, std::move(args));
}

long GetLong(IDispatch* obj, const wchar_t* name) { return Get(obj, name).lng(); }
std::wstring GetText(IDispatch* obj, const wchar_t* name) { return Get(obj, name).text(); }

}  // namespace test
