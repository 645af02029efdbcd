// The form window procedure (form/form_wndproc.cpp): the form window class is registered
// with it.
#pragma once

#include <windows.h>

namespace mv {

LRESULT CALLBACK FormWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace mv
