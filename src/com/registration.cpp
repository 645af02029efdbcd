// Self-registration: the ProgID, the class's in-process server and the type library.
// Unregistration removes exactly the keys registration wrote, deepest first.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

#include "com/module.h"
#include "core/hresult.h"
#include "core/unique.h"

namespace {

std::string GuidText(const GUID& g) {
    wchar_t wide[40];
    if (!StringFromGUID2(g, wide, 40)) return {};
    char text[40];
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
    return text;
}

struct KeyValue {
    std::string key;    // below HKEY_CLASSES_ROOT
    const char* name;   // nullptr: the key's default value
    std::string value;
};

HRESULT WriteValue(const KeyValue& kv) {
    mv::UniqueKey key;
    LONG rc = RegCreateKeyExA(HKEY_CLASSES_ROOT, kv.key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              key.put(), nullptr);
    if (rc != ERROR_SUCCESS) return HRESULT_FROM_WIN32(rc);
    rc = RegSetValueExA(key.get(), kv.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(kv.value.c_str()),
                        static_cast<DWORD>(kv.value.size() + 1));
    return rc == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(rc);
}

std::string ModulePath() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(mv::ModuleInstance(), path, MAX_PATH);
    return (n == 0 || n >= MAX_PATH) ? std::string() : std::string(path, n);
}

// Every value registration writes, parents before children.
std::vector<KeyValue> Entries(const std::string& path) {
    const std::string clsid = GuidText(mv::CLSID_Desktop);
    const std::string classKey = "CLSID\\" + clsid;
    const std::string progId = mv::kProgId;
    return {
        { progId, nullptr, "Desktop" },
        { progId + "\\CLSID", nullptr, clsid },
        { classKey, nullptr, "Desktop" },
        { classKey + "\\InprocServer32", nullptr, path },
        { classKey + "\\InprocServer32", "ThreadingModel", "Apartment" },
        { classKey + "\\ProgID", nullptr, progId },
        { classKey + "\\TypeLib", nullptr, GuidText(mv::LIBID_Morvane) },
    };
}

}  // namespace

extern "C" HRESULT WINAPI DllRegisterServer() {
    const std::string path = ModulePath();
    if (path.empty()) return E_FAIL;
    for (const KeyValue& kv : Entries(path)) RETURN_IF_FAILED(WriteValue(kv));

    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    mv::ComPtr<ITypeLib> lib;
    RETURN_IF_FAILED(LoadTypeLibEx(wide, REGKIND_NONE, lib.put()));
    return RegisterTypeLib(lib.get(), wide, nullptr);
}

extern "C" HRESULT WINAPI DllUnregisterServer() {
    std::vector<KeyValue> entries = Entries(std::string());
    HRESULT result = S_OK;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        if (it->name) continue;  // values go with their key
        LONG rc = RegDeleteKeyA(HKEY_CLASSES_ROOT, it->key.c_str());
        if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) result = HRESULT_FROM_WIN32(rc);
    }
    BSTR registered = nullptr;  // unregister the type library only while it is registered
    if (SUCCEEDED(QueryPathOfRegTypeLib(mv::LIBID_Morvane, 1, 0, 0x0409, &registered))) {
        SysFreeString(registered);
        HRESULT hr = UnRegisterTypeLib(mv::LIBID_Morvane, 1, 0, 0x0409, SYS_WIN32);
        if (FAILED(hr)) result = hr;
    }
    return result;
}
