// The dispatcher as script hosts use it: names, dispatch ids, defaults, by-reference
// arguments and the standard errors; and the type library against Desktop's table.
#include <gtest/gtest.h>

#include "com/dispatch_object.h"
#include "control/control.h"
#include "fixtures.h"

using namespace test;

namespace {

// A probe class whose handlers echo what they receive or fail on purpose.
class Probe final : public mv::DispatchObject<Probe> {
public:
    static const mv::DispatchTable<Probe>& members();
    long seenLong = 0;
    std::wstring seenText;
    bool seenFlag = false;
};

using mv::Kind;
using mv::Opt;
using mv::OptText;
using mv::Req;

const mv::Member<Probe> kProbeRows[] = {
    { L"Echo", 1, Kind::Method, { Req(L"nA", VT_I4), Opt(L"nB", VT_I4, 7), OptText(L"sC", L"dflt"), Opt(L"bD", VT_BOOL, 0) },
      [](Probe& p, const mv::Args& a, mv::Result& r) {
          p.seenLong = a.lng(0) * 1000 + a.lng(1);
          p.seenText = a.text(2);
          p.seenFlag = a.flag(3);
          r.setLong(p.seenLong);
          return S_OK;
      } },
    { L"Divide", 2, Kind::Method, {}, [](Probe&, const mv::Args&, mv::Result&) { return DISP_E_DIVBYZERO; } },
    { L"Grow", 3, Kind::Method, {}, [](Probe&, const mv::Args&, mv::Result&) { return DISP_E_OVERFLOW; } },
    { L"Value", 4, Kind::Get, {}, [](Probe& p, const mv::Args&, mv::Result& r) { r.setLong(p.seenLong); return S_OK; } },
    { L"Value", 4, Kind::Put, { Req(L"nNewValue", VT_I4) },
      [](Probe& p, const mv::Args& a, mv::Result&) { p.seenLong = a.lng(0); return S_OK; } },
};
const mv::DispatchTable<Probe> kProbeTable(kProbeRows);
const mv::DispatchTable<Probe>& Probe::members() { return kProbeTable; }

struct ProbeTest : ::testing::Test {
    mv::ComPtr<Probe> probe = mv::MakeObject<Probe>();
    IDispatch* obj() { return probe->dispatch(); }
};

}  // namespace

TEST_F(ProbeTest, OmittedOptionalsTakeTheirDefaults) {
    Outcome o = Call(obj(), L"Echo", {Arg(3)});
    ASSERT_EQ(o.hr, S_OK);
    EXPECT_EQ(probe->seenLong, 3007);
    EXPECT_EQ(probe->seenText, L"dflt");
    EXPECT_FALSE(probe->seenFlag);

    // "Missing" (VT_ERROR/DISP_E_PARAMNOTFOUND) and JScript's undefined (VT_EMPTY) also count as omitted.
    Outcome o2 = Call(obj(), L"Echo", {Arg(4), Arg::Missing(), Arg::Empty(), Arg::Bool(true)});
    ASSERT_EQ(o2.hr, S_OK);
    EXPECT_EQ(probe->seenLong, 4007);
    EXPECT_EQ(probe->seenText, L"dflt");
    EXPECT_TRUE(probe->seenFlag);
}

TEST_F(ProbeTest, ByReferenceArgumentsOfEveryKindAreRead) {
    VARIANT var;  // a VBScript variable holding a string number
    VariantInit(&var);
    V_VT(&var) = VT_BSTR;
    V_BSTR(&var) = SysAllocString(L"12");
    long typed = 9;
    Outcome o = Call(obj(), L"Echo", {Arg::ByRef(&var), Arg::ByRefLong(&typed), Arg(2.5)});
    ASSERT_EQ(o.hr, S_OK);
    EXPECT_EQ(probe->seenLong, 12009);
    EXPECT_EQ(probe->seenText, L"2.5");
    VariantClear(&var);
}

