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

struct Measure {
    LONG width;   // of the sample
    LONG height;  // of a line (tmHeight)
};

Measure MeasureFont(HDC dc, HFONT font) {
    SelectGuard select(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, kSample, static_cast<int>(sizeof kSample / sizeof kSample[0]) - 1, &size);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    return {size.cx, tm.tmHeight};
}

// The stock font's description at `dpi`: the face and height it has at 96, scaled.
LOGFONTW StockFontAt(UINT dpi) {
    LOGFONTW lf{};
    GetObjectW(GetStockObject(ANSI_VAR_FONT), sizeof lf, &lf);
    lf.lfHeight = UnitsToPixels(lf.lfHeight, dpi);
    lf.lfWidth = 0;
    return lf;
}

// The message font at `dpi`, its height brought down by whole pixels while the sample is
// wider than in the stock font at that resolution, but never to lines lower than the stock
// font's.
UniqueFont FittingMessageFont(UINT dpi) {
    LOGFONTW lf = MessageFontAt(dpi);
    const LOGFONTW stockAt = StockFontAt(dpi);
    WindowDc screen(nullptr, GetDC(nullptr));
    UniqueFont stock(CreateFontIndirectW(&stockAt));
    UniqueFont font(CreateFontIndirectW(&lf));
    if (!screen || !stock || !font) return font;
    const Measure room = MeasureFont(screen.get(), stock.get());
    const LONG step = lf.lfHeight < 0 ? 1 : -1;  // towards a smaller font
    while (MeasureFont(screen.get(), font.get()).width > room.width) {
        LOGFONTW smaller = lf;
        smaller.lfHeight += step;
        if (smaller.lfHeight == 0) break;
        UniqueFont candidate(CreateFontIndirectW(&smaller));
        if (!candidate || MeasureFont(screen.get(), candidate.get()).height < room.height) break;
        lf = smaller;
        font = std::move(candidate);
    }
    return font;
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
