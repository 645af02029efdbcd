// Reading the file system against the plan, byte for byte: a size and a time say nothing
// of what a file holds (two files of the same size written in the same second differ).
#include "shell/plan_check.h"

#include <cstring>
#include <unordered_set>

#include "core/unique.h"

namespace mv {

namespace {

UniqueFile OpenToRead(const std::wstring& path) {
    return AdoptFile(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
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

// `destination` is another file than `source` and holds exactly its bytes.
bool HoldsCopy(const std::wstring& source, const std::wstring& destination) {
    if (SamePath(source, destination)) return false;
    UniqueFile from = OpenToRead(source), to = OpenToRead(destination);
    BY_HANDLE_FILE_INFORMATION a, b;
    if (!from || !to || !GetFileInformationByHandle(from.get(), &a) || !GetFileInformationByHandle(to.get(), &b))
        return false;
    const bool sameFile = a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
                          a.nFileIndexLow == b.nFileIndexLow;
    if (sameFile || a.nFileSizeHigh != b.nFileSizeHigh || a.nFileSizeLow != b.nFileSizeLow) return false;
    return SameBytes(from.get(), to.get());
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

// The name the file system holds for `path` is spelled as `path` spells it.
bool SpelledAs(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    UniqueSearch search = AdoptSearch(FindFirstFileW(path.c_str(), &found));
    return search && NameOf(path) == found.cFileName;
}

bool Copied(const FilePlan& plan) {
    std::unordered_set<std::wstring> landed;  // a later file replaces an earlier one of the same place
    for (auto e = plan.entries.rbegin(); e != plan.entries.rend(); ++e) {
        if (!landed.insert(Folded(e->destination)).second) continue;
        switch (e->kind) {
        case PlanEntry::File:
            if (!HoldsCopy(e->source, e->destination)) return false;
            break;
        case PlanEntry::Folder:
            if (!IsFolder(AttributesOf(e->destination))) return false;
            break;
        case PlanEntry::Link:
            if (!Exists(e->destination)) return false;
            break;
        }
    }
    return true;
}

bool Moved(const FilePlan& plan) {
    for (const PlanEntry& e : plan.entries) {
        if (Exists(e.source)) return false;
    }
    for (const PlanItem& item : plan.items) {
        if (item.caseRename() && !SpelledAs(item.destination)) return false;
    }
    return true;
}

bool Recycled(const FilePlan& plan) {
    for (const PlanItem& item : plan.items) {
        if (Exists(item.source)) return false;
    }
    return true;
}

}  // namespace

void RemoveMoved(const FilePlan& plan) {
    for (const PlanEntry& e : plan.entries) {
        if (e.kind == PlanEntry::File && HoldsCopy(e.source, e.destination)) Remove(e.source, false);
    }
    // Inner folders come before the folders holding them; RemoveDirectoryW takes only empty
    // ones, so a folder still holding a source stays.
    for (const PlanEntry& e : plan.entries) {
        if (e.kind == PlanEntry::Folder && IsFolder(AttributesOf(e.destination)) && !SamePath(e.source, e.destination))
            Remove(e.source, true);
    }
}

bool Happened(const FilePlan& plan) {
    switch (plan.verb) {
    case FileVerb::Copy: return Copied(plan);
    case FileVerb::Move: return Moved(plan);
    case FileVerb::Recycle: return Recycled(plan);
    }
    return false;
}

}  // namespace mv
