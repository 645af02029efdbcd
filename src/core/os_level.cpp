// Operating-system level probe and word helpers.
#include "core/os_level.h"

#include "core/hresult.h"
#include "core/rounding.h"

namespace mv {

long GetOsLevel() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);  // 148
    if (!GetVersionExA(&info)) return 0;
    if (info.dwPlatformId != VER_PLATFORM_WIN32_NT) return 0;
    if (info.dwMajorVersion <= 4) return static_cast<long>(info.dwMajorVersion);
    return static_cast<long>(info.dwMajorVersion + info.dwMinorVersion);
}

long HiWordOf(long value) {
    // (value with the low word cleared) / 65536: an exact division, so a shift of the
    // signed value gives the same result.
    return static_cast<long>(static_cast<short>((static_cast<unsigned long>(value) >> 16) & 0xFFFF));
}

HRESULT MakeLongOf(long low, long high, long* out) {
    long high16 = 0;
    RETURN_IF_FAILED(MultiplyLong(high, 65536, &high16));
    *out = low | high16;
    return S_OK;
}

}  // namespace mv
