// Gradient painting of progress bars drawn by the library itself (ProgressBarStyle 2).
// Called only from the control subclass procedure's WM_PAINT handling of progress bars,
// before the bar's class paints.
#pragma once

#include <windows.h>

namespace mv {

class Control;

// Draws the bar of `control` (its window's control object, null when there is none) as a
// gradient from dark blue at the left to light blue at the right when it reads
// ProgressBarStyle 2, then validates the window so that the class paints nothing over
// it. Returns false, having drawn and stored nothing, when there is no control, it reads
// another style, or has a MaxProgress of 0: the class then paints its standard bar.
bool PaintProgressBar(HWND window, Control* control);

}  // namespace mv
