// The library's module: its instance handle, the count of live objects and server locks
// (DllCanUnloadNow), and the identifiers it is registered under (from morvane.idl).
#pragma once

#include <windows.h>

#include "core/module_instance.h"
#include "morvane_members.h"  // the identifiers: LIBID_Morvane, CLSID_Desktop, ...

namespace mv {

// Live automation objects and enumerators; the library may unload only at 0.
void ObjectCreated();
void ObjectDestroyed();
long LiveObjects();
void LockServer(bool lock);
long ServerLocks();

constexpr const wchar_t* kProgIdW = L"Morvane.Desktop";

// Counts one live object for as long as it exists; objects derive from it.
struct CountedObject {
    CountedObject() { ObjectCreated(); }
    CountedObject(const CountedObject&) = delete;
    CountedObject& operator=(const CountedObject&) = delete;
    ~CountedObject() { ObjectDestroyed(); }
};

}  // namespace mv
