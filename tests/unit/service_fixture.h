// Set-up shared by the tests of the form's services: COM and OLE as a script host has
// them, a shown form whose window owns the dialogs, and a scratch folder of real files.
#pragma once

#include <ole2.h>

#include <map>
#include <string>

#include "dialog_answer.h"
#include "fixtures.h"

namespace test {

// A fresh folder under the user's temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    const std::string& path() const { return path_; }  // ends without a backslash
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
    std::wstring operator/(const std::wstring& name) const;  // for names of any script

private:
    std::string path_;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);  // "<none>" when it cannot be read
bool Exists(const std::string& path);
// The same with UTF-16 paths, for names outside the system code page.
void WriteFile(const std::wstring& path, const std::string& bytes);
std::string ReadFile(const std::wstring& path);
bool Exists(const std::wstring& path);
// The system code page, in which most of these tests name their files, to UTF-16 and back.
std::wstring FromCodePage(const std::string& s);
std::string ToCodePage(const std::wstring& s);
// The names in a folder, sorted, with a trailing backslash on folders.
std::string Listing(const std::string& folder);
// Everything below a folder: each file's full path with its bytes, each folder's full
// path (with a trailing backslash) with nothing.
std::map<std::string, std::string> Tree(const std::string& folder);
// The user's recycle bin as Wine keeps it: the XDG trash under the Unix home, which Wine
// shows as WINEHOMEDIR (\??\Z:\home\user). Empty when not running under Wine.
std::string TrashFolder();

class ServiceTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        OleInitialize(nullptr);
        form_ = createForm(L"Services");
        Put(form_, L"Visible", Arg(1));
        owner_ = hwndOf(form_);
    }
    void TearDown() override {
        DesktopTest::TearDown();
        OleUninitialize();
    }

    IDispatch* form_ = nullptr;
    HWND owner_ = nullptr;
    ScratchFolder dir_;
};

}  // namespace test
