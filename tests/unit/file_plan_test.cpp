// Lists a script can easily write that once replaced or lost files, or reported more or
// less than what happened: each is planned file by file before anything is touched, and
// every byte in the scratch folder before a call is afterwards where it was, at its
// destination, or in the recycle bin.
#include <gtest/gtest.h>

#include <set>

#include "service_fixture.h"
#include "shell/file_plan.h"

using namespace test;

namespace {

constexpr long kDone = 1, kRejected = 2, kSameFile = 0x71, kCancelled = ERROR_CANCELLED,
               kUnfinished = ERROR_PARTIAL_COPY;

class FilePlans : public ServiceTest {
protected:
    void SetUp() override {
        ServiceTest::SetUp();
        const std::string trash = TrashFolder();
        if (!trash.empty()) binBefore_ = " " + Listing(trash + "\\files");
        for (size_t slash; (slash = binBefore_.find("\\ ")) != std::string::npos;) binBefore_.erase(slash, 1);
    }

    long run(const wchar_t* method, const std::string& source, const std::string& target, long silent,
             long replaceAll) {
        std::vector<Arg> args{FromCodePage(source)};
        if (std::wstring(method) != L"RecycleFilePB") args.push_back(FromCodePage(target));
        args.push_back(silent);
        args.push_back(replaceAll);
        Outcome o = Call(form_, method, std::move(args));
        EXPECT_EQ(o.hr, S_OK);
        return o.lng();
    }
    // Every file's bytes (each file of a test holds bytes of its own) are, after the call,
    // somewhere in the scratch folder or in the recycle bin.
    void expectNothingLost(const std::map<std::string, std::string>& before, const std::string& why) {
        std::set<std::string> kept;
        for (const auto& f : Tree(dir_.path())) kept.insert(f.second);
        const std::string trash = TrashFolder();
        if (!trash.empty()) {
            for (const auto& f : Tree(trash + "\\files")) kept.insert(f.second);
        }
        for (const auto& f : before) {
            if (f.second.empty()) continue;  // a folder
            EXPECT_TRUE(kept.count(f.second)) << why << ": lost " << f.first;
        }
    }
    // Takes out of the recycle bin what this test put there.
    void forgetRecycled() {
        const std::string trash = TrashFolder();
        if (trash.empty()) return;
        std::string now = Listing(trash + "\\files");
        for (size_t start = 0, space; (space = now.find(' ', start)) != std::string::npos; start = space + 1) {
            std::string name = now.substr(start, space - start);
            if (name.back() == '\\') name.pop_back();
            if (binBefore_.find(" " + name + " ") != std::string::npos) continue;
            RemoveTree(FromCodePage(trash + "\\files\\" + name));
            DeleteFileA((trash + "\\files\\" + name).c_str());
            DeleteFileA((trash + "\\info\\" + name + ".trashinfo").c_str());
        }
    }
    // A comma-separated list of names inside the scratch folder, as full paths.
    std::string inDir(const std::string& list) const {
        std::string out;
        for (size_t start = 0;;) {
            const size_t comma = list.find(',', start);
            out += (out.empty() ? "" : ",") + (dir_ / list.substr(start, comma - start));
            if (comma == std::string::npos) return out;
            start = comma + 1;
        }
    }
    void write(const std::string& name, const std::string& bytes) {
        const std::string path = dir_ / name;
        for (size_t slash = path.find('\\', dir_.path().size() + 1); slash != std::string::npos;
             slash = path.find('\\', slash + 1))
            CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
        WriteFile(path, bytes);
    }

