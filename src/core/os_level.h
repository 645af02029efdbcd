// Operating-system level probe and 16-bit word helpers shared by the library.
#pragma once

#include <windows.h>

namespace mv {

// 0 on non-NT platforms; the major version up to NT 4; major + minor from Windows 2000 on
// (5.0 gives 5, XP 6, Vista 6, 10 gives 10). Layered forms need a level above 4, visual
// styles a level above 5.
long GetOsLevel();

// The high 16 bits as a signed number.
long HiWordOf(long value);

// low OR high * 65536. The product must fit 32 bits: high outside -32768..32767 fails
// with DISP_E_OVERFLOW, which the dispatcher turns into the script's overflow error.
HRESULT MakeLongOf(long low, long high, long* out);

}  // namespace mv
