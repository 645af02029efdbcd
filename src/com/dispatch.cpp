// The shared dispatcher behind every member table.
#include "com/dispatch.h"


#include <cwchar>
#include <cwctype>
#include <memory>
#include <vector>

namespace mv {

Args::Args() {
    for (VARIANT& v : v_) VariantInit(&v);
}

Args::~Args() {
    for (size_t i = 0; i < count_; ++i) VariantClear(&v_[i]);
}

size_t Args::indexOf(const wchar_t* name) const {
    for (size_t i = 0; params_ && i < count_; ++i)
        if (wcscmp(params_[i].name, name) == 0) return i;
    return kNowhere;
}

void Result::setLong(long n) {
    if (!v_) return;
    V_VT(v_) = VT_I4;
    V_I4(v_) = n;
}

void Result::setBool(bool b) {
    if (!v_) return;
    V_VT(v_) = VT_BOOL;
    V_BOOL(v_) = b ? VARIANT_TRUE : VARIANT_FALSE;
}

void Result::setText(const wchar_t* s, size_t len) {
    if (!v_) return;
    V_VT(v_) = VT_BSTR;
    V_BSTR(v_) = SysAllocStringLen(s, static_cast<UINT>(len));
}

void Result::setText(const std::wstring& s) { setText(s.data(), s.size()); }

void Result::setObject(IDispatch* p) {
    if (!v_) return;
    V_VT(v_) = VT_DISPATCH;
    V_DISPATCH(v_) = p;
    if (p) p->AddRef();
}

void Result::setUnknown(IUnknown* p) {
    if (!v_) return;
    V_VT(v_) = VT_UNKNOWN;
    V_UNKNOWN(v_) = p;
    if (p) p->AddRef();
}

void Result::setEmpty(VARTYPE vt) {
    if (vt == VT_I4) setLong(0);
    if (vt == VT_BSTR) setText(L"", 0);
}

// Open addressing over folded names; a name too long for the buffer matches nothing,
// since no member name is that long.
class NameIndex {
public:
    static constexpr size_t kMaxName = 64;

    NameIndex(const void* table, size_t n, RowFn row) {
        size_t cap = 16;
        while (cap < 2 * n) cap *= 2;
        slots_.assign(cap, Slot{});
        for (size_t i = 0; i < n; ++i) {
            wchar_t buf[kMaxName];
            size_t len = 0;
            unsigned hash = fold(row(table, i).name, buf, &len);
            if (!len) continue;
            for (size_t at = hash & (cap - 1);; at = (at + 1) & (cap - 1)) {
                Slot& s = slots_[at];
                if (s.key.empty()) { s.key.assign(buf, len); s.row = i; break; }
                if (s.key.size() == len && wmemcmp(s.key.data(), buf, len) == 0) break;  // first row wins
            }
        }
    }

    // The first row with this name, or n when none.
    size_t find(const wchar_t* name, size_t n) const {
        wchar_t buf[kMaxName];
        size_t len = 0;
        unsigned hash = fold(name, buf, &len);
        if (!len) return n;
        const size_t mask = slots_.size() - 1;
        for (size_t at = hash & mask;; at = (at + 1) & mask) {
            const Slot& s = slots_[at];
            if (s.key.empty()) return n;
            if (s.key.size() == len && wmemcmp(s.key.data(), buf, len) == 0) return s.row;
        }
    }

private:
    struct Slot { std::wstring key; size_t row = 0; };

    // Lower-cases into buf and hashes (FNV-1a); len 0 when empty or too long.
    static unsigned fold(const wchar_t* name, wchar_t* buf, size_t* len) {
        unsigned hash = 2166136261u;
        size_t i = 0;
        for (; name[i]; ++i) {
            if (i == kMaxName) { *len = 0; return 0; }
            wchar_t c = name[i];
            if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + 32);
            else if (c > 0x7F) c = static_cast<wchar_t>(std::towlower(c));
            buf[i] = c;
            hash = (hash ^ c) * 16777619u;
        }
        *len = i;
        return hash;
    }

    std::vector<Slot> slots_;
};

namespace {

bool SameName(const wchar_t* a, const wchar_t* b) {
    return std::towlower(*a) == std::towlower(*b) && _wcsicmp(a, b) == 0;
}

std::vector<std::unique_ptr<NameIndex>>& Indexes() {
    static std::vector<std::unique_ptr<NameIndex>> all;  // one per table, for the process
    return all;
}

bool Answers(Kind kind, WORD flags) {
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) return kind == Kind::Put;
    // A property get may be called as a method (script hosts call `x.Caption()`), but a
    // read alone never runs a method: hosts that read an attribute first and call it
    // afterwards (Python, PowerShell) would run it twice, or run what they only looked at.
    if (kind == Kind::Method) return (flags & DISPATCH_METHOD) != 0;
    return kind == Kind::Get;
}

