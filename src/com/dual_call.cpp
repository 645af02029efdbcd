// Dual-interface entries as late-bound calls: each argument by reference as the caller
// passed it, the answer stored where the caller asked for it.
#include "com/dispatch.h"

namespace mv {

namespace {

VARIANT Omitted() {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_ERROR;
    V_ERROR(&v) = DISP_E_PARAMNOTFOUND;
    return v;
}

template <typename P>
VARIANT ByRef(VARTYPE vt, P* p) {
    if (!p) return Omitted();
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = static_cast<VARTYPE>(VT_BYREF | vt);
    V_BYREF(&v) = p;
    return v;
}

}  // namespace

VARIANT DualArg(long* p) { return ByRef(VT_I4, p); }
VARIANT DualArg(BSTR* p) { return ByRef(VT_BSTR, p); }
VARIANT DualArg(VARIANT_BOOL* p) { return ByRef(VT_BOOL, p); }
VARIANT DualArg(VARIANT* p) { return ByRef(VT_VARIANT, p); }

HRESULT StoreDualResult(VARIANT& answer, long* result) {
    if (!result) RETURN_HR(E_POINTER);
    RETURN_IF_FAILED(VariantChangeType(&answer, &answer, 0, VT_I4));
    *result = V_I4(&answer);
    return S_OK;
}

HRESULT StoreDualResult(VARIANT& answer, BSTR* result) {
    if (!result) RETURN_HR(E_POINTER);
    RETURN_IF_FAILED(VariantChangeType(&answer, &answer, 0, VT_BSTR));
    *result = V_BSTR(&answer);
    V_VT(&answer) = VT_EMPTY;  // the caller owns the string now
    return S_OK;
}

HRESULT StoreDualResult(VARIANT& answer, IDispatch** result) {
    if (!result) RETURN_HR(E_POINTER);
    *result = V_VT(&answer) == VT_DISPATCH ? V_DISPATCH(&answer) : nullptr;
    if (*result) V_VT(&answer) = VT_EMPTY;  // the reference goes to the caller
    return S_OK;
}

HRESULT StoreDualResult(VARIANT& answer, IUnknown** result) {
    if (!result) RETURN_HR(E_POINTER);
    *result = V_VT(&answer) == VT_UNKNOWN || V_VT(&answer) == VT_DISPATCH ? V_UNKNOWN(&answer) : nullptr;
    if (*result) V_VT(&answer) = VT_EMPTY;
    return S_OK;
}

void PackDualCall(const MemberFacts& facts, std::initializer_list<VARIANT> args, VARIANT* reversed,
                  DISPPARAMS* params, WORD* flags) {
    static DISPID put = DISPID_PROPERTYPUT;
    size_t n = 0;
    for (auto it = args.end(); it != args.begin() && n < kMaxParams;) reversed[n++] = *--it;
    params->rgvarg = reversed;
    params->cArgs = static_cast<UINT>(n);
    switch (facts.kind) {
    case Kind::Get: *flags = DISPATCH_PROPERTYGET; break;
    case Kind::Put:
        *flags = DISPATCH_PROPERTYPUT;
        params->rgdispidNamedArgs = &put;
        params->cNamedArgs = 1;
        break;
    case Kind::Method: *flags = DISPATCH_METHOD; break;
    }
}

}  // namespace mv
