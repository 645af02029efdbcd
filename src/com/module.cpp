// Module-wide state: object and lock counts.
#include "com/module.h"

namespace mv {

namespace {
// Counted with interlocked operations: a host may release an object from another thread.
long g_objects = 0;
long g_locks = 0;
}  // namespace

void ObjectCreated() { InterlockedIncrement(&g_objects); }
void ObjectDestroyed() { InterlockedDecrement(&g_objects); }
long LiveObjects() { return g_objects; }
void LockServer(bool lock) { lock ? InterlockedIncrement(&g_locks) : InterlockedDecrement(&g_locks); }
long ServerLocks() { return g_locks; }

}  // namespace mv
