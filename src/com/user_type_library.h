// The type library registered for the current user only. The keys the platform's
// RegisterTypeLib writes below HKEY_CLASSES_ROOT are written here below
// HKEY_CURRENT_USER\Software\Classes, key by key: the platform's per-user helpers write
// machine-wide under Wine (the 32-bit registry view's interface keys included, from a
// 64-bit process), and redirecting the classes root around them would redirect it for
// every thread of the host.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

namespace mv {

// TypeLib\{libid}\major.minor with its lcid\win32|win64 path, FLAGS and HELPDIR, and
// Interface\{iid} for every dispatch and automation interface, in both registry views.
HRESULT RegisterUserTypeLibrary(ITypeLib* lib, const std::wstring& path);

// Removes this bitness's path entry; when the other bitness no longer uses the library,
// the library's version key and its interface keys as well (the library key itself once
// it is empty).
HRESULT UnregisterUserTypeLibrary(ITypeLib* lib, bool otherRemains);

}  // namespace mv
