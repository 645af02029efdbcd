// The system's high-contrast setting, which the library's own painting follows: where it
// would paint fixed colours it paints the system's colours instead.
#pragma once

#include <windows.h>

namespace mv {

// True while the user has a high-contrast theme on (SPI_GETHIGHCONTRAST).
bool HighContrastOn();

// Tests only: when set, HighContrastOn gives its answer instead of the system's (the
// platform under test may have no way to switch high contrast on).
inline bool (*g_highContrastForTests)() = nullptr;

}  // namespace mv
