// Module-wide state: instance handle, object and lock counts.
#include "com/module.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace mv {

namespace {
// Counted with interlocked operations: a host may release an object from another thread.
long g_objects = 0;
long g_locks = 0;
}  // namespace

// The image this code is linked into: the DLL, or a test program that links the same code.
HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

void ObjectCreated() { InterlockedIncrement(&g_objects); }
void ObjectDestroyed() { InterlockedDecrement(&g_objects); }
long LiveObjects() { return g_objects; }
void LockServer(bool lock) { lock ? InterlockedIncrement(&g_locks) : InterlockedDecrement(&g_locks); }
long ServerLocks() { return g_locks; }

}  // namespace mv