    std::string binBefore_;  // " name name ... " of the recycle bin before the test
};

// Sets every file's time of last change to one moment: a size and a time then say nothing.
void SameTime(const std::vector<std::string>& paths) {
    FILETIME t{0x12345678, 0x01D00000};
    for (const std::string& p : paths) {
        HANDLE h = CreateFileA(p.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        SetFileTime(h, nullptr, nullptr, &t);
        CloseHandle(h);
    }
}

}  // namespace

TEST_F(FilePlans, ListsTheShellWouldCarryOutInPartAreRefusedWholeBeforehand) {
    write("a.txt", "a bytes");
    write("b.txt", "b bytes");
    write("box\\x.txt", "x bytes");
    // A folder whose inner path grows past what the shell handles at a longer name, and a
    // folder so long that a wildcard's matches cannot land in it.
    std::string deep = "deep";
    while ((dir_ / deep).size() < 200) deep += "\\" + std::string(20, 'd');
    write(deep + "\\" + std::string(MAX_PATH - 2 - (dir_ / deep).size(), 'f'), "deepest bytes");
    const std::string longFolder = dir_ / std::string(255 - dir_.path().size() - 1, 'L');
    CreateDirectoryA(longFolder.c_str(), nullptr);
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    SetCurrentDirectoryA((dir_ / "box").c_str());
    struct Case { const wchar_t* method; std::string source, target; long result; const char* why; };
    const Case cases[] = {
        { L"MoveFilePB", dir_ / "a.txt," + dir_ / "b.txt", dir_ / "x1," + dir_ / "x2," + dir_ / "x3", kRejected,
          "two sources, three targets" },
        { L"CopyFilePB", dir_ / "a.txt", dir_ / "x1," + dir_ / "x2", kRejected, "one source, two targets" },
        { L"CopyFilePB", dir_ / "deep", dir_ / "deeper", kRejected, "an inner path too long at the new name" },
        { L"CopyFilePB", dir_ / "*.txt", longFolder, kRejected, "wildcard matches into a 255-character folder" },
        { L"RecycleFilePB", dir_ / "a.txt," + dir_ / "missing.txt", "", kRejected, "a recycle entry naming nothing" },
        { L"RecycleFilePB", dir_ / "box", "", kRejected, "the current folder, which cannot go to the bin" },
        { L"MoveFilePB", dir_ / "a.txt," + dir_ / "b.txt", dir_ / "b.txt," + dir_ / "a.txt", kRejected, "a swap" },
        { L"CopyFilePB", dir_ / "a.txt", dir_.path(), kSameFile, "a file onto itself" },
    };
    for (const Case& c : cases) {
        const auto before = Tree(dir_.path());
        EXPECT_EQ(run(c.method, c.source, c.target, 1, 1), c.result) << c.why;
        EXPECT_EQ(Tree(dir_.path()), before) << c.why;
    }
    SetCurrentDirectoryA(cwd);
}

TEST_F(FilePlans, AFileNamedTwiceIsNamedOnce) {
    struct Case { const wchar_t* method; const char* source; const char* target; const char* left; };
    const Case cases[] = {
        { L"RecycleFilePB", "d\\x.txt,d\\x.txt", "", "d\\ " },
        { L"RecycleFilePB", "d\\*.txt,d\\X.TXT", "", "d\\ " },
        { L"RecycleFilePB", "d,d\\x.txt", "", "" },
        { L"CopyFilePB", "d\\x.txt,d\\\\x.txt.", "t", "d\\ d\\x.txt t\\ t\\x.txt " },
        { L"MoveFilePB", "d\\x.txt,d\\*", "t", "d\\ t\\ t\\x.txt " },
    };
    for (const Case& c : cases) {
        const std::string unique = std::to_string(GetTickCount()) + "-" + c.source;
        write("d\\x.txt", "x " + unique);
        const auto before = Tree(dir_.path());
        EXPECT_EQ(run(c.method, inDir(c.source), *c.target ? inDir(c.target) : "", 1, 1), kDone) << c.source;
        std::string left;
        for (const auto& f : Tree(dir_.path())) left += f.first.substr(dir_.path().size() + 1) + " ";
        EXPECT_EQ(left, c.left) << c.source;
        expectNothingLost(before, c.source);
        RemoveTree(FromCodePage(dir_ / "t"));
        RemoveTree(FromCodePage(dir_ / "d"));
        forgetRecycled();
    }
}

TEST_F(FilePlans, SourcesLandingOnOneNameKeepEveryByteWhateverTheAnswers) {
    // Three files of one size and time, each with bytes of its own, moved into one folder:
    // the first lands, each later one asks to replace it. A No anywhere comes back as
    // cancelled, as the shell reports it; a source whose bytes did not land stays.
    struct Case { std::vector<int> answers; long result; const char* atTarget; };
    const Case cases[] = {
        { {IDNO, IDNO}, kCancelled, "a" },
        { {IDYES, IDNO}, kCancelled, "b" },
        { {IDNO, IDYES}, kCancelled, "c" },
        { {IDYES, IDYES}, kUnfinished, "c" },  // a and b were replaced by the user's yes: they stay
        { {IDCANCEL}, kCancelled, "a" },
    };
    for (const Case& c : cases) {
        for (const char* n : {"a", "b", "c"}) write(std::string(n) + "\\x.txt", std::string(n) + "-x");
        SameTime({dir_ / "a\\x.txt", dir_ / "b\\x.txt", dir_ / "c\\x.txt"});
        const auto before = Tree(dir_.path());
        Answerer user([&] {
            for (int answer : c.answers) {
                HWND question = WaitForOwnedDialog(owner_);
                if (!question) return false;
                Press(question, answer);
                if (!WaitUntilClosed(question)) return false;
            }
            return true;
        });
        const std::string why = "answers " + std::to_string(c.answers.size()) + ", last " +
                                std::to_string(c.answers.back()) + ", " + c.atTarget;
        EXPECT_EQ(run(L"MoveFilePB", dir_ / "a\\*.txt," + dir_ / "b\\*.txt," + dir_ / "c\\x.txt", dir_ / "t", 1, 0),
                  c.result) << why;
        EXPECT_TRUE(user.ok()) << why;
        EXPECT_EQ(ReadFile(dir_ / "t\\x.txt"), std::string(c.atTarget) + "-x") << why;
        expectNothingLost(before, why);
        for (const char* n : {"a", "b", "c", "t"}) RemoveTree(FromCodePage(dir_ / n));
    }
}

TEST_F(FilePlans, OddlyWrittenPathsStillAskBeforeReplacing) {
    struct Case { const char* source; const char* target; };
    const Case cases[] = {
        { "s\\\\x.txt", "t" },
        { "s\\x.txt. ", "t\\\\" },
        { "s\\..\\s\\x.txt", "t\\.\\x.txt" },
        { "s\\x.txt,s\\x.txt", "t" },
    };
    for (const Case& c : cases) {
        write("s\\x.txt", std::string("new ") + c.source);
        write("t\\x.txt", std::string("old ") + c.source);
        const auto before = Tree(dir_.path());
        Answerer no([&] { return AnswerWith(owner_, IDNO); });
        EXPECT_EQ(run(L"MoveFilePB", inDir(c.source), inDir(c.target), 1, 0), kCancelled) << c.source;
        EXPECT_TRUE(no.ok()) << c.source << ": replaced without a question";
        EXPECT_EQ(Tree(dir_.path()), before) << c.source;
    }
}

// The plan takes a reparse point by its tag. Windows keeps OneDrive's files on demand and
// the known folders moved into it as reparse points of the cloud tags (a folder's content
// is the user's files, listed without fetching them), deduplicated files as reparse points
// of their own tag: each is planned, refused when too long and checked as the file or
// folder it is. Only name surrogates (mount points, symbolic links, WSL's links, and every
// tag Windows marks so) lead elsewhere. Wine makes no such
// placeholders, so the plan's reading of each tag is checked here; a file whose bytes are
// elsewhere (the recall and offline attributes) is never read by the library's checks.
TEST(PlanKinds, OnlyNameSurrogatesAreLinks) {
    constexpr DWORD kReparse = FILE_ATTRIBUTE_REPARSE_POINT, kFolder = FILE_ATTRIBUTE_DIRECTORY;
    constexpr DWORD kCloud = 0x9000601A, kCloudRoot = 0x9000001A, kDedup = 0x80000013;
    constexpr DWORD kWslLink = 0xA000001D, kGlobal = 0xA0000019, kAppAlias = 0x8000001B, kProjected = 0x9000001C;
    constexpr DWORD kRecallOnDataAccess = 0x00400000, kRecallOnOpen = 0x00040000;
    struct Case { DWORD attributes, tag; mv::PlanEntry::Kind kind; bool placeholder; const char* what; };
    const Case cases[] = {
        { kFolder, 0, mv::PlanEntry::Folder, false, "a folder" },
        { FILE_ATTRIBUTE_ARCHIVE, 0, mv::PlanEntry::File, false, "a file" },
        { kFolder | kReparse, IO_REPARSE_TAG_MOUNT_POINT, mv::PlanEntry::Link, false, "a mount point" },
        { kFolder | kReparse, IO_REPARSE_TAG_SYMLINK, mv::PlanEntry::Link, false, "a link to a folder" },
        { kReparse, IO_REPARSE_TAG_SYMLINK, mv::PlanEntry::Link, false, "a link to a file" },
        { kReparse, kWslLink, mv::PlanEntry::Link, false, "a link made in WSL" },
        { kFolder | kReparse, kGlobal, mv::PlanEntry::Link, false, "a global link to a folder" },
        { kReparse, kAppAlias, mv::PlanEntry::File, false, "an app's execution alias" },
        { kFolder | kReparse, kProjected, mv::PlanEntry::Folder, false, "a projected folder" },
        { kFolder | kReparse | kRecallOnOpen, kCloud, mv::PlanEntry::Folder, true, "a cloud folder" },
        { kFolder | kReparse, kCloudRoot, mv::PlanEntry::Folder, false, "a known folder in the cloud" },
        { kReparse | kRecallOnDataAccess, kCloud, mv::PlanEntry::File, true, "a file on demand" },
        { kReparse, kCloud, mv::PlanEntry::File, false, "a cloud file kept on this machine" },
        { kReparse | FILE_ATTRIBUTE_OFFLINE, kDedup, mv::PlanEntry::File, true, "a deduplicated file, offline" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mv::KindOf({L"C:\\x", c.attributes, 0, c.tag}), c.kind) << c.what;
        EXPECT_EQ(mv::IsPlaceholder(c.attributes), c.placeholder) << c.what;
    }
}
