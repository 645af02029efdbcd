// A window class the library registers while any user of it lives, on any thread: the
// first user registers it, the last unregisters it (a class left registered would outlive
// the library's unload, its procedure pointing into unloaded code).
#pragma once

#include <windows.h>

namespace mv {

class SharedWindowClass {
public:
    // `describe` fills the class's registration (its name, procedure, look).
    explicit constexpr SharedWindowClass(void (*describe)(WNDCLASSEXW&)) : describe_(describe) {}
    SharedWindowClass(const SharedWindowClass&) = delete;
    SharedWindowClass& operator=(const SharedWindowClass&) = delete;

    // One user more; the first registers the class. A refused registration is traced and
    // returned (the user still counts, and gives itself up with dropUser); a class of that
    // name registered already by this module serves as it is.
    HRESULT addUser();
    // One user less; the last unregisters the class.
    void dropUser();

private:
    void (*describe_)(WNDCLASSEXW&);
    SRWLOCK lock_ = SRWLOCK_INIT;
    long users_ = 0;
};

}  // namespace mv
