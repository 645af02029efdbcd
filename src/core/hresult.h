// Error macros: HRESULTs travel up and return early. A failure is traced where it is
// returned, as WIL's macros do: file, line and code go to the debug log, so a failing call
// can be followed without a debugger (DebugView on Windows; WINEDEBUG=+debugstr under Wine).
#pragma once

#include <windows.h>

namespace mv {

// Writes "Morvane: file(line): 0x80070057 context" to the debug log (OutputDebugString)
// when hr is a failure; returns hr either way.
HRESULT TraceFailure(const char* file, int line, HRESULT hr, const wchar_t* context = nullptr);

}  // namespace mv

// Returns hr, traced when it is a failure.
#define RETURN_HR(hr) return ::mv::TraceFailure(__FILE__, __LINE__, (hr))

#define RETURN_IF_FAILED(expr)                                              \
    do {                                                                    \
        HRESULT hr_ = (expr);                                               \
        if (FAILED(hr_)) return ::mv::TraceFailure(__FILE__, __LINE__, hr_); \
    } while (0)

#define RETURN_HR_IF(hr, cond)                                              \
    do {                                                                    \
        if (cond) return ::mv::TraceFailure(__FILE__, __LINE__, (hr));      \
    } while (0)

#define RETURN_LAST_ERROR_IF(cond)                                          \
    do {                                                                    \
        if (cond) {                                                         \
            DWORD e_ = GetLastError();                                      \
            return ::mv::TraceFailure(__FILE__, __LINE__,                   \
                                      e_ ? HRESULT_FROM_WIN32(e_) : E_FAIL); \
        }                                                                   \
    } while (0)
