// Copying, moving and recycling real files through the form's methods, as a script calls
// them, with the shell's questions answered by a person at the screen (another thread).
//
// Measured under Wine 8: the shell shows no progress window at all (silent or not); a
// question answered No, a closed question and a cancelled operation all come back as
// ERROR_CANCELLED (1223) with the aborted mark set; a missing source gives 0x402; the
// recycle bin is the XDG trash under the user's Unix home ($HOME/.local/share/Trash).
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include "import_hook.h"
#include "service_fixture.h"

using namespace test;

namespace {

std::wstring W(const std::string& s) { return FromCodePage(s); }

constexpr long kDone = 1, kRejected = 2, kCancelled = ERROR_CANCELLED, kUnfinished = ERROR_PARTIAL_COPY;

class FileOperations : public ServiceTest {
protected:
    long run(const wchar_t* method, std::vector<Arg> args) {
        Outcome o = Call(form_, method, std::move(args));
        EXPECT_EQ(o.hr, S_OK) << "calling " << ToCodePage(method);
        return o.lng();
    }
    long copy(const std::string& from, const std::string& to, long silent = 1, long replaceAll = 1) {
        return run(L"CopyFilePB", {W(from), W(to), silent, replaceAll});
    }
    long move(const std::string& from, const std::string& to, long silent = 1, long replaceAll = 1) {
        return run(L"MoveFilePB", {W(from), W(to), silent, replaceAll});
    }
};

// A file's identity on its volume: kept by a rename, new after a copy.
std::string IdentityOf(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    BY_HANDLE_FILE_INFORMATION info;
    const bool read = h != INVALID_HANDLE_VALUE && GetFileInformationByHandle(h, &info);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    if (!read) return "<none>";
    return std::to_string(info.dwVolumeSerialNumber) + ":" + std::to_string(info.nFileIndexHigh) + ":" +
           std::to_string(info.nFileIndexLow);
}

}  // namespace

TEST_F(FileOperations, CopyReplacesWithBothSwitchesAndPairsListsInOrder) {
    WriteFile(dir_ / "new.txt", "new bytes");
    WriteFile(dir_ / "old.txt", "old");
    EXPECT_EQ(copy(dir_ / "new.txt", dir_ / "old.txt"), kDone);
    EXPECT_EQ(ReadFile(dir_ / "old.txt"), "new bytes");
    EXPECT_EQ(ReadFile(dir_ / "new.txt"), "new bytes") << "a copy leaves its source";

    // The n-th source goes to the n-th target; a missing target folder is made silently.
    WriteFile(dir_ / "one", "1");
    WriteFile(dir_ / "two", "22");
    EXPECT_EQ(copy(dir_ / "one," + dir_ / "two", dir_ / "first," + dir_ / "made\\second"), kDone);
    EXPECT_EQ(ReadFile(dir_ / "first"), "1");
    EXPECT_EQ(ReadFile(dir_ / "made\\second"), "22");
    // Trailing commas name nothing more.
    EXPECT_EQ(copy(dir_ / "one,,", dir_ / "third,"), kDone);
    EXPECT_EQ(ReadFile(dir_ / "third"), "1");
    // Wildcards are the script's own way of naming several files.
    CreateDirectoryA((dir_ / "wild").c_str(), nullptr);
    EXPECT_EQ(copy(dir_ / "*.txt", dir_ / "wild"), kDone);
    EXPECT_EQ(Listing(dir_ / "wild"), "new.txt old.txt ");
}

