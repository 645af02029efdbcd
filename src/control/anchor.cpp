// Anchors: the letters, and the geometry of one axis at a time.
#include "control/anchor.h"

#include <cmath>

namespace mv {

namespace {

constexpr wchar_t kLetters[] = L"LTRB";  // bit i of the edges is letter i

double ToUnits(long pixels, UINT dpi) { return dpi ? pixels * 96.0 / dpi : pixels; }
long ToPixels(double units, UINT dpi) { return std::lround(dpi ? units * dpi / 96.0 : units); }

AnchorSpan Take(long pos, long size, long extent, UINT dpi) {
    AnchorSpan s;
    s.nearGap = ToUnits(pos, dpi);
    s.farGap = ToUnits(extent - pos - size, dpi);
    s.size = ToUnits(size, dpi);
    s.centre = extent > 0 ? (pos + size / 2.0) / extent : 0.5;
    return s;
}

// The position and size on one axis, in pixels.
void Place(const AnchorSpan& s, bool nearEdge, bool farEdge, long extent, UINT dpi, LONG* lo, LONG* hi) {
    long pos = 0, size = ToPixels(s.size, dpi);
    if (nearEdge && farEdge) {
        pos = ToPixels(s.nearGap, dpi);
        size = extent - pos - ToPixels(s.farGap, dpi);
        if (size < 0) size = 0;
    } else if (nearEdge) {
        pos = ToPixels(s.nearGap, dpi);
    } else if (farEdge) {
        pos = extent - ToPixels(s.farGap, dpi) - size;
    } else {
        pos = std::lround(s.centre * extent - size / 2.0);
    }
    *lo = pos;
    *hi = pos + size;
}

}  // namespace

bool ParseAnchor(const std::wstring& letters, unsigned* edges) {
    unsigned found = 0;
    for (wchar_t ch : letters) {
        const wchar_t upper = (ch >= L'a' && ch <= L'z') ? static_cast<wchar_t>(ch - L'a' + L'A') : ch;
        unsigned bit = 0;
        for (unsigned i = 0; i < 4; ++i)
            if (kLetters[i] == upper) bit = 1u << i;
        if (!bit) return false;
        found |= bit;
    }
    *edges = found;
    return true;
}

std::wstring AnchorLetters(unsigned edges) {
    std::wstring out;
    for (unsigned i = 0; i < 4; ++i)
        if (edges & (1u << i)) out += kLetters[i];
    return out;
}

void Anchor::takeDistances(const RECT& at, SIZE client, UINT dpi) {
    x = Take(at.left, at.right - at.left, client.cx, dpi);
    y = Take(at.top, at.bottom - at.top, client.cy, dpi);
}

RECT Anchor::place(SIZE client, UINT dpi) const {
    RECT r{};
    Place(x, edges & kAnchorLeft, edges & kAnchorRight, client.cx, dpi, &r.left, &r.right);
    Place(y, edges & kAnchorTop, edges & kAnchorBottom, client.cy, dpi, &r.top, &r.bottom);
    return r;
}

}  // namespace mv
