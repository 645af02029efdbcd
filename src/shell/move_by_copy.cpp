// The move done as a copy: what is there before the copy, and what is removed after it.
#include "shell/move_by_copy.h"

#include <cstring>

#include "core/unique.h"

namespace mv {

namespace {

void Add(const std::wstring& source, const std::wstring& destination, MovePlan* plan) {
    const DWORD attributes = AttributesOf(source);
    // A link to a folder: the copy takes what it points to; removing that would empty a
    // folder the script did not name.
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return;
    if (!IsFolder(attributes)) {
        plan->files.push_back({source, destination, Exists(destination)});
        return;
    }
    for (const std::wstring& inner : Matches(Join(source, L"*"))) Add(inner, Join(destination, NameOf(inner)), plan);
    plan->folders.push_back({source, destination});
}

UniqueFile OpenToRead(const std::wstring& path) {
    const HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    return UniqueFile(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

bool SameBytes(HANDLE a, HANDLE b) {
    constexpr DWORD kChunk = 1 << 16;
    std::vector<char> x(kChunk), y(kChunk);
    for (;;) {
        DWORD na = 0, nb = 0;
        if (!ReadFile(a, x.data(), kChunk, &na, nullptr) || !ReadFile(b, y.data(), kChunk, &nb, nullptr)) return false;
        if (na != nb || std::memcmp(x.data(), y.data(), na) != 0) return false;
        if (na == 0) return true;
    }
}

// The destination holds the source: another file (never the source under a second name),
// of the same size and time of last change, as the shell's copy leaves it. When a file
// was there before, the user may have declined to replace it: then only the same bytes
// count.
bool Arrived(const MovePlan::File& f) {
    UniqueFile from = OpenToRead(f.source), to = OpenToRead(f.destination);
    BY_HANDLE_FILE_INFORMATION a, b;
    if (!from || !to || !GetFileInformationByHandle(from.get(), &a) || !GetFileInformationByHandle(to.get(), &b))
        return false;
    const bool sameFile = a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
                          a.nFileIndexLow == b.nFileIndexLow;
    if (sameFile || SamePath(f.source, f.destination)) return false;
    if (a.nFileSizeHigh != b.nFileSizeHigh || a.nFileSizeLow != b.nFileSizeLow ||
        CompareFileTime(&a.ftLastWriteTime, &b.ftLastWriteTime) != 0)
        return false;
    return !f.replaces || SameBytes(from.get(), to.get());
}

// Read-only sources go too, as a move takes them along.
void Remove(const std::wstring& path, bool folder) {
    const DWORD attributes = AttributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    const DWORD writable = attributes & ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY);
    if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesW(path.c_str(), writable ? writable : FILE_ATTRIBUTE_NORMAL);
    const BOOL gone = folder ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str());
    if (!gone && (attributes & FILE_ATTRIBUTE_READONLY)) SetFileAttributesW(path.c_str(), attributes);
}

}  // namespace

MovePlan PlanMove(const Transfers& plan) {
    MovePlan out;
    for (const Transfer& t : plan) {
        if (!t.wildcard()) {
            Add(t.source, t.destination(), &out);
            continue;
        }
        // One match takes the target's name, as one file would; several go inside it.
        const PathList matches = Matches(t.source);
        const bool into = t.intoFolder || matches.size() > 1;
        for (const std::wstring& m : matches) Add(m, into ? Join(t.target, NameOf(m)) : t.target, &out);
    }
    return out;
}

void RemoveArrived(const MovePlan& plan) {
    for (const MovePlan::File& f : plan.files) {
        if (Arrived(f)) Remove(f.source, false);
    }
    // RemoveDirectoryW takes only empty folders: one still holding a source stays.
    for (const MovePlan::Folder& d : plan.folders) {
        if (IsFolder(AttributesOf(d.destination)) && !SamePath(d.source, d.destination)) Remove(d.source, true);
    }
}

}  // namespace mv
