// Scratch files for the tests of the form's services.
#include "service_fixture.h"

#include <algorithm>
#include <vector>

namespace test {

namespace {

// Calls fn(name, isFolder) for every entry of `folder` but "." and "..". Wide: the tests
// make files whose names the system code page cannot hold.
template <typename Fn>
void ForEachEntry(const std::wstring& folder, Fn fn) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") fn(name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileW(h, &found));
    FindClose(h);
}

}  // namespace

void RemoveTree(const std::wstring& path) {
    ForEachEntry(path, [&](const std::wstring& name, bool isFolder) {
        std::wstring full = path + L"\\" + name;
        if (isFolder) {
            RemoveTree(full);
        } else {
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(full.c_str());
        }
    });
    RemoveDirectoryW(path.c_str());
}

std::wstring FromCodePage(const std::string& s) {
    const int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
    return out;
}

std::string ToCodePage(const std::wstring& s) {
    const int n = WideCharToMultiByte(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, s.data(), static_cast<int>(s.size()), out.data(), n, nullptr, nullptr);
    return out;
}

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    static int serial = 0;
    path_ = std::string(temp) + "mvshell-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(GetTickCount()) + "-" + std::to_string(++serial);
    CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(FromCodePage(path_)); }

std::wstring ScratchFolder::operator/(const std::wstring& name) const { return FromCodePage(path_) + L"\\" + name; }

void WriteFile(const std::wstring& path, const std::string& bytes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

std::string ReadFile(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<none>";
    std::string bytes(GetFileSize(h, nullptr), '\0');
    DWORD read = 0;
    ::ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(h);
    bytes.resize(read);
    return bytes;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void WriteFile(const std::string& path, const std::string& bytes) { WriteFile(FromCodePage(path), bytes); }
std::string ReadFile(const std::string& path) { return ReadFile(FromCodePage(path)); }
bool Exists(const std::string& path) { return Exists(FromCodePage(path)); }

std::string Listing(const std::string& folder) {
    std::vector<std::string> names;
    ForEachEntry(FromCodePage(folder), [&](const std::wstring& name, bool isFolder) {
        names.push_back(ToCodePage(name) + (isFolder ? "\\" : ""));
    });
    std::sort(names.begin(), names.end());
    std::string out;
    for (const std::string& n : names) out += n + " ";
    return out;
}

std::map<std::string, std::string> Tree(const std::string& folder) {
    std::map<std::string, std::string> out;
    ForEachEntry(FromCodePage(folder), [&](const std::wstring& name, bool isFolder) {
        const std::string full = folder + "\\" + ToCodePage(name);
        if (!isFolder) {
            out[full] = ReadFile(full);
            return;
        }
        out[full + "\\"] = "";
        for (const auto& inner : Tree(full)) out.insert(inner);
    });
    return out;
}

std::string TrashFolder() {
    char home[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("WINEHOMEDIR", home, MAX_PATH)) return "";
    std::string h = home;
    if (h.rfind("\\??\\", 0) == 0) h = h.substr(4);
    return h + "\\.local\\share\\Trash";
}

}  // namespace test
