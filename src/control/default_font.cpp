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

// The process's default fonts by resolution, made once each and read by every thread.
SRWLOCK g_fontsLock = SRWLOCK_INIT;

std::map<UINT, SharedFont>& Fonts() {
    static std::map<UINT, SharedFont> fonts;
    return fonts;
}

SharedFont Cached(UINT dpi) {
    SrwHold read(g_fontsLock, SrwHold::Mode::Shared);
    auto found = Fonts().find(dpi);
    return found == Fonts().end() ? SharedFont() : found->second;
}

SharedFont Made(UINT dpi) {
    if (SharedFont font = Cached(dpi)) return font;
    SrwHold write(g_fontsLock, SrwHold::Mode::Exclusive);
    SharedFont& slot = Fonts()[dpi];
    if (!slot) {  // another thread may have made it meanwhile
        UniqueFont font = FittingMessageFont(dpi);
        if (font) slot = std::make_shared<const UniqueFont>(std::move(font));
    }
    return slot;
}

}  // namespace

HFONT DefaultControlFont(UINT dpi, bool classic, SharedFont* keep) {
    HFONT stock = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    SharedFont font = classic && dpi == kUnitDpi ? SharedFont() : Made(dpi);
    HFONT handle = font ? font->get() : stock;
    if (keep) *keep = std::move(font);
    return handle;
}

bool IsDefaultControlFont(HFONT font) {
    if (font == GetStockObject(ANSI_VAR_FONT)) return true;
    SrwHold read(g_fontsLock, SrwHold::Mode::Shared);
    for (const auto& entry : Fonts())
        if (entry.second && entry.second->get() == font) return true;
    return false;
}

}  // namespace mv
