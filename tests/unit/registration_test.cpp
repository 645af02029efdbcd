// Self-registration of morvane.dll: what it writes, and that unregistration removes
// exactly that. The test leaves the library registered, as the suite needs it.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <iterator>
#include <thread>
#include <vector>

#include "com/module.h"
#include "core/unique.h"
#include "fixtures.h"

using namespace test;

namespace {

std::wstring WideGuid(const GUID& g) {
    wchar_t w[40];
    StringFromGUID2(g, w, 40);
    return w;
}

std::string GuidText(const GUID& g) {
    const std::wstring w = WideGuid(g);
    return std::string(w.begin(), w.end());
}

bool KeyExists(const std::string& path) {
    mv::UniqueKey k;
    return RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, k.put()) == ERROR_SUCCESS;
}

std::string ReadValue(const std::string& path, const char* name) {
    char buf[MAX_PATH * 2] = {};
    LONG size = sizeof(buf);
    DWORD type = 0, bytes = sizeof(buf);
    mv::UniqueKey k;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, k.put()) != ERROR_SUCCESS) return "<none>";
    if (RegQueryValueExA(k.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &bytes) != ERROR_SUCCESS)
        return "<none>";
    (void)size;
    return buf;
}

using EntryPoint = HRESULT(WINAPI*)();

}  // namespace

