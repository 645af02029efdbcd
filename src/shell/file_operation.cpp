// Shell file operations on the script's comma-separated path lists.
//
// The shell takes a list as entries each ended by a NUL, the whole list by a second NUL.
// Everything here works on the library's own copies of the script's strings. A list that
// could make the shell act on something the script did not name is refused before the
// shell sees it: an empty entry would end the shell's list early (the entries after it
// would be skipped while the operation reports success), a name of blanks and dots
// would name the folder around it, a character without an exact equivalent in the
// system code page would reach the shell as '?' (a wildcard) or as a look-alike, and the
// shell overruns its own buffers on entries much longer than a path may be.
#include "shell/file_operation.h"

#include <shellapi.h>

#include <vector>

#include "core/text.h"

namespace mv {

namespace {

constexpr size_t kShortest = 4;  // a list shorter than this cannot be a path

// A name of nothing but blanks and dots names no file, yet the system drops trailing
// blanks and dots from a path and takes what is left for the folder around it, or one
// further up: "C:\data\ " would recycle C:\data, "...." the folder above the current
// one. "." and ".." name their folders on purpose; an empty name (a doubled or final
// backslash) is the system's own way of naming the folder. A drive letter alone ("C:")
// names nothing either: the system takes it for the current directory on that drive.
bool NamesNothing(const std::string& entry) {
    const bool drive = entry.size() >= 2 && entry[1] == ':' && IsCharAlphaA(entry[0]);
    if (drive && entry.size() == 2) return true;
    size_t start = drive ? 2 : 0;
    for (;;) {
        const size_t stop = entry.find_first_of("\\/", start);
        const std::string name = entry.substr(start, stop == std::string::npos ? std::string::npos : stop - start);
        if (!name.empty() && name != "." && name != ".." && name.find_first_not_of(" \t.") == std::string::npos)
            return true;
        if (stop == std::string::npos) return false;
        start = stop + 1;
    }
}

// Appends the shell's form of one comma-separated list to *out; false when the list
// cannot name files safely. Trailing commas end nothing early and are let through. With
// fullPaths every entry is made a full path: the shell keeps undo information (and so
// recycles instead of deleting for good) only for entries that are full paths.
bool ToShellList(const std::wstring& list, std::string* out, bool fullPaths = false) {
    if (list.find(L'\0') != std::wstring::npos) return false;
    const size_t end = list.find_last_not_of(L',');
    if (end == std::wstring::npos) return false;  // no entry at all
    out->clear();
    std::string entry;
    size_t start = 0;
    for (;;) {
        size_t comma = list.find(L',', start);
        if (comma > end) comma = std::wstring::npos;
        const size_t stop = comma == std::wstring::npos ? end + 1 : comma;
        if (!toAnsiExact(list.substr(start, stop - start), &entry)) return false;
        if (entry.empty() || entry.size() >= MAX_PATH || NamesNothing(entry)) return false;
        if (fullPaths) {
            char full[MAX_PATH];
            const DWORD n = GetFullPathNameA(entry.c_str(), MAX_PATH, full, nullptr);
            if (n == 0 || n >= MAX_PATH) return false;
            entry.assign(full, n);
        }
        out->append(entry);
        out->push_back('\0');
        if (comma == std::wstring::npos) break;
        start = comma + 1;
    }
    out->push_back('\0');
    return true;
}

// The entries of a list in the shell's form.
std::vector<std::string> Entries(const std::string& list) {
    std::vector<std::string> out;
    for (size_t at = 0; at < list.size() && list[at]; at += out.back().size() + 1) out.emplace_back(list.c_str() + at);
    return out;
}

// The full path in upper case, without trailing backslashes (a root keeps its own); empty
// when it cannot be made.
std::string FoldedFullPath(const std::string& entry) {
    char full[2 * MAX_PATH];
    const DWORD n = GetFullPathNameA(entry.c_str(), sizeof(full), full, nullptr);
    if (n == 0 || n >= sizeof(full)) return {};
    std::string path(full, n);
    CharUpperBuffA(path.data(), n);
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
}

// True when `target` lies inside the folder `source` (or is it, when `orSame`).
bool Inside(const std::string& source, const std::string& target, bool orSame) {
    if (source.find_first_of("*?") != std::string::npos) return false;  // the shell's own matter
    const std::string s = FoldedFullPath(source), t = FoldedFullPath(target);
    if (s.empty() || t.compare(0, s.size(), s) != 0) return false;
    if (t.size() == s.size()) return orSame;
    return s.back() == '\\' || t[s.size()] == '\\';
}

// A folder copied or moved into a folder inside itself. The n-th target is the n-th
// source's new name; one target for several sources is the folder they all go into.
bool IntoItself(const std::string& from, const std::string& to) {
    const std::vector<std::string> sources = Entries(from), targets = Entries(to);
    for (size_t i = 0; i < sources.size(); ++i) {
        if (targets.size() == sources.size() && Inside(sources[i], targets[i], false)) return true;
        if (targets.size() == 1 && sources.size() > 1 && Inside(sources[i], targets[0], true)) return true;
    }
    return false;
}

}  // namespace

long ShellFileOperation(UINT operation, const std::wstring& source, const std::wstring& target, HWND owner,
                        bool silent, bool replaceAll) {
    const bool usesTarget = operation != FO_DELETE;
    if (source.size() < kShortest || (usesTarget && target.size() < kShortest)) return kFileOpRejected;
    std::string from, to;
    if (!ToShellList(source, &from, operation == FO_DELETE)) return kFileOpRejected;
    if (usesTarget && !ToShellList(target, &to)) return kFileOpRejected;
    // Windows' shell refuses this itself; Wine's did nothing and reported success.
    if (usesTarget && IntoItself(from, to)) return kFileOpIntoItself;

    SHFILEOPSTRUCTA request{};
    request.hwnd = owner;
    request.wFunc = operation;
    request.pFrom = from.c_str();
    request.pTo = usesTarget ? to.c_str() : nullptr;
    FILEOP_FLAGS flags = FOF_MULTIDESTFILES | FOF_ALLOWUNDO | FOF_NOCONFIRMMKDIR;
    if (silent) flags |= FOF_SILENT;
    if (replaceAll) flags |= FOF_NOCONFIRMATION;
    request.fFlags = flags;

    const int result = SHFileOperationA(&request);
    // A file the user declined to replace, or a cancelled progress window, may come back
    // as result 0 with the aborted mark: that is not success.
    if (result == 0) return request.fAnyOperationsAborted ? kFileOpCancelled : kFileOpDone;
    if (result == 1 || result == -1) return 0;
    return result;
}

}  // namespace mv
