// Late binding from one member table per class: the facts of each member, generated from
// the type library's source (its name, dispatch id, kind, parameters with their types,
// optional flags and defaults), and one row per member with the handler that does the
// work. The dispatcher answers GetIDsOfNames and Invoke from them: it looks names up
// without regard to case, takes arguments in reverse order, dereferences by-reference
// arguments of any kind (VBScript passes VT_BYREF|VT_VARIANT), fills omitted optionals
// with their defaults, converts with VariantChangeType and reports the standard errors.
// Handlers see converted arguments only. A row also says whether the member serves only
// some kinds of object (a control's kind-specific members): the dispatcher asks about
// those, with the member's name, before the handler. A dual interface's entries go the
// same way (CallDual).
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <initializer_list>
#include <new>
#include <string>

#include "com/event_loop.h"
#include "com/member_facts.h"
#include "core/hresult.h"
#include "core/text.h"
#include "core/unique.h"

namespace mv {

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
    std::wstring text(size_t i) const { return ToWide(v_[i].bstrVal); }
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

// The kinds of object a member serves, as a set (bit k for kind k; every kind by
// default). Where a kind-specific member does not apply to an object (a control's kind
// outside the set), its handler does not run and the call answers the empty value of
// `emptyAnswer`: VT_I4 (0), VT_BSTR (the empty string) or VT_EMPTY (nothing).
struct Applicability {
    unsigned kinds;
    VARTYPE emptyAnswer;
};
constexpr unsigned kEveryKindSet = ~0u;
constexpr Applicability kEveryKind{kEveryKindSet, VT_EMPTY};
constexpr Applicability ForKinds(unsigned kinds, VARTYPE emptyAnswer = VT_EMPTY) { return {kinds, emptyAnswer}; }

// What a member row runs: the object, its converted arguments, where its answer goes.
// Handlers are declared with it too: `MemberHandler<Control> GetEnable, PutEnable;`.
template <typename T>
using MemberHandler = HRESULT(T& self, const Args& args, Result& result);

// One member's handler, bound to the member's key in the generated facts (the position
// of the member in its interface: idl::clsDefForm::Caption_let). A class's rows bind its
// members in interface order, one row each, which its table checks at compile time.
template <typename T>
struct Member {
    unsigned key;
    MemberHandler<T>* fn;
    Applicability applies = kEveryKind;
};

template <typename T, size_t N>
constexpr bool BindsEveryMemberInOrder(const Member<T> (&rows)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (rows[i].key != i) return false;
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

template <typename T>
class DispatchTable {
public:
    // The facts of every member and its handler, one row each in the same order: a count
    // that differs does not compile.
    template <size_t N>
    constexpr DispatchTable(const MemberFacts (&facts)[N], const Member<T> (&rows)[N])
        : facts_(facts), rows_(rows), n_(N) {}

    size_t size() const { return n_; }
    const MemberFacts& facts(size_t i) const { return facts_[i]; }
    const Applicability& applicability(size_t i) const { return rows_[i].applies; }

    HRESULT getIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) const {
        return LookupNames(facts_, n_, &view, index_, names, count, ids);
    }

    HRESULT invoke(T& self, DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excep, UINT* argErr) const {
        // An object answers on the apartment thread that made it; elsewhere its state,
        // its windows and its events are not the caller's.
        if (!self.onHomeThread()) RETURN_HR(RPC_E_WRONG_THREAD);
        LibraryCall call;
        Args args;
        size_t index = 0;
        HRESULT hr = BindCall(facts_, n_, &view, id, flags, params, args, &index, excep, argErr);
        if (FAILED(hr)) return hr;
        if (result) VariantInit(result);
        Result out(result);
        const Member<T>& row = rows_[index];
        const wchar_t* name = facts_[index].name;
        if (row.applies.kinds != kEveryKindSet && !self.memberApplies(row.applies.kinds, name)) {
            out.setEmpty(row.applies.emptyAnswer);
            return S_OK;
        }
        // No exception crosses a COM method: the caller sees what it was.
        try {
            hr = row.fn(self, args, out);
            if (FAILED(hr)) TraceFailure(__FILE__, __LINE__, hr, name);
        } catch (...) {
            hr = TraceCaught(__FILE__, __LINE__, name);
        }
        return FinishCall(hr, excep);
    }

    static MemberView view(const void* table, size_t i) {
        const MemberFacts& m = static_cast<const MemberFacts*>(table)[i];
        return {m.name, m.id, m.kind, m.params, m.count};
    }

private:
    const MemberFacts* facts_;
    const Member<T>* rows_;
    size_t n_;
    mutable const NameIndex* index_ = nullptr;
};

// A dual-interface entry: the call goes through the member table as a late-bound call
// with the same arguments would, and its answer to `result` (a null `result` for a member
// that answers nothing).
HRESULT StoreDualResult(VARIANT& answer, long* result);
HRESULT StoreDualResult(VARIANT& answer, BSTR* result);
HRESULT StoreDualResult(VARIANT& answer, IDispatch** result);
HRESULT StoreDualResult(VARIANT& answer, IUnknown** result);
inline HRESULT StoreDualResult(VARIANT&, std::nullptr_t) { return S_OK; }

void PackDualCall(const MemberFacts& facts, std::initializer_list<VARIANT> args, VARIANT* reversed,
                  DISPPARAMS* params, WORD* flags);

template <typename T, typename R>
HRESULT CallDual(T& self, unsigned key, std::initializer_list<VARIANT> args, R result) {
    try {
        const MemberFacts& facts = T::members().facts(key);
        VARIANT reversed[kMaxParams];
        DISPPARAMS params{};
        WORD flags = 0;
        PackDualCall(facts, args, reversed, &params, &flags);
        Variant answer;
        RETURN_IF_FAILED(T::members().invoke(self, facts.id, flags, &params, answer.get(), nullptr, nullptr));
        return StoreDualResult(*answer.get(), result);
    }
    CATCH_RETURN()
}

}  // namespace mv

namespace mv {

// The event-string properties of forms and controls: the strings live in `events()`,
// indexed by event key, and are stored and handed back unchanged.
template <typename T, auto Event>
HRESULT GetEventString(T& t, const Args&, Result& r) { r.setText(t.events()[Event]); return S_OK; }

template <typename T, auto Event>
HRESULT PutEventString(T& t, const Args& a, Result&) { t.events()[Event] = a.text(0); return S_OK; }

// The hwnd property of forms and controls.
template <typename T>
HRESULT GetWindowHandle(T& t, const Args&, Result& r) { r.setHandle(t.hwnd()); return S_OK; }

}  // namespace mv
