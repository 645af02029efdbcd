// Loading the embedded type library and handing out its type information.
#include "com/type_info.h"

#include <oleauto.h>

#include "com/module.h"
#include "core/hresult.h"
#include "core/unique.h"

namespace mv {

namespace {

struct EmbeddedLibrary {
    HRESULT loaded;
    ITypeLib* lib;  // kept for the process, like the type information it hands out
};

EmbeddedLibrary Load() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(ModuleInstance(), path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {TYPE_E_CANTLOADLIBRARY, nullptr};
    ITypeLib* lib = nullptr;
    HRESULT hr = LoadTypeLibEx(path, REGKIND_NONE, &lib);
    return {hr, SUCCEEDED(hr) ? lib : nullptr};
}

// Initialised once, on the first call from any thread: the language makes the other
// callers wait for the one that loads.
const EmbeddedLibrary& Library() {
    static const EmbeddedLibrary library = Load();
    return library;
}

}  // namespace

HRESULT TypeInfoOf(REFGUID interfaceId, ITypeInfo** out) {
    if (!out) RETURN_HR(E_POINTER);
    *out = nullptr;
    const EmbeddedLibrary& library = Library();
    if (FAILED(library.loaded)) return library.loaded;
    return library.lib->GetTypeInfoOfGuid(interfaceId, out);
}

}  // namespace mv
