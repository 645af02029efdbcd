// Fonts of controls: FontName, FontSize and FontStyle over the LOGFONTW of the font the
// control uses (so a face name holds any character). FontSize is lfHeight itself, no
// point conversion, in the script's units (96-DPI pixels; the font is made for the
// window's resolution). Every change creates one font from a changed copy and deletes the
// one the object created before; the font a control was created with (a default font,
// shared) is never deleted.
#include "control/fonts.h"

#include <cwchar>

#include "control/control.h"
#include "control/default_font.h"
#include "control/list_ops.h"
#include "core/dpi.h"
#include "core/text.h"

namespace mv {

namespace {

constexpr LONG kRegular = FW_NORMAL;  // 400
constexpr LONG kBold = FW_HEAVY;      // 900: what "b" sets; anything above 400 reads "b"
constexpr size_t kFaceLength = LF_FACESIZE - 1;  // 31 characters and the NUL

bool Has(const std::wstring& s, wchar_t letter) { return s.find(letter) != std::wstring::npos; }

std::wstring Trim(const std::wstring& s) {
    size_t b = s.find_first_not_of(L' ');
    if (b == std::wstring::npos) return {};
    return s.substr(b, s.find_last_not_of(L' ') - b + 1);
}

// A text read from the control's font; empty when the font cannot be read.
std::wstring FontText(const Control& c, std::wstring (*field)(const LOGFONTW&)) {
    LOGFONTW lf;
    return GetFontInfo(c, &lf) ? field(lf) : std::wstring();
}

}  // namespace

bool GetFontInfo(const Control& c, LOGFONTW* out) {
    HWND w = LiveWindow(c);
    if (c.record().drawsPicture || !w) return false;  // a picture has no font
    auto font = reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0));
    if (!font) return false;
    LOGFONTW lf{};
    if (GetObjectW(font, sizeof lf, &lf) <= 0) return false;
    *out = lf;
    return true;
}

std::wstring FaceNameOf(const LOGFONTW& lf) {
    // The name ends at its NUL (or after the field, should a font carry none).
    std::wstring name = Trim(std::wstring(lf.lfFaceName, wcsnlen(lf.lfFaceName, LF_FACESIZE)));
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] >= 31) continue;
        if (i >= 2) {
            name.resize(i);
            break;
        }
        name[i] = L' ';
    }
    return Trim(name);
}

std::wstring StyleOf(const LOGFONTW& lf) {
    std::wstring style;
    if (lf.lfWeight > kRegular) style += L'b';
    if (lf.lfItalic) style += L'i';
    if (lf.lfUnderline) style += L'u';
    return style;
}

namespace {

// Gives the control the font, which the object then owns, and measures a list box's
// items again.
void GiveFont(Control& c, const LOGFONTW& lf) {
    UniqueFont font(CreateFontIndirectW(&lf));
    if (!font) return;
    // The control takes the new font before the old one is deleted, so it never holds a
    // deleted font.
    SendMessageW(LiveWindow(c), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    c.itemWidths().releaseFont();  // it may hold the old font, deleted next
    c.ownFont() = std::move(font);
    MeasureItemsAgain(c);
}

}  // namespace

void ApplyFont(Control& c, const std::wstring& name, long height, const std::wstring& style) {
    LOGFONTW lf;
    if (!GetFontInfo(c, &lf)) return;
    if (!name.empty()) {
        std::wmemset(lf.lfFaceName, L' ', LF_FACESIZE);
        const std::wstring face = CutWhole(name, kFaceLength);
        std::wmemcpy(lf.lfFaceName, face.c_str(), face.size() + 1);
    }
    lf.lfWeight = Has(style, L'b') ? kBold : kRegular;
    lf.lfUnderline = Has(style, L'u') ? 1 : 0;
    lf.lfItalic = Has(style, L'i') ? 1 : 0;
    if (height > 0) lf.lfHeight = UnitsToPixels(height, c.unitDpi());
    GiveFont(c, lf);
}

void FollowDpi(Control& c, UINT from, UINT to) {
    HWND w = LiveWindow(c);
    if (!w || c.record().drawsPicture || from == to) return;
    auto font = reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0));
    if (!c.ownFont() || font != c.ownFont().get()) {
        // The shared default font of the new resolution, in the look the control has.
        const bool classic = font == GetStockObject(ANSI_VAR_FONT);
        SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultControlFont(to, classic)), TRUE);
        MeasureItemsAgain(c);
        return;
    }
    LOGFONTW lf;
    if (!GetFontInfo(c, &lf)) return;
    lf.lfHeight = static_cast<LONG>(MulDiv(lf.lfHeight, static_cast<int>(to), static_cast<int>(from)));
    lf.lfWidth = static_cast<LONG>(MulDiv(lf.lfWidth, static_cast<int>(to), static_cast<int>(from)));
    GiveFont(c, lf);
}

namespace ctl {

HRESULT GetFontSize(Control& c, const Args&, Result& r) {
    LOGFONTW lf;
    r.setLong(GetFontInfo(c, &lf) ? PixelsToUnits(lf.lfHeight, c.unitDpi()) : 0);
    return S_OK;
}

HRESULT PutFontSize(Control& c, const Args& a, Result&) {
    ApplyFont(c, std::wstring(), a.lng(0), std::wstring());
    return S_OK;
}

HRESULT GetFontName(Control& c, const Args&, Result& r) {
    r.setText(FontText(c, FaceNameOf));
    return S_OK;
}

HRESULT PutFontName(Control& c, const Args& a, Result&) {
    ApplyFont(c, a.text(0), 0, std::wstring());
    return S_OK;
}

HRESULT GetFontStyle(Control& c, const Args&, Result& r) {
    r.setText(FontText(c, StyleOf));
    return S_OK;
}

HRESULT PutFontStyle(Control& c, const Args& a, Result&) {
    std::wstring style = a.text(0);
    FoldCase(style);
    ApplyFont(c, std::wstring(), 0, style);
    return S_OK;
}

}  // namespace ctl

}  // namespace mv
