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
const IID DIID__clsDefForm = {0x643db321, 0xa5c9, 0x4985, {0x97, 0x93, 0xd9, 0x51, 0x87, 0x6a, 0x57, 0x23}};
const CLSID CLSID_clsDefForm = {0x209f9a50, 0x1d21, 0x4966, {0x84, 0x13, 0xd2, 0x02, 0x33, 0x66, 0xda, 0xe3}};
const IID DIID__clsDefCtrl = {0x2df6fea7, 0xb07f, 0x4b3f, {0x9b, 0x12, 0x19, 0x5f, 0xbb, 0x4d, 0x41, 0x1f}};
const CLSID CLSID_clsDefCtrl = {0x9bd45c86, 0xbd40, 0x48d4, {0x98, 0x39, 0x07, 0xbe, 0x61, 0xbf, 0xf5, 0x45}};

}  // namespace mv
