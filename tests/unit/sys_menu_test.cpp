// System-menu items as another program sees them: identifiers and states by position.
#include <gtest/gtest.h>

#include <vector>

#include "window/sys_menu.h"

namespace mv {
namespace {

struct Window {
    HWND hwnd = CreateWindowExA(0, "STATIC", "menu", WS_OVERLAPPEDWINDOW, 10, 10, 200, 150, nullptr,
                                nullptr, nullptr, nullptr);
    ~Window() { DestroyWindow(hwnd); }
    HMENU menu() const { return GetSystemMenu(hwnd, FALSE); }
    UINT idAt(long pos) const { return GetMenuItemID(menu(), pos); }
    long stateAt(long pos) const { return GetSysMenuItemState(menu(), pos); }

    // Identifier and state of every item: what a later call must leave alone.
    std::vector<long> snapshot() const {
        std::vector<long> s;
        for (int i = 0; i < GetMenuItemCount(menu()); ++i) {
            s.push_back(static_cast<long>(idAt(i)));
            s.push_back(stateAt(i));
        }
        return s;
    }
};

TEST(SysMenu, DisablingRenumbersAndGreysEnablingRestores) {
    for (UINT id : { SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE }) {
        Window w;
        long pos = FindSysMenuItem(w.hwnd, id);
        ASSERT_GE(pos, 0) << std::hex << id;
        EXPECT_EQ(id, w.idAt(pos));
        EXPECT_EQ(0, w.stateAt(pos) & MF_GRAYED);

        SetSysMenuItem(w.hwnd, id, VARIANT_FALSE);
        EXPECT_EQ(pos, FindSysMenuItem(w.hwnd, id)) << "found by its full identifier";
        EXPECT_EQ(pos, FindSysMenuItem(w.hwnd, id & 0x7FFF)) << "and by the renumbered one";
        EXPECT_EQ(id & 0x7FFF, w.idAt(pos));
        EXPECT_EQ(MF_GRAYED, w.stateAt(pos));

        SetSysMenuItem(w.hwnd, id, VARIANT_TRUE);
        EXPECT_EQ(id, w.idAt(pos));
        EXPECT_EQ(0, w.stateAt(pos));
    }
}

TEST(SysMenu, RepeatedCallsKeepTheirState) {
    Window w;
    long pos = FindSysMenuItem(w.hwnd, SC_MOVE);
    SetSysMenuItem(w.hwnd, SC_MOVE, VARIANT_FALSE);
    SetSysMenuItem(w.hwnd, SC_MOVE, VARIANT_FALSE);
    EXPECT_EQ(0x7010u, w.idAt(pos));
    EXPECT_EQ(MF_GRAYED, w.stateAt(pos));

    SetSysMenuItem(w.hwnd, SC_MOVE, 1);  // only -1 enables
    EXPECT_EQ(0x7010u, w.idAt(pos));

    SetSysMenuItem(w.hwnd, SC_MOVE, VARIANT_TRUE);
    std::vector<long> enabled = w.snapshot();
    SetSysMenuItem(w.hwnd, SC_MOVE, VARIANT_TRUE);
    EXPECT_EQ(enabled, w.snapshot());
}

TEST(SysMenu, MissingCommandsLeaveTheMenuAlone) {
    Window w;
    DeleteMenu(w.menu(), SC_SIZE, MF_BYCOMMAND);
    std::vector<long> before = w.snapshot();
    EXPECT_EQ(-1, FindSysMenuItem(w.hwnd, SC_SIZE));
    SetSysMenuItem(w.hwnd, SC_SIZE, VARIANT_FALSE);
    SetSysMenuItem(w.hwnd, SC_KEYMENU, VARIANT_FALSE);
    EXPECT_EQ(before, w.snapshot());

    EXPECT_EQ(0, GetSysMenuItemState(w.menu(), -1));
    EXPECT_EQ(0, GetSysMenuItemState(w.menu(), 1000));
    EXPECT_EQ(0, GetSysMenuItemState(nullptr, 0));
    EXPECT_EQ(-1, FindSysMenuItem(nullptr, SC_MOVE));
    SetSysMenuItem(nullptr, SC_MOVE, VARIANT_FALSE);
}

}  // namespace
}  // namespace mv
