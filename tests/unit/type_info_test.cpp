// The type information of the three classes: every member of the embedded library has a
// handler and every handler a member, text defaults are in the library, and objects walked and called the way hosts that read type
// information (PowerShell, Python's late binding, object browsers) do.
#include <gtest/gtest.h>

#include <ocidl.h>

#include <map>
#include <string>
#include <tuple>

#include "com/dispatch_object.h"
#include "control/control.h"
#include "fixtures.h"
#include "script_objects.h"

using namespace test;

namespace {

std::string Narrow(const wchar_t* w) { return std::string(w, w + wcslen(w)); }

mv::ComPtr<ITypeLib> EmbeddedLibrary() {
    mv::ComPtr<ITypeLib> lib;
    LoadTypeLibEx((ProgramDir() + L"morvane.dll").c_str(), REGKIND_NONE, lib.put());
    return lib;
}

// Every function of `info` (a dispatch interface, or the vtable side of a dual one) is a
// member the class's table answers, with the same id and kind, and every member of the
// table is one of them: the table and the type library are written from the same IDL.
template <typename T>
void ExpectEveryMemberHandled(ITypeInfo* info, const mv::DispatchTable<T>& table) {
    TYPEATTR* ta = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&ta), S_OK);
    ASSERT_EQ(ta->cFuncs, table.size());
    info->ReleaseTypeAttr(ta);
    for (UINT i = 0; i < table.size(); ++i) {
        const mv::MemberFacts& member = table.facts(i);
        SCOPED_TRACE(Narrow(member.name));
        FUNCDESC* fd = nullptr;
        ASSERT_EQ(info->GetFuncDesc(i, &fd), S_OK);
        EXPECT_EQ(fd->memid, member.id);
        EXPECT_EQ(fd->invkind, member.kind == mv::Kind::Get   ? INVOKE_PROPERTYGET
                               : member.kind == mv::Kind::Put ? INVOKE_PROPERTYPUT
                                                              : INVOKE_FUNC);
        info->ReleaseFuncDesc(fd);
    }
}

mv::ComPtr<ITypeInfo> OfGuid(ITypeLib* lib, REFGUID g) {
    mv::ComPtr<ITypeInfo> info;
    lib->GetTypeInfoOfGuid(g, info.put());
    return info;
}

}  // namespace

