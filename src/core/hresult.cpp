// The failure trace behind the error macros.
#include "core/hresult.h"

#include <cstdio>
#include <cstring>

namespace mv {

HRESULT TraceFailure(const char* file, int line, HRESULT hr, const wchar_t* context) {
    if (SUCCEEDED(hr)) return hr;
    // The path from the source tree on: the build's absolute prefix says nothing.
    const char* src = std::strstr(file, "src/");
    char text[512];
    std::snprintf(text, sizeof text, "Morvane: %s(%d): 0x%08lX %ls\n", src ? src : file, line,
                  static_cast<unsigned long>(hr), context ? context : L"");
    OutputDebugStringA(text);
    return hr;
}

}  // namespace mv