TEST(Registration, WritesProgIdServerAndTypeLibraryAndRemovesExactlyThem) {
    std::wstring dll = ProgramDir() + L"morvane.dll";
    HMODULE lib = LoadLibraryW(dll.c_str());
    ASSERT_NE(lib, nullptr);
    auto reg = reinterpret_cast<EntryPoint>(GetProcAddress(lib, "DllRegisterServer"));
    auto unreg = reinterpret_cast<EntryPoint>(GetProcAddress(lib, "DllUnregisterServer"));
    ASSERT_NE(reg, nullptr);
    ASSERT_NE(unreg, nullptr);
    ASSERT_NE(GetProcAddress(lib, "DllGetClassObject"), nullptr);
    ASSERT_NE(GetProcAddress(lib, "DllCanUnloadNow"), nullptr);

    const std::string clsid = GuidText(mv::CLSID_Desktop);
    const std::string classKey = "CLSID\\" + clsid;
    const std::string libKey = "TypeLib\\" + GuidText(mv::LIBID_Morvane);
    const std::string ifaceKey = "Interface\\" + GuidText(mv::IID__Desktop);

    ASSERT_EQ(reg(), S_OK);
    ASSERT_EQ(unreg(), S_OK);
    for (const std::string& k : {std::string("Morvane.Desktop"), classKey, libKey, ifaceKey})
        EXPECT_FALSE(KeyExists(k)) << k;
    EXPECT_EQ(unreg(), S_OK);  // nothing left to remove is not a failure

    ASSERT_EQ(reg(), S_OK);
    EXPECT_EQ(ReadValue("Morvane.Desktop\\CLSID", nullptr), clsid);
    char path[MAX_PATH];
    GetModuleFileNameA(lib, path, MAX_PATH);
    EXPECT_EQ(ReadValue(classKey + "\\InprocServer32", nullptr), path);
    EXPECT_EQ(ReadValue(classKey + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(ReadValue(classKey + "\\ProgID", nullptr), "Morvane.Desktop");
    EXPECT_TRUE(KeyExists(libKey + "\\1.0"));
    EXPECT_TRUE(KeyExists(ifaceKey));
    BSTR tlbPath = nullptr;
    EXPECT_EQ(QueryPathOfRegTypeLib(mv::LIBID_Morvane, 1, 0, 0x0409, &tlbPath), S_OK);
    SysFreeString(tlbPath);

    // The ProgID creates a Desktop through the class factory.
    CoInitialize(nullptr);
    CLSID byProgId;
    ASSERT_EQ(CLSIDFromProgID(L"Morvane.Desktop", &byProgId), S_OK);
    EXPECT_TRUE(IsEqualCLSID(byProgId, mv::CLSID_Desktop));
    {
        mv::ComPtr<IDispatch> d;
        ASSERT_EQ(CoCreateInstance(byProgId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                   reinterpret_cast<void**>(d.put())), S_OK);
        EXPECT_EQ(GetText(d.get(), L"Version"), L"1.142");
        UINT count = 0;
        d->GetTypeInfoCount(&count);
        EXPECT_EQ(count, 1u);
        mv::ComPtr<IUnknown> dual;
        EXPECT_EQ(d->QueryInterface(mv::IID__Desktop, reinterpret_cast<void**>(dual.put())), S_OK);
    }
    CoFreeUnusedLibraries();
    CoUninitialize();
    FreeLibrary(lib);
}

namespace {

bool KeyIn(HKEY root, const std::wstring& path) {
    mv::UniqueKey k;
    return RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, k.put()) == ERROR_SUCCESS;
}

// morvane.dll loaded as regsvr32 loads it, with its registration entry points.
struct Library {
    Library() : module(LoadLibraryW((ProgramDir() + L"morvane.dll").c_str())) {
        install = reinterpret_cast<HRESULT(WINAPI*)(BOOL, LPCWSTR)>(GetProcAddress(module, "DllInstall"));
        reg = reinterpret_cast<EntryPoint>(GetProcAddress(module, "DllRegisterServer"));
        unreg = reinterpret_cast<EntryPoint>(GetProcAddress(module, "DllUnregisterServer"));
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    ~Library() { FreeLibrary(module); }
    bool loaded() const { return install && reg && unreg; }

    HMODULE module;
    HRESULT(WINAPI* install)(BOOL, LPCWSTR) = nullptr;
    EntryPoint reg = nullptr;
    EntryPoint unreg = nullptr;
};

}  // namespace

// regsvr32 /n /i:user writes the user's own classes and nothing machine-wide; /u removes
// them again. Wine does not merge the user's classes into the classes root, so the keys
// are checked, not creation through them.
TEST(Registration, PerUserInstallWritesOnlyTheUsersClassesAndRemovesThem) {
    Library lib;
    ASSERT_TRUE(lib.loaded());
    auto install = lib.install;
    auto reg = lib.reg;
    auto unreg = lib.unreg;

    const std::wstring user = L"Software\\Classes\\";
    const std::wstring keys[] = {
        L"Morvane.Desktop\\CLSID",
        L"CLSID\\" + WideGuid(mv::CLSID_Desktop) + L"\\InprocServer32",
        L"TypeLib\\" + WideGuid(mv::LIBID_Morvane),
    };
    ASSERT_EQ(unreg(), S_OK);
    for (const wchar_t* bad : {static_cast<const wchar_t*>(nullptr), L"", L"machine", L"user "}) {
        EXPECT_EQ(install(TRUE, bad), E_INVALIDARG);
        EXPECT_EQ(install(FALSE, bad), E_INVALIDARG);
    }
    for (const std::wstring& k : keys) EXPECT_FALSE(KeyIn(HKEY_CURRENT_USER, user + k)) << "bad command line wrote";

    EXPECT_EQ(install(TRUE, L"USER"), S_OK);
    for (const std::wstring& k : keys) {
        EXPECT_TRUE(KeyIn(HKEY_CURRENT_USER, user + k)) << "missing for the user";
        EXPECT_FALSE(KeyIn(HKEY_LOCAL_MACHINE, user + k)) << "written machine-wide";
    }
    EXPECT_EQ(install(FALSE, L"user"), S_OK);
    for (const std::wstring& k : keys) EXPECT_FALSE(KeyIn(HKEY_CURRENT_USER, user + k)) << "left for the user";

    EXPECT_EQ(reg(), S_OK);  // the suite needs the machine-wide registration
}

namespace {

constexpr REGSAM kViews[] = {KEY_WOW64_32KEY, KEY_WOW64_64KEY};

// The class keys of ours below a classes root: ProgID, class, type library, interfaces.
std::vector<std::wstring> OurClassKeys() {
    return {L"Morvane.Desktop", L"CLSID\\" + WideGuid(mv::CLSID_Desktop), L"TypeLib\\" + WideGuid(mv::LIBID_Morvane),
            L"Interface\\" + WideGuid(mv::IID__Desktop), L"Interface\\" + WideGuid(mv::DIID__clsDefForm),
            L"Interface\\" + WideGuid(mv::DIID__clsDefCtrl)};
}

// A key with its values and everything below it, as lines of text.
void Dump(HKEY root, const std::wstring& path, REGSAM view, std::wstring* out) {
    mv::UniqueKey k;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | view, k.put()) != ERROR_SUCCESS) return;
    *out += path + L"\n";
    wchar_t name[256], data[1024];
    for (DWORD i = 0;; ++i) {
        DWORD n = 256, bytes = sizeof data;
        std::fill(std::begin(data), std::end(data), L'\0');
        if (RegEnumValueW(k.get(), i, name, &n, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &bytes) != ERROR_SUCCESS)
            break;
        *out += L"  " + std::wstring(name) + L"=" + data + L"\n";
    }
    for (DWORD i = 0;; ++i) {
        DWORD n = 256;
        if (RegEnumKeyExW(k.get(), i, name, &n, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        Dump(root, path + L"\\" + name, view, out);
    }
}

std::wstring Snapshot(HKEY root, const std::wstring& classes) {
    std::wstring out;
    for (REGSAM view : kViews) {
        out += view == KEY_WOW64_32KEY ? L"[32-bit view]\n" : L"[64-bit view]\n";
        for (const std::wstring& k : OurClassKeys()) Dump(root, classes + k, view, &out);
    }
    return out;
}

}  // namespace

// Per-user registration and its removal leave every machine-wide key of ours as it was,
// in both registry views, and write the type library and its interfaces for the user in
// both views, as the platform lays them out. Meanwhile another thread of the host still
// reaches the machine-wide classes.
TEST(Registration, PerUserInstallLeavesTheMachineWideKeysAndOtherThreadsAlone) {
    Library lib;
    ASSERT_TRUE(lib.loaded());
    auto install = lib.install;
    ASSERT_EQ(lib.reg(), S_OK);
    const std::wstring machine = Snapshot(HKEY_LOCAL_MACHINE, L"Software\\Classes\\");
    ASSERT_NE(machine.find(L"ProxyStubClsid32"), std::wstring::npos) << "the machine-wide interface keys are there";

    std::atomic<bool> done{false};
    std::atomic<int> missed{0};
    std::thread other([&] {
        while (!done) {
            mv::UniqueKey k;
            if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"Scripting.FileSystemObject", 0, KEY_READ, k.put()) != ERROR_SUCCESS)
                ++missed;
        }
    });
    const std::wstring user = L"Software\\Classes\\";
#ifdef _WIN64
    const std::wstring path = L"TypeLib\\" + WideGuid(mv::LIBID_Morvane) + L"\\1.0\\409\\win64";
#else
    const std::wstring path = L"TypeLib\\" + WideGuid(mv::LIBID_Morvane) + L"\\1.0\\409\\win32";
#endif
    for (int round = 0; round < 5; ++round) {
        EXPECT_EQ(install(TRUE, L"user"), S_OK);
        EXPECT_EQ(machine, Snapshot(HKEY_LOCAL_MACHINE, L"Software\\Classes\\")) << "per-user install, round " << round;
        const std::wstring mine = Snapshot(HKEY_CURRENT_USER, user);
        EXPECT_NE(mine.find(user + path + L"\n"), std::wstring::npos) << "the DLL's path for the user";
        for (const wchar_t* key : {L"FLAGS", L"HELPDIR"})
            EXPECT_TRUE(KeyIn(HKEY_CURRENT_USER, user + L"TypeLib\\" + WideGuid(mv::LIBID_Morvane) + L"\\1.0\\" + key));
        for (REGSAM view : kViews)
            for (const std::wstring& k : OurClassKeys())
                if (k.rfind(L"Interface", 0) == 0) {
                    mv::UniqueKey key;
                    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, (user + k + L"\\TypeLib").c_str(), 0, KEY_READ | view,
                                            key.put()),
                              ERROR_SUCCESS)
                        << "the interface for the user";
                }
        EXPECT_EQ(install(FALSE, L"user"), S_OK);
        EXPECT_EQ(machine, Snapshot(HKEY_LOCAL_MACHINE, L"Software\\Classes\\")) << "per-user removal, round " << round;
        EXPECT_EQ(L"[32-bit view]\n[64-bit view]\n", Snapshot(HKEY_CURRENT_USER, user)) << "left for the user";
    }
    done = true;
    other.join();
    EXPECT_EQ(0, missed.load()) << "another thread lost the machine-wide classes";
}

