// Registry keys as self-registration writes and removes them: one value at a time, keys
// removed whole, in the registry view asked for (0: the caller's own).
#pragma once

#include <windows.h>

#include <string>

namespace mv {

std::wstring GuidText(const GUID& g);

// Creates the key below root (with its parents) and sets one string value; name null
// sets the default value.
HRESULT WriteKeyValue(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value,
                      REGSAM view = 0);

bool KeyExists(HKEY root, const std::wstring& key, REGSAM view = 0);

// Deletes one key that has no subkeys; a missing key is no failure.
HRESULT DeleteKey(HKEY root, const std::wstring& key, REGSAM view = 0);

// Deletes a key with everything below it; a missing key is no failure.
HRESULT DeleteKeyTree(HKEY root, const std::wstring& key, REGSAM view = 0);

// Deletes a key that holds neither values nor subkeys; leaves any other.
void DeleteKeyIfEmpty(HKEY root, const std::wstring& key, REGSAM view = 0);

}  // namespace mv
