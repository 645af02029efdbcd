// The image's own base address is its instance handle.
#include "core/module_instance.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace mv {

HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

}  // namespace mv
