// Cuts that keep surrogate pairs whole, and case folding.
#include "core/text.h"

namespace mv {

std::wstring CutWhole(const std::wstring& s, size_t limit) {
    if (s.size() <= limit) return s;
    const bool splitsPair = limit > 0 && IS_HIGH_SURROGATE(s[limit - 1]) && IS_LOW_SURROGATE(s[limit]);
    return s.substr(0, splitsPair ? limit - 1 : limit);
}

void FoldCase(std::wstring& s) {
    if (!s.empty()) CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
}

}  // namespace mv
