// Registration of the form window class.
#include "window/form_class.h"

#include <commctrl.h>

#include "core/hresult.h"
#include "core/module_instance.h"
#include "core/visual_styles.h"

namespace mv {

// Registered through the wide entry point, so the class's windows are Unicode windows:
// their texts hold any character, and the default procedure answers in UTF-16.
void DescribeFormClass(WNDCLASSEXW& wc, const wchar_t* className, WNDPROC procedure) {
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW;  // redraw all when the width or height changes
    wc.lpfnWndProc = procedure;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = ModuleInstance();
    wc.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32517));  // IDI_WINLOGO
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    // Brush value 5: the menu colour (COLOR_MENU + 1), not the window colour.
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENU + 1));
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = className;
}

// Inside the library's context the classes registered are those of version 6.
void InitControlLibrary() {
    VisualStyleScope styles;
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    LOG_IF_WIN32_BOOL_FALSE(InitCommonControlsEx(&classes));
}

}  // namespace mv
