// Calls of the test program to one function of a system DLL, passed through a function of
// the test's own for as long as an ImportHook lives: the program's import table is given
// the test's function in place of the DLL's, so every call the library's code makes to
// the platform there (SHFileOperationW, ...) is seen at the DLL's entry.
#pragma once

#include <windows.h>

namespace test {

class ImportHook {
public:
    ImportHook(const char* dll, const char* function, void* replacement);
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;
    ~ImportHook();

    // The DLL's own function (null when the program does not import it: nothing is hooked).
    void* original() const { return original_; }

private:
    void** slot_ = nullptr;
    void* original_ = nullptr;
};

}  // namespace test