TEST_F(FileOperations, ReplacingWithoutReplaceAllAsksFirst) {
    // Wine's own move replaces without a question; a move asks as the copy does, and its
    // source goes only when the user said yes.
    struct Case { int answer; long result; const char* target; };
    const Case cases[] = {
        { IDNO, kCancelled, "old" },      // No: the target stays byte for byte
        { IDCANCEL, kCancelled, "old" },  // the close box
        { IDYES, kDone, "new" },
    };
    for (const wchar_t* method : {L"CopyFilePB", L"MoveFilePB"}) {
        for (const Case& c : cases) {
            WriteFile(dir_ / "src", "new");
            WriteFile(dir_ / "dst", "old");
            std::string title;
            Answerer user([&] {
                HWND question = WaitForOwnedDialog(owner_);
                if (!question) return false;
                title = TextOf(question);
                if (c.answer == IDCANCEL) PostMessageA(question, WM_SYSCOMMAND, SC_CLOSE, 0);
                else Press(question, c.answer);
                return true;
            });
            const std::string why = ToCodePage(method) + ", answer " + std::to_string(c.answer);
            EXPECT_EQ(run(method, {W(dir_ / "src"), W(dir_ / "dst"), 0, 0}), c.result) << why;
            EXPECT_TRUE(user.ok()) << why << ": the question was not owned by the form, or stayed open";
            EXPECT_EQ(title, "Confirm file overwrite") << why;
            EXPECT_EQ(ReadFile(dir_ / "dst"), c.target) << why;
            const bool moved = method == std::wstring(L"MoveFilePB") && c.answer == IDYES;
            EXPECT_EQ(ReadFile(dir_ / "src"), moved ? "<none>" : "new") << why;
        }
    }
}

