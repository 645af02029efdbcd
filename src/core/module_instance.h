// The image this code is linked into: the DLL, or a test program that links the same code.
#pragma once

#include <windows.h>

namespace mv {

HINSTANCE ModuleInstance();

}  // namespace mv
