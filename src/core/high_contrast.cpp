// The system's high-contrast setting.
#include "core/high_contrast.h"

namespace mv {

bool HighContrastOn() {
    if (g_highContrastForTests) return g_highContrastForTests();
    HIGHCONTRASTW hc{};
    hc.cbSize = sizeof hc;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace mv
