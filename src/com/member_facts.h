// What the type library says of one automation member, as the dispatcher reads it: name,
// dispatch id, kind, parameters with their types, optional flags and defaults, result type
// and help. The facts of the library's three classes are generated at build time from
// src/com/morvane.idl (tools/idl_members.py writes morvane_members.h), where each member is
// described once.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstddef>
#include <initializer_list>

namespace mv {

enum class Kind : unsigned char { Get, Put, Method };

struct Param {
    const wchar_t* name;
    VARTYPE vt;                        // VT_I4, VT_BSTR, VT_BOOL or VT_VARIANT
    bool optional;
    long defLong;                      // default of an omitted VT_I4 / VT_BOOL argument
    const wchar_t* defText;            // default of an omitted VT_BSTR argument
};

struct MemberFacts {
    const wchar_t* name;
    DISPID id;
    Kind kind;
    const Param* params;
    size_t count;
    VARTYPE result;                    // VT_EMPTY when the member answers nothing
    // What the member does, in a user's words: one line of plain ASCII without double
    // quotes, the same for the get and the let of a property.
    const wchar_t* help;
};

// One event string of a class (its On… property) as the IDL ties it to the source
// methods it raises: the keys of the property's get and let, and the dispatch ids of the
// methods, first in the class's own source interface, then (for a control) in its form's;
// DISPID_UNKNOWN where there is none.
constexpr size_t kMaxEventSources = 2;
struct EventFacts {
    unsigned get, let;
    DISPID raises[kMaxEventSources];
};

// How many arguments a member may take (what the dispatcher's Args holds).
constexpr size_t kMaxParams = 10;

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

// Checked at compile time for every class: each member fits Args and has its help, one
// help for the get and the let of a property.
template <size_t N>
constexpr bool FactsAreSound(const MemberFacts (&facts)[N]) {
    for (size_t i = 0; i < N; ++i) {
        if (facts[i].count > kMaxParams || !IsPlainHelp(facts[i].help)) return false;
        for (size_t j = i + 1; j < N; ++j)
            if (facts[j].id == facts[i].id && !SameText(facts[j].help, facts[i].help)) return false;
    }
    return true;
}

// An argument of a dual-interface entry, by reference as the caller passed it; a null
// pointer is an omitted optional argument.
VARIANT DualArg(long* p);
VARIANT DualArg(BSTR* p);
VARIANT DualArg(VARIANT_BOOL* p);
VARIANT DualArg(VARIANT* p);

}  // namespace mv
