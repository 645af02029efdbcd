// Cuts that keep surrogate pairs whole, and case folding.
#include "core/text.h"

namespace mv {

size_t WholeLength(const wchar_t* s, size_t n, size_t limit) {
    if (n <= limit) return n;
    const bool splitsPair = limit > 0 && IS_HIGH_SURROGATE(s[limit - 1]) && IS_LOW_SURROGATE(s[limit]);
    return splitsPair ? limit - 1 : limit;
}

void foldCase(std::wstring& s) {
    if (!s.empty()) CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
}

}  // namespace mv
