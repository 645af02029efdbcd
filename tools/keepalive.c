/* Holds the Wine desktop open for a whole test session (tools/session.sh).
 * Its first window starts Wine's desktop process with this program's standard
 * handles, not those of the first test; otherwise that process would keep each
 * test's output pipe open after the test ends and CTest would wait for it. */
#include <windows.h>
#include <stdio.h>

int main(void)
{
    WNDCLASSA wc = {0};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "MorvaneKeepalive";
    if (!RegisterClassA(&wc))
        return 1;
    /* Never shown: it only has to exist. */
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1,
                                NULL, NULL, wc.hInstance, NULL);
    if (!hwnd)
        return 1;
    printf("ready\n");
    fflush(stdout);

    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
