// A visible top-level window with two edit boxes, for tests of the window helpers that
// read real windows back; destroyed at the end of the test.
#pragma once

#include <windows.h>

namespace test {

struct Host {
    HWND top = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
                               200, nullptr, nullptr, nullptr, nullptr);
    HWND a = CreateWindowExA(0, "EDIT", "a", WS_CHILD | WS_VISIBLE, 5, 5, 100, 20, top, nullptr,
                             nullptr, nullptr);
    HWND b = CreateWindowExA(0, "EDIT", "b", WS_CHILD | WS_VISIBLE, 5, 40, 100, 20, top, nullptr,
                             nullptr, nullptr);
    ~Host() { DestroyWindow(top); }
};

}  // namespace test
