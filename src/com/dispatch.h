// Late binding from one member table per class. Each row names a member, its dispatch id,
// its kind (property get, property let, method), its parameters with their types,
// optional flags and defaults, and the handler that does the work. The dispatcher answers
// GetIDsOfNames and Invoke from the rows: it looks names up without regard to case, takes
// arguments in reverse order, dereferences by-reference arguments of any kind (VBScript
// passes VT_BYREF|VT_VARIANT), fills omitted optionals with their defaults, converts with
// VariantChangeType and reports the standard errors. Handlers see converted arguments only.
// A row also carries the member's one-line help, which the type information repeats, and
// says whether the member serves only some kinds of object (a control's kind-specific
// members): the dispatcher asks about those, with the row's own name, before the handler.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <initializer_list>
#include <new>
#include <string>

#include "core/hresult.h"
#include "core/text.h"

namespace mv {

enum class Kind : unsigned char { Get, Put, Method };

struct Param {
    const wchar_t* name;
    VARTYPE vt;                        // VT_I4, VT_BSTR, VT_BOOL or VT_VARIANT
    bool optional;
    long defLong;                      // default of an omitted VT_I4 / VT_BOOL argument
    const wchar_t* defText;            // default of an omitted VT_BSTR argument
};

constexpr Param Req(const wchar_t* name, VARTYPE vt) { return {name, vt, false, 0, nullptr}; }
constexpr Param Opt(const wchar_t* name, VARTYPE vt, long def = 0) { return {name, vt, true, def, nullptr}; }
constexpr Param OptText(const wchar_t* name, const wchar_t* def = L"") { return {name, VT_BSTR, true, 0, def}; }

// How many arguments Args holds. Each class's table asserts that its rows fit
// (ParamsFitArgs); the dispatcher refuses a row of any other table that does not.
constexpr size_t kMaxParams = 10;

// Converted arguments, in parameter order.
class Args {
public:
    Args();
    Args(const Args&) = delete;
    Args& operator=(const Args&) = delete;
    ~Args();

    // The position of the member's parameter of this name (compared exactly), for handlers
    // that read their arguments by name; a name the member does not have gives a position
    // whose argument reads as 0 or the empty string.
    size_t indexOf(const wchar_t* name) const;

    size_t size() const { return count_; }
    long lng(size_t i) const { return v_[i].lVal; }
    bool flag(size_t i) const { return v_[i].boolVal != VARIANT_FALSE; }
    BSTR bstr(size_t i) const { return v_[i].bstrVal; }  // may be null: counts as empty
    std::wstring text(size_t i) const { return toWide(v_[i].bstrVal); }
    const VARIANT& var(size_t i) const { return v_[i]; }