TEST(TypeLibrary, DescribesEveryClassAsItsMemberTableDoes) {
    mv::ComPtr<ITypeLib> lib = EmbeddedLibrary();
    ASSERT_TRUE(lib);
    TLIBATTR* la = nullptr;
    ASSERT_EQ(lib->GetLibAttr(&la), S_OK);
    EXPECT_EQ(la->wMajorVerNum, 1);
    EXPECT_EQ(la->wMinorVerNum, 0);
    EXPECT_EQ(la->lcid, 0x0409u);
    EXPECT_EQ(la->syskind, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
    EXPECT_TRUE(IsEqualGUID(la->guid, mv::LIBID_Morvane));
    lib->ReleaseTLibAttr(la);

    // Only Desktop is creatable; every class and interface says what it is.
    for (const GUID* cls : {&mv::CLSID_Desktop, &mv::CLSID_clsDefForm, &mv::CLSID_clsDefCtrl}) {
        mv::ComPtr<ITypeInfo> coclass = OfGuid(lib.get(), *cls);
        ASSERT_TRUE(coclass);
        TYPEATTR* ca = nullptr;
        coclass->GetTypeAttr(&ca);
        EXPECT_EQ(ca->typekind, TKIND_COCLASS);
        EXPECT_EQ((ca->wTypeFlags & TYPEFLAG_FCANCREATE) != 0, cls == &mv::CLSID_Desktop);
        coclass->ReleaseTypeAttr(ca);
        mv::Bstr help;
        coclass->GetDocumentation(MEMBERID_NIL, nullptr, help.put(), nullptr, nullptr);
        EXPECT_GT(SysStringLen(help.get()), 10u);
    }

    // _Desktop is dual: its vtable side lists the members after IDispatch's own.
    mv::ComPtr<ITypeInfo> desktop = OfGuid(lib.get(), mv::IID__Desktop);
    HREFTYPE ref = 0;
    ASSERT_EQ(desktop->GetRefTypeOfImplType(-1, &ref), S_OK);
    mv::ComPtr<ITypeInfo> vtable;
    ASSERT_EQ(desktop->GetRefTypeInfo(ref, vtable.put()), S_OK);
    {
        SCOPED_TRACE("Desktop");
        ExpectEveryMemberHandled(vtable.get(), mv::Desktop::members());
    }
    {
        SCOPED_TRACE("clsDefForm");
        ExpectEveryMemberHandled(OfGuid(lib.get(), mv::DIID__clsDefForm).get(), mv::Form::members());
    }
    {
        SCOPED_TRACE("clsDefCtrl");
        ExpectEveryMemberHandled(OfGuid(lib.get(), mv::DIID__clsDefCtrl).get(), mv::Control::members());
    }

    // A text default is kept with its parameter, where object browsers and hosts read it.
    mv::ComPtr<ITypeInfo> form = OfGuid(lib.get(), mv::DIID__clsDefForm);
    mv::ComPtr<ITypeInfo2> form2;
    ASSERT_EQ(form->QueryInterface(IID_ITypeInfo2, reinterpret_cast<void**>(form2.put())), S_OK);
    const GUID kTextDefault = {0x6d6f7276, 0x616e, 0x6500, {0, 0, 0, 0, 0, 0, 0, 1}};
    for (const auto& [member, param, text] : {std::tuple<DISPID, UINT, const wchar_t*>{0x6003001b, 1, L"Message"},
                                              {0x6003002a, 1, L"Select Folder"}}) {
        UINT index = 0;
        ASSERT_EQ(form2->GetFuncIndexOfMemId(member, INVOKE_FUNC, &index), S_OK);
        mv::Variant value;
        ASSERT_EQ(form2->GetParamCustData(index, param, kTextDefault, value.get()), S_OK);
        ASSERT_EQ(V_VT(value.get()), VT_BSTR);
        EXPECT_STREQ(V_BSTR(value.get()), text);
    }
}

// A host that reads type information first: asks the object for it (GetTypeInfo, or
// IProvideClassInfo), lists its functions with their kinds and help, then reads an
// attribute as a property get and calls it as a method only when the type information
// says it is one (Python's late binding), or calls each kind as declared (PowerShell).
TEST(TypeLibrary, HostsThatReadTypeInformationGetTheRightAnswers) {
    Session s;
    Obj form = s.form(L"typed");
    Obj list = form.obj(L"AddListBox", {L"list", 10, 10, 100, 80});
    list.call(L"AddItem", {L"first"});
    list.call(L"AddItem", {L"second"});

    for (const Obj* o : {&s.script, &form, &list}) {
        UINT count = 0;
        EXPECT_EQ(o->get()->GetTypeInfoCount(&count), S_OK);
        EXPECT_EQ(count, 1u);
        mv::ComPtr<ITypeInfo> none;
        EXPECT_EQ(o->get()->GetTypeInfo(1, 0, none.put()), DISP_E_BADINDEX);
        mv::ComPtr<IProvideClassInfo> pci;
        ASSERT_EQ(o->get()->QueryInterface(IID_IProvideClassInfo, reinterpret_cast<void**>(pci.put())), S_OK);
        mv::ComPtr<ITypeInfo> coclass;
        ASSERT_EQ(pci->GetClassInfo(coclass.put()), S_OK);
        TYPEATTR* ca = nullptr;
        coclass->GetTypeAttr(&ca);
        EXPECT_EQ(ca->typekind, TKIND_COCLASS);
        coclass->ReleaseTypeAttr(ca);
    }

    // What the list's type information says each name is.
    mv::ComPtr<ITypeInfo> info;
    ASSERT_EQ(list.get()->GetTypeInfo(0, 0, info.put()), S_OK);
    TYPEATTR* ta = nullptr;
    info->GetTypeAttr(&ta);
    std::map<std::wstring, int> kinds;
    for (UINT i = 0; i < ta->cFuncs; ++i) {
        FUNCDESC* fd = nullptr;
        info->GetFuncDesc(i, &fd);
        mv::Bstr name, help;
        info->GetDocumentation(fd->memid, name.put(), help.put(), nullptr, nullptr);
        EXPECT_GT(SysStringLen(help.get()), 0u) << Narrow(name.get());
        kinds[name.get()] |= fd->invkind;
        info->ReleaseFuncDesc(fd);
    }
    info->ReleaseTypeAttr(ta);
    EXPECT_EQ(kinds[L"Count"], INVOKE_PROPERTYGET);
    EXPECT_EQ(kinds[L"Clear"], INVOKE_FUNC);
    EXPECT_EQ(kinds[L"Caption"], INVOKE_PROPERTYGET | INVOKE_PROPERTYPUT);

    // Python reads `list.Clear` as a property first: that runs nothing...
    Arg out;
    EXPECT_EQ(list.invoke(L"Clear", DISPATCH_PROPERTYGET, {}, &out.get()), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(list.invoke(L"Refresh", DISPATCH_PROPERTYGET, {}, nullptr), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(list.num(L"Count"), 2);
    // ...a property read answers, and so does a get called with parentheses (JScript)...
    Arg count;
    EXPECT_EQ(list.invoke(L"Count", DISPATCH_PROPERTYGET, {}, &count.get()), S_OK);
    EXPECT_EQ(V_I4(&count.get()), 2);
    EXPECT_EQ(list.invoke(L"Count", DISPATCH_METHOD, {}, nullptr), S_OK);
    // ...methods run once when called as methods, as PowerShell and Python call them.
    Arg item;
    EXPECT_EQ(list.invoke(L"Item", DISPATCH_METHOD, {1}, &item.get()), S_OK);
    EXPECT_STREQ(V_BSTR(&item.get()), L"second");
    EXPECT_EQ(list.invoke(L"Clear", DISPATCH_METHOD, {}, nullptr), S_OK);
    EXPECT_EQ(list.num(L"Count"), 0);
    EXPECT_EQ(form.invoke(L"Caption", DISPATCH_PROPERTYPUT, {L"Typed"}, nullptr), S_OK);
    EXPECT_EQ(form.str(L"Caption"), L"Typed");
}