// Machine-wide registration names HKEY_LOCAL_MACHINE\Software\Classes itself: Windows
// stores what is written through HKEY_CLASSES_ROOT below HKEY_CURRENT_USER wherever the
// user has keys of the same name, so with a per-user registration present a machine-wide
// one would land for the user, and its removal remove the user's keys. Wine does not merge
// the user's classes, so the keys on each side are checked after each step.
TEST(Registration, MachineWideRegistrationLandsBesideAPerUserOneAndLeavesItAlone) {
    Library lib;
    ASSERT_TRUE(lib.loaded());
    const std::wstring classes = L"Software\\Classes\\";
#ifdef _WIN64
    const wchar_t* ownPath = L"\\1.0\\409\\win64";
#else
    const wchar_t* ownPath = L"\\1.0\\409\\win32";
#endif
    // This bitness's own keys (the shared ones stay while the other bitness is registered).
    const std::wstring keys[] = {
        L"CLSID\\" + WideGuid(mv::CLSID_Desktop) + L"\\InprocServer32",
        L"TypeLib\\" + WideGuid(mv::LIBID_Morvane) + ownPath,
    };
    struct Step { const char* what; std::function<HRESULT()> run; bool user, machine; };
    const Step steps[] = {
        { "for the user", [&] { return lib.install(TRUE, L"user"); }, true, false },
        { "for everyone", [&] { return lib.reg(); }, true, true },
        { "removed for everyone", [&] { return lib.unreg(); }, true, false },
        { "for everyone again", [&] { return lib.reg(); }, true, true },
        { "removed for the user", [&] { return lib.install(FALSE, L"user"); }, false, true },
    };
    ASSERT_EQ(lib.unreg(), S_OK);
    for (const Step& s : steps) {
        EXPECT_EQ(s.run(), S_OK) << s.what;
        for (const std::wstring& k : keys) {
            EXPECT_EQ(KeyIn(HKEY_CURRENT_USER, classes + k), s.user) << s.what << ": the user's keys";
            EXPECT_EQ(KeyIn(HKEY_LOCAL_MACHINE, classes + k), s.machine) << s.what << ": the machine's keys";
        }
    }
}
