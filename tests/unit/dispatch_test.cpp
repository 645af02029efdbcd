// The dispatcher as script hosts use it: names, dispatch ids, defaults, by-reference
// arguments and the standard errors.
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

constexpr mv::Param kEchoParams[] = {
    {L"nA", VT_I4, false, 0, nullptr}, {L"nB", VT_I4, true, 7, nullptr},
    {L"sC", VT_BSTR, true, 0, L"dflt"}, {L"bD", VT_BOOL, true, 0, nullptr}};
constexpr mv::Param kValueParams[] = {{L"nNewValue", VT_I4, false, 0, nullptr}};
constexpr mv::MemberFacts kProbeFacts[] = {
    { L"Echo", 1, Kind::Method, kEchoParams, 4, VT_I4, L"Echoes" },
    { L"Divide", 2, Kind::Method, nullptr, 0, VT_EMPTY, L"Divides by zero" },
    { L"Grow", 3, Kind::Method, nullptr, 0, VT_EMPTY, L"Overflows" },
    { L"Value", 4, Kind::Get, nullptr, 0, VT_I4, L"A value" },
    { L"Value", 4, Kind::Put, kValueParams, 1, VT_EMPTY, L"A value" },
};
const mv::Member<Probe> kProbeRows[] = {
    { 0,
      [](Probe& p, const mv::Args& a, mv::Result& r) {
          p.seenLong = a.lng(0) * 1000 + a.lng(1);
          p.seenText = a.text(2);
          p.seenFlag = a.flag(3);
          r.setLong(p.seenLong);
          return S_OK;
      } },
    { 1, [](Probe&, const mv::Args&, mv::Result&) { return DISP_E_DIVBYZERO; } },
    { 2, [](Probe&, const mv::Args&, mv::Result&) { return DISP_E_OVERFLOW; } },
    { 3, [](Probe& p, const mv::Args&, mv::Result& r) { r.setLong(p.seenLong); return S_OK; } },
    { 4, [](Probe& p, const mv::Args& a, mv::Result&) { p.seenLong = a.lng(0); return S_OK; } },
};
const mv::DispatchTable<Probe> kProbeTable(kProbeFacts, kProbeRows);
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
        std::wstring upper = t.facts(i).name, lower = t.facts(i).name;
        CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
        CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
        EXPECT_EQ(IdOf(obj, upper.c_str()), t.facts(i).id) << std::string(upper.begin(), upper.end());
        EXPECT_EQ(IdOf(obj, lower.c_str()), t.facts(i).id);
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

// Early binding, as VBA with a reference to the library or C++ calls it: the dual
// interface's entries reach the same members, an omitted optional (a null pointer) takes
// its default, and the answers come back through the out pointers.
TEST_F(DesktopTest, TheDualInterfaceReachesTheSameMembers) {
    mv::ComPtr<mv::IDesktopDual> dual;
    ASSERT_EQ(desktop()->QueryInterface(mv::IID__Desktop, reinterpret_cast<void**>(dual.put())), S_OK);
    mv::Bstr version;
    ASSERT_EQ(dual->get_Version(nullptr, version.put()), S_OK);
    EXPECT_EQ(std::wstring(version.get()), GetText(desktop(), L"Version"));

    mv::Bstr name(L"Early"), caption(L"Early bound");
    BSTR nameIn = name.get(), captionIn = caption.get();
    long left = 50;
    mv::ComPtr<IDispatch> form;
    ASSERT_EQ(dual->CreateForm(&nameIn, &captionIn, &left, nullptr, nullptr, nullptr, form.put()), S_OK);
    ASSERT_TRUE(form);
    EXPECT_EQ(GetLong(form.get(), L"Left"), 50);
    EXPECT_EQ(GetLong(form.get(), L"Width"), 150) << "the default of an omitted width";

    long count = 0, off = 0, styles = 1;
    ASSERT_EQ(dual->get_Count(&count), S_OK);
    EXPECT_EQ(count, 1);
    ASSERT_EQ(dual->put_VisualStyles(&off), S_OK);
    ASSERT_EQ(dual->get_VisualStyles(&styles), S_OK);
    EXPECT_EQ(styles, 0);
    EXPECT_EQ(dual->get_Count(nullptr), E_POINTER);
    ASSERT_EQ(dual->CloseAll(), S_OK);
    ASSERT_EQ(dual->get_Count(&count), S_OK);
    EXPECT_EQ(count, 0);
}