void fillException(EXCEPINFO* excep, HRESULT scode, const wchar_t* description) {
    if (!excep) return;
    ZeroMemory(excep, sizeof(*excep));
    excep->bstrSource = SysAllocString(L"Morvane");
    excep->bstrDescription = SysAllocString(description);
    excep->scode = scode;
}

HRESULT takeDefault(const Param& p, VARIANT* out) {
    switch (p.vt) {
    case VT_BSTR:
        V_VT(out) = VT_BSTR;
        V_BSTR(out) = SysAllocString(p.defText ? p.defText : L"");
        return V_BSTR(out) ? S_OK : E_OUTOFMEMORY;
    case VT_BOOL:
        V_VT(out) = VT_BOOL;
        V_BOOL(out) = p.defLong ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    case VT_VARIANT:
        V_VT(out) = VT_ERROR;
        V_ERROR(out) = DISP_E_PARAMNOTFOUND;
        return S_OK;
    default:
        V_VT(out) = VT_I4;
        V_I4(out) = p.defLong;
        return S_OK;
    }
}

bool omitted(const VARIANT* v) {
    const VARIANT* d = v;
    if (V_VT(v) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(v)) d = V_VARIANTREF(v);
    if (V_VT(d) == VT_ERROR && V_ERROR(d) == DISP_E_PARAMNOTFOUND) return true;
    return false;
}

bool empty(const VARIANT* v) {
    const VARIANT* d = v;
    if (V_VT(v) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(v)) d = V_VARIANTREF(v);
    return V_VT(d) == VT_EMPTY;
}

// Converts one argument into the parameter's type.
HRESULT Convert(const Param& p, VARIANT* src, VARIANT* out) {
    VARIANT plain;
    VariantInit(&plain);
    HRESULT hr = VariantCopyInd(&plain, src);
    if (SUCCEEDED(hr) && V_VT(&plain) == (VT_BYREF | VT_VARIANT)) hr = DISP_E_TYPEMISMATCH;
    if (FAILED(hr)) {
        VariantClear(&plain);
        return hr == E_INVALIDARG ? DISP_E_TYPEMISMATCH : hr;
    }
    if (p.vt == VT_VARIANT) {
        *out = plain;  // takes ownership
        return S_OK;
    }
    VARTYPE from = V_VT(&plain);
    if (from == VT_DISPATCH || from == VT_UNKNOWN || from == VT_NULL || (from & VT_ARRAY)) {
        // Objects, arrays and null are not numbers or strings: never ask an object for
        // its default value here.
        VariantClear(&plain);
        RETURN_HR(DISP_E_TYPEMISMATCH);
    }
    hr = VariantChangeType(out, &plain, 0, p.vt);
    VariantClear(&plain);
    if (hr == DISP_E_OVERFLOW) return hr;
    return FAILED(hr) ? DISP_E_TYPEMISMATCH : S_OK;
}

// The row that answers (id, flags): the one whose kind matches the flags exactly (a get for
// PROPERTYGET, a method for METHOD, a let), else the first that may answer; n when none.
size_t ChooseRow(const void* table, size_t n, RowFn row, DISPID id, WORD flags) {
    size_t chosen = n;
    for (size_t i = 0; i < n; ++i) {
        MemberView m = row(table, i);
        if (m.id != id || !Answers(m.kind, flags)) continue;
        bool exact = (m.kind == Kind::Get && (flags & DISPATCH_PROPERTYGET)) ||
                     (m.kind == Kind::Method && (flags & DISPATCH_METHOD)) || m.kind == Kind::Put;
        if (exact) return i;
        if (chosen == n) chosen = i;
    }
    return chosen;
}

// Every named argument must name a parameter of the row by its position; the new value of
// a let may arrive as the named argument DISPID_PROPERTYPUT (*putNamed) or as the only
// positional one.
HRESULT CheckNamedArgs(const MemberView& m, const DISPPARAMS& params, bool* putNamed, UINT* argErr) {
    for (UINT k = 0; k < params.cNamedArgs; ++k) {
        DISPID nid = params.rgdispidNamedArgs[k];
        if (nid == DISPID_PROPERTYPUT && m.kind == Kind::Put) {
            *putNamed = true;
            continue;
        }
        if (nid < 0 || static_cast<size_t>(nid) >= m.count) {
            if (argErr) *argErr = k;
            RETURN_HR(DISP_E_PARAMNOTFOUND);
        }
    }
    return S_OK;
}

// Where the argument of parameter p lies in rgvarg, or -1 when the caller left it out.
// Named arguments come first, in the order of their names; positional ones lie at the end,
// in reverse order.
long Locate(const MemberView& m, const DISPPARAMS& params, size_t p, bool putNamed) {
    const UINT total = params.cArgs;
    const UINT named = params.cNamedArgs;
    const UINT positional = total - named;
    const DISPID wanted = m.kind == Kind::Put ? DISPID_PROPERTYPUT : static_cast<DISPID>(p);
    if (m.kind == Kind::Put && !putNamed) return positional == 1 ? static_cast<long>(total - 1) : -1;
    if (m.kind != Kind::Put && p < positional) return static_cast<long>(total - 1 - p);
    long at = -1;
    for (UINT k = 0; k < named; ++k)
        if (params.rgdispidNamedArgs[k] == wanted) at = static_cast<long>(k);
    return at;
}

