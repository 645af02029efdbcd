// Operating-system level probe and word helpers.
#include "core/os_level.h"

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
    long long product = static_cast<long long>(high) * 65536;
    if (product > 0x7FFFFFFFLL || product < -0x80000000LL) return DISP_E_OVERFLOW;
    *out = low | static_cast<long>(product);
    return S_OK;
}

}  // namespace mv
