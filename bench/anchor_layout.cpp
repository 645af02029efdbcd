// Figures for anchored layout, side by side with what they are measured against:
//  1. laying out a form of 500 anchored controls (anchors of every kind, mixed) for 100
//     new sizes of its client area, as the form's WM_SIZE does it, against a plain
//     DeferWindowPos loop moving the same 500 windows to the same rectangles, computed by
//     this program itself, with the same flags;
//  2. resizing a form whose controls are all left where the script put them (the default
//     anchor, LT) for 100 steps, against a plain window of the same class styles with the
//     same 500 child windows: what the library's WM_SIZE handling adds when nothing is
//     anchored.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_util.h"
#include "desktop/desktop.h"

namespace {

using namespace bench;

constexpr int kControls = 500;
// The new sizes of one round, and the rounds: 100 and 1 unless given on the command line
// (Wine moves a child window in time that grows with its siblings: a step of 500 takes
// seconds there).
int kSteps = 100;
int kRounds = 1;

// Every set of edges, in turn; the default (LT) is not among them.
const wchar_t* const kAnchors[] = {L"LTRB", L"RB", L"LR", L"TB", L"R", L"B", L"", L"LRB", L"TRB"};
constexpr int kAnchorCount = sizeof kAnchors / sizeof kAnchors[0];

// Where control i starts: a grid over a client area of 880 x 660.
constexpr long kStartWidth = 880, kStartHeight = 660;
RECT Cell(int i) {
    const long x = (i % 20) * 44, y = (i / 20) * 26;
    return {x, y, x + 40, y + 22};
}

// The client size of step s: growing by 3 pixels each way per step.
SIZE StepSize(int s) { return {kStartWidth + 3 * (s + 1), kStartHeight + 3 * (s + 1)}; }

// One axis of an anchored control, as the anchor's documentation describes it.
void Axis(long pos, long size, long start, long now, bool nearEdge, bool farEdge, long* outPos, long* outSize) {
    const long farGap = start - pos - size;
    *outSize = size;
    if (nearEdge && farEdge) *outPos = pos, *outSize = std::max(0L, now - pos - farGap);
    else if (nearEdge) *outPos = pos;
    else if (farEdge) *outPos = now - farGap - size;
    else *outPos = std::lround((pos + size / 2.0) / start * now - size / 2.0);
}

RECT Expected(int i, SIZE now) {
    const std::wstring a = kAnchors[i % kAnchorCount];
    auto has = [&a](wchar_t c) { return a.find(c) != std::wstring::npos; };
    const RECT c = Cell(i);
    long x, w, y, h;
    Axis(c.left, c.right - c.left, kStartWidth, now.cx, has(L'L'), has(L'R'), &x, &w);
    Axis(c.top, c.bottom - c.top, kStartHeight, now.cy, has(L'T'), has(L'B'), &y, &h);
    return {x, y, x + w, y + h};
}

// A form whose client area is exactly kStartWidth x kStartHeight pixels, with 500 buttons.
Obj MakeForm(IDispatch* desk, const wchar_t* name, bool anchored, std::vector<HWND>* windows) {
    Obj form = NewForm(desk, name);
    RECT outer{}, client{};
    GetWindowRect(form.hwnd(), &outer);
    GetClientRect(form.hwnd(), &client);
    SetWindowPos(form.hwnd(), nullptr, 0, 0, (outer.right - outer.left) - client.right + kStartWidth,
                 (outer.bottom - outer.top) - client.bottom + kStartHeight, SWP_NOMOVE | SWP_NOZORDER);
    for (int i = 0; i < kControls; ++i) {
        const RECT c = Cell(i);
        Obj b = form.obj(L"AddCmdButton", {L"c" + std::to_wstring(i), L"b", c.left, c.top, c.right - c.left,
                                           c.bottom - c.top, L""});
        if (anchored) b.put(L"Anchor", kAnchors[i % kAnchorCount]);
        windows->push_back(b.hwnd());
    }
    form.put(L"Visible", 1);
    return form;
}

void Drain() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

void CompareLayouts(IDispatch* desk) {
    std::vector<HWND> windows;
    Obj form = MakeForm(desk, L"anchored", true, &windows);
    Drain();
    std::vector<double> library, plain;
    for (int round = 0; round < kRounds; ++round) {
        for (int s = 0; s < kSteps; ++s) {
            const SIZE size = StepSize(s);
            const double start = Now();
            SendMessageW(form.hwnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.cx, size.cy));
            library.push_back(Now() - start);
        }
        Drain();
        for (int s = 0; s < kSteps; ++s) {
            const SIZE size = StepSize(s);
            const double start = Now();
            HDWP batch = BeginDeferWindowPos(kControls);
            for (int i = 0; i < kControls; ++i) {
                const RECT r = Expected(i, size);
                const std::wstring a = kAnchors[i % kAnchorCount];
                const bool stretches = (a.find(L'L') != std::wstring::npos && a.find(L'R') != std::wstring::npos) ||
                                       (a.find(L'T') != std::wstring::npos && a.find(L'B') != std::wstring::npos);
                batch = DeferWindowPos(batch, windows[i], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | (stretches ? SWP_NOCOPYBITS : 0));
            }
            EndDeferWindowPos(batch);
            plain.push_back(Now() - start);
        }
        Drain();
    }
    // The library put each control where the plain loop puts it.
    int misplaced = 0;
    SendMessageW(form.hwnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(StepSize(kSteps - 1).cx, StepSize(kSteps - 1).cy));
    for (int i = 0; i < kControls; ++i) {
        RECT r{};
        GetWindowRect(windows[i], &r);
        MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&r), 2);
        const RECT e = Expected(i, StepSize(kSteps - 1));
        if (std::abs(r.left - e.left) > 1 || std::abs(r.top - e.top) > 1 || std::abs(r.right - e.right) > 1 ||
            std::abs(r.bottom - e.bottom) > 1)
            ++misplaced;
    }
    const double lib = Median(library), own = Median(plain);
    std::printf("layout of %d anchored controls, per step (median of %d x %d steps):\n", kControls, kRounds, kSteps);
    std::printf("  the form's WM_SIZE %.3f ms, a plain DeferWindowPos loop %.3f ms: ratio %.3f  (target <= 1.2)\n", lib,
                own, lib / own);
    std::printf("  controls placed elsewhere than the plain loop places them: %d\n", misplaced);
    Call(desk, L"CloseAll");
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd, msg, wp, lp); }

