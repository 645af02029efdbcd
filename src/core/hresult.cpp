// The failure trace behind the error macros.
#include "core/hresult.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <new>

namespace mv {

namespace {
void (*g_listener)(const char*) = nullptr;
}  // namespace

void SetTraceListener(void (*listener)(const char* line)) { g_listener = listener; }

HRESULT TraceFailure(const char* file, int line, HRESULT hr, const wchar_t* context) {
    if (SUCCEEDED(hr)) return hr;
    // The path from the source tree on: the build's absolute prefix says nothing.
    const char* src = std::strstr(file, "src/");
    char text[512];
    std::snprintf(text, sizeof text, "Morvane: %s(%d): 0x%08lX %ls\n", src ? src : file, line,
                  static_cast<unsigned long>(hr), context ? context : L"");
    OutputDebugStringA(text);
    if (g_listener) g_listener(text);
    return hr;
}

HRESULT TraceLastError(const char* file, int line, const wchar_t* call) {
    const DWORD error = GetLastError();
    return TraceFailure(file, line, error ? HRESULT_FROM_WIN32(error) : E_FAIL, call);
}

HRESULT TraceCaught(const char* file, int line, const wchar_t* context) {
    HRESULT hr = E_UNEXPECTED;
    const char* what = "not a standard exception";
    try {
        throw;
    } catch (const std::bad_alloc& e) {
        hr = E_OUTOFMEMORY;
        what = e.what();
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
    }
    // The context, then what was thrown: "event delivery (thrown: std::bad_alloc)", in a
    // fixed buffer: nothing here may allocate (it may be a failed allocation being traced).
    wchar_t text[256];
    size_t n = 0;
    auto append = [&text, &n](const auto* s) {
        for (; *s && n + 1 < sizeof text / sizeof text[0]; ++s) text[n++] = static_cast<wchar_t>(*s);
    };
    append(context ? context : L"caught at the boundary");
    append(" (thrown: ");
    append(what);
    append(")");
    text[n] = L'\0';
    return TraceFailure(file, line, hr, text);
}

}  // namespace mv