TEST_F(FileOperations, MoveLeavesNoSourceAndRecycleFillsTheRecycleBin) {
    WriteFile(dir_ / "moving", "moved bytes");
    EXPECT_EQ(run(L"MoveFilePB", {W(dir_ / "moving"), W(dir_ / "moved"), 1, 1}), kDone);
    EXPECT_FALSE(Exists(dir_ / "moving"));
    EXPECT_EQ(ReadFile(dir_ / "moved"), "moved bytes");

    // Asked first without replace-all: No keeps the file where it is.
    const std::string name = "mvrecycle-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(GetTickCount()) + ".txt";
    WriteFile(dir_ / name, "recycled bytes");
    Answerer no([&] { return AnswerWith(owner_, IDNO); });
    EXPECT_EQ(run(L"RecycleFilePB", {W(dir_ / name)}), kCancelled);
    EXPECT_TRUE(no.ok());
    EXPECT_EQ(ReadFile(dir_ / name), "recycled bytes");

    Answerer yes([&] { return AnswerWith(owner_, IDYES); });
    EXPECT_EQ(run(L"RecycleFilePB", {W(dir_ / name), 0, 0}), kDone);
    EXPECT_TRUE(yes.ok());
    EXPECT_FALSE(Exists(dir_ / name)) << "the file left its folder";

    const std::string trash = TrashFolder();
    if (trash.empty()) GTEST_SKIP() << "not under Wine: the recycle bin is not a folder to look into";
    const std::string kept = trash + "\\files\\" + name, info = trash + "\\info\\" + name + ".trashinfo";
    EXPECT_EQ(ReadFile(kept), "recycled bytes") << "not in the recycle bin " << trash;
    EXPECT_NE(ReadFile(info).find(name), std::string::npos) << ReadFile(info);
    // Only what this test put there.
    DeleteFileA(kept.c_str());
    DeleteFileA(info.c_str());

    // A name relative to the current directory goes to the recycle bin too, never deleted
    // for good (the shell keeps undo information only for full paths).
    const std::string relative = "rel-" + name;
    WriteFile(dir_ / relative, "relative bytes");
    char before[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    SetCurrentDirectoryA(dir_.path().c_str());
    EXPECT_EQ(run(L"RecycleFilePB", {W(relative), 1, 1}), kDone);
    SetCurrentDirectoryA(before);
    EXPECT_FALSE(Exists(dir_ / relative));
    const std::string keptRel = trash + "\\files\\" + relative, infoRel = trash + "\\info\\" + relative + ".trashinfo";
    EXPECT_EQ(ReadFile(keptRel), "relative bytes");
    DeleteFileA(keptRel.c_str());
    DeleteFileA(infoRel.c_str());
}

TEST_F(FileOperations, ListsThatCannotNameFilesSafelyAreRefusedAndTouchNothing) {
    WriteFile(dir_ / "a.txt", "A");
    WriteFile(dir_ / "b.txt", "B");
    // Entries of blanks or dots name nothing, yet the system takes them for the current
    // directory or a folder above it (Wine recycled the parent of the current directory
    // for "...."): make that a folder deep in the scratch folder, where harm stays.
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    const std::string deep = dir_ / "one\\two\\three";
    for (const char* sub : {"one", "one\\two", "one\\two\\three"}) CreateDirectoryA((dir_ / sub).c_str(), nullptr);
    WriteFile(deep + "\\kept.txt", "K");
    SetCurrentDirectoryA(deep.c_str());
    const std::string before = Listing(dir_.path());
    const std::wstring a = W(dir_ / "a.txt"), b = W(dir_ / "b.txt"), to = W(dir_ / "c.txt");
    const std::wstring folder = W(dir_.path());
    struct Case { const wchar_t* method; std::wstring source, target; const char* why; };
    const Case cases[] = {
        { L"CopyFilePB", L"a.t", to, "source shorter than 4" },
        { L"CopyFilePB", L"", to, "empty source" },
        { L"CopyFilePB", a, L"", "empty target" },
        { L"MoveFilePB", a, L"c:\\", "target shorter than 4" },
        { L"RecycleFilePB", L"C:\\", L"", "short recycle" },
        { L"CopyFilePB", a + L"," + std::wstring(1 << 20, L'x'), to, "1 MB source entry" },
        { L"CopyFilePB", a, folder + L"\\" + std::wstring(1 << 20, L'x'), "1 MB target" },
        { L"RecycleFilePB", folder + L"\\" + std::wstring(300, L'x'), L"", "entry longer than a path" },
        { L"RecycleFilePB", L"," + a, L"", "empty first entry" },
        { L"RecycleFilePB", a + L",," + b, L"", "empty entry before another" },
        { L"RecycleFilePB", L",,,,", L"", "only commas" },
        { L"RecycleFilePB", a + std::wstring(L"\0", 1) + b, L"", "NUL inside" },
        { L"CopyFilePB", L"    ", to, "a source of blanks" },
        { L"CopyFilePB", a + L",  ", to + L"," + W(dir_ / "d.txt"), "a blank entry after a file" },
        { L"CopyFilePB", a, L"    ", "a target of blanks" },
        { L"MoveFilePB", L" . .", to, "blanks and dots" },
        { L"RecycleFilePB", L"....", L"", "only dots" },
        { L"RecycleFilePB", a + L",\t", L"", "a tab" },
        { L"RecycleFilePB", W(deep) + L"\\ ", L"", "a blank file name" },
        { L"RecycleFilePB", W(deep) + L"\\....", L"", "a file name of dots" },
        { L"CopyFilePB", W(deep) + L"\\. .\\kept.txt", to, "a folder name of blanks and dots" },
        { L"RecycleFilePB", a + L",C:", L"", "a drive letter alone" },
        { L"CopyFilePB", L"c:....", to, "a drive letter and dots" },
    };
    for (const Case& c : cases) {
        std::vector<Arg> args{c.source};
        if (std::wstring(c.method) != L"RecycleFilePB") args.push_back(c.target);
        args.push_back(1);
        args.push_back(1);
        EXPECT_EQ(run(c.method, args), kRejected) << c.why;
        EXPECT_EQ(Listing(dir_.path()), before) << c.why;
    }
    EXPECT_EQ(ReadFile(dir_ / "a.txt"), "A");
    EXPECT_EQ(ReadFile(deep + "\\kept.txt"), "K");
    SetCurrentDirectoryA(cwd);
}

TEST_F(FileOperations, FailuresOfTheShellAreNeverSuccess) {
    WriteFile(dir_ / "a.txt", "A");
    const std::string before = Listing(dir_.path());
    struct Case { std::string source, target; };
    const Case cases[] = {
        { dir_ / "missing.txt", dir_ / "x.txt" },
        { "\"" + dir_ / "a.txt\"", dir_ / "x.txt" },        // quotes are part of the name
    };
    for (const Case& c : cases) {
        long result = copy(c.source, c.target);
        EXPECT_NE(result, kDone) << c.source;
        EXPECT_NE(result, kRejected) << c.source << ": refused by the shell, not by the library";
        EXPECT_EQ(Listing(dir_.path()), before) << c.source;
    }
    // A folder into a folder inside itself: the shell of Windows answers DE_DESTSUBTREE
    // (0x76); Wine's did nothing and reported success.
    CreateDirectoryA((dir_ / "A").c_str(), nullptr);
    WriteFile(dir_ / "A\\f.txt", "F");
    const long kIntoItself = 0x76;
    EXPECT_EQ(copy(dir_ / "A", dir_ / "A\\B"), kIntoItself);
    EXPECT_EQ(run(L"MoveFilePB", {W(dir_ / "A"), W(dir_ / "a\\C\\D"), 1, 1}), kIntoItself) << "letter case aside";
    EXPECT_EQ(copy(dir_ / "a.txt," + dir_ / "A\\", dir_ / "b.txt," + dir_ / "A\\E"), kIntoItself) << "second pair";
    EXPECT_EQ(copy(dir_ / "a.txt," + dir_ / "A", dir_ / "A\\G"), kIntoItself) << "one folder for both";
    EXPECT_EQ(Listing(dir_ / "A"), "f.txt ");
    // Beside the folder, or into one whose name only begins like it, is no such case.
    EXPECT_EQ(copy(dir_ / "A", dir_ / "AB"), kDone);
    EXPECT_EQ(ReadFile(dir_ / "AB\\f.txt"), "F");
    // The caller's own string keeps its commas (a VBScript variable passed by reference).
    VARIANT list;
    VariantInit(&list);
    V_VT(&list) = VT_BSTR;
    V_BSTR(&list) = SysAllocString(W(dir_ / "a.txt," + dir_ / "a.txt").c_str());
    const std::wstring sent = V_BSTR(&list);
    copy(dir_ / "a.txt", dir_ / "y.txt");
    Call(form_, L"CopyFilePB", {Arg::ByRef(&list), Arg(W(dir_ / "y1," + dir_ / "y2")), 1, 1});
    EXPECT_EQ(std::wstring(V_BSTR(&list), SysStringLen(V_BSTR(&list))), sent);
    VariantClear(&list);
    EXPECT_EQ(ReadFile(dir_ / "y2"), "A");
}

TEST_F(FileOperations, MoveNeverReplacesAFileWithoutConsent) {
    // A folder onto a folder that holds one of its name: the files inside follow the rule.
    for (int answer : {IDNO, IDYES}) {
        for (const char* sub : {"S", "S\\in", "T", "T\\S"}) CreateDirectoryA((dir_ / sub).c_str(), nullptr);
        WriteFile(dir_ / "S\\a", "new a");
        WriteFile(dir_ / "S\\in\\b", "b");
        WriteFile(dir_ / "T\\S\\a", "old a");
        Answerer user([&] { return AnswerWith(owner_, answer); });
        const long result = move(dir_ / "S", dir_ / "T", 1, 0);
        EXPECT_TRUE(user.ok());
        if (answer == IDNO) {
            EXPECT_EQ(result, kCancelled);
            EXPECT_EQ(ReadFile(dir_ / "T\\S\\a"), "old a");
            EXPECT_EQ(ReadFile(dir_ / "S\\a"), "new a");
            // Whatever left the source folder is whole at the target.
            EXPECT_EQ(ReadFile(Exists(dir_ / "S\\in\\b") ? dir_ / "S\\in\\b" : dir_ / "T\\S\\in\\b"), "b");
        } else {
            EXPECT_EQ(result, kDone);
            EXPECT_EQ(ReadFile(dir_ / "T\\S\\a"), "new a");
            EXPECT_EQ(ReadFile(dir_ / "T\\S\\in\\b"), "b");
            EXPECT_FALSE(Exists(dir_ / "S"));
        }
    }

    // With replace-all, silently.
    WriteFile(dir_ / "src", "new");
    WriteFile(dir_ / "dst", "old");
    EXPECT_EQ(move(dir_ / "src", dir_ / "dst", 1, 1), kDone);
    EXPECT_EQ(ReadFile(dir_ / "dst"), "new");
    EXPECT_FALSE(Exists(dir_ / "src"));
}

TEST_F(FileOperations, SuccessMeansItHappened) {
    // Each of these did nothing, or part, under Wine while the shell reported success.
    for (const char* sub : {"S", "S\\in", "deep"}) CreateDirectoryA((dir_ / sub).c_str(), nullptr);
    WriteFile(dir_ / "a.txt", "A");
    WriteFile(dir_ / "S\\s.txt", "S");
    std::string deep = dir_ / "deep";
    while (deep.size() < 220) {
        deep += "\\" + std::string(30, 'd');
        CreateDirectoryA(deep.c_str(), nullptr);
    }
    const std::string longName = std::string(MAX_PATH - deep.size(), 'n');
    WriteFile(dir_ / longName, "L");
    const std::string before = Listing(dir_.path()), beforeS = Listing(dir_ / "S");
    struct Case { const wchar_t* method; std::string source, target; const char* why; };
    const Case cases[] = {
        { L"CopyFilePB", dir_ / "a.txt", dir_ / "x*y", "a wildcard in a target" },
        { L"MoveFilePB", dir_ / "a.txt", dir_ / "x?y", "a wildcard in a target" },
        { L"RecycleFilePB", dir_ / "a.txt\\", "", "a file named with a trailing backslash" },
        { L"MoveFilePB", dir_ / "a.txt\\", dir_ / "b.txt", "a file named with a trailing backslash" },
        { L"MoveFilePB", dir_ / "missing.txt", dir_ / "b.txt", "a missing source of a move" },
        { L"CopyFilePB", dir_ / longName, deep, "a destination longer than a path may be" },
        { L"CopyFilePB", dir_ / "S\\*", dir_ / "S\\T", "a wildcard taking in its own target" },
        { L"MoveFilePB", dir_ / "*", dir_ / "S\\T", "a wildcard taking in the target's folder" },
        { L"CopyFilePB", dir_ / "*\\s.txt", dir_ / "b.txt", "a wildcard before the last name" },
    };
    for (const Case& c : cases) {
        std::vector<Arg> args{W(c.source)};
        if (std::wstring(c.method) != L"RecycleFilePB") args.push_back(W(c.target));
        args.push_back(1);
        args.push_back(1);
        EXPECT_EQ(run(c.method, args), kRejected) << c.why;
        EXPECT_EQ(Listing(dir_.path()), before) << c.why;
        EXPECT_EQ(Listing(dir_ / "S"), beforeS) << c.why;
    }
    // Wildcards into a folder beside the matches are fine.
    EXPECT_EQ(copy(dir_ / "S\\*.txt", dir_ / "S\\in"), kDone);
    EXPECT_EQ(ReadFile(dir_ / "S\\in\\s.txt"), "S");

    // A folder onto a folder of its name merges into it (Wine's own move did nothing there
    // and reported success).
    CreateDirectoryA((dir_ / "T").c_str(), nullptr);
    CreateDirectoryA((dir_ / "T\\S").c_str(), nullptr);
    EXPECT_EQ(move(dir_ / "S", dir_ / "T"), kDone) << "a folder onto a folder of its name";
    EXPECT_EQ(ReadFile(dir_ / "T\\S\\s.txt"), "S");
    EXPECT_FALSE(Exists(dir_ / "S"));
}

// Windows Vista and later fail a whole request in which a file's destination is an existing
// folder (DE_FILEDESTISFLD) and copy none of its items; Wine copies the file into the
// folder, and left a folder onto a file undone behind a report of success. The plan
// refuses both, and the shell is never asked (its calls are seen at its entry).
namespace {

std::vector<std::wstring> g_shellRequests;

int WINAPI RecordShellRequest(SHFILEOPSTRUCTW* request) {
    g_shellRequests.push_back(request && request->pFrom ? request->pFrom : L"");
    return 0;
}

}  // namespace

TEST_F(FileOperations, AFileOntoAFolderOfItsNameAndTheReverseAreRefusedBeforeTheShell) {
    for (const char* sub : {"T", "T\\a.txt", "F", "U", "M", "N", "N\\M", "N\\M\\x.txt"})
        CreateDirectoryA((dir_ / sub).c_str(), nullptr);
    WriteFile(dir_ / "a.txt", "A");
    WriteFile(dir_ / "b.txt", "B");
    WriteFile(dir_ / "F\\f.txt", "f");
    WriteFile(dir_ / "U\\F", "U");
    WriteFile(dir_ / "M\\x.txt", "x");
    const std::map<std::string, std::string> before = Tree(dir_.path());
    struct Case { const wchar_t* method; std::string source, target; const char* why; };
    const Case cases[] = {
        { L"CopyFilePB", dir_ / "a.txt", dir_ / "T", "a file into a folder holding a folder of its name" },
        { L"MoveFilePB", dir_ / "a.txt", dir_ / "T", "a file moved onto a folder of its name" },
        { L"CopyFilePB", dir_ / "b.txt," + dir_ / "a.txt", dir_ / "T", "one of two files onto a folder" },
        { L"CopyFilePB", dir_ / "*.txt", dir_ / "T", "a wildcard's match onto a folder" },
        { L"CopyFilePB", dir_ / "F", dir_ / "U", "a folder into a folder holding a file of its name" },
        { L"MoveFilePB", dir_ / "F", dir_ / "U\\F", "a folder moved onto a file" },
        { L"CopyFilePB", dir_ / "M", dir_ / "N", "a file onto a folder inside a merged folder" },
        { L"MoveFilePB", dir_ / "M", dir_ / "N", "a file moved onto a folder inside a merged folder" },
    };
    ImportHook shell("shell32.dll", "SHFileOperationW", reinterpret_cast<void*>(&RecordShellRequest));
    ASSERT_NE(shell.original(), nullptr) << "the program calls SHFileOperationW";
    for (const Case& c : cases) {
        g_shellRequests.clear();
        for (long replaceAll : {0, 1}) {
            EXPECT_EQ(run(c.method, {W(c.source), W(c.target), 1, replaceAll}), kRejected) << c.why;
        }
        EXPECT_TRUE(g_shellRequests.empty()) << c.why << ": the shell was asked";
        EXPECT_EQ(Tree(dir_.path()), before) << c.why;
    }
    // The hook sees the shell's requests: a file into a folder of another name is handed on.
    g_shellRequests.clear();
    EXPECT_EQ(copy(dir_ / "b.txt", dir_ / "T"), kUnfinished) << "recorded, not done";
    EXPECT_EQ(g_shellRequests.size(), 1u);
}

TEST_F(FileOperations, NamesOutsideTheCodePageAreCopiedMovedAndRecycled) {
    // Cyrillic and Chinese, from code points: "Жук文件".
    const std::wstring name = std::wstring{0x0416, 0x0443, 0x043A, 0x6587, 0x4EF6} + L".txt";
    const std::wstring folder = W(dir_.path()) + L"\\";
    WriteFile(folder + name, "bytes");
    EXPECT_EQ(run(L"CopyFilePB", {folder + name, folder + L"copy " + name, 1, 1}), kDone);
    EXPECT_EQ(ReadFile(folder + L"copy " + name), "bytes");
    EXPECT_EQ(ReadFile(folder + name), "bytes");
    EXPECT_EQ(run(L"MoveFilePB", {folder + L"copy " + name, folder + L"moved " + name, 1, 1}), kDone);
    EXPECT_FALSE(Exists(folder + L"copy " + name));
    EXPECT_EQ(ReadFile(folder + L"moved " + name), "bytes");

    // A name whose code-page form would be a look-alike ("a.txt") recycles only itself.
    const std::wstring unique = std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount());
    const std::wstring binned = unique + L"-" + name, alike = unique + L"-\u0101.txt";
    WriteFile(folder + binned, "bin");
    WriteFile(folder + alike, "alike");
    WriteFile(folder + unique + L"-a.txt", "plain");
    EXPECT_EQ(run(L"RecycleFilePB", {folder + binned + L"," + folder + alike, 1, 1}), kDone);
    EXPECT_FALSE(Exists(folder + binned));
    EXPECT_FALSE(Exists(folder + alike));
    EXPECT_EQ(ReadFile(folder + unique + L"-a.txt"), "plain");

    const std::string trash = TrashFolder();
    if (trash.empty()) GTEST_SKIP() << "not under Wine: the recycle bin is not a folder to look into";
    for (const std::wstring& n : {binned, alike}) {
        const std::wstring kept = W(trash) + L"\\files\\" + n;
        EXPECT_NE(ReadFile(kept), "<none>") << "not in the recycle bin";
        DeleteFileW(kept.c_str());
        DeleteFileW((W(trash) + L"\\info\\" + n + L".trashinfo").c_str());
    }
}

