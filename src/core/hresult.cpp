// The failure trace behind the error macros.
#include "core/hresult.h"

#include <cstdio>
#include <cstring>
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

HRESULT TraceCaught(const char* file, int line, const wchar_t* context) {
    HRESULT hr = E_UNEXPECTED;
    try {
        throw;
    } catch (const std::bad_alloc&) {
        hr = E_OUTOFMEMORY;
    } catch (...) {
    }
    return TraceFailure(file, line, hr, context ? context : L"caught at the boundary");
}

}  // namespace mv