TEST_F(ProbeTest, NamesIgnoreCaseAndParameterNamesGiveTheirPositions) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"eCHO"), const_cast<LPOLESTR>(L"SC"), const_cast<LPOLESTR>(L"na")};
    DISPID ids[3];
    ASSERT_EQ(obj()->GetIDsOfNames(IID_NULL, names, 3, 0, ids), S_OK);
    EXPECT_EQ(ids[0], 1);
    EXPECT_EQ(ids[1], 2);
    EXPECT_EQ(ids[2], 0);

    // Named arguments reach their parameters.
    Outcome o = InvokeRaw(obj(), 1, DISPATCH_METHOD, {Arg(L"named"), Arg(5)}, {2});
    ASSERT_EQ(o.hr, S_OK);
    EXPECT_EQ(probe->seenLong, 5007);
    EXPECT_EQ(probe->seenText, L"named");

    LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"Nothing")};
    EXPECT_EQ(obj()->GetIDsOfNames(IID_NULL, unknown, 1, 0, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], DISPID_UNKNOWN);
}

TEST_F(ProbeTest, StandardErrors) {
    EXPECT_EQ(InvokeRaw(obj(), 99, DISPATCH_METHOD, {}).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Call(obj(), L"Echo", {}).hr, DISP_E_PARAMNOTOPTIONAL);
    EXPECT_EQ(Call(obj(), L"Echo", {Arg::Missing()}).hr, DISP_E_PARAMNOTOPTIONAL);
    EXPECT_EQ(Call(obj(), L"Echo", {Arg(1), Arg(2), Arg(L"x"), Arg(0), Arg(5)}).hr, DISP_E_BADPARAMCOUNT);
    // A method has no let.
    EXPECT_EQ(InvokeRaw(obj(), 1, DISPATCH_PROPERTYPUT, {Arg(1)}, {DISPID_PROPERTYPUT}).hr, DISP_E_MEMBERNOTFOUND);

    // Type mismatches name the offending argument by its index in rgvarg (reversed).
    struct Bad { Arg arg; const char* what; };
    Bad bad[] = {{Arg(L"abc"), "text"}, {Arg::Null(), "null"}, {Arg(static_cast<IDispatch*>(obj())), "object"}};
    for (Bad& b : bad) {
        Outcome o = Call(obj(), L"Echo", {Arg(1), b.arg, Arg(L"s")});
        EXPECT_EQ(o.hr, DISP_E_TYPEMISMATCH) << b.what;
        EXPECT_EQ(o.argErr, 1u) << b.what;
    }
    SAFEARRAY* sa = SafeArrayCreateVector(VT_VARIANT, 0, 2);
    VARIANT arr;
    VariantInit(&arr);
    V_VT(&arr) = VT_ARRAY | VT_VARIANT;
    V_ARRAY(&arr) = sa;
    Outcome o = Call(obj(), L"Echo", {Arg(arr)});
    EXPECT_EQ(o.hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(o.argErr, 0u);
    VariantClear(&arr);
}

TEST_F(ProbeTest, OverflowAndDivisionByZeroFailTheCallWithAnException) {
    Outcome o = Call(obj(), L"Echo", {Arg(1e20)});
    EXPECT_EQ(o.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(o.excep.scode, mv::kScriptOverflow);
    EXPECT_EQ(o.argErr, 0u);
    ASSERT_NE(o.excep.bstrDescription, nullptr);
    EXPECT_STREQ(o.excep.bstrDescription, L"Overflow");

    Outcome d = Call(obj(), L"Divide");
    EXPECT_EQ(d.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(d.excep.scode, mv::kScriptDivByZero);
    Outcome g = Call(obj(), L"Grow");
    EXPECT_EQ(g.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(g.excep.scode, mv::kScriptOverflow);
}

TEST_F(ProbeTest, PropertyLetAndGetShareOneId) {
    ASSERT_EQ(Put(obj(), L"value", Arg(41)).hr, S_OK);
    EXPECT_EQ(GetLong(obj(), L"VALUE"), 41);
    // A let without the named DISPID_PROPERTYPUT, as some callers send it.
    ASSERT_EQ(InvokeRaw(obj(), 4, DISPATCH_PROPERTYPUT, {Arg(42)}).hr, S_OK);
    EXPECT_EQ(probe->seenLong, 42);
    EXPECT_EQ(InvokeRaw(obj(), 4, DISPATCH_PROPERTYPUT, {}, {}).hr, DISP_E_PARAMNOTOPTIONAL);
}

// Every row of every class answers its name in any letter case with its own id.
template <typename T>
void ExpectNamesAnswer(IDispatch* obj) {
    const mv::DispatchTable<T>& t = T::members();
    for (size_t i = 0; i < t.size(); ++i) {
        std::wstring upper = t[i].name, lower = t[i].name;
        CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
        CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
        EXPECT_EQ(IdOf(obj, upper.c_str()), t[i].id) << std::string(upper.begin(), upper.end());
        EXPECT_EQ(IdOf(obj, lower.c_str()), t[i].id);
    }
    // No member answers the reserved enumerator id.
    EXPECT_EQ(InvokeRaw(obj, DISPID_NEWENUM, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {}).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(IdOf(obj, L"_NewEnum"), DISPID_UNKNOWN);
}

TEST_F(DesktopTest, EveryMemberOfTheThreeClassesAnswersByNameInAnyCase) {
    ExpectNamesAnswer<mv::Desktop>(desktop());
    IDispatch* form = createForm(L"Names");
    ExpectNamesAnswer<mv::Form>(form);
    mv::ComPtr<mv::Control> ctl = mv::Control::Create();
    ExpectNamesAnswer<mv::Control>(ctl->dispatch());
    EXPECT_EQ(IdOf(desktop(), L"forms"), 0);
    EXPECT_EQ(IdOf(form, L"CONTROLS"), 0);
    EXPECT_EQ(IdOf(desktop(), L"newenum"), 0x68030001);
    EXPECT_EQ(IdOf(form, L"NewEnum"), 0x68030001);
}

TEST_F(DesktopTest, CallingTheObjectItselfReachesItsDefaultMember) {
    IDispatch* form = createForm(L"Main");
    Outcome o = InvokeRaw(desktop(), DISPID_VALUE, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {Arg(L"MAIN")});
    ASSERT_EQ(o.hr, S_OK);
    EXPECT_EQ(o.object(), form);
    Outcome c = InvokeRaw(form, DISPID_VALUE, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {Arg(1)});
    ASSERT_EQ(c.hr, S_OK);
    EXPECT_EQ(V_VT(&c.value), VT_DISPATCH);
    EXPECT_EQ(c.object(), nullptr);  // no controls yet: a null object, not an error
}

TEST_F(DesktopTest, ReadOnlyPropertiesHaveNoLet) {
    IDispatch* form = createForm(L"RO");
    EXPECT_EQ(Put(form, L"hwnd", Arg(5)).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Put(desktop(), L"Count", Arg(5)).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Put(form, L"LastEvent", Arg(L"x")).hr, DISP_E_MEMBERNOTFOUND);
}

// The type library embedded in morvane.dll describes _Desktop exactly as the table does.
TEST(TypeLibrary, AgreesWithDesktopTableMemberByMember) {
    std::wstring dll = ProgramDir() + L"morvane.dll";
    mv::ComPtr<ITypeLib> lib;
    ASSERT_EQ(LoadTypeLibEx(dll.c_str(), REGKIND_NONE, lib.put()), S_OK);

    TLIBATTR* la = nullptr;
    ASSERT_EQ(lib->GetLibAttr(&la), S_OK);
    EXPECT_EQ(la->wMajorVerNum, 1);
    EXPECT_EQ(la->wMinorVerNum, 0);
    EXPECT_EQ(la->lcid, 0x0409u);
    EXPECT_TRUE(IsEqualGUID(la->guid, mv::LIBID_Morvane));
    lib->ReleaseTLibAttr(la);
    mv::Bstr libName;
    lib->GetDocumentation(-1, libName.put(), nullptr, nullptr, nullptr);
    EXPECT_STREQ(libName.get(), L"Morvane");

    mv::ComPtr<ITypeInfo> coclass;
    ASSERT_EQ(lib->GetTypeInfoOfGuid(mv::CLSID_Desktop, coclass.put()), S_OK);
    TYPEATTR* ca = nullptr;
    coclass->GetTypeAttr(&ca);
    EXPECT_EQ(ca->typekind, TKIND_COCLASS);
    EXPECT_TRUE(ca->wTypeFlags & TYPEFLAG_FCANCREATE);
    coclass->ReleaseTypeAttr(ca);

    mv::ComPtr<ITypeInfo> disp;
    ASSERT_EQ(lib->GetTypeInfoOfGuid(mv::IID__Desktop, disp.put()), S_OK);
    TYPEATTR* da = nullptr;
    disp->GetTypeAttr(&da);
    const WORD want = TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE;
    EXPECT_EQ(da->wTypeFlags & want, want);
    EXPECT_EQ(da->typekind, TKIND_DISPATCH);
    disp->ReleaseTypeAttr(da);

    // The vtable side of the dual interface lists the members after IDispatch's own.
    HREFTYPE ref = 0;
    ASSERT_EQ(disp->GetRefTypeOfImplType(-1, &ref), S_OK);
    mv::ComPtr<ITypeInfo> vt;
    ASSERT_EQ(disp->GetRefTypeInfo(ref, vt.put()), S_OK);
    TYPEATTR* va = nullptr;
    vt->GetTypeAttr(&va);
    EXPECT_EQ(va->typekind, TKIND_INTERFACE);
    EXPECT_TRUE(va->wTypeFlags & TYPEFLAG_FOLEAUTOMATION);
    const mv::DispatchTable<mv::Desktop>& table = mv::Desktop::members();
    ASSERT_EQ(va->cFuncs, table.size());
    vt->ReleaseTypeAttr(va);

    for (UINT i = 0; i < table.size(); ++i) {
        const auto& row = table[i];
        FUNCDESC* fd = nullptr;
        ASSERT_EQ(vt->GetFuncDesc(i, &fd), S_OK);
        SCOPED_TRACE(std::string(row.name, row.name + wcslen(row.name)));
        EXPECT_EQ(fd->memid, row.id);
        INVOKEKIND want = row.kind == mv::Kind::Get ? INVOKE_PROPERTYGET
                          : row.kind == mv::Kind::Put ? INVOKE_PROPERTYPUT : INVOKE_FUNC;
        EXPECT_EQ(fd->invkind, want);

        mv::Bstr fname;
        vt->GetDocumentation(fd->memid, fname.put(), nullptr, nullptr, nullptr);
        EXPECT_STREQ(fname.get(), row.name);

        // Parameters: the table's, then a retval for anything that answers a value.
        size_t params = row.params.size();
        bool hasRetval = fd->cParams > 0 && (fd->lprgelemdescParam[fd->cParams - 1].paramdesc.wParamFlags & PARAMFLAG_FRETVAL);
        EXPECT_EQ(static_cast<size_t>(fd->cParams) - (hasRetval ? 1 : 0), params);
        for (size_t p = 0; p < params && p < static_cast<size_t>(fd->cParams); ++p) {
            const mv::Param& want = row.params.begin()[p];
            const ELEMDESC& ed = fd->lprgelemdescParam[p];
            EXPECT_EQ(ed.tdesc.vt, VT_PTR) << "every parameter is passed by reference";
            if (ed.tdesc.vt == VT_PTR) EXPECT_EQ(ed.tdesc.lptdesc->vt, want.vt);
            bool optional = (ed.paramdesc.wParamFlags & PARAMFLAG_FOPT) != 0;
            EXPECT_EQ(optional, want.optional) << p;
            if (want.optional && want.vt != VT_BSTR) {
                ASSERT_TRUE(ed.paramdesc.wParamFlags & PARAMFLAG_FHASDEFAULT);
                VARIANT def;
                VariantInit(&def);
                VariantChangeType(&def, &ed.paramdesc.pparamdescex->varDefaultValue, 0, VT_I4);
                EXPECT_EQ(V_I4(&def), want.defLong) << p;
            }
        }
        vt->ReleaseFuncDesc(fd);
    }

    // The parameter names, read from the whole list of the interface's names.
    for (UINT i = 0; i < table.size(); ++i) {
        FUNCDESC* fd = nullptr;
        vt->GetFuncDesc(i, &fd);
        BSTR names[12] = {};
        UINT got = 0;
        ASSERT_EQ(vt->GetNames(fd->memid, names, 12, &got), S_OK);
        const auto& row = table[i];
        // For a get/let pair GetNames answers for the first description with the id (the get).
        const auto& named = (row.kind == mv::Kind::Put) ? table[i - 1] : row;
        EXPECT_STREQ(names[0], named.name);
        for (size_t p = 0; p < named.params.size() && p + 1 < got; ++p)
            EXPECT_STREQ(names[p + 1], named.params.begin()[p].name);
        for (UINT k = 0; k < got; ++k) SysFreeString(names[k]);
        vt->ReleaseFuncDesc(fd);
    }
}
