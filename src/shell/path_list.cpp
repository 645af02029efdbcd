// Reading the script's path lists. A list that could make the shell act on something the
// script did not name, or report success for what it did not do, is refused before the
// shell sees it: an empty entry would end the shell's list early (the entries after it
// would be skipped while the operation reports success), a name of blanks and dots would
// name the folder around it, and the shell overruns its own buffers on entries much
// longer than a path may be. Measured under Wine 8: an entry past MAX_PATH, a file named
// with a trailing backslash, a wildcard in a target or in a folder name of a source all
// did nothing and reported success.
#include "shell/path_list.h"

#include "core/unique.h"

namespace mv {

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// A name of nothing but blanks and dots names no file, yet the system drops trailing
// blanks and dots from a path and takes what is left for the folder around it, or one
// further up: "C:\data\ " would recycle C:\data, "...." the folder above the current
// one. "." and ".." name their folders on purpose; an empty name (a doubled or final
// backslash) is the system's own way of naming the folder. A drive letter alone ("C:")
// names nothing either: the system takes it for the current directory on that drive.
bool NamesNothing(const std::wstring& entry) {
    const bool drive = entry.size() >= 2 && entry[1] == L':' && IsCharAlphaW(entry[0]);
    if (drive && entry.size() == 2) return true;
    size_t start = drive ? 2 : 0;
    for (;;) {
        const size_t stop = entry.find_first_of(L"\\/", start);
        const std::wstring name = entry.substr(start, stop == std::wstring::npos ? std::wstring::npos : stop - start);
        if (!name.empty() && name != L"." && name != L".." && name.find_first_not_of(L" \t.") == std::wstring::npos)
            return true;
        if (stop == std::wstring::npos) return false;
        start = stop + 1;
    }
}

// A high surrogate not followed by a low one, or a low one alone: no character at all,
// and the system may store it as a replacement character that another name also gives.
bool BrokenSurrogate(const std::wstring& s) {
    for (size_t i = 0; i < s.size(); ++i) {
        if (IS_HIGH_SURROGATE(s[i]) && i + 1 < s.size() && IS_LOW_SURROGATE(s[i + 1])) ++i;
        else if (IS_HIGH_SURROGATE(s[i]) || IS_LOW_SURROGATE(s[i])) return true;
    }
    return false;
}

// "C:\data\a.txt\": the shell takes the backslash for a folder and finds none.
bool FileWithTrailingBackslash(const std::wstring& full) {
    if (full.size() <= 3 || !IsSeparator(full.back())) return false;
    const DWORD attributes = AttributesOf(full.substr(0, full.find_last_not_of(L"\\/") + 1));
    return attributes != INVALID_FILE_ATTRIBUTES && !IsFolder(attributes);
}

// The shell expands a wildcard only in the last name of a source.
bool WildcardMisplaced(const std::wstring& full, ListRole role) {
    return role == ListRole::Targets ? HasWildcard(full) : HasWildcard(FolderOf(full));
}

bool ReadEntry(const std::wstring& entry, ListRole role, std::wstring* full) {
    if (entry.empty() || entry.size() >= MAX_PATH || BrokenSurrogate(entry) || NamesNothing(entry)) return false;
    wchar_t buffer[MAX_PATH];
    const DWORD n = GetFullPathNameW(entry.c_str(), MAX_PATH, buffer, nullptr);
    if (n == 0 || n >= MAX_PATH) return false;
    full->assign(buffer, n);
    return !FileWithTrailingBackslash(*full) && !WildcardMisplaced(*full, role);
}

}  // namespace

bool ReadPathList(const std::wstring& list, ListRole role, PathList* out) {
    out->clear();
    if (list.find(L'\0') != std::wstring::npos) return false;
    const size_t end = list.find_last_not_of(L',');
    if (end == std::wstring::npos) return false;  // no entry at all
    size_t start = 0;
    for (;;) {
        size_t comma = list.find(L',', start);
        if (comma > end) comma = std::wstring::npos;
        const size_t stop = comma == std::wstring::npos ? end + 1 : comma;
        std::wstring full;
        if (!ReadEntry(list.substr(start, stop - start), role, &full)) return false;
        out->push_back(std::move(full));
        if (comma == std::wstring::npos) return true;
        start = comma + 1;
    }
}

std::wstring ShellForm(const PathList& list) {
    std::wstring out;
    for (const std::wstring& entry : list) {
        out += entry;
        out.push_back(L'\0');
    }
    out.push_back(L'\0');
    return out;
}

bool HasWildcard(const std::wstring& path) { return path.find_first_of(L"*?") != std::wstring::npos; }

std::wstring NameOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring Join(const std::wstring& folder, const std::wstring& name) {
    return !folder.empty() && IsSeparator(folder.back()) ? folder + name : folder + L"\\" + name;
}

std::wstring Folded(std::wstring path) {
    if (!path.empty()) CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
    while (path.size() > 3 && IsSeparator(path.back())) path.pop_back();
    return path;
}

bool Inside(const std::wstring& folder, const std::wstring& path, bool orSame) {
    const std::wstring f = Folded(folder), p = Folded(path);
    if (f.empty() || p.compare(0, f.size(), f) != 0) return false;
    if (p.size() == f.size()) return orSame;
    return IsSeparator(f.back()) || IsSeparator(p[f.size()]);
}

bool SamePath(const std::wstring& a, const std::wstring& b) { return Folded(a) == Folded(b); }

DWORD AttributesOf(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

bool IsFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

// Newer than the headers of the cross-compiler.
constexpr DWORD kRecallOnOpen = 0x00040000;        // FILE_ATTRIBUTE_RECALL_ON_OPEN
constexpr DWORD kRecallOnDataAccess = 0x00400000;  // FILE_ATTRIBUTE_RECALL_ON_DATA_ACCESS

Found FromSearch(const std::wstring& path, const WIN32_FIND_DATAW& f) {
    const DWORD tag = (f.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? f.dwReserved0 : 0;
    return {path, f.dwFileAttributes, (ULONGLONG{f.nFileSizeHigh} << 32) | f.nFileSizeLow, tag};
}

}  // namespace

std::vector<Found> Matches(const std::wstring& pattern) {
    std::vector<Found> out;
    WIN32_FIND_DATAW found;
    UniqueSearch search = AdoptSearch(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search) return out;
    const std::wstring folder = FolderOf(pattern);
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") out.push_back(FromSearch(Join(folder, name), found));
    } while (FindNextFileW(search.get(), &found));
    return out;
}

bool Look(const std::wstring& path, Found* out) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
    *out = {path, data.dwFileAttributes, (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow, 0};
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) return true;
    // Only the search reads the tag without opening the file (a root has no entry to list).
    WIN32_FIND_DATAW found;
    UniqueSearch search = AdoptSearch(FindFirstFileW(path.c_str(), &found));
    if (search && !HasWildcard(path)) out->tag = FromSearch(path, found).tag;
    return true;
}

bool IsLink(const Found& f) {
    return (f.attributes & FILE_ATTRIBUTE_REPARSE_POINT) && IsReparseTagNameSurrogate(f.tag);
}

bool IsPlaceholder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (kRecallOnDataAccess | kRecallOnOpen | FILE_ATTRIBUTE_OFFLINE));
}

}  // namespace mv
