// Registry keys of self-registration, through the wide entry points.
#include "com/registry_keys.h"

#include "core/unique.h"

namespace mv {

namespace {

HRESULT Unless(LONG rc, LONG harmless) {
    return rc == ERROR_SUCCESS || rc == harmless ? S_OK : HRESULT_FROM_WIN32(rc);
}

}  // namespace

std::wstring GuidText(const GUID& g) {
    wchar_t text[40];
    return StringFromGUID2(g, text, 40) ? std::wstring(text) : std::wstring();
}

HRESULT WriteKeyValue(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value,
                      REGSAM view) {
    UniqueKey k;
    LONG rc = RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE | view, nullptr, k.put(), nullptr);
    if (rc != ERROR_SUCCESS) return HRESULT_FROM_WIN32(rc);
    const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    rc = RegSetValueExW(k.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    return HRESULT_FROM_WIN32(rc);
}

bool KeyExists(HKEY root, const std::wstring& key, REGSAM view) {
    UniqueKey k;
    return RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | view, k.put()) == ERROR_SUCCESS;
}

HRESULT DeleteKey(HKEY root, const std::wstring& key, REGSAM view) {
    return Unless(RegDeleteKeyExW(root, key.c_str(), view, 0), ERROR_FILE_NOT_FOUND);
}

HRESULT DeleteKeyTree(HKEY root, const std::wstring& key, REGSAM view) {
    UniqueKey k;
    const LONG rc = RegOpenKeyExW(root, key.c_str(), 0, KEY_ALL_ACCESS | view, k.put());
    if (rc != ERROR_SUCCESS) return Unless(rc, ERROR_FILE_NOT_FOUND);
    // The handle is the key of the view asked for; what lies below it goes with it.
    const LONG below = RegDeleteTreeW(k.get(), nullptr);
    if (below != ERROR_SUCCESS) return HRESULT_FROM_WIN32(below);
    k.reset();
    return DeleteKey(root, key, view);
}

void DeleteKeyIfEmpty(HKEY root, const std::wstring& key, REGSAM view) {
    UniqueKey k;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | view, k.put()) != ERROR_SUCCESS) return;
    DWORD subkeys = 0, values = 0;
    if (RegQueryInfoKeyW(k.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS || subkeys != 0 || values != 0)
        return;
    k.reset();
    DeleteKey(root, key, view);
}

}  // namespace mv
