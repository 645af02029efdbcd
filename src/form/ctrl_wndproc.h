// The control subclass procedure: every control window's messages pass through it first.
#pragma once

#include <windows.h>

namespace mv {

LRESULT CALLBACK CtrlWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace mv