    VARIANT* slot(size_t i) { return &v_[i]; }
    void setCount(size_t n) { count_ = n; }
    void bindTo(const Param* params) { params_ = params; }

private:
    static constexpr size_t kNowhere = kMaxParams;  // stays empty: what an unknown name reads
    VARIANT v_[kMaxParams + 1];
    size_t count_ = 0;
    const Param* params_ = nullptr;
};

// Where a handler puts its answer; the caller may not want one.
class Result {
public:
    explicit Result(VARIANT* v) : v_(v) {}
    void setLong(long n);
    void setHandle(HWND h) { setLong(static_cast<long>(reinterpret_cast<LONG_PTR>(h))); }
    void setBool(bool b);
    void setText(const std::wstring& s);
    void setText(const wchar_t* s, size_t len);
    void setObject(IDispatch* p);  // shares the reference; null gives a null object
    void setUnknown(IUnknown* p);
    // The empty value of a type: 0 for VT_I4, the empty string for VT_BSTR, else nothing.
    void setEmpty(VARTYPE vt);

private:
    VARIANT* v_;
};

// Whether a member serves every object of its class or only the kinds the object admits it
// for (controls: the property-applicability table). Where a kind-specific member does not
// apply, its handler does not run and the call answers the empty value of `emptyAnswer`.
struct Applicability {
    bool kindSpecific;
    VARTYPE emptyAnswer;  // VT_I4 (0), VT_BSTR (the empty string) or VT_EMPTY (nothing)
};
constexpr Applicability kEveryKind{false, VT_EMPTY};
constexpr Applicability ForKinds(VARTYPE emptyAnswer = VT_EMPTY) { return {true, emptyAnswer}; }

// What a member row runs: the object, its converted arguments, where its answer goes.
// Handlers are declared with it too: `MemberHandler<Control> GetEnable, PutEnable;`.
template <typename T>
using MemberHandler = HRESULT(T& self, const Args& args, Result& result);

template <typename T>
struct Member {
    const wchar_t* name;
    DISPID id;
    Kind kind;
    std::initializer_list<Param> params;
    MemberHandler<T>* fn;
    // What the member does, in a user's words: one line of plain ASCII without double quotes,
    // the same for the get and the let of a property.
    const wchar_t* help;
    Applicability applies = kEveryKind;
};

// Checks a member table at compile time: every row fits Args, and its help is there, short,
// plain and shared by the rows of one property. Each class's table asserts both.
template <typename T, size_t N>
constexpr bool ParamsFitArgs(const Member<T> (&rows)[N]) {
    for (const Member<T>& row : rows)
        if (row.params.size() > kMaxParams) return false;
    return true;
}

constexpr size_t kMaxHelp = 100;

constexpr bool IsPlainHelp(const wchar_t* help) {
    if (!help || !*help) return false;
    for (size_t n = 0; help[n]; ++n)
        if (n >= kMaxHelp || help[n] < L' ' || help[n] > L'~' || help[n] == L'"') return false;
    return true;
}

constexpr bool SameText(const wchar_t* a, const wchar_t* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

template <typename T, size_t N>
constexpr bool HelpIsPlainAndShared(const Member<T> (&rows)[N]) {
    for (size_t i = 0; i < N; ++i) {
        if (!IsPlainHelp(rows[i].help)) return false;
        for (size_t j = i + 1; j < N; ++j)
            if (rows[j].id == rows[i].id && !SameText(rows[j].help, rows[i].help)) return false;
    }
    return true;
}

// The type-independent part of a member row, as the dispatcher sees it.
struct MemberView {
    const wchar_t* name;
    DISPID id;
    Kind kind;
    const Param* params;
    size_t count;
};

// The shared dispatcher reads any class's table through a RowFn: row i of the table as
// a MemberView.
using RowFn = MemberView (*)(const void* table, size_t i);

// Member names folded to lower case, hashed to their first row; built once per table on
// its first name lookup (script hosts look names up at nearly every call).
class NameIndex;

HRESULT LookupNames(const void* table, size_t n, RowFn row, const NameIndex*& index, LPOLESTR* names,
                    UINT count, DISPID* ids);

// Binds a call in three steps: chooses the row that answers (id, flags) and returns its
// index in *index, checks the named arguments against it, then binds each argument (or
// the default of an omitted one) into `args`. S_OK when the handler may run; a row with
// more parameters than Args holds is refused with E_UNEXPECTED.
HRESULT BindCall(const void* table, size_t n, RowFn row, DISPID id, WORD flags, DISPPARAMS* params,
                 Args& args, size_t* index, EXCEPINFO* excep, UINT* argErr);

// What a script sees in an EXCEPINFO: the Basic runtime's error numbers (6 overflow,
// 9 subscript out of range, 11 division by zero), as automation objects report them.
constexpr HRESULT kScriptOverflow = static_cast<HRESULT>(0x800A0006);
constexpr HRESULT kScriptSubscript = static_cast<HRESULT>(0x800A0009);
constexpr HRESULT kScriptDivByZero = static_cast<HRESULT>(0x800A000B);

// Turns a handler's failure into what the caller sees: overflow and division by zero
// become DISP_E_EXCEPTION with an EXCEPINFO, as a script's own arithmetic errors do.
HRESULT FinishCall(HRESULT hr, EXCEPINFO* excep);

// Calls answered so far by all of the library's objects: whether the script did anything
// else between two calls.
unsigned long CallCount();
void CountCall();

template <typename T>
class DispatchTable {
public:
    template <size_t N>
    explicit constexpr DispatchTable(const Member<T> (&rows)[N]) : rows_(rows), n_(N) {}

    size_t size() const { return n_; }
    const Member<T>& operator[](size_t i) const { return rows_[i]; }

    HRESULT getIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) const {
        return LookupNames(rows_, n_, &view, index_, names, count, ids);
    }

    HRESULT invoke(T& self, DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excep, UINT* argErr) const {
        CountCall();
        Args args;
        size_t index = 0;
        HRESULT hr = BindCall(rows_, n_, &view, id, flags, params, args, &index, excep, argErr);
        if (FAILED(hr)) return hr;
        if (result) VariantInit(result);
        Result out(result);
        const Member<T>& row = rows_[index];
        if (row.applies.kindSpecific && !self.memberApplies(row.name)) {
            out.setEmpty(row.applies.emptyAnswer);
            return S_OK;
        }
        // No exception crosses a COM method: the caller sees what it was.
        try {
            hr = row.fn(self, args, out);
        } catch (const std::bad_alloc&) {
            hr = E_OUTOFMEMORY;
        } catch (...) {
            hr = E_UNEXPECTED;
        }
        if (FAILED(hr)) TraceFailure(__FILE__, __LINE__, hr, row.name);
        return FinishCall(hr, excep);
    }

    static MemberView view(const void* table, size_t i) {
        const Member<T>& m = static_cast<const Member<T>*>(table)[i];
        return {m.name, m.id, m.kind, m.params.begin(), m.params.size()};
    }

private:
    const Member<T>* rows_;
    size_t n_;
    mutable const NameIndex* index_ = nullptr;
};

}  // namespace mv

namespace mv {

// The event-string properties of forms and controls: the strings live in `events()` and
// are stored and handed back unchanged.
template <typename T, auto Field>
HRESULT GetEventString(T& t, const Args&, Result& r) { r.setText(t.events().*Field); return S_OK; }

template <typename T, auto Field>
HRESULT PutEventString(T& t, const Args& a, Result&) { t.events().*Field = a.text(0); return S_OK; }

// The hwnd property of forms and controls.
template <typename T>
HRESULT GetWindowHandle(T& t, const Args&, Result& r) { r.setHandle(t.hwnd()); return S_OK; }

}  // namespace mv
