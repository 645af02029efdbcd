// Gradient painting of progress bars drawn by the library itself (ProgressBarStyle 2).
// Called only from the control subclass procedure's WM_PAINT handling of progress bars,
// before the bar's class paints.
#pragma once

#include <windows.h>

namespace mv {

class Control;

// Draws the bar as a gradient from dark blue at the left to light blue at the right when
// its control reads ProgressBarStyle 2, then validates the window so that the class
// paints nothing over it. Returns false, having drawn and stored nothing, when the
// control is not found, reads another style, or has a MaxProgress of 0: the class then
// paints its standard bar.
bool PaintProgressBar(HWND window);

// The same, for the control procedure, which already holds the window's control object
// (null when there is none).
bool PaintProgressBar(HWND window, Control* control);

}  // namespace mv
