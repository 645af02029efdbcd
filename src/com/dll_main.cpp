// The library's entry point. Nothing runs at load: Desktop creation prepares the process.
#include <windows.h>

#include "core/thread_state.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
    // At the process's end (reserved set) threads' states are left to the system.
    if (reason == DLL_PROCESS_DETACH && !reserved) mv::UnloadThreadStates();
    return TRUE;
}