TEST_F(FileOperations, AMoveWithNothingInTheWayIsARenameWhateverItsSize) {
    // The same file index at the destination: nothing was copied, however large.
    CreateDirectoryA((dir_ / "T").c_str(), nullptr);
    CreateDirectoryA((dir_ / "F").c_str(), nullptr);
    for (int i = 0; i < 50; ++i) WriteFile(dir_ / ("F\\" + std::to_string(i)), "inner " + std::to_string(i));
    WriteFile(dir_ / "big.bin", std::string(32 << 20, 'b'));
    struct Case { const char* source; const char* target; const char* landed; long replaceAll; const char* why; };
    const Case cases[] = {
        { "big.bin", "moved.bin", "moved.bin", 0, "a 32 MB file to another name" },
        { "moved.bin", "T", "T\\moved.bin", 1, "into a folder, replace-all" },
        { "F\\7", "made\\seven", "made\\seven", 0, "into a folder not made yet" },
        { "F", "T", "T\\F\\3", 0, "a folder of files" },
    };
    for (const Case& c : cases) {
        const std::string inner = std::string(c.source) == "F" ? "F\\3" : c.source;
        const std::string before = IdentityOf(dir_ / inner);
        ASSERT_NE(before, "<none>") << c.why;
        EXPECT_EQ(move(dir_ / c.source, dir_ / c.target, 1, c.replaceAll), kDone) << c.why;
        EXPECT_EQ(IdentityOf(dir_ / c.landed), before) << c.why << ": copied, not renamed";
        EXPECT_FALSE(Exists(dir_ / c.source)) << c.why;
    }
    // Replace-all: a file replaces a file by the shell's move.
    WriteFile(dir_ / "new.txt", "new");
    WriteFile(dir_ / "T\\old.txt", "old");
    const std::string renamed = IdentityOf(dir_ / "new.txt");
    EXPECT_EQ(move(dir_ / "new.txt", dir_ / "T\\old.txt", 1, 1), kDone);
    EXPECT_EQ(ReadFile(dir_ / "T\\old.txt"), "new");
    EXPECT_EQ(IdentityOf(dir_ / "T\\old.txt"), renamed);
}

