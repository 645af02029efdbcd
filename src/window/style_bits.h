// Style setters with a frame refresh, and the alignment folding, shared by the properties
// of forms and controls.
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace mv {

// Internal Booleans are 16-bit: the style setters set their bits for exactly -1
// (VARIANT_TRUE) and clear them for any other value, 1 included.
constexpr VARIANT_BOOL AsFlag(bool on) { return on ? VARIANT_TRUE : VARIANT_FALSE; }

// Sets (on = -1) or clears the bits of the mask in the style / extended style, with
// drawing suspended, then recomputes and redraws the frame.
void SetStyleBit(HWND hwnd, LONG mask, VARIANT_BOOL on);
void SetExStyleBit(HWND hwnd, LONG mask, VARIANT_BOOL on);

// Recomputes and redraws the window's frame after a style change (no move, no size, no
// change of z-order).
void RefreshFrame(HWND hwnd);

// An alignment argument folded to 0 (left), 1 (centre) or 2 (right): the absolute value,
// at most 2. Compared rather than computed, so the most negative number folds to 2 too.
long FoldAlignment(long value);

}  // namespace mv
