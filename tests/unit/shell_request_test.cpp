// What the file methods hand the shell, read before the shell sees it: the lists and
// flags where Windows would act otherwise than Wine shows, so that no end-to-end run
// here can tell.
// - SHFileOperation's documentation: with FOF_MULTIDESTFILES the target list names one
//   destination per source. Wine's conformance tests (dlls/shell32/tests/shlfileop.c)
//   record Vista and later answering DE_FILEDESTISFLD and copying nothing when a file's
//   target is an existing folder, where Wine goes into it: each target is therefore the
//   item's own full destination. Only several sources into one folder, or a folder
//   merged into the folder of its name, go to the folder without the flag, which every
//   version reads alike.
// - Windows' shell takes "connected files" along (page.htm with its page_files folder,
//   on by default since Windows 2000) unless FOF_NO_CONNECTED_ELEMENTS is set; Wine has
//   none, and the plan lists none.
// - FOF_ALLOWUNDO: the copy step of a move records no undo (undoing that copy would not
//   bring back its sources), while its sources go to the recycle bin.
#include <gtest/gtest.h>

#include "service_fixture.h"
#include "shell/shell_request.h"

using namespace test;

namespace {

std::string Describe(const std::vector<mv::ShellRequest>& requests, const std::wstring& dir) {
    std::string out;
    for (const mv::ShellRequest& r : requests) {
        const char* names[] = {"", "MOVE", "COPY", "DELETE", "RENAME"};
        out += out.empty() ? "" : " | ";
        out += names[r.operation];
        const bool named = r.flags & FOF_MULTIDESTFILES;
        for (size_t i = 0; i < r.from.size(); ++i) {
            out += " " + ToCodePage(r.from[i].substr(dir.size() + 1));
            if (named && !r.to.empty()) out += ">" + ToCodePage(r.to[i].substr(dir.size() + 1));
        }
        if (!named) out += " into " + ToCodePage(r.to.front().substr(dir.size() + 1));
        if (!(r.flags & FOF_ALLOWUNDO)) out += " (no undo)";
        const DWORD always = FOF_NO_CONNECTED_ELEMENTS | FOF_NOCONFIRMMKDIR;
        if ((r.flags & always) != always) out += " (MISSING FLAGS)";
    }
    return out;
}

}  // namespace

TEST(ShellRequests, EachSourceGoesWithItsOwnDestinationOneRequestPerWay) {
    ScratchFolder dir;
    for (const char* folder : {"T", "S", "U", "U\\S"}) CreateDirectoryA((dir / folder).c_str(), nullptr);
    for (const char* file : {"a.txt", "b.txt", "T\\b.txt", "S\\s.txt"}) WriteFile(dir / file, file);
    const std::wstring d = FromCodePage(dir.path());
    struct Case { mv::FileVerb verb; const char* source; const char* target; bool replaceAll; const char* requests; };
    const Case cases[] = {
        // One file into an existing folder, the most common call.
        { mv::FileVerb::Copy, "a.txt", "T", false, "COPY a.txt>T\\a.txt" },
        { mv::FileVerb::Copy, "a.txt,b.txt,S", "T", false, "COPY a.txt>T\\a.txt b.txt>T\\b.txt S>T\\S" },
        { mv::FileVerb::Copy, "a.txt,b.txt", "x.txt,T\\y.txt", true, "COPY a.txt>x.txt b.txt>T\\y.txt" },
        // Landing on one name, or merging into a folder of its name: into the folder.
        { mv::FileVerb::Copy, "a.txt,T\\b.txt,b.txt", "U", false, "COPY a.txt>U\\a.txt | COPY T\\b.txt b.txt into U" },
        { mv::FileVerb::Copy, "S", "U", false, "COPY S into U" },
        // Nothing in the way: the shell's own move, all in one request.
        { mv::FileVerb::Move, "a.txt,S", "T", false, "MOVE a.txt>T\\a.txt S>T\\S" },
        // T\b.txt exists: copied first, asking, without undo.
        { mv::FileVerb::Move, "a.txt,b.txt", "T", false, "MOVE a.txt>T\\a.txt | COPY b.txt>T\\b.txt (no undo)" },
        // Replace-all: a file replaces a file by the shell's move.
        { mv::FileVerb::Move, "a.txt,b.txt", "T", true, "MOVE a.txt>T\\a.txt b.txt>T\\b.txt" },
        // A folder onto a folder of its name is merged by the copy, replace-all or not.
        { mv::FileVerb::Move, "S", "U", true, "COPY S into U (no undo)" },
        // Two sources landing on one name: neither may replace the other unasked.
        { mv::FileVerb::Move, "a.txt,T\\b.txt", "x.txt,x.txt", true, "COPY a.txt>x.txt T\\b.txt>x.txt (no undo)" },
        { mv::FileVerb::Move, "a.txt", "A.TXT", false, "RENAME a.txt>A.TXT" },
        { mv::FileVerb::Recycle, "a.txt,S", "", false, "DELETE a.txt S" },
    };
    for (const Case& c : cases) {
        auto full = [&](const std::string& list) {
            std::string out;
            for (size_t start = 0; start <= list.size();) {
                const size_t comma = std::min(list.find(',', start), list.size());
                out += (out.empty() ? "" : ",") + dir / list.substr(start, comma - start);
                start = comma + 1;
            }
            return FromCodePage(out);
        };
        mv::FilePlan plan;
        ASSERT_EQ(mv::MakePlan(c.verb, full(c.source), *c.target ? full(c.target) : L"", &plan), 0) << c.source;
        mv::ChooseWays(&plan, c.replaceAll);
        EXPECT_EQ(Describe(mv::RequestsFor(plan, true, c.replaceAll), d), c.requests) << c.source << " to " << c.target;
        for (const mv::ShellRequest& r : mv::RequestsFor(plan, true, c.replaceAll)) {
            EXPECT_TRUE(r.flags & FOF_SILENT) << c.source;
            EXPECT_EQ(r.flags & FOF_NOCONFIRMATION, c.replaceAll ? FOF_NOCONFIRMATION : 0) << c.source;
        }
    }
    // A move's sources whose bytes arrived go to the recycle bin, unasked.
    const mv::ShellRequest bin = mv::RecycleArrived({d + L"\\a.txt"}, false);
    EXPECT_EQ(Describe({bin}, d), "DELETE a.txt");
    EXPECT_EQ(bin.flags & (FOF_NOCONFIRMATION | FOF_SILENT | FOF_WANTNUKEWARNING), FOF_NOCONFIRMATION);
}
