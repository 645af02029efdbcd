// The type information of the library's classes, read from the type library embedded in
// the DLL (resource TYPELIB 1). Any class whose interface the library describes gets its
// ITypeInfo here.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace mv {

// The description of the interface with this GUID, with a reference for the caller.
// The embedded library is loaded on the first request, once, and kept for the process;
// an interface the library does not describe answers TYPE_E_ELEMENTNOTFOUND.
HRESULT TypeInfoOf(REFGUID interfaceId, ITypeInfo** out);

}  // namespace mv
