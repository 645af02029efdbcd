// The form window class's registration and the common controls' registration.
#pragma once

#include <windows.h>

namespace mv {

constexpr const wchar_t* kFormClassName = L"MVVBMainWND";

// Fills the registration of the form class with the form window procedure (the caller
// registers it while forms may be made: core/window_class.h).
void DescribeFormClass(WNDCLASSEXW& wc, const wchar_t* className, WNDPROC procedure);

// InitCommonControlsEx inside the library's context, so that the common controls of
// version 6 (progress bars among them) can be created; a failure is traced.
void InitControlLibrary();

}  // namespace mv
