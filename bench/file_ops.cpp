// Figures for the file methods beside the shell's own operation on the same items (the
// floor the library can reach, with the flags the library gives it) and the platform's
// CopyFileW / MoveFileExW loop, in the same run, silent with replace-all:
//  1. move within one volume, a 400 MB file and a folder of 1 500 small files (target
//     <= 2x the shell's FO_MOVE);
//  2. copy, the same two (target <= 1.2x the shell's FO_COPY), and the library's own part
//     of the folder's copy: the plan and the check, each alone;
//  3. one small file per call, 1 000 calls, as a script copying a list makes them (target
//     <= 1.5x the same calls of the shell's FO_COPY), and where the library's time per
//     call goes: the plan, the shell's copy, the check afterwards; the rest is the late-
//     bound call and the reading of the lists.
// MORVANE_BENCH_MB sets the large file's size in MB (400 by default).
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bench_util.h"
#include "desktop/desktop.h"
#include "shell/file_operation.h"
#include "shell/file_plan.h"
#include "shell/plan_check.h"

namespace {

using namespace bench;

constexpr int kFolderFiles = 1500, kCalls = 1000;

std::wstring TempFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"mvbench-files-" + std::to_wstring(GetCurrentProcessId());
}

void Write(const std::wstring& path, const std::string& bytes, int repeat = 1) {
    mv::UniqueFile f = mv::AdoptFile(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    for (int i = 0; i < repeat; ++i) WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW f;
    HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &f);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = f.cFileName, full = path + L"\\" + name;
            if (name == L"." || name == L"..") continue;
            if (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(full);
            else DeleteFileW(full.c_str());
        } while (FindNextFileW(h, &f));
        FindClose(h);
    }
    RemoveDirectoryW(path.c_str());
    DeleteFileW(path.c_str());
}

// The shell's own operation with the flags the library gives it for a silent replace-all.
bool Shell(UINT operation, const std::wstring& from, const std::wstring& to) {
    const std::wstring f = from + L'\0' + L'\0', t = to + L'\0' + L'\0';
    SHFILEOPSTRUCTW op{};
    op.wFunc = operation;
    op.pFrom = f.c_str();
    op.pTo = t.c_str();
    op.fFlags = FOF_MULTIDESTFILES | FOF_NOCONFIRMMKDIR | FOF_ALLOWUNDO | FOF_SILENT | FOF_NOCONFIRMATION;
    return SHFileOperationW(&op) == 0;
}

// The platform's calls, file by file for a folder.
bool PlatformCopy(const std::wstring& from, const std::wstring& to) {
    if (!(GetFileAttributesW(from.c_str()) & FILE_ATTRIBUTE_DIRECTORY)) return CopyFileW(from.c_str(), to.c_str(), FALSE);
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW f;
    HANDLE h = FindFirstFileW((from + L"\\*").c_str(), &f);
    bool ok = h != INVALID_HANDLE_VALUE;
    if (ok) {
        do {
            const std::wstring name = f.cFileName;
            if (name != L"." && name != L"..") ok = PlatformCopy(from + L"\\" + name, to + L"\\" + name) && ok;
        } while (FindNextFileW(h, &f));
        FindClose(h);
    }
    return ok;
}

bool PlatformMove(const std::wstring& from, const std::wstring& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_COPY_ALLOWED | MOVEFILE_REPLACE_EXISTING);
}

struct Way {
    const char* name;
    std::function<bool(const std::wstring&, const std::wstring&)> run;
};

std::vector<Way> Ways(const Obj& form, UINT operation) {
    const wchar_t* method = operation == FO_MOVE ? L"MoveFilePB" : L"CopyFilePB";
    return {
        {"library", [=](const std::wstring& a, const std::wstring& b) { return form.num(method, {a, b, 1, 1}) == 1; }},
        {"shell", [=](const std::wstring& a, const std::wstring& b) { return Shell(operation, a, b); }},
        {"platform", operation == FO_MOVE ? PlatformMove : PlatformCopy},
    };
}

// Each way in turn, `rounds` times, on the same item, each round starting with the next way
// (the load of a shared machine and the system's caches then favour none): a move goes
// back and forth between two names, a copy's destination is removed before the next.
void Compare(const Obj& form, UINT operation, const char* what, const std::wstring& item, int rounds) {
    const std::vector<Way> ways = Ways(form, operation);
    std::vector<std::vector<double>> times(ways.size());
    std::wstring here = item, there = item + L"-2";
    bool failed = false;
    for (int round = 0; round < rounds; ++round) {
        for (size_t turn = 0; turn < ways.size(); ++turn) {
            const size_t w = (turn + round) % ways.size();
            const double start = Now();
            failed |= !ways[w].run(here, there);
            times[w].push_back(Now() - start);
            if (operation == FO_MOVE) std::swap(here, there);
            else RemoveTree(there);
        }
    }
    if (here != item) PlatformMove(here, item);
    const double shell = Median(times[1]);
    std::printf("%s%s\n", what, failed ? "   (A CALL FAILED)" : "");
    for (size_t w = 0; w < ways.size(); ++w)
        std::printf("  %-9s %9.1f ms  %6.2f x the shell\n", ways[w].name, Median(times[w]), Median(times[w]) / shell);
}

