// Picture files on image controls, checked by the pixels they leave on the window: a
// bitmap the test writes stretched over the whole window, icons and metafiles rendered
// into the same rectangle, and nothing at all for paths and files the library does not
// draw.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "control/image_draw.h"
#include "control_fixture.h"
#include "gdi_count.h"
#include "service_fixture.h"

using namespace test;

namespace {

// A 16 x 16 JPEG, all red.
const unsigned char kRedJpeg[] = {
    0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x00, 0xff, 0xdb, 0x00, 0x43, 0x00, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0xff, 0xdb, 0x00, 0x43, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0xff, 0xc0,
    0x00, 0x11, 0x08, 0x00, 0x10, 0x00, 0x10, 0x03, 0x01, 0x11, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11,
    0x01, 0xff, 0xc4, 0x00, 0x15, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x09, 0xff, 0xc4, 0x00, 0x14, 0x10, 0x01, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0xc4,
    0x00, 0x16, 0x01, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x09, 0x0a, 0xff, 0xc4, 0x00, 0x14, 0x11, 0x01, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0xda, 0x00, 0x0c,
    0x03, 0x01, 0x00, 0x02, 0x11, 0x03, 0x11, 0x00, 0x3f, 0x00, 0x8b, 0xe9, 0x4e, 0xdf, 0xc0, 0x00,
    0x00, 0xff, 0xd9,
};

// A 20 x 10 GIF: red left half, blue right half.
const unsigned char kRedBlueGif[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x14, 0x00, 0x0a, 0x00, 0xf0, 0x00, 0x00, 0xff, 0x00, 0x00,
    0x00, 0x00, 0xff, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00,
    0x14, 0x00, 0x0a, 0x00, 0x00, 0x02, 0x19, 0x84, 0x8f, 0xa1, 0xcb, 0xe8, 0xc0, 0x62, 0x78, 0x49,
    0x2e, 0x7a, 0xec, 0xc5, 0x50, 0x4f, 0xee, 0x7d, 0x58, 0xc8, 0x75, 0x5a, 0x49, 0x82, 0x5e, 0x01,
    0x00, 0x3b,
};

bool Near(COLORREF a, COLORREF b, int tolerance = 8) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// A 16 x 16 icon of 32 bits per pixel in one colour, fully opaque.
void WriteIcon(const std::wstring& path, COLORREF colour) {
    const int size = 16;
    std::vector<BYTE> file;
    auto put = [&](const void* p, size_t n) { file.insert(file.end(), static_cast<const BYTE*>(p), static_cast<const BYTE*>(p) + n); };
    const WORD dir[3] = {0, 1, 1};
    put(dir, sizeof dir);
    BITMAPINFOHEADER ih{};
    ih.biSize = sizeof ih;
    ih.biWidth = size;
    ih.biHeight = 2 * size;  // colour and mask
    ih.biPlanes = 1;
    ih.biBitCount = 32;
    const DWORD pixels = size * size * 4, mask = size * 4;
    const DWORD bytes = sizeof ih + pixels + mask;
    const BYTE entry[16] = {size, size, 0, 0, 1, 0, 32, 0, BYTE(bytes), BYTE(bytes >> 8), 0, 0, 22, 0, 0, 0};
    put(entry, sizeof entry);
    put(&ih, sizeof ih);
    const DWORD bgra = 0xFF000000 | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    for (int i = 0; i < size * size; ++i) put(&bgra, 4);
    file.insert(file.end(), mask, 0);
    WriteBytes(path, file.data(), file.size());
}

// An enhanced metafile that fills its frame with one colour.
void WriteEmf(const std::wstring& path, COLORREF colour) {
    RECT frame{0, 0, 2000, 1000};  // 0.01 mm
    HDC dc = CreateEnhMetaFileW(nullptr, path.c_str(), &frame, nullptr);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, 76, 38};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    DeleteEnhMetaFile(CloseEnhMetaFile(dc));
}

const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);

struct Images : ControlTest {
    void SetUp() override {
        ControlTest::SetUp();
        image = addImage(L"img", L"", 10, 10, 200, 100);
        hwndImage = HwndOf(image);
        UpdateWindow(hwnd);
    }
    bool draw(std::wstring path) { return mv::DrawImage(hwndImage, path); }
    IDispatch* image = nullptr;
    HWND hwndImage = nullptr;
    ScratchFolder dir;
};

