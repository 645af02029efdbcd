// Shared set-up of the unit tests.
#include "fixtures.h"

namespace test {

IDispatch* Session::createForm(const wchar_t* name, std::vector<Arg> more) {
    std::vector<Arg> args{Arg(name), Arg(L"Caption of " + std::wstring(name))};
    for (Arg& a : more) args.push_back(std::move(a));
    Outcome o = Call(desktop(), L"CreateForm", std::move(args));
    EXPECT_EQ(o.hr, S_OK);
    return desktop_->lookupForm(Arg(name).get());
}

std::wstring ProgramDir() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, n);
    return dir.substr(0, dir.find_last_of(L"\\/") + 1);
}

HWND WaitForWindow(const char* className, const char* title, DWORD ms) {
    DWORD end = GetTickCount() + ms;
    do {
        if (HWND h = FindWindowA(className, title)) return h;
        Sleep(20);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
    return nullptr;
}

}  // namespace test
