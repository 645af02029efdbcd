// Error macros: HRESULTs travel up and return early. A failure is traced where it is
// returned, as WIL's macros do: file, line and code go to the debug log, so a failing call
// can be followed without a debugger (DebugView on Windows; WINEDEBUG=+debugstr under Wine).
#pragma once

#include <windows.h>

namespace mv {

// Writes "Morvane: file(line): 0x80070057 context" to the debug log (OutputDebugString)
// when hr is a failure; returns hr either way.
HRESULT TraceFailure(const char* file, int line, HRESULT hr, const wchar_t* context = nullptr);

// Inside a catch block at a boundary no exception may cross (a window procedure, a COM
// method): traces what escaped (its what() text), with the boundary's file and line, and
// returns it as a code: E_OUTOFMEMORY for a failed allocation, E_UNEXPECTED for anything
// else.
HRESULT TraceCaught(const char* file, int line, const wchar_t* context = nullptr);

// The last error as an HRESULT (E_FAIL when none is set), traced with the failed call.
HRESULT TraceLastError(const char* file, int line, const wchar_t* call);
template <typename T>
T LogIfFalse(T value, const char* file, int line, const wchar_t* call) {
    if (!value) TraceLastError(file, line, call);
    return value;
}

// Where the trace's lines also go, besides the debug log (null: nowhere else); the tests
// read it.
void SetTraceListener(void (*listener)(const char* line));

}  // namespace mv

// Returns hr, traced when it is a failure.
#define RETURN_HR(hr) return ::mv::TraceFailure(__FILE__, __LINE__, (hr))

// Ends the try block that makes up a COM method's body.
#define CATCH_RETURN() \
    catch (...) { return ::mv::TraceCaught(__FILE__, __LINE__); }

#define RETURN_IF_FAILED(expr)                                              \
    do {                                                                    \
        HRESULT hr_ = (expr);                                               \
        if (FAILED(hr_)) return ::mv::TraceFailure(__FILE__, __LINE__, hr_); \
    } while (0)

#define RETURN_HR_IF(hr, cond)                                              \
    do {                                                                    \
        if (cond) return ::mv::TraceFailure(__FILE__, __LINE__, (hr));      \
    } while (0)

// A Win32 call whose failure matters but does not end the caller's work: a BOOL (or a
// handle, an atom) of zero is traced with the call's text and its last error; the value
// is given back either way.
#define MV_WIDE_(text) L##text
#define MV_WIDE(text) MV_WIDE_(text)
#define LOG_IF_WIN32_BOOL_FALSE(call) ::mv::LogIfFalse((call), __FILE__, __LINE__, MV_WIDE(#call))
