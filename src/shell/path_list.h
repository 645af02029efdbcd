// The script's comma-separated path lists, read into the full paths the shell is given,
// and the small path routines the file operations share. Paths are UTF-16 throughout.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace mv {

using PathList = std::vector<std::wstring>;

// What a list names: sources may end in a wildcard name, targets name places exactly.
enum class ListRole { Sources, Targets };

// The entries of `list` as full paths; false when the list cannot name files safely:
// no entry, an empty entry before another, a NUL, a broken surrogate pair, a name of
// only blanks and dots other than "." and "..", a drive letter alone, a full path of
// MAX_PATH characters or more, a file named with a trailing backslash, and a wildcard
// anywhere in a target or before the last name of a source. Trailing commas name
// nothing and are let through.
bool ReadPathList(const std::wstring& list, ListRole role, PathList* out);

// The shell's form of a list: each entry ended by a NUL, the whole list by a second NUL.
std::wstring ShellForm(const PathList& list);

bool HasWildcard(const std::wstring& path);
std::wstring NameOf(const std::wstring& path);    // after the last backslash
std::wstring FolderOf(const std::wstring& path);  // before the last backslash
std::wstring Join(const std::wstring& folder, const std::wstring& name);
// Upper case, without trailing backslashes (a root keeps its own): how the file system
// compares full paths.
std::wstring Folded(std::wstring path);
// True when `path` lies inside the folder `folder` (or is it, when `orSame`).
bool Inside(const std::wstring& folder, const std::wstring& path, bool orSame);
bool SamePath(const std::wstring& a, const std::wstring& b);

DWORD AttributesOf(const std::wstring& path);  // INVALID_FILE_ATTRIBUTES when absent
inline bool Exists(const std::wstring& path) { return AttributesOf(path) != INVALID_FILE_ATTRIBUTES; }
bool IsFolder(DWORD attributes);

// A file or folder as the system's search lists it: its attributes, its size and, for a
// reparse point, its tag. Read from the folder's listing, never by opening the file, so
// that a file kept in cloud storage is not downloaded to learn them.
struct Found {
    std::wstring path;
    DWORD attributes;
    ULONGLONG size;
    DWORD tag;  // the reparse tag; 0 for anything else
};

// The full paths the system's search finds for `pattern` (a path whose last name may
// hold wildcards), without "." and "..".
std::vector<Found> Matches(const std::wstring& pattern);
// What the search knows of `path` itself; false when it is not there.
bool Look(const std::wstring& path, Found* out);

// Name surrogates (IsReparseTagNameSurrogate: mount points, symbolic links, WSL's links and
// every other tag marked so) lead elsewhere: a folder kept in cloud storage, a
// deduplicated file and every other reparse point hold their own content.
bool IsLink(const Found& f);
// A file whose bytes are not all on this machine (a cloud placeholder, a file moved to
// remote storage): reading it would fetch them.
bool IsPlaceholder(DWORD attributes);

}  // namespace mv
