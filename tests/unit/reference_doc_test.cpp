// docs/reference.md against the type library embedded in morvane.dll: every member the
// library describes has an entry on the page, in its class's section, and the entry says
// the member's help text word for word, so the page and the type library cannot drift.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <fstream>
#include <sstream>
#include <string>

#include "core/unique.h"
#include "fixtures.h"

namespace {

std::string Utf8(const wchar_t* text) {
    if (!text || !*text) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], n, nullptr, nullptr);
    out.resize(n - 1);
    return out;
}

std::string ReadPage() {
    std::string path = std::string("Z:") + MORVANE_SOURCE_DIR + "/docs/reference.md";
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

// The page's section of a class: from its "## " heading to the next one.
std::string Section(const std::string& page, const std::string& cls) {
    size_t start = page.find("\n## " + cls + "\n");
    if (start == std::string::npos) return {};
    size_t end = page.find("\n## ", start + 1);
    return page.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The section that describes an interface, by the interface's name: its class's, or its
// class's events.
std::string ClassOf(const std::string& interfaceName) {
    const bool events = interfaceName.size() > 6 && interfaceName.compare(interfaceName.size() - 6, 6, "Events") == 0;
    if (interfaceName.find("Desktop") != std::string::npos) return "Desktop";
    const std::string cls = interfaceName.find("Form") != std::string::npos ? "clsDefForm" : "clsDefCtrl";
    return events ? cls + " events" : cls;
}

// True when a heading line of `section` names `member` in backticks.
bool HasHeading(const std::string& section, const std::string& member) {
    std::istringstream lines(section);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("#", 0) == 0 && line.find("`" + member + "`") != std::string::npos) return true;
    return false;
}

bool Inherited(const std::string& name) {
    for (const char* n : {"QueryInterface", "AddRef", "Release", "GetTypeInfoCount", "GetTypeInfo",
                          "GetIDsOfNames", "Invoke"})
        if (name == n) return true;
    return false;
}

TEST(ReferencePage, DescribesEveryMemberOfTheTypeLibraryWithItsHelpText) {
    const std::string page = ReadPage();
    ASSERT_FALSE(page.empty()) << "docs/reference.md not found";
    mv::ComPtr<ITypeLib> lib;
    ASSERT_EQ(LoadTypeLibEx((test::ProgramDir() + L"morvane.dll").c_str(), REGKIND_NONE, lib.put()), S_OK);

    int checked = 0;
    for (UINT t = 0; t < lib->GetTypeInfoCount(); ++t) {
        mv::ComPtr<ITypeInfo> info;
        ASSERT_EQ(lib->GetTypeInfo(t, info.put()), S_OK);
        TYPEATTR* attr = nullptr;
        ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
        const TYPEKIND kind = attr->typekind;
        const WORD funcs = attr->cFuncs, vars = attr->cVars;
        info->ReleaseTypeAttr(attr);
        mv::Bstr typeName;
        info->GetDocumentation(MEMBERID_NIL, typeName.put(), nullptr, nullptr, nullptr);
        if (kind != TKIND_DISPATCH && kind != TKIND_INTERFACE) continue;
        const std::string cls = ClassOf(Utf8(typeName.get()));
        const std::string section = Section(page, cls);
        ASSERT_FALSE(section.empty()) << "no section \"## " << cls << "\"";

        auto check = [&](MEMBERID id) {
            mv::Bstr name, help;
            info->GetDocumentation(id, name.put(), help.put(), nullptr, nullptr);
            const std::string member = Utf8(name.get()), text = Utf8(help.get());
            if (Inherited(member)) return;
            ++checked;
            EXPECT_TRUE(HasHeading(section, member)) << cls << "." << member << " has no entry";
            if (!text.empty()) {
                EXPECT_NE(section.find(text), std::string::npos) << cls << "." << member << ": \"" << text << "\"";
            }
        };
        for (UINT f = 0; f < funcs; ++f) {
            FUNCDESC* fd = nullptr;
            ASSERT_EQ(info->GetFuncDesc(f, &fd), S_OK);
            MEMBERID id = fd->memid;
            info->ReleaseFuncDesc(fd);
            check(id);
        }
        for (UINT v = 0; v < vars; ++v) {
            VARDESC* vd = nullptr;
            ASSERT_EQ(info->GetVarDesc(v, &vd), S_OK);
            MEMBERID id = vd->memid;
            info->ReleaseVarDesc(vd);
            check(id);
        }
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
