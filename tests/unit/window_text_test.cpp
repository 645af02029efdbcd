// The window text, read back from real windows.
#include <gtest/gtest.h>

#include <string>

#include "host_window.h"
#include "window/window_text.h"

namespace mv {
namespace {

using test::Host;

TEST(WindowCaption, LongTextReadsBackAs254Characters) {
    Host h;
    struct Case { size_t set, read; };
    const Case cases[] = { { 0, 0 }, { 1, 1 }, { 254, 254 }, { 255, 254 }, { 300, 254 }, { 1 << 20, 254 } };
    for (const Case& c : cases) {
        std::string text(c.set, 'x');
        SetWindowTextA(h.top, text.c_str());
        std::wstring got = GetWindowCaption(h.top);
        EXPECT_EQ(c.read, got.size()) << "set " << c.set;
        EXPECT_EQ(std::wstring(c.read, L'x'), got);
    }
    SetWindowTextA(h.a, "caf\xe9");  // the system code page crosses to UTF-16
    EXPECT_EQ(L"caf\u00e9", GetWindowCaption(h.a));
}

}  // namespace
}  // namespace mv
