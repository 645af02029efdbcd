// The number of GDI objects the process holds, for the leak checks of the tests and the
// benchmarks. GetGuiResources counts them on Windows; Wine does not implement it (it
// fails with ERROR_CALL_NOT_IMPLEMENTED), so there the occupied entries of the process's
// GDI handle table (PEB GdiSharedHandleTable, 0x10000 entries of 24 bytes in Wine's
// layout) are counted instead.
#pragma once

#include <windows.h>
#include <intrin.h>

namespace test {

inline long GdiObjectCount() {
    DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (n != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return static_cast<long>(n);
    if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")) return -1;
    struct Entry {
        unsigned long long object;
        ULONG owner;
        USHORT unique;
        UCHAR type;
        UCHAR flags;
        unsigned long long user;
    };
    static_assert(sizeof(Entry) == 24, "Wine's GDI_HANDLE_ENTRY");
    // The PEB from the TEB, and its GdiSharedHandleTable, at the offsets of each bitness.
#ifdef _WIN64
    const BYTE* peb = reinterpret_cast<const BYTE*>(__readgsqword(0x60));
    const Entry* table = *reinterpret_cast<Entry* const*>(peb + 0xF8);
#else
    const BYTE* peb = reinterpret_cast<const BYTE*>(__readfsdword(0x30));
    const Entry* table = *reinterpret_cast<Entry* const*>(peb + 0x94);
#endif
    if (!table) return -1;
    long count = 0;
    for (int i = 0; i < 0x10000; ++i)
        if (table[i].type) ++count;
    return count;
}

}  // namespace test