struct PatternCase { const wchar_t* path; bool drawn; };
const PatternCase kPatterns[] = {
    { L"c:\\p\\a.gif", true },   { L"c:\\p\\a.bmp", true },  { L"a.ico", true },
    { L"a.wmf", true },             { L"a.emf", true },            { L"a.jpg", true },
    { L"a.jpeg", true },            { L"a.jpe", true },            { L"x.bmp.old", true },
    { L"a.png", false },            { L"a.txt", false },           { L"", false },
    { L"a.mf", false },             { L"amf", false },             { L"a.bmp,1", false },
    { L"c:\\pictures.bmp.old\\x.txt", true },  // the directory matches, whatever the file
};

TEST_F(Images, PathsAreMatchedLowerCasedAndNeverWithAComma) {
    for (const PatternCase& c : kPatterns) EXPECT_EQ(c.drawn, mv::IsDrawablePath(c.path)) << c.path;
    std::wstring path = L"C:\\Pics\\Photo.JPEG";
    mv::DrawImage(hwndImage, path);
    EXPECT_EQ(L"c:\\pics\\photo.jpeg", path);
}

TEST_F(Images, ABitmapIsStretchedOverTheWholeWindow) {
    // 100 x 50 at 96 dpi: 2646 x 1323 HIMETRIC, a source of 99 x 48 pixels. Column 99 and
    // rows 48 and 49, outside the source, are black and must not show.
    WriteBmp(dir / L"quad.bmp", 100, 50, [](int x, int y) {
        if (x == 99 || y >= 48) return RGB(0, 0, 0);
        return x < 50 ? (y < 25 ? kRed : kBlue) : (y < 25 ? kGreen : kWhite);
    });
    ASSERT_TRUE(draw(dir / L"quad.bmp"));
    EXPECT_EQ(kRed, PixelAt(hwndImage, 50, 25));
    EXPECT_EQ(kGreen, PixelAt(hwndImage, 150, 25));
    EXPECT_EQ(kBlue, PixelAt(hwndImage, 50, 75));
    EXPECT_EQ(kWhite, PixelAt(hwndImage, 150, 75));
    for (int x = 0; x < 200; x += 3) ASSERT_NE(RGB(0, 0, 0), PixelAt(hwndImage, x, 99)) << "column " << x;
    for (int y = 0; y < 100; y += 3) ASSERT_NE(RGB(0, 0, 0), PixelAt(hwndImage, 199, y)) << "row " << y;
    EXPECT_EQ(kRed, PixelAt(hwndImage, 0, 0));
    EXPECT_EQ(kWhite, PixelAt(hwndImage, 199, 99));
}

TEST_F(Images, GifJpegIconAndMetafileAreDrawn) {
    const std::wstring anyScript = L"\u0420\u0438\u0441\u56FE.gif";  // a file name outside the code page
    WriteBytes(dir / anyScript, kRedBlueGif, sizeof kRedBlueGif);
    ASSERT_TRUE(draw(dir / anyScript));
    EXPECT_EQ(kRed, PixelAt(hwndImage, 40, 50));
    EXPECT_EQ(kBlue, PixelAt(hwndImage, 160, 50));

    WriteBytes(dir / L"red.jpg", kRedJpeg, sizeof kRedJpeg);
    ASSERT_TRUE(draw(dir / L"RED.JPG"));  // found on the lower-cased path: file names ignore case
    EXPECT_TRUE(Near(kRed, PixelAt(hwndImage, 100, 50))) << std::hex << PixelAt(hwndImage, 100, 50);

    WriteIcon(dir / L"green.ico", kGreen);
    ASSERT_TRUE(draw(dir / L"green.ico"));
    EXPECT_EQ(kGreen, PixelAt(hwndImage, 100, 50));
    EXPECT_EQ(kGreen, PixelAt(hwndImage, 195, 95)) << "stretched over the window";

    WriteEmf(dir / L"yellow.emf", RGB(255, 255, 0));
    ASSERT_TRUE(draw(dir / L"yellow.emf"));
    EXPECT_EQ(RGB(255, 255, 0), PixelAt(hwndImage, 100, 50));
}

