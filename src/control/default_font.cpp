// The default control font: the message font, measured against the stock font it replaces.
#include "control/default_font.h"

#include <map>

#include "core/dpi.h"
#include "core/unique.h"

namespace mv {

namespace {

// A line of ordinary words, digits and a button's captions: the texts of layouts made for
// the stock font are of this kind.
constexpr wchar_t kSample[] = L"The quick brown fox jumps over the lazy dog. 0123456789 OK Cancel Name:";
// The sample's width in the stock font at 96 DPI (MS Sans Serif, 8 points, lines of 13
// pixels; measured): layouts made for it keep fitting a font up to a tenth wider.
constexpr LONG kStockSampleWidth = 365;
constexpr LONG kRoom = kStockSampleWidth * 11 / 10;
constexpr LONG kSmallest = 8;  // pixels at 96 DPI: no font is made smaller

LONG SampleWidth(HDC dc, const LOGFONTW& lf) {
    UniqueFont font(CreateFontIndirectW(&lf));
    if (!font) return 0;
    SelectGuard select(dc, font.get());
    SIZE size{};
    GetTextExtentPoint32W(dc, kSample, static_cast<int>(sizeof kSample / sizeof kSample[0]) - 1, &size);
    return size.cx;
}

// The message font at 96 DPI, its height brought down by whole pixels while the sample is
// wider than the room; then made for `dpi`. (The text of a TrueType face grows with its
// height, so what fits at 96 fits the controls grown with it.)
UniqueFont FittingMessageFont(UINT dpi) {
    LOGFONTW lf = MessageFontAt(kUnitDpi);
    const LONG step = lf.lfHeight < 0 ? 1 : -1;  // towards a smaller font
    WindowDc screen(nullptr);
    while (screen && lf.lfHeight * -step > kSmallest && SampleWidth(screen.get(), lf) > kRoom) lf.lfHeight += step;
    lf.lfHeight = UnitsToPixels(lf.lfHeight, dpi);
    lf.lfWidth = UnitsToPixels(lf.lfWidth, dpi);
    return UniqueFont(CreateFontIndirectW(&lf));
}

std::map<UINT, UniqueFont>& Fonts() {
    static std::map<UINT, UniqueFont> fonts;  // by resolution
    return fonts;
}

}  // namespace

HFONT DefaultControlFont(UINT dpi, bool classic) {
    if (classic && dpi == kUnitDpi) return static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    UniqueFont& font = Fonts()[dpi];
    if (!font) font = FittingMessageFont(dpi);
    return font ? font.get() : static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
}

bool IsDefaultControlFont(HFONT font) {
    if (font == GetStockObject(ANSI_VAR_FONT)) return true;
    for (const auto& entry : Fonts())
        if (entry.second.get() == font) return true;
    return false;
}

}  // namespace mv