TEST_F(FileOperations, AReplacedSourceGoesToTheRecycleBinAndADeclinedOneStays) {
    // Two files into a folder holding one of their names: the free one is renamed, the
    // other asks; its source goes to the recycle bin only after a yes brought its bytes.
    struct Case { int answer; long result; const char* atTarget; bool sourceBinned; };
    const Case cases[] = {
        { IDYES, kDone, "new", true },
        { IDNO, kCancelled, "old", false },  // both files whole
    };
    const std::string trash = TrashFolder();
    for (const Case& c : cases) {
        const std::string name = "taken-" + std::to_string(GetCurrentProcessId()) + "-" +
                                 std::to_string(GetTickCount()) + "-" + std::to_string(c.answer) + ".txt";
        CreateDirectoryA((dir_ / "T").c_str(), nullptr);
        WriteFile(dir_ / "free.txt", "free");
        WriteFile(dir_ / name, "new");
        WriteFile(dir_ / ("T\\" + name), "old");
        const std::string free = IdentityOf(dir_ / "free.txt");
        Answerer user([&] { return AnswerWith(owner_, c.answer); });
        EXPECT_EQ(move(dir_ / "free.txt," + dir_ / name, dir_ / "T", 1, 0), c.result) << c.answer;
        EXPECT_TRUE(user.ok()) << c.answer << ": replaced without a question";
        EXPECT_EQ(IdentityOf(dir_ / "T\\free.txt"), free) << c.answer;
        EXPECT_EQ(ReadFile(dir_ / ("T\\" + name)), c.atTarget) << c.answer;
        EXPECT_EQ(ReadFile(dir_ / name), c.sourceBinned ? "<none>" : "new") << c.answer;
        if (trash.empty()) continue;  // not under Wine: the recycle bin is not a folder to look into
        const std::string kept = trash + "\\files\\" + name;
        EXPECT_EQ(ReadFile(kept), c.sourceBinned ? "new" : "<none>") << c.answer << ": not in the recycle bin";
        DeleteFileA(kept.c_str());
        DeleteFileA((trash + "\\info\\" + name + ".trashinfo").c_str());
        RemoveTree(FromCodePage(dir_ / "T"));
    }
}
