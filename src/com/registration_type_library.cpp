// The type library's keys, as the platform's RegisterTypeLib lays them out below the
// classes root (measured under Wine 8, which matches Windows' layout):
//
//   TypeLib\{libid}\1.0              = the library's help string (or its name)
//   TypeLib\{libid}\1.0\409\win32    = the DLL's path (win64 for a 64-bit DLL)
//   TypeLib\{libid}\1.0\FLAGS        = the library flags, in decimal
//   TypeLib\{libid}\1.0\HELPDIR      = the DLL's folder, kept when already there
//   Interface\{iid}                  = the interface's name
//   Interface\{iid}\ProxyStubClsid   = the automation marshaller (dual: {00020424-...},
//   Interface\{iid}\ProxyStubClsid32   dispatch only: {00020420-...})
//   Interface\{iid}\TypeLib          = {libid}, Version = "1.0"
//
// The interface keys go into both registry views, as the platform writes them for a
// 64-bit library, so that hosts of either bitness marshal the interfaces.
#include "com/registration_type_library.h"

#include <cwchar>
#include <vector>

#include "com/registry_keys.h"
#include "core/hresult.h"
#include "core/unique.h"

namespace mv {

namespace {

#ifdef _WIN64
constexpr const wchar_t* kSysKindKey = L"win64";
#else
constexpr const wchar_t* kSysKindKey = L"win32";
#endif
constexpr REGSAM kViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};
const std::wstring kClasses = L"Software\\Classes\\";
constexpr const wchar_t* kDispatchProxy = L"{00020420-0000-0000-C000-000000000046}";
constexpr const wchar_t* kAutomationProxy = L"{00020424-0000-0000-C000-000000000046}";

std::wstring Number(unsigned long n, const wchar_t* format) {
    wchar_t text[16];
    std::swprintf(text, 16, format, n);
    return text;
}

// What the keys are made of, read from the library once.
struct Interface {
    std::wstring key;  // below the classes key
    std::wstring name;
    const wchar_t* proxy;
};
struct Layout {
    std::wstring libid, version, versionKey, pathKey, flags, title;
    std::vector<Interface> interfaces;
};

// The library's help string (or its name), or an interface's name, as the platform's
// RegisterTypeLib writes them.
enum class Shown { helpString, name };
std::wstring Documentation(ITypeLib* lib, INT index, Shown what) {
    Bstr name, doc;
    std::wstring text;
    if (SUCCEEDED(lib->GetDocumentation(index, name.put(), doc.put(), nullptr, nullptr))) {
        BSTR shown = what == Shown::helpString && doc.get() && *doc.get() ? doc.get() : name.get();
        if (shown) text.assign(shown, SysStringLen(shown));
    }
    return text;
}

// The dispatch and automation interfaces the platform registers: dispatch interfaces
// (dual ones included) and interfaces marked for automation.
HRESULT AddInterfaces(ITypeLib* lib, Layout* out) {
    const UINT count = lib->GetTypeInfoCount();
    for (UINT i = 0; i < count; ++i) {
        TYPEKIND kind;
        if (FAILED(lib->GetTypeInfoType(i, &kind)) || (kind != TKIND_DISPATCH && kind != TKIND_INTERFACE)) continue;
        ComPtr<ITypeInfo> info;
        RETURN_IF_FAILED(lib->GetTypeInfo(i, info.put()));
        TYPEATTR* attr = nullptr;
        RETURN_IF_FAILED(info->GetTypeAttr(&attr));
        const GUID iid = attr->guid;
        const WORD flags = attr->wTypeFlags;
        info->ReleaseTypeAttr(attr);
        const bool automation = (flags & (TYPEFLAG_FDUAL | TYPEFLAG_FOLEAUTOMATION)) != 0;
        if (kind == TKIND_INTERFACE && !automation) continue;
        out->interfaces.push_back({L"Interface\\" + GuidText(iid), Documentation(lib, static_cast<INT>(i), Shown::name),
                                   automation ? kAutomationProxy : kDispatchProxy});
    }
    return S_OK;
}

HRESULT LayoutOf(ITypeLib* lib, Layout* out) {
    TLIBATTR* attr = nullptr;
    RETURN_IF_FAILED(lib->GetLibAttr(&attr));
    out->libid = GuidText(attr->guid);
    out->version = Number(attr->wMajorVerNum, L"%lx") + L"." + Number(attr->wMinorVerNum, L"%lx");
    out->versionKey = L"TypeLib\\" + out->libid + L"\\" + out->version;
    out->pathKey = out->versionKey + L"\\" + Number(attr->lcid, L"%lx") + L"\\" + kSysKindKey;
    out->flags = Number(attr->wLibFlags, L"%lu");
    lib->ReleaseTLibAttr(attr);
    out->title = Documentation(lib, -1, Shown::helpString);
    return AddInterfaces(lib, out);
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

HRESULT Write(HKEY base, const std::wstring& key, const wchar_t* name, const std::wstring& value, REGSAM view = 0) {
    return WriteKeyValue(base, kClasses + key, name, value, view);
}

}  // namespace

HRESULT RegisterTypeLibraryKeys(HKEY base, ITypeLib* lib, const std::wstring& path) {
    Layout l;
    RETURN_IF_FAILED(LayoutOf(lib, &l));
    RETURN_IF_FAILED(Write(base, l.versionKey, nullptr, l.title));
    RETURN_IF_FAILED(Write(base, l.pathKey, nullptr, path));
    RETURN_IF_FAILED(Write(base, l.versionKey + L"\\FLAGS", nullptr, l.flags));
    const std::wstring helpDir = l.versionKey + L"\\HELPDIR";
    if (!KeyExists(base, kClasses + helpDir)) RETURN_IF_FAILED(Write(base, helpDir, nullptr, FolderOf(path)));
    for (REGSAM view : kViews) {
        for (const Interface& i : l.interfaces) {
            RETURN_IF_FAILED(Write(base, i.key, nullptr, i.name, view));
            RETURN_IF_FAILED(Write(base, i.key + L"\\ProxyStubClsid", nullptr, i.proxy, view));
            RETURN_IF_FAILED(Write(base, i.key + L"\\ProxyStubClsid32", nullptr, i.proxy, view));
            RETURN_IF_FAILED(Write(base, i.key + L"\\TypeLib", nullptr, l.libid, view));
            RETURN_IF_FAILED(Write(base, i.key + L"\\TypeLib", L"Version", l.version, view));
        }
    }
    return S_OK;
}

HRESULT UnregisterTypeLibraryKeys(HKEY base, ITypeLib* lib, bool otherRemains) {
    Layout l;
    RETURN_IF_FAILED(LayoutOf(lib, &l));
    RETURN_IF_FAILED(DeleteKey(base, kClasses + l.pathKey));
    DeleteKeyIfEmpty(base, FolderOf(kClasses + l.pathKey));
    if (otherRemains) return S_OK;
    HRESULT result = DeleteKeyTree(base, kClasses + l.versionKey);
    DeleteKeyIfEmpty(base, kClasses + L"TypeLib\\" + l.libid);
    for (REGSAM view : kViews) {
        for (const Interface& i : l.interfaces) {
            const HRESULT hr = DeleteKeyTree(base, kClasses + i.key, view);
            if (FAILED(hr)) result = hr;
        }
    }
    return result;
}

}  // namespace mv