// Binds the argument at rgvarg[at] (at -1: not passed) into `out`: the parameter's default
// when it is omitted, else the argument converted to the parameter's type.
HRESULT BindArg(const Param& param, VARIANT* rgvarg, long at, VARIANT* out, EXCEPINFO* excep, UINT* argErr) {
    VARIANT* src = at >= 0 ? &rgvarg[at] : nullptr;
    // Omitted: not passed, passed as "missing", or (for an optional parameter) passed as
    // JScript's undefined.
    if (!src || omitted(src) || (param.optional && empty(src))) {
        if (!param.optional && argErr && src) *argErr = static_cast<UINT>(at);
        RETURN_HR_IF(DISP_E_PARAMNOTOPTIONAL, !param.optional);
        return takeDefault(param, out);
    }
    HRESULT hr = Convert(param, src, out);
    if (FAILED(hr) && argErr) *argErr = static_cast<UINT>(at);
    if (hr == DISP_E_OVERFLOW) {
        fillException(excep, kScriptOverflow, L"Overflow");
        hr = DISP_E_EXCEPTION;
    }
    RETURN_IF_FAILED(hr);
    return S_OK;
}

}  // namespace

HRESULT LookupNames(const void* table, size_t n, RowFn row, const NameIndex*& index, LPOLESTR* names,
                    UINT count, DISPID* ids) {
    if (!names || !ids || count == 0) RETURN_HR(E_INVALIDARG);
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    if (!names[0]) return DISP_E_UNKNOWNNAME;

    if (!index) {
        Indexes().push_back(std::make_unique<NameIndex>(table, n, row));
        index = Indexes().back().get();
    }
    size_t found = index->find(names[0], n);
    if (found == n) return DISP_E_UNKNOWNNAME;

    DISPID member = row(table, found).id;
    ids[0] = member;
    // Further names are parameter names: their ids are their positions.
    HRESULT hr = S_OK;
    for (UINT k = 1; k < count; ++k) {
        if (!names[k]) { hr = DISP_E_UNKNOWNNAME; continue; }
        for (size_t i = 0; i < n && ids[k] == DISPID_UNKNOWN; ++i) {
            MemberView m = row(table, i);
            if (m.id != member) continue;
            for (size_t p = 0; p < m.count; ++p)
                if (SameName(m.params[p].name, names[k])) { ids[k] = static_cast<DISPID>(p); break; }
        }
        if (ids[k] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

HRESULT BindCall(const void* table, size_t n, RowFn row, DISPID id, WORD flags, DISPPARAMS* params,
                 Args& args, size_t* index, EXCEPINFO* excep, UINT* argErr) {
    DISPPARAMS none{};
    if (!params) params = &none;
    RETURN_HR_IF(E_INVALIDARG, params->cArgs && !params->rgvarg);
    RETURN_HR_IF(E_INVALIDARG, params->cNamedArgs > params->cArgs ||
                                   (params->cNamedArgs && !params->rgdispidNamedArgs));

    const size_t chosen = ChooseRow(table, n, row, id, flags);
    RETURN_HR_IF(DISP_E_MEMBERNOTFOUND, chosen == n);
    *index = chosen;
    const MemberView m = row(table, chosen);
    RETURN_HR_IF(E_UNEXPECTED, m.count > kMaxParams);  // a row Args cannot hold is refused

    bool putNamed = false;
    RETURN_IF_FAILED(CheckNamedArgs(m, *params, &putNamed, argErr));
    const UINT positional = params->cArgs - params->cNamedArgs;
    RETURN_HR_IF(DISP_E_BADPARAMCOUNT, positional + (putNamed ? 1 : 0) > m.count);

    args.bindTo(m.params);
    for (size_t p = 0; p < m.count; ++p) {
        const long at = Locate(m, *params, p, putNamed);
        args.setCount(p + 1);
        RETURN_IF_FAILED(BindArg(m.params[p], params->rgvarg, at, args.slot(p), excep, argErr));
    }
    return S_OK;
}

HRESULT FinishCall(HRESULT hr, EXCEPINFO* excep) {
    if (hr == DISP_E_OVERFLOW) {
        fillException(excep, kScriptOverflow, L"Overflow");
        return DISP_E_EXCEPTION;
    }
    if (hr == DISP_E_DIVBYZERO) {
        fillException(excep, kScriptDivByZero, L"Division by zero");
        return DISP_E_EXCEPTION;
    }
    if (hr == DISP_E_BADINDEX) {
        fillException(excep, kScriptSubscript, L"Subscript out of range");
        return DISP_E_EXCEPTION;
    }
    return hr;
}

}  // namespace mv
