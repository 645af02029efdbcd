// A control's anchor: the edges of its form's client area it keeps its distance to (any of
// left, top, right and bottom), and those distances. On each axis, a control anchored to
// both edges stretches with the form, to one edge keeps its size and its distance to that
// edge, to neither keeps its centre at the same fraction of the client area. Distances and
// sizes are kept in 96-DPI units, so that the same layout comes back at another resolution.
// The default, left and top, is what a control does without any layout: such a control
// takes no part in it.
#pragma once

#include <windows.h>

#include <string>

namespace mv {

enum AnchorEdge : unsigned {
    kAnchorLeft = 1,
    kAnchorTop = 2,
    kAnchorRight = 4,
    kAnchorBottom = 8,
};
constexpr unsigned kAnchorDefault = kAnchorLeft | kAnchorTop;

// The edges a text names, from the letters L, T, R and B in any order and case (a letter
// given twice counts once); false, with *edges unchanged, for any other character.
bool ParseAnchor(const std::wstring& letters, unsigned* edges);
// The letters of a set of edges, in the order L, T, R, B.
std::wstring AnchorLetters(unsigned edges);

// Where a control stands on one axis, in 96-DPI units: its distance to the near edge
// (left or top) and to the far edge, its size, and its centre as a fraction of the extent.
struct AnchorSpan {
    double nearGap = 0, farGap = 0, size = 0, centre = 0;
};

struct Anchor {
    unsigned edges = kAnchorDefault;
    AnchorSpan x, y;

    bool followsLayout() const { return edges != kAnchorDefault; }
    // Takes the distances of a control at `at` (pixels, in a client area of `client`
    // pixels) drawn at `dpi`.
    void takeDistances(const RECT& at, SIZE client, UINT dpi);
    // The control's rectangle in a client area of `client` pixels at `dpi`: sizes never
    // below 0 (the position is kept).
    RECT place(SIZE client, UINT dpi) const;
};

}  // namespace mv
