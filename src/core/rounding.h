// Rounding as the library's arithmetic does it: to the nearest integer, halves to the
// even neighbour, with a result outside the 32-bit range reported as an overflow.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cmath>

namespace mv {

// x rounded to the nearest integer, halves to even (the default rounding mode).
inline HRESULT RoundToLong(double x, long* out) {
    double r = std::nearbyint(x);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return DISP_E_OVERFLOW;  // NaN too
    *out = static_cast<long>(r);
    return S_OK;
}

// The quotient p / q of two integers (q > 0) rounded to the nearest integer, halves to
// even: the same as rounding the floating-point quotient, without touching the floating-
// point environment (std::nearbyint saves and restores it, which costs in a loop).
inline long long DivideHalfEven(long long p, long long q) {
    long long n = p / q, r = p % q;
    if (r < 0) r += q, --n;  // floor division
    if (2 * r > q || (2 * r == q && (n & 1))) ++n;
    return n;
}

// v as a 32-bit signed value; DISP_E_OVERFLOW when it does not fit.
inline HRESULT NarrowToLong(long long v, long* out) {
    if (v < -2147483648LL || v > 2147483647LL) return DISP_E_OVERFLOW;
    *out = static_cast<long>(v);
    return S_OK;
}

// a * b as a 32-bit signed product; DISP_E_OVERFLOW when it does not fit.
inline HRESULT MultiplyLong(long a, long b, long* out) { return NarrowToLong(static_cast<long long>(a) * b, out); }

}  // namespace mv