// A window of the form class's styles and background, with the default procedure.
HWND PlainWindow(std::vector<HWND>* children) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW;
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENU + 1));
    wc.lpszClassName = L"BenchPlainForm";
    RegisterClassExW(&wc);
    HWND w = CreateWindowExW(0, wc.lpszClassName, L"plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 900, 700, nullptr,
                             nullptr, wc.hInstance, nullptr);
    for (int i = 0; i < kControls; ++i) {
        const RECT c = Cell(i);
        children->push_back(CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE | WS_TABSTOP, c.left, c.top,
                                            c.right - c.left, c.bottom - c.top, w, nullptr, wc.hInstance, nullptr));
    }
    return w;
}

double ResizeSteps(HWND w) {
    std::vector<double> steps;
    RECT outer{};
    GetWindowRect(w, &outer);
    for (int round = 0; round < kRounds; ++round) {
        for (int s = 0; s < kSteps; ++s) {
            const double start = Now();
            SetWindowPos(w, nullptr, 0, 0, outer.right - outer.left + 3 * (s % 2 ? s : -s / 2 - 1) + 200,
                         outer.bottom - outer.top + 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            steps.push_back(Now() - start);
        }
        Drain();
    }
    return Median(steps);
}

void CompareUnanchored(IDispatch* desk) {
    std::vector<HWND> windows, children;
    Obj form = MakeForm(desk, L"unanchored", false, &windows);
    HWND plain = PlainWindow(&children);
    Drain();
    const double lib = ResizeSteps(form.hwnd()), own = ResizeSteps(plain);
    std::vector<double> sizeOnly;
    for (int s = 0; s < kSteps * kRounds; ++s) {
        const SIZE size = StepSize(s % kSteps);
        const double start = Now();
        SendMessageW(form.hwnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.cx, size.cy));
        sizeOnly.push_back(Now() - start);
    }
    std::printf("resizing a form of %d controls, none anchored, per step (median of %d x %d steps):\n", kControls,
                kRounds, kSteps);
    std::printf("  the form %.3f ms, a plain window of the same class styles and children %.3f ms: ratio %.3f\n", lib,
                own, lib / own);
    std::printf("  the form's WM_SIZE handling alone: %.4f ms\n", Median(sizeOnly));
    DestroyWindow(plain);
    Call(desk, L"CloseAll");
}

}  // namespace

//   bench_anchor_layout.exe [steps [rounds]]
int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IONBF, 0);  // each figure as soon as it is measured
    if (argc > 1) kSteps = std::max(1, std::atoi(argv[1]));
    if (argc > 2) kRounds = std::max(1, std::atoi(argv[2]));
    ComPtr<mv::Desktop> desktop = mv::Desktop::Create();
    IDispatch* desk = desktop->dispatch();
    CompareLayouts(desk);
    CompareUnanchored(desk);
    return 0;
}
