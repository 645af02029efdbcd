// Positions and sizes within the range the platform keeps windows in. SetWindowPos brings
// a position into -32768..32767 and a size into 0..32767 (what the 16-bit words of WM_MOVE
// and WM_SIZE carry); CreateWindowEx takes any number, and beyond that range windows
// misbehave: an edit control with centred or right-aligned text spins for ever while it is
// created a few hundred thousand pixels wide (Wine 8), a width or height of exactly 32768
// means "default", and a position near the top of the 32-bit range leaves a window of no
// size. Every position and size the library hands to a window passes through these.
#pragma once

namespace mv {

constexpr long kLowestPosition = -32768;
constexpr long kHighestPosition = 32767;
constexpr long kLargestSize = 32767;

inline int WindowPosition(long v) {
    return static_cast<int>(v < kLowestPosition ? kLowestPosition : v > kHighestPosition ? kHighestPosition : v);
}

inline int WindowSize(long v) { return static_cast<int>(v < 0 ? 0 : v > kLargestSize ? kLargestSize : v); }

}  // namespace mv
