// A test with one shown form and controls added the way a script adds them (the form's
// add methods, late-bound), plus what the tests read back from control windows: pixels,
// fonts, and the messages a window received.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "form_fixture.h"

namespace test {

class ControlTest : public FormTest {
protected:
    void SetUp() override;

    // The control the add method returned (borrowed from the form's collection; null when
    // none was created).
    IDispatch* addList(const wchar_t* name, long x = 10, long y = 10, long w = 150, long h = 120);
    IDispatch* addCombo(const wchar_t* name, long x = 10, long y = 10, long w = 150, long h = 120);
    IDispatch* addProgress(const wchar_t* name, long x, long y, long w, long h, long style = 1);
    IDispatch* addImage(const wchar_t* name, const std::wstring& path, long x, long y, long w, long h);
    IDispatch* addTextbox(const wchar_t* name);
    IDispatch* added(IDispatch* control);  // checks that the add method returned a control
};

// The pixel at window coordinates (borders included), as the screen shows it.
COLORREF PixelAt(HWND window, int x, int y);

// The size of a text drawn on one line in the font a window uses.
SIZE TextSizeIn(HWND window, const std::wstring& text);

// The LOGFONTA of the font a window uses; false when it has none.
bool FontOf(HWND window, LOGFONTA* out);

// Subclasses a window for the length of a scope and records the messages it receives
// (those of interest), then passes them on.
class MessageSpy {
public:
    explicit MessageSpy(HWND window);
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;
    ~MessageSpy();

    struct Seen { UINT msg; WPARAM wp; LPARAM lp; };
    const std::vector<Seen>& seen() const { return seen_; }
    std::vector<Seen> of(UINT msg) const;
    void clear() { seen_.clear(); }

private:
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l);
    HWND window_;
    WNDPROC previous_;
    std::vector<Seen> seen_;
};

// A BMP file of w x h pixels at 96 dpi whose colour at (x, y) is colour(x, y), written
// bottom-up as the format stores it.
void WriteBmp(const std::wstring& path, int w, int h, const std::function<COLORREF(int, int)>& colour);
void WriteBytes(const std::wstring& path, const void* bytes, size_t size);

}  // namespace test
