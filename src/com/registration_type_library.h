// The type library's keys, written and removed key by key below one classes key:
// HKEY_LOCAL_MACHINE\Software\Classes for everyone, HKEY_CURRENT_USER\Software\Classes for
// the current user. Not the platform's RegisterTypeLib: it writes through
// HKEY_CLASSES_ROOT, which Windows stores below HKEY_CURRENT_USER wherever the user has
// keys of the same name, and its per-user helpers write machine-wide under Wine (the
// 32-bit registry view's interface keys included, from a 64-bit process); redirecting the
// classes root around them would redirect it for every thread of the host.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

namespace mv {

// TypeLib\{libid}\major.minor with its lcid\win32|win64 path, FLAGS and HELPDIR, and
// Interface\{iid} for every dispatch and automation interface, in both registry views,
// below `base`\Software\Classes.
HRESULT RegisterTypeLibraryKeys(HKEY base, ITypeLib* lib, const std::wstring& path);

// Removes this bitness's path entry; when the other bitness no longer uses the library,
// the library's version key and its interface keys as well (the library key itself once
// it is empty).
HRESULT UnregisterTypeLibraryKeys(HKEY base, ITypeLib* lib, bool otherRemains);

}  // namespace mv
