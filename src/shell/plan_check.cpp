// Reading the file system against the plan. A size says nothing of what a file holds (two
// files of the same size differ), so a source is removed only after its bytes are read
// back at its destination; after the shell's own copy or move, each planned file's place
// and size are enough, and read without opening it.
#include "shell/plan_check.h"

#include <cstring>
#include <unordered_map>
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

// `destination` is another file than `source` and holds exactly its bytes. Neither is
// opened while its bytes are kept elsewhere.
bool HoldsCopy(const std::wstring& source, const std::wstring& destination) {
    if (SamePath(source, destination) || IsPlaceholder(AttributesOf(source)) || IsPlaceholder(AttributesOf(destination)))
        return false;
    UniqueFile from = OpenToRead(source), to = OpenToRead(destination);
    BY_HANDLE_FILE_INFORMATION a, b;
    if (!from || !to || !GetFileInformationByHandle(from.get(), &a) || !GetFileInformationByHandle(to.get(), &b))
        return false;
    const bool sameFile = a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
                          a.nFileIndexLow == b.nFileIndexLow;
    if (sameFile || a.nFileSizeHigh != b.nFileSizeHigh || a.nFileSizeLow != b.nFileSizeLow) return false;
    return SameBytes(from.get(), to.get());
}

// Read-only folders go too, as a move takes them along.
void RemoveFolder(const std::wstring& path) {
    const DWORD attributes = AttributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (!RemoveDirectoryW(path.c_str()) && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(path.c_str(), attributes);
}

// The name the file system holds for `path` is spelled as `path` spells it.
bool SpelledAs(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    UniqueSearch search = AdoptSearch(FindFirstFileW(path.c_str(), &found));
    return search && NameOf(path) == found.cFileName;
}

// What lies at the planned destinations: inside a planned folder, from one listing of the
// folder (a folder of 1 500 files is one search, not 1 500 look-ups); elsewhere, from the
// path itself.
class Destinations {
public:
    explicit Destinations(const FilePlan& plan) {
        for (const PlanEntry& e : plan.entries)
            if (e.kind == PlanEntry::Folder) folders_.emplace(Folded(e.destination), Listing{});
    }

    bool find(const std::wstring& path, Found* out) {
        const auto folder = folders_.find(Folded(FolderOf(path)));
        if (folder == folders_.end()) return Look(path, out);
        Listing& listing = folder->second;
        if (!listing.read) {
            for (Found& f : Matches(Join(FolderOf(path), L"*"))) listing.names.emplace(Folded(NameOf(f.path)), f);
            listing.read = true;
        }
        const auto name = listing.names.find(Folded(NameOf(path)));
        if (name == listing.names.end()) return false;
        *out = name->second;
        return true;
    }

private:
    struct Listing {
        bool read = false;
        std::unordered_map<std::wstring, Found> names;
    };
    std::unordered_map<std::wstring, Listing> folders_;
};

// What is found at a destination is what was planned there.
bool AsPlanned(const Found& there, PlanEntry::Kind kind, ULONGLONG size) {
    if (kind == PlanEntry::Folder) return IsFolder(there.attributes);
    return kind == PlanEntry::Link || (!IsFolder(there.attributes) && there.size == size);
}

// Every planned file and folder that was copied is at its destination.
bool Landed(const FilePlan& plan) {
    Destinations destinations(plan);
    std::unordered_set<std::wstring> landed;  // a later file replaces an earlier one of the same place
    for (auto e = plan.entries.rbegin(); e != plan.entries.rend(); ++e) {
        if (plan.verb == FileVerb::Move && !plan.items[e->item].copyFirst) continue;
        if (!landed.insert(Folded(e->destination)).second) continue;
        Found there;
        if (!destinations.find(e->destination, &there) || !AsPlanned(there, e->kind, e->size)) return false;
    }
    return true;
}

// An item the shell moved is at its destination as a whole: a rename takes what it holds
// along, so its top is what is looked at.
bool Moved(const FilePlan& plan) {
    for (const PlanItem& item : plan.items) {
        if (item.caseRename() ? !SpelledAs(item.destination) : Exists(item.source)) return false;
        if (item.caseRename() || item.copyFirst) continue;
        Found there;
        if (!Look(item.destination, &there) || !AsPlanned(there, KindOf(item.found), item.found.size)) return false;
    }
    return Landed(plan);
}

bool Recycled(const FilePlan& plan) {
    for (const PlanItem& item : plan.items) {
        if (Exists(item.source)) return false;
    }
    return true;
}

}  // namespace

PathList ArrivedWhole(const FilePlan& plan) {
    PathList arrived;
    for (const PlanEntry& e : plan.entries) {
        if (e.kind == PlanEntry::File && plan.items[e.item].copyFirst && HoldsCopy(e.source, e.destination))
            arrived.push_back(e.source);
    }
    return arrived;
}

void RemoveEmptiedFolders(const FilePlan& plan) {
    // Inner folders come before the folders holding them; RemoveDirectoryW takes only empty
    // ones, so a folder still holding a source stays.
    for (const PlanEntry& e : plan.entries) {
        if (e.kind == PlanEntry::Folder && plan.items[e.item].copyFirst && IsFolder(AttributesOf(e.destination)) &&
            !SamePath(e.source, e.destination))
            RemoveFolder(e.source);
    }
}

bool Happened(const FilePlan& plan) {
    switch (plan.verb) {
    case FileVerb::Copy: return Landed(plan);
    case FileVerb::Move: return Moved(plan);
    case FileVerb::Recycle: return Recycled(plan);
    }
    return false;
}

}  // namespace mv
