// Self-registration: the ProgID, the class's in-process server and the type library,
// machine-wide (DllRegisterServer) or for the current user only (DllInstall "user").
//
// A 32-bit and a 64-bit build may be registered side by side. The class keys live in
// each bitness's own registry view; the ProgID and the type library are shared between
// the views. Unregistering one bitness removes its own class keys and its own entry of
// the type library, and the shared keys only when the other bitness is not registered.
// Every key is written and removed by the library itself (registration_type_library.h)
// below the classes key of its scope, named explicitly: HKEY_LOCAL_MACHINE\Software\Classes
// machine-wide, HKEY_CURRENT_USER\Software\Classes per user. Not through
// HKEY_CLASSES_ROOT: Windows stores what is written there below HKEY_CURRENT_USER wherever
// the user has keys of the same name, so a machine-wide registration after a per-user one
// would register for the user again, and a machine-wide removal would remove the user's
// keys. Each bitness writes its class keys into its own registry view, as the system
// redirects them.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

#include "com/module.h"
#include "com/registry_keys.h"
#include "com/registration_type_library.h"
#include "core/hresult.h"
#include "core/unique.h"

namespace mv {

namespace {

// The registry view of the other bitness.
#ifdef _WIN64
constexpr REGSAM kOtherView = KEY_WOW64_32KEY;
#else
constexpr REGSAM kOtherView = KEY_WOW64_64KEY;
#endif

std::wstring ModulePath() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(ModuleInstance(), path, MAX_PATH);
    return (n == 0 || n >= MAX_PATH) ? std::wstring() : std::wstring(path, n);
}

// Where the keys go: the machine's classes, or the user's own.
struct Scope {
    bool perUser;
    HKEY base() const { return perUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }
};

UniqueKey OpenRoot(const Scope& scope, REGSAM access) {
    UniqueKey key;
    RegCreateKeyExW(scope.base(), L"Software\\Classes", 0, nullptr, 0, access, nullptr, key.put(), nullptr);
    return key;
}

struct KeyValue {
    std::wstring key;       // below the scope's root
    const wchar_t* name;    // nullptr: the key's default value
    std::wstring value;
    bool shared;            // one key for both bitnesses
};

// Every value registration writes, parents before children.
std::vector<KeyValue> Entries(const std::wstring& path) {
    const std::wstring clsid = GuidText(CLSID_Desktop);
    const std::wstring classKey = L"CLSID\\" + clsid;
    const std::wstring progId = kProgIdW;
    return {
        { progId, nullptr, L"Desktop", true },
        { progId + L"\\CLSID", nullptr, clsid, true },
        { classKey, nullptr, L"Desktop", false },
        { classKey + L"\\InprocServer32", nullptr, path, false },
        { classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment", false },
        { classKey + L"\\ProgID", nullptr, progId, false },
        { classKey + L"\\TypeLib", nullptr, GuidText(LIBID_Morvane), false },
    };
}

HRESULT WriteValue(HKEY root, const KeyValue& kv) { return WriteKeyValue(root, kv.key, kv.name, kv.value); }

// True when the class's server of the other bitness is registered in this scope.
bool OtherBitnessRegistered(const Scope& scope) {
    const std::wstring server = L"CLSID\\" + GuidText(CLSID_Desktop) + L"\\InprocServer32";
    const std::wstring path = L"Software\\Classes\\" + server;
    UniqueKey key;
    if (RegOpenKeyExW(scope.base(), path.c_str(), 0, KEY_READ | kOtherView, key.put()) != ERROR_SUCCESS) return false;
    // Without a second view (32-bit Windows) the "other" view is this one, whose class
    // keys are gone by the time this is asked.
    return RegQueryValueExW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

HRESULT RegisterTypeLibrary(const Scope& scope, const std::wstring& path) {
    ComPtr<ITypeLib> lib;
    RETURN_IF_FAILED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, lib.put()));
    return RegisterTypeLibraryKeys(scope.base(), lib.get(), path);
}

// Removes this bitness's entry of the type library; the whole library (with its interface
// keys) only when the other bitness no longer uses it.
HRESULT UnregisterTypeLibrary(const Scope& scope, bool otherRemains) {
    ComPtr<ITypeLib> lib;
    RETURN_IF_FAILED(LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, lib.put()));
    return UnregisterTypeLibraryKeys(scope.base(), lib.get(), otherRemains);
}

HRESULT Register(const Scope& scope) {
    const std::wstring path = ModulePath();
    if (path.empty()) RETURN_HR(E_FAIL);
    UniqueKey root = OpenRoot(scope, KEY_ALL_ACCESS);
    if (!root) RETURN_HR(E_ACCESSDENIED);
    for (const KeyValue& kv : Entries(path)) RETURN_IF_FAILED(WriteValue(root.get(), kv));
    return RegisterTypeLibrary(scope, path);
}

HRESULT Unregister(const Scope& scope) {
    UniqueKey root = OpenRoot(scope, KEY_ALL_ACCESS);
    if (!root) return S_OK;
    const std::vector<KeyValue> entries = Entries(std::wstring());
    HRESULT result = S_OK;
    auto remove = [&](bool shared) {
        for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
            if (it->name || it->shared != shared) continue;  // values go with their key
            const HRESULT hr = DeleteKey(root.get(), it->key);
            if (FAILED(hr)) result = hr;
        }
    };
    remove(false);
    const bool otherRemains = OtherBitnessRegistered(scope);
    if (!otherRemains) remove(true);
    const HRESULT hr = UnregisterTypeLibrary(scope, otherRemains);
    return FAILED(result) ? result : hr;
}

}  // namespace

}  // namespace mv

// The entry points build paths and key lists: nothing they let escape crosses into regsvr32.
extern "C" HRESULT WINAPI DllRegisterServer() {
    try {
        return mv::Register({false});
    }
    CATCH_RETURN()
}

extern "C" HRESULT WINAPI DllUnregisterServer() {
    try {
        return mv::Unregister({false});
    }
    CATCH_RETURN()
}

// regsvr32 /n /i:user registers for the current user only, /u /n /i:user removes that.
extern "C" HRESULT WINAPI DllInstall(BOOL install, LPCWSTR cmdLine) {
    if (!cmdLine || lstrcmpiW(cmdLine, L"user") != 0) RETURN_HR(E_INVALIDARG);
    try {
        const mv::Scope scope{true};
        return install ? mv::Register(scope) : mv::Unregister(scope);
    }
    CATCH_RETURN()
}
