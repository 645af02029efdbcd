// Fonts of controls: FontName, FontSize and FontStyle over the LOGFONTA of the font the
// control uses. FontSize is lfHeight itself, no point conversion. Every change creates
// one font from a changed copy and deletes the one the object created before; the font a
// control was created with (a stock font) is never deleted.
#include "control/fonts.h"

#include <cstring>

#include "control/control.h"
#include "control/control_kind.h"
#include "core/text.h"
#include "form/form.h"

namespace mv {

namespace {

constexpr LONG kRegular = FW_NORMAL;  // 400
constexpr LONG kBold = FW_HEAVY;      // 900: what "b" sets; anything above 400 reads "b"
constexpr size_t kFaceBytes = LF_FACESIZE - 1;  // 31 bytes and the NUL

bool Has(const std::wstring& s, wchar_t letter) { return s.find(letter) != std::wstring::npos; }

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// At most kFaceBytes bytes of the name in the system code page, not splitting a
// double-byte character.
std::string FaceBytes(const std::wstring& name) {
    std::string bytes = toAnsi(name.substr(0, kFaceBytes));
    size_t end = 0;
    while (end < bytes.size()) {
        size_t step = IsDBCSLeadByte(static_cast<BYTE>(bytes[end])) ? 2 : 1;
        if (end + step > kFaceBytes || end + step > bytes.size()) break;
        end += step;
    }
    return bytes.substr(0, end);
}

// A text read from the control's font; empty when the font cannot be read.
std::wstring FontText(const Control& c, std::wstring (*field)(const LOGFONTA&)) {
    LOGFONTA lf;
    return GetFontInfo(c, &lf) ? field(lf) : std::wstring();
}

}  // namespace

bool GetFontInfo(const Control& c, LOGFONTA* out) {
    HWND w = LiveWindow(c);
    if (c.kind() == kImage || !w) return false;
    auto font = reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0));
    if (!font) return false;
    LOGFONTA lf{};
    if (GetObjectA(font, sizeof lf, &lf) <= 0) return false;
    *out = lf;
    return true;
}

std::wstring FaceNameOf(const LOGFONTA& lf) {
    // The name ends at its NUL (or after the field, should a font carry none).
    std::string name = Trim(std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE)));
    for (size_t i = 0; i < name.size(); ++i) {
        if (static_cast<BYTE>(name[i]) >= 31) continue;
        if (i >= 2) {
            name.resize(i);
            break;
        }
        name[i] = ' ';
    }
    return fromAnsi(Trim(name));
}

std::wstring StyleOf(const LOGFONTA& lf) {
    std::wstring style;
    if (lf.lfWeight > kRegular) style += L'b';
    if (lf.lfItalic) style += L'i';
    if (lf.lfUnderline) style += L'u';
    return style;
}

long FontWidthOf(const Control& c) {
    LOGFONTA lf;
    return GetFontInfo(c, &lf) ? lf.lfWidth : 0;
}

void ApplyFont(Control& c, const std::wstring& name, long height, const std::wstring& style) {
    LOGFONTA lf;
    if (!GetFontInfo(c, &lf)) return;
    if (!name.empty()) {
        std::memset(lf.lfFaceName, ' ', sizeof lf.lfFaceName);
        std::string bytes = FaceBytes(name);
        std::memcpy(lf.lfFaceName, bytes.c_str(), bytes.size() + 1);
    }
    lf.lfWeight = Has(style, L'b') ? kBold : kRegular;
    lf.lfUnderline = Has(style, L'u') ? 1 : 0;
    lf.lfItalic = Has(style, L'i') ? 1 : 0;
    if (height > 0) lf.lfHeight = height;
    UniqueFont font(CreateFontIndirectA(&lf));
    if (!font) return;
    // The control takes the new font before the old one is deleted, so it never holds a
    // deleted font.
    SendMessageA(LiveWindow(c), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    c.ownFont() = std::move(font);
}

namespace ctl {

HRESULT GetFontSize(Control& c, const Args&, Result& r) {
    LOGFONTA lf;
    r.setLong(GetFontInfo(c, &lf) ? lf.lfHeight : 0);
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
    foldCase(style);
    ApplyFont(c, std::wstring(), 0, style);
    return S_OK;
}

}  // namespace ctl

}  // namespace mv
