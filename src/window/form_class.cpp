// Registration of the form window class.
#include "window/form_class.h"

#include <commctrl.h>

#include "com/module.h"

namespace mv {

void RegisterFormClass(const char* className) {
    WNDCLASSA wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW;  // redraw all when the width or height changes
    wc.lpfnWndProc = FormWndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = ModuleInstance();
    wc.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32517));  // IDI_WINLOGO
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    // Brush value 5: the menu colour (COLOR_MENU + 1), not the window colour.
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENU + 1));
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = className;
    RegisterClassA(&wc);
}

void UnregisterFormClass(const char* className) { UnregisterClassA(className, ModuleInstance()); }

void InitControlLibrary() { InitCommonControls(); }

}  // namespace mv
