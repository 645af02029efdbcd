// A test with one hidden form, created at 100,80 with a size of 320 x 240 pixels.
#pragma once

#include "fixtures.h"

namespace test {

inline RECT RectOf(HWND w) {
    RECT rc{};
    GetWindowRect(w, &rc);
    return rc;
}

class FormTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        form = createForm(L"shape", {Arg(100), Arg(80), Arg(320), Arg(240)});
        ASSERT_NE(form, nullptr);
        hwnd = hwndOf(form);
    }

    IDispatch* form = nullptr;  // borrowed from the registry
    HWND hwnd = nullptr;
};

}  // namespace test
