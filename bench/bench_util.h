// What the benchmark programs share: a millisecond clock, medians, and late-bound calls
// by name as a script host makes them, with the tests' own helper (tests/unit/late_bound.h).
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/unique.h"
#include "late_bound.h"

namespace bench {

using mv::ComPtr;
using test::Arg;
using test::Call;
using test::Obj;

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

inline Obj NewForm(IDispatch* desk, const std::wstring& name, long width = 900, long height = 700) {
    return Obj(desk).obj(L"CreateForm", {name, name, 10, 10, width, height});
}

}  // namespace bench
