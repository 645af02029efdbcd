// Test helpers: LastEvent with a time limit.
#include "script_objects.h"

namespace test {

namespace {
mv::Form* g_waiting = nullptr;
void CALLBACK TimeOut(HWND, UINT, UINT_PTR, DWORD) {
    if (g_waiting) g_waiting->SetLastEvent(L"<timeout>");
}
}  // namespace

std::wstring LastEventWithin(const Obj& form, DWORD ms) {
    g_waiting = FormOf(form);
    UINT_PTR timer = SetTimer(nullptr, 0, ms, TimeOut);
    std::wstring event = form.str(L"LastEvent");
    KillTimer(nullptr, timer);
    g_waiting = nullptr;
    return event;
}

}  // namespace test
