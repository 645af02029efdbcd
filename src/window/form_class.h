// The form window class and the common-controls initialisation.
#pragma once

#include <windows.h>

namespace mv {

constexpr const wchar_t* kFormClassName = L"MVVBMainWND";

// Registers the form class with the form window procedure; a refused registration (the
// class exists already) is not reported: the first registration goes on serving.
void RegisterFormClass(const wchar_t* className, WNDPROC procedure);
void UnregisterFormClass(const wchar_t* className);

// InitCommonControls, so that progress bars can be created; failures are ignored.
void InitControlLibrary();

}  // namespace mv