TEST_F(Images, NothingIsDrawnForOtherTypesCommasAndUnreadableFiles) {
    auto blue = [](int, int) { return kBlue; };
    WriteBmp(dir / L"blue.png", 20, 20, blue);  // a bitmap under another name
    WriteBmp(dir / L"a,b.bmp", 20, 20, blue);
    WriteBytes(dir / L"empty.bmp", "", 0);
    const char junk[] = "BM this is not a bitmap at all, only text pretending";
    WriteBytes(dir / L"corrupt.bmp", junk, sizeof junk);
    std::vector<BYTE> truncated(14 + 40, 0);  // headers that promise pixels the file lacks
    WriteBmp(dir / L"whole.bmp", 400, 400, blue);
    HANDLE f = CreateFileW((dir / L"whole.bmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD read = 0;
    ReadFile(f, truncated.data(), static_cast<DWORD>(truncated.size()), &read, nullptr);
    CloseHandle(f);
    WriteBytes(dir / L"truncated.bmp", truncated.data(), truncated.size());
    CreateDirectoryW((dir / L"pictures.bmp.old").c_str(), nullptr);
    WriteBytes(dir / L"pictures.bmp.old\\x.txt", junk, sizeof junk);

    const COLORREF before = PixelAt(hwndImage, 10, 10);
    for (const std::wstring& name : {std::wstring(L"blue.png"), std::wstring(L"a,b.bmp"), std::wstring(L"missing.bmp"),
                                     std::wstring(L"empty.bmp"), std::wstring(L"corrupt.bmp"),
                                     std::wstring(L"truncated.bmp"), std::wstring(L"pictures.bmp.old\\x.txt"),
                                     std::wstring(L"pictures.bmp.old")}) {
        EXPECT_FALSE(draw(dir / name)) << name.c_str();
        EXPECT_EQ(before, PixelAt(hwndImage, 10, 10)) << name.c_str();
    }
    EXPECT_FALSE(draw(L""));
}

TEST_F(Images, TheControlDrawsItsPictureAtEveryPaintMoveAndResize) {
    WriteBmp(dir / L"q.bmp", 100, 50, [](int x, int y) { return x < 50 ? (y < 25 ? kRed : kBlue) : (y < 25 ? kGreen : kWhite); });
    IDispatch* shown = addImage(L"shown", dir / L"Q.BMP", 10, 120, 200, 100);
    HWND h = HwndOf(shown);
    UpdateWindow(h);
    EXPECT_EQ(kRed, PixelAt(h, 50, 25));
    EXPECT_EQ(kWhite, PixelAt(h, 150, 75));
    std::wstring lower = dir / L"q.bmp";
    CharLowerBuffW(&lower[0], static_cast<DWORD>(lower.size()));
    EXPECT_EQ(lower, GetText(shown, L"Caption")) << "the path reads back in lower case";
    RECT covered{0, 0, 200, 100};
    HDC dc = GetDC(h);
    FillRect(dc, &covered, reinterpret_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(h, dc);
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(kGreen, PixelAt(h, 150, 25)) << "drawn again at the next paint";
    Call(shown, L"MoveResize", {Arg(20), Arg(110), Arg(100), Arg(50)});
    EXPECT_EQ(kRed, PixelAt(h, 25, 12));
    EXPECT_EQ(kGreen, PixelAt(h, 75, 12));
    EXPECT_EQ(kWhite, PixelAt(h, 75, 37));
    Put(shown, L"Width", Arg(280));
    EXPECT_EQ(kGreen, PixelAt(h, 210, 12));
    Put(shown, L"Caption", Arg(dir / L"none.bmp"));
    EXPECT_EQ(kGreen, PixelAt(h, 210, 12)) << "a missing file draws nothing over what is there";
}

TEST_F(Images, RepaintsHoldNoGdiObjects) {
    WriteBmp(dir / L"p.bmp", 64, 32, [](int x, int) { return x < 32 ? kRed : kGreen; });
    WriteIcon(dir / L"i.ico", kGreen);
    draw(dir / L"p.bmp");
    draw(dir / L"i.ico");
    const long before = GdiObjectCount();
    for (int i = 0; i < 1000; ++i) draw(dir / (i % 2 ? L"p.bmp" : L"i.ico"));
    EXPECT_EQ(before, GdiObjectCount());
}

}  // namespace