// 1 000 calls of one small file each, the ways taking turns call by call, then the same
// library calls taken apart.
void PerCall(const Obj& form, const std::wstring& dir) {
    CreateDirectoryW((dir + L"\\list").c_str(), nullptr);
    for (int i = 0; i < kCalls; ++i) Write(dir + L"\\list\\" + std::to_wstring(i) + L".txt", "small file " + std::to_string(i));
    std::vector<Way> ways = Ways(form, FO_COPY);
    // The library's routine called directly, with the form's window as the owner: what is
    // left of a call without the late-bound call and its arguments.
    const HWND owner = form.hwnd();
    ways.push_back({"direct", [=](const std::wstring& a, const std::wstring& b) {
                        return mv::ShellFileOperation(FO_COPY, a, b, owner, true, true) == mv::kFileOpDone;
                    }});
    std::vector<double> perCall(ways.size());
    std::vector<int> failed(ways.size());
    for (size_t w = 0; w < ways.size(); ++w) CreateDirectoryW((dir + L"\\to" + std::to_wstring(w)).c_str(), nullptr);
    for (int i = 0; i < kCalls; ++i) {
        const std::wstring n = L"\\" + std::to_wstring(i) + L".txt";
        for (size_t turn = 0; turn < ways.size(); ++turn) {
            const size_t w = (turn + i) % ways.size();
            const double start = Now();
            failed[w] += !ways[w].run(dir + L"\\list" + n, dir + L"\\to" + std::to_wstring(w) + n);
            perCall[w] += (Now() - start) / kCalls;
        }
    }
    for (size_t w = 0; w < ways.size(); ++w) {
        RemoveTree(dir + L"\\to" + std::to_wstring(w));
        if (failed[w]) std::printf("  %s: %d calls failed\n", ways[w].name, failed[w]);
    }
    std::printf("one small file per call, %d calls (ms per call)\n", kCalls);
    for (size_t w = 0; w < ways.size(); ++w)
        std::printf("  %-9s %7.3f ms  %6.2f x the shell\n", ways[w].name, perCall[w], perCall[w] / perCall[1]);

    // Where a call's time goes: the plan and the check alone, on the same lists.
    CreateDirectoryW((dir + L"\\to").c_str(), nullptr);
    double plan = 0, check = 0;
    for (int i = 0; i < kCalls; ++i) {
        const std::wstring n = L"\\" + std::to_wstring(i) + L".txt";
        PlatformCopy(dir + L"\\list" + n, dir + L"\\to" + n);
        mv::FilePlan p;
        double t = Now();
        mv::MakePlan(mv::FileVerb::Copy, dir + L"\\list" + n, dir + L"\\to" + n, &p);
        plan += Now() - t;
        t = Now();
        mv::Happened(p);
        check += Now() - t;
    }
    RemoveTree(dir + L"\\to");
    std::printf("  of the library's call: late-bound call %.3f ms; plan %.3f ms, check %.3f ms (each alone);\n"
                "  the shell's copy %.3f ms; the rest of the routine (requests, owner, styles) %.3f ms\n",
                perCall[0] - perCall[3], plan / kCalls, check / kCalls, perCall[1],
                perCall[3] - perCall[1] - (plan + check) / kCalls);
}

// The library's own part of an operation, each alone on the same lists (medians of three):
// the plan, made while the destination is free, and for a copy the check after the
// platform's copy of the same items.
std::pair<double, double> Parts(mv::FileVerb verb, const std::wstring& from, const std::wstring& to) {
    std::vector<double> plans, checks;
    for (int round = 0; round < 3; ++round) {
        mv::FilePlan plan;
        double start = Now();
        mv::MakePlan(verb, from, to, &plan);
        plans.push_back(Now() - start);
        if (verb != mv::FileVerb::Copy) continue;
        PlatformCopy(from, to);
        start = Now();
        if (!mv::Happened(plan)) std::printf("  (THE CHECK FAILED)\n");
        checks.push_back(Now() - start);
        RemoveTree(to);
    }
    return {Median(plans), checks.empty() ? 0.0 : Median(checks)};
}

}  // namespace

int main() {
    const char* mb = std::getenv("MORVANE_BENCH_MB");
    const int megabytes = mb && std::atoi(mb) > 0 ? std::atoi(mb) : 400;
    ComPtr<mv::Desktop> desktop = mv::Desktop::Create();
    const Obj form = NewForm(desktop->dispatch(), L"Files");
    const std::wstring dir = TempFolder();
    CreateDirectoryW(dir.c_str(), nullptr);

    std::string block(1 << 20, '\0');
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 7 + i / 4096);
    const std::wstring big = dir + L"\\big.bin", folder = dir + L"\\folder";
    Write(big, block, megabytes);
    CreateDirectoryW(folder.c_str(), nullptr);
    for (int i = 0; i < kFolderFiles; ++i)
        Write(folder + L"\\f" + std::to_wstring(i) + L".txt", std::string(1024 + i % 512, static_cast<char>('a' + i % 26)));

    const std::string size = std::to_string(megabytes) + " MB file";
    Compare(form, FO_MOVE, ("move a " + size + " within one folder").c_str(), big, 3);
    Compare(form, FO_MOVE, "move a folder of 1 500 files within one folder", folder, 3);
    std::printf("  of the library's move, the plan alone (listing the 1 500 files): %.1f ms\n",
                Parts(mv::FileVerb::Move, folder, folder + L"-2").first);
    Compare(form, FO_COPY, ("copy a " + size).c_str(), big, 3);
    Compare(form, FO_COPY, "copy a folder of 1 500 files", folder, 3);
    const std::pair<double, double> copy = Parts(mv::FileVerb::Copy, folder, folder + L"-2");
    std::printf("  of the library's copy: the plan %.1f ms, the check %.1f ms (one listing of each folder)\n",
                copy.first, copy.second);
    PerCall(form, dir);

    RemoveTree(dir);
    desktop->closeAll();
    return 0;
}
