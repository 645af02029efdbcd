// The library's module: its instance handle, the count of live objects and server locks
// (DllCanUnloadNow), and the identifiers it is registered under.
#pragma once

#include <windows.h>

namespace mv {

HINSTANCE ModuleInstance();

// Live automation objects and enumerators; the library may unload only at 0.
void ObjectCreated();
void ObjectDestroyed();
long LiveObjects();
void LockServer(bool lock);
long ServerLocks();

extern const CLSID CLSID_Desktop;
extern const IID IID__Desktop;
extern const GUID LIBID_Morvane;
extern const IID DIID__clsDefForm;
extern const CLSID CLSID_clsDefForm;
extern const IID DIID__clsDefCtrl;
extern const CLSID CLSID_clsDefCtrl;
constexpr const wchar_t* kProgIdW = L"Morvane.Desktop";

// Counts one live object for as long as it exists; objects derive from it.
struct CountedObject {
    CountedObject() { ObjectCreated(); }
    CountedObject(const CountedObject&) = delete;
    CountedObject& operator=(const CountedObject&) = delete;
    ~CountedObject() { ObjectDestroyed(); }
};

}  // namespace mv
