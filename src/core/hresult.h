// Error macros: HRESULTs travel up and return early.
#pragma once

#include <windows.h>

#define RETURN_IF_FAILED(expr)                    \
    do {                                          \
        HRESULT hr_ = (expr);                     \
        if (FAILED(hr_)) return hr_;              \
    } while (0)

#define RETURN_HR_IF(hr, cond)                    \
    do {                                          \
        if (cond) return (hr);                    \
    } while (0)

#define RETURN_LAST_ERROR_IF(cond)                                      \
    do {                                                                \
        if (cond) {                                                     \
            DWORD e_ = GetLastError();                                  \
            return e_ ? HRESULT_FROM_WIN32(e_) : E_FAIL;                \
        }                                                               \
    } while (0)
