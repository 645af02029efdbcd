// Picture files on image controls. The file is loaded by the platform's picture loader
// (OleLoadPicture: BMP, GIF, JPEG, icons, WMF and EMF) and stretched over the control.
//
// Bitmaps are copied with StretchBlt from a source rectangle derived from the picture's
// HIMETRIC size at 96 DPI (integer-divided by 26, minus 2) onto a destination at the
// client origin with the size of the whole window rectangle, so on a bordered control the
// right and bottom edges fall under the frame. The HIMETRIC size is taken from the
// bitmap's pixels at 96 DPI, not from the loader's (made at the screen's resolution, which
// would cut the picture at any other), and a window drawn at another resolution than 96
// gets the picture stretched smoothly (HALFTONE). Icons and metafiles, whose handles are
// no bitmaps, are rendered by the picture object itself into the same destination
// rectangle.
#include "control/image_draw.h"

#include <ocidl.h>
#include <olectl.h>

#include "core/dpi.h"
#include "core/text.h"
#include "core/unique.h"

namespace mv {

namespace {

constexpr long kHimetricPerPixel = 26;  // 26.46, as the whole number the size is divided by
constexpr long kSourceTrim = 2;
constexpr int kHimetricPerInch = 2540;

// The whole file in a stream, or nothing when it cannot be read.
ComPtr<IStream> ReadFileStream(const std::wstring& path, DWORD* size) {
    UniqueFile file = AdoptFile(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(file.get(), &length) || length.QuadPart <= 0 || length.QuadPart > 0x7FFFFFFF) return {};
    *size = static_cast<DWORD>(length.QuadPart);
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, *size));
    if (!memory) return {};
    void* bytes = GlobalLock(memory.get());
    DWORD read = 0;
    BOOL ok = bytes && ReadFile(file.get(), bytes, *size, &read, nullptr) && read == *size;
    if (bytes) GlobalUnlock(memory.get());
    if (!ok) return {};
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(memory.get(), TRUE, stream.put()))) return {};
    memory.release();  // the stream frees it
    return stream;
}

ComPtr<IPicture> LoadPicture(const std::wstring& path) {
    DWORD size = 0;
    ComPtr<IStream> stream = ReadFileStream(path, &size);
    ComPtr<IPicture> picture;
    if (!stream || FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                                         reinterpret_cast<void**>(picture.put()))))
        return {};
    return picture;
}

bool Contains(const std::wstring& s, const wchar_t* part) { return s.find(part) != std::wstring::npos; }

// "*.?mf*": a dot, any one character, then "mf".
bool HasMetafileExtension(const std::wstring& s) {
    for (size_t dot = s.find(L'.'); dot != std::wstring::npos; dot = s.find(L'.', dot + 1))
        if (dot + 4 <= s.size() && s.compare(dot + 2, 2, L"mf") == 0) return true;
    return false;
}

// The source rectangle of a bitmap: its HIMETRIC size at 96 DPI, divided and trimmed.
SIZE SourceOf(HBITMAP bitmap) {
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    return {MulDiv(bm.bmWidth, kHimetricPerInch, kUnitDpi) / kHimetricPerPixel - kSourceTrim,
            MulDiv(bm.bmHeight, kHimetricPerInch, kUnitDpi) / kHimetricPerPixel - kSourceTrim};
}

// SRCCOPY of the bitmap's source rectangle over the destination; smoothly when `smooth`.
void StretchBitmap(HDC target, HBITMAP bitmap, const SIZE& dest, bool smooth) {
    UniqueMemoryDc memory(CreateCompatibleDC(target));
    if (!memory) return;
    const SIZE source = SourceOf(bitmap);
    SelectGuard select(memory.get(), bitmap);
    const int mode = smooth ? SetStretchBltMode(target, HALFTONE) : 0;
    if (smooth) SetBrushOrgEx(target, 0, 0, nullptr);
    StretchBlt(target, 0, 0, dest.cx, dest.cy, memory.get(), 0, 0, source.cx, source.cy, SRCCOPY);
    if (mode) SetStretchBltMode(target, mode);
}

}  // namespace

bool IsDrawablePath(const std::wstring& p) {
    if (Contains(p, L",")) return false;
    return Contains(p, L".gif") || Contains(p, L".bmp") || Contains(p, L".ico") || Contains(p, L".jp") ||
           HasMetafileExtension(p);
}

bool DrawImage(HWND window, std::wstring& path) {
    FoldCase(path);
    if (!IsDrawablePath(path)) return false;
    ComPtr<IPicture> picture = LoadPicture(path);
    if (!picture) return false;
    DpiAwarenessScope aware(window);
    RECT wr{};
    GetWindowRect(window, &wr);
    const SIZE dest{wr.right - wr.left, wr.bottom - wr.top};
    OLE_XSIZE_HIMETRIC hmWidth = 0;
    OLE_YSIZE_HIMETRIC hmHeight = 0;
    OLE_HANDLE handle = 0;
    SHORT type = PICTYPE_NONE;
    picture->get_Width(&hmWidth);
    picture->get_Height(&hmHeight);
    picture->get_Handle(&handle);
    picture->get_Type(&type);
    WindowDc target(window);
    if (!target) return false;
    if (type == PICTYPE_BITMAP) {
        StretchBitmap(target.get(), reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), dest,
                      WindowDpi(window) != kUnitDpi);
    } else {
        picture->Render(target.get(), 0, 0, dest.cx, dest.cy, 0, hmHeight, hmWidth, -hmHeight, nullptr);
    }
    return true;
}

}  // namespace mv
