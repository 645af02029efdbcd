// Shared set-up of the unit tests.
#include "fixtures.h"

namespace test {

std::wstring ProgramDir() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, n);
    return dir.substr(0, dir.find_last_of(L"\\/") + 1);
}

void PumpFor(DWORD ms) {
    DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

HWND WaitForWindow(const char* className, const char* title, DWORD ms) {
    DWORD end = GetTickCount() + ms;
    do {
        if (HWND h = FindWindowA(className, title)) return h;
        Sleep(20);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
    return nullptr;
}

}  // namespace test
