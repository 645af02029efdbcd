// Module-wide state: instance handle, object and lock counts, identifiers.
#include "com/module.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace mv {

namespace {
long g_objects = 0;  // one apartment thread: no interlocked operations needed
long g_locks = 0;
}  // namespace

// The image this code is linked into: the DLL, or a test program that links the same code.
HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

void ObjectCreated() { InterlockedIncrement(&g_objects); }
void ObjectDestroyed() { InterlockedDecrement(&g_objects); }
long LiveObjects() { return g_objects; }
void LockServer(bool lock) { lock ? InterlockedIncrement(&g_locks) : InterlockedDecrement(&g_locks); }
long ServerLocks() { return g_locks; }

const CLSID CLSID_Desktop = {0xe73188c8, 0x7a77, 0x4e68, {0x9c, 0xed, 0x42, 0x40, 0x60, 0xd4, 0x79, 0x30}};
const IID IID__Desktop = {0xaacfdf6f, 0xdbaf, 0x41ee, {0x9e, 0x77, 0x18, 0xcc, 0x95, 0xac, 0x6c, 0x32}};
const GUID LIBID_Morvane = {0xfc22c45f, 0x0af8, 0x480d, {0x96, 0xe3, 0xd0, 0x33, 0x1e, 0x70, 0xd2, 0x4a}};

}  // namespace mv
