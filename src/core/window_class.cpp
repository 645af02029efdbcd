// A window class registered while any user of it lives.
#include "core/window_class.h"

#include "core/hresult.h"
#include "core/module_instance.h"
#include "core/unique.h"

namespace mv {

HRESULT SharedWindowClass::addUser() {
    ExclusiveLock held(lock_);
    if (users_++ > 0) return S_OK;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.hInstance = ModuleInstance();
    describe_(wc);
    if (RegisterClassExW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS) return S_OK;
    return TraceLastError(__FILE__, __LINE__, wc.lpszClassName);
}

void SharedWindowClass::dropUser() {
    ExclusiveLock held(lock_);
    if (users_ > 0 && --users_ == 0) {
        WNDCLASSEXW wc{};
        describe_(wc);
        UnregisterClassW(wc.lpszClassName, ModuleInstance());
    }
}

}  // namespace mv
