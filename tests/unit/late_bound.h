// Late-bound calls as a script host makes them: names looked up with GetIDsOfNames,
// arguments passed in reverse order through IDispatch::Invoke. The one way the tests and
// the benchmarks call the library: Get/Put/Call on a borrowed IDispatch, or an Obj that
// holds its object as a script variable does.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/unique.h"

namespace test {

// One argument, owned; by default empty (a result slot, or JScript's undefined).
class Arg {
public:
    Arg() { VariantInit(&v_); }
    Arg(long n) { VariantInit(&v_); V_VT(&v_) = VT_I4; V_I4(&v_) = n; }          // NOLINT
    Arg(int n) : Arg(static_cast<long>(n)) {}                                      // NOLINT
    Arg(double d) { VariantInit(&v_); V_VT(&v_) = VT_R8; V_R8(&v_) = d; }          // NOLINT
    Arg(const wchar_t* s) { VariantInit(&v_); V_VT(&v_) = VT_BSTR; V_BSTR(&v_) = SysAllocString(s); }  // NOLINT
    Arg(const std::wstring& s) {                                                   // NOLINT
        VariantInit(&v_);
        V_VT(&v_) = VT_BSTR;
        V_BSTR(&v_) = SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
    }
    Arg(IDispatch* p) { VariantInit(&v_); V_VT(&v_) = VT_DISPATCH; V_DISPATCH(&v_) = p; if (p) p->AddRef(); }  // NOLINT
    explicit Arg(const VARIANT& v) { VariantInit(&v_); VariantCopy(&v_, const_cast<VARIANT*>(&v)); }
    Arg(const Arg& o) { VariantInit(&v_); VariantCopy(&v_, const_cast<VARIANT*>(&o.v_)); }
    Arg(Arg&& o) noexcept : v_(o.v_) { VariantInit(&o.v_); }
    Arg& operator=(const Arg&) = delete;
    ~Arg() { VariantClear(&v_); }

    static Arg Missing() { VARIANT v; VariantInit(&v); V_VT(&v) = VT_ERROR; V_ERROR(&v) = DISP_E_PARAMNOTFOUND; return Arg(v); }
    static Arg Empty() { VARIANT v; VariantInit(&v); return Arg(v); }
    static Arg Null() { VARIANT v; VariantInit(&v); V_VT(&v) = VT_NULL; return Arg(v); }
    static Arg Bool(bool b) { VARIANT v; VariantInit(&v); V_VT(&v) = VT_BOOL; V_BOOL(&v) = b ? VARIANT_TRUE : VARIANT_FALSE; return Arg(v); }
    // VBScript passes variables as VT_BYREF|VT_VARIANT pointing at the variable.
    static Arg ByRef(VARIANT* var) { VARIANT v; VariantInit(&v); V_VT(&v) = VT_BYREF | VT_VARIANT; V_VARIANTREF(&v) = var; return Arg(v); }
    static Arg ByRefLong(long* p) { VARIANT v; VariantInit(&v); V_VT(&v) = VT_BYREF | VT_I4; V_I4REF(&v) = p; return Arg(v); }

    VARIANT& get() { return v_; }
    const VARIANT& get() const { return v_; }

private:
    VARIANT v_;
};

struct Outcome {
    HRESULT hr = E_FAIL;
    VARIANT value;
    EXCEPINFO excep{};
    UINT argErr = ~0u;

    Outcome() { VariantInit(&value); }
    Outcome(const Outcome&) = delete;
    Outcome(Outcome&& o) noexcept : hr(o.hr), value(o.value), excep(o.excep), argErr(o.argErr) {
        VariantInit(&o.value);
        o.excep = EXCEPINFO{};
    }
    ~Outcome() {
        VariantClear(&value);
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
        SysFreeString(excep.bstrHelpFile);
    }
    long lng() const;           // the value as a number (0 when it is none)
    std::wstring text() const;  // the value as text
    IDispatch* object() const;  // borrowed; null when none
};

DISPID IdOf(IDispatch* obj, const wchar_t* name);

// Any flags; named arguments are given by their dispatch ids (DISPID_PROPERTYPUT for a let).
Outcome InvokeRaw(IDispatch* obj, DISPID id, WORD flags, std::vector<Arg> args,
                  std::vector<DISPID> namedIds = {});

// By name: a name the object does not know is the answer (GetIDsOfNames' error), as a
// script host reports it; a let passes its value as the named DISPID_PROPERTYPUT.
Outcome Invoke(IDispatch* obj, const wchar_t* name, WORD flags, std::vector<Arg> args);

Outcome Get(IDispatch* obj, const wchar_t* name, std::vector<Arg> args = {});
Outcome Put(IDispatch* obj, const wchar_t* name, Arg value);
Outcome Call(IDispatch* obj, const wchar_t* name, std::vector<Arg> args = {});

// Shortcuts that expect success.
long GetLong(IDispatch* obj, const wchar_t* name);
std::wstring GetText(IDispatch* obj, const wchar_t* name);
HWND HwndOf(IDispatch* obj);  // its hwnd property

// A late-bound object held as a script variable holds it (a counted reference).
class Obj {
public:
    Obj() = default;
    explicit Obj(IDispatch* d) : d_(d) {}
    IDispatch* get() const { return d_.get(); }
    explicit operator bool() const { return d_.get() != nullptr; }

    // Invokes `name` with `flags` and returns the HRESULT of the call; the answer goes to
    // *result when it is not null.
    HRESULT invoke(const wchar_t* name, WORD flags, std::vector<Arg> args, VARIANT* result) const;

    // The result of a call (a method, or a property read), as a variant.
    Arg call(const wchar_t* name, std::vector<Arg> args = {}) const;
    Obj obj(const wchar_t* name, std::vector<Arg> args = {}) const;
    long num(const wchar_t* name, std::vector<Arg> args = {}) const;         // -12345678 when not a number
    std::wstring str(const wchar_t* name, std::vector<Arg> args = {}) const; // "<not a string>" when not text
    HRESULT put(const wchar_t* name, Arg value) const;

    HWND hwnd() const { return d_ ? HwndOf(d_.get()) : nullptr; }

private:
    mv::ComPtr<IDispatch> d_;
};

}  // namespace test
