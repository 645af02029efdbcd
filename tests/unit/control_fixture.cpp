// Controls added as a script adds them, and what the tests read back from their windows.
#include "control_fixture.h"

#include <map>

namespace test {

void ControlTest::SetUp() {
    FormTest::SetUp();
    Put(form, L"Visible", Arg(1));
}

IDispatch* ControlTest::added(IDispatch* control) {
    EXPECT_NE(control, nullptr) << "the add method created no control";
    return control;
}

IDispatch* ControlTest::addList(const wchar_t* name, long x, long y, long w, long h) {
    return added(Call(form, L"AddListBox", {Arg(name), Arg(x), Arg(y), Arg(w), Arg(h), Arg(L"")}).object());
}

IDispatch* ControlTest::addCombo(const wchar_t* name, long x, long y, long w, long h) {
    return added(Call(form, L"AddComboBox", {Arg(name), Arg(x), Arg(y), Arg(w), Arg(h), Arg(L"")}).object());
}

IDispatch* ControlTest::addProgress(const wchar_t* name, long x, long y, long w, long h, long style) {
    return added(Call(form, L"AddProgressBar", {Arg(name), Arg(x), Arg(y), Arg(w), Arg(h), Arg(style)}).object());
}

IDispatch* ControlTest::addImage(const wchar_t* name, const std::wstring& path, long x, long y, long w, long h) {
    return added(Call(form, L"AddImage", {Arg(name), Arg(path), Arg(x), Arg(y), Arg(w), Arg(h)}).object());
}

IDispatch* ControlTest::addTextbox(const wchar_t* name) {
    return added(Call(form, L"AddTextbox", {Arg(name), Arg(L"text"), Arg(10), Arg(150), Arg(100), Arg(20)}).object());
}

COLORREF PixelAt(HWND window, int x, int y) {
    HDC dc = GetWindowDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

SIZE TextSizeIn(HWND window, const std::wstring& text) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size;
}

bool FontOf(HWND window, LOGFONTA* out) {
    auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    return font && GetObjectA(font, sizeof *out, out) == sizeof *out;
}

namespace {
std::map<HWND, MessageSpy*> g_spies;
}

MessageSpy::MessageSpy(HWND window) : window_(window) {
    g_spies[window] = this;
    previous_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
}

MessageSpy::~MessageSpy() {
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    g_spies.erase(window_);
}

std::vector<MessageSpy::Seen> MessageSpy::of(UINT msg) const {
    std::vector<Seen> out;
    for (const Seen& s : seen_)
        if (s.msg == msg) out.push_back(s);
    return out;
}

LRESULT CALLBACK MessageSpy::Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    MessageSpy* spy = g_spies[h];
    spy->seen_.push_back({m, w, l});
    return CallWindowProcA(spy->previous_, h, m, w, l);
}

void WriteBytes(const std::wstring& path, const void* bytes, size_t size) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    if (size) WriteFile(f, bytes, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(f);
    ASSERT_EQ(written, size);
}

void WriteBmp(const std::wstring& path, int w, int h, const std::function<COLORREF(int, int)>& colour) {
    const int stride = (w * 3 + 3) & ~3;
    std::vector<BYTE> file(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + static_cast<size_t>(stride) * h);
    auto* fh = reinterpret_cast<BITMAPFILEHEADER*>(file.data());
    auto* ih = reinterpret_cast<BITMAPINFOHEADER*>(fh + 1);
    fh->bfType = 0x4D42;  // "BM"
    fh->bfSize = static_cast<DWORD>(file.size());
    fh->bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    ih->biSize = sizeof *ih;
    ih->biWidth = w;
    ih->biHeight = h;
    ih->biPlanes = 1;
    ih->biBitCount = 24;
    ih->biXPelsPerMeter = ih->biYPelsPerMeter = 3780;  // 96 dpi
    BYTE* bits = file.data() + fh->bfOffBits;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            COLORREF c = colour(x, y);
            BYTE* p = bits + static_cast<size_t>(h - 1 - y) * stride + x * 3;
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    WriteBytes(path, file.data(), file.size());
}

}  // namespace test
