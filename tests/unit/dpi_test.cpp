// The awareness the library's top-level windows are created in, over the three answers a
// Windows gives: version 2 accepted (1703 and later), only version 1 (1607, and Wine 8,
// which refuses version 2), no thread contexts at all (earlier versions). Forms take
// version 2, else version 1; dialogs the system lays out take version 2, else system
// awareness, never version 1 (the system scales them only in version 2).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/creation_scope.h"
#include "core/dpi.h"
#include "fixtures.h"

using namespace test;

namespace {

const DPI_AWARENESS_CONTEXT kV2 = DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2;
const DPI_AWARENESS_CONTEXT kV1 = DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE;
const DPI_AWARENESS_CONTEXT kSystem = DPI_AWARENESS_CONTEXT_SYSTEM_AWARE;
const DPI_AWARENESS_CONTEXT kHost = DPI_AWARENESS_CONTEXT_UNAWARE;  // the thread's own

// A platform that takes version 2, or not, and every older context.
bool g_takesV2 = false;
std::vector<DPI_AWARENESS_CONTEXT> g_tried;

DPI_AWARENESS_CONTEXT WINAPI FakeSetContext(DPI_AWARENESS_CONTEXT context) {
    g_tried.push_back(context);
    return context == kV2 && !g_takesV2 ? nullptr : kHost;
}

// Each context's name, for the messages.
std::string Name(DPI_AWARENESS_CONTEXT c) {
    if (c == kV2) return "per-monitor v2";
    if (c == kV1) return "per-monitor v1";
    if (c == kSystem) return "system aware";
    return c ? "other" : "none";
}

using GetContextFn = DPI_AWARENESS_CONTEXT(WINAPI*)();
using ContextsEqualFn = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT);

template <typename Fn>
Fn User32(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

TEST(DpiContext, FormsTakeVersion2ElseVersion1AndDialogsVersion2ElseSystemAware) {
    enum Platform { TakesV2, OnlyV1, Neither };
    struct Case { Platform platform; mv::TopLevel kind; DPI_AWARENESS_CONTEXT entered; const char* what; };
    const Case cases[] = {
        { TakesV2, mv::TopLevel::Form, kV2, "a form where version 2 is taken" },
        { OnlyV1, mv::TopLevel::Form, kV1, "a form where only version 1 is" },
        { Neither, mv::TopLevel::Form, nullptr, "a form without thread contexts: the host's" },
        { TakesV2, mv::TopLevel::Dialog, kV2, "a dialog where version 2 is taken" },
        { OnlyV1, mv::TopLevel::Dialog, kSystem, "a dialog where only version 1 is" },
        { Neither, mv::TopLevel::Dialog, nullptr, "a dialog without thread contexts: the host's" },
    };
    for (const Case& c : cases) {
        g_takesV2 = c.platform == TakesV2;
        g_tried.clear();
        const mv::EnteredContext got = mv::EnterCreationContext(c.kind, c.platform == Neither ? nullptr : &FakeSetContext);
        EXPECT_EQ(Name(got.entered), Name(c.entered)) << c.what;
        EXPECT_EQ(got.previous, c.entered ? kHost : nullptr) << c.what << ": the thread's own, to go back to";
        EXPECT_EQ(g_tried.size(), c.entered == kV2 ? 1u : c.entered ? 2u : 0u) << c.what << ": one context entered";
        if (c.kind == mv::TopLevel::Dialog) {
            for (DPI_AWARENESS_CONTEXT tried : g_tried) EXPECT_NE(tried, kV1) << c.what << ": never version 1";
        }
    }
}

// On this platform: inside each scope the thread is in the context chosen for it, and
// afterwards in its own again; a form's window is in a per-monitor context, and one in
// version 1 asks for its frame to be scaled (in WM_NCCREATE).
TEST(DpiContext, EachScopeSetsTheChosenContextAndTheFormsWindowIsPerMonitorAware) {
    const auto get = User32<GetContextFn>("GetThreadDpiAwarenessContext");
    const auto equal = User32<ContextsEqualFn>("AreDpiAwarenessContextsEqual");
    if (!get || !equal) GTEST_SKIP() << "no thread DPI contexts on this platform";
    const DPI_AWARENESS_CONTEXT own = get();
    for (mv::TopLevel kind : {mv::TopLevel::Form, mv::TopLevel::Dialog}) {
        {
            mv::CreationScope scope(kind);
            const DPI_AWARENESS_CONTEXT now = get();
            const bool v2 = equal(now, kV2);
            if (kind == mv::TopLevel::Form) EXPECT_TRUE(v2 || equal(now, kV1)) << "a form: per-monitor";
            else EXPECT_TRUE(v2 || equal(now, kSystem)) << "a dialog: version 2 or system aware";
        }
        EXPECT_TRUE(equal(get(), own)) << "the thread's own context afterwards";
    }
    Session session;
    Obj form = session.form(L"aware");
    const auto windowContext = User32<DPI_AWARENESS_CONTEXT(WINAPI*)(HWND)>("GetWindowDpiAwarenessContext");
    ASSERT_NE(windowContext, nullptr);
    const DPI_AWARENESS_CONTEXT context = windowContext(form.hwnd());
    EXPECT_TRUE(equal(context, kV2) || equal(context, kV1));
    EXPECT_EQ(mv::CreatedPerMonitorV1(form.hwnd()), equal(context, kV1) != FALSE);
}
