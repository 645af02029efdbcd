// The control's automation surface: one row per member, in the order of the class's
// interface. Rows marked ForKinds are kind-specific members and name the kinds they apply
// to: the dispatcher checks the control's kind against them before the handler runs. The
// control class has no default member.
#include "control/control.h"

#include "control/accessible.h"
#include "control/content_props.h"
#include "control/fonts.h"
#include "control/kind_records.h"
#include "control/list_ops.h"
#include "control/progress.h"
#include "control/tool_tips.h"

namespace mv {

namespace {

using C = Control;
using K = idl::clsDefCtrl;  // the members' keys, in the order of _clsDefCtrl in morvane.idl

HRESULT GetLeft(C& c, const Args&, Result& r) { r.setLong(c.position().x); return S_OK; }
HRESULT GetTop(C& c, const Args&, Result& r) { r.setLong(c.position().y); return S_OK; }

HRESULT GetWidth(C& c, const Args&, Result& r) {
    long w = 0, h = 0;
    RETURN_IF_FAILED(c.size(&w, &h));
    r.setLong(w);
    return S_OK;
}

HRESULT GetHeight(C& c, const Args&, Result& r) {
    long w = 0, h = 0;
    RETURN_IF_FAILED(c.size(&w, &h));
    r.setLong(h);
    return S_OK;
}

// Left, Top, Width and Height set one value of MoveResize and leave the others (-1).
template <int Slot>
HRESULT PutGeometry(C& c, const Args& a, Result&) {
    long v[4] = {-1, -1, -1, -1};
    v[Slot] = a.lng(0);
    return c.moveResize(v[0], v[1], v[2], v[3]);
}

// Letters other than L, T, R and B leave the control as it was.
constexpr wchar_t kAnchorRefusal[] = L"Anchor takes only the letters L, T, R and B, in any order and case";

HRESULT PutAnchor(C& c, const Args& a, Result& r) {
    unsigned edges = 0;
    if (!ParseAnchor(a.text(0), &edges)) return r.refuse(kAnchorRefusal);
    c.setAnchor(edges);
    return S_OK;
}

// The kinds each kind-specific member applies to.
constexpr KindSet kEnables = Kinds({kCmdButton, kTextBox, kComboBox, kListBox, kFrame, kOptionBox, kCheckBox});
constexpr KindSet kCaptioned = Kinds({kCmdButton, kLabel, kTextBox, kFrame, kImage, kOptionBox, kCheckBox});
constexpr KindSet kAligned = Kinds({kLabel, kTextBox});
constexpr KindSet kTexted = Kinds({kTextBox, kComboBox});
constexpr KindSet kChecked = Kinds({kOptionBox, kCheckBox});
constexpr KindSet kLists = ListHolders();
constexpr KindSet kLocks = Kinds({kTextBox, kComboBox, kListBox});
constexpr KindSet kBars = Kinds({kProgressBar});

constexpr Member<C> kRows[] = {
    { K::hwnd_get, GetWindowHandle<C> },
    { K::name_get, [](C& c, const Args&, Result& r) { r.setText(c.name()); return S_OK; } },
    { K::Visible_get, [](C& c, const Args&, Result& r) { r.setLong(c.visible()); return S_OK; } },
    { K::Visible_let, [](C& c, const Args& a, Result&) { c.setVisible(a.lng(0)); return S_OK; } },
    { K::BorderStyle_get, [](C& c, const Args&, Result& r) { r.setLong(c.borderStyle()); return S_OK; } },
    { K::BorderStyle_let, [](C& c, const Args& a, Result&) { c.setBorderStyle(a.lng(0)); return S_OK; } },
    { K::Left_get, GetLeft },
    { K::Left_let, PutGeometry<0> },
    { K::Top_get, GetTop },
    { K::Top_let, PutGeometry<1> },
    { K::Height_get, GetHeight },
    { K::Height_let, PutGeometry<3> },
    { K::Width_get, GetWidth },
    { K::Width_let, PutGeometry<2> },
    { K::Parent_get, [](C& c, const Args&, Result& r) { r.setObject(c.form() ? c.form()->formObject() : nullptr); return S_OK; } },
    { K::OnShow_get, GetEventString<C, K::OnShow> },
    { K::OnShow_let, PutEventString<C, K::OnShow> },
    { K::OnHide_get, GetEventString<C, K::OnHide> },
    { K::OnHide_let, PutEventString<C, K::OnHide> },
    { K::OnClick_get, GetEventString<C, K::OnClick> },
    { K::OnClick_let, PutEventString<C, K::OnClick> },
    { K::OnDoubleClick_get, GetEventString<C, K::OnDoubleClick> },
    { K::OnDoubleClick_let, PutEventString<C, K::OnDoubleClick> },
    { K::OnChange_get, GetEventString<C, K::OnChange> },
    { K::OnChange_let, PutEventString<C, K::OnChange> },
    { K::OnGotfocus_get, GetEventString<C, K::OnGotfocus> },
    { K::OnGotfocus_let, PutEventString<C, K::OnGotfocus> },
    { K::OnLostfocus_get, GetEventString<C, K::OnLostfocus> },
    { K::OnLostfocus_let, PutEventString<C, K::OnLostfocus> },
    { K::MoveResize, [](C& c, const Args& a, Result&) { return c.moveResize(a.lng(0), a.lng(1), a.lng(2), a.lng(3)); } },
    { K::Refresh, [](C& c, const Args&, Result&) { c.refresh(); return S_OK; } },
    { K::FontSize_get, ctl::GetFontSize },
    { K::FontSize_let, ctl::PutFontSize },
    { K::FontName_get, ctl::GetFontName },
    { K::FontName_let, ctl::PutFontName },
    { K::FontStyle_get, ctl::GetFontStyle },
    { K::FontStyle_let, ctl::PutFontStyle },
    { K::Enable_get, content_props::GetEnable, ForKinds(kEnables, VT_I4) },
    { K::Enable_let, content_props::PutEnable, ForKinds(kEnables) },
    { K::Locked_get, content_props::GetLocked, ForKinds(kLocks, VT_I4) },
    { K::Locked_let, content_props::PutLocked, ForKinds(kLocks) },
    { K::Caption_let, content_props::PutCaption, ForKinds(kCaptioned) },
    { K::Caption_get, content_props::GetCaption, ForKinds(kCaptioned, VT_BSTR) },
    { K::TextAlign_get, content_props::GetTextAlign, ForKinds(kAligned, VT_I4) },
    { K::TextAlign_let, content_props::PutTextAlign, ForKinds(kAligned) },
    { K::PasswordStyle_get, content_props::GetPasswordStyle, ForKinds(Kinds({kTextBox}), VT_I4) },
    { K::PasswordStyle_let, content_props::PutPasswordStyle, ForKinds(Kinds({kTextBox})) },
    { K::Value_let, content_props::PutValue, ForKinds(kChecked) },
    { K::Value_get, content_props::GetValue, ForKinds(kChecked, VT_I4) },
    { K::Text_let, content_props::PutText, ForKinds(kTexted) },
    { K::Text_get, content_props::GetText, ForKinds(kTexted, VT_BSTR) },
    { K::SetFocus, content_props::SetFocus, ForKinds(FocusTakers()) },
    { K::SetAsDefault, content_props::SetAsDefault, ForKinds(Kinds({kCmdButton})) },
    { K::ListIndex_let, ctl::PutListIndex, ForKinds(kLists) },
    { K::ListIndex_get, ctl::GetListIndex, ForKinds(kLists, VT_I4) },
    { K::Count_get, ctl::GetCount, ForKinds(kLists, VT_I4) },
    { K::Clear, ctl::Clear, ForKinds(kLists) },
    { K::Item, ctl::Item, ForKinds(kLists, VT_BSTR) },
    { K::AddItem, ctl::AddItem, ForKinds(kLists) },
    { K::RemoveItem, ctl::RemoveItem, ForKinds(kLists) },
    { K::AutoSort_let, ctl::PutAutoSort, ForKinds(kLists) },
    { K::AutoSort_get, ctl::GetAutoSort, ForKinds(kLists, VT_I4) },
    { K::MaxProgress_let, ctl::PutMaxProgress, ForKinds(kBars) },
    { K::MaxProgress_get, ctl::GetMaxProgress, ForKinds(kBars, VT_I4) },
    { K::CurrentProgress_let, ctl::PutCurrentProgress, ForKinds(kBars) },
    { K::CurrentProgress_get, ctl::GetCurrentProgress, ForKinds(kBars, VT_I4) },
    { K::ProgressBarStyle_let, ctl::PutProgressBarStyle, ForKinds(kBars) },
    { K::ProgressBarStyle_get, ctl::GetProgressBarStyle, ForKinds(kBars, VT_I4) },
    { K::SetAsCancel, content_props::SetAsCancel, ForKinds(Kinds({kCmdButton})) },
    { K::Anchor_get, [](C& c, const Args&, Result& r) { r.setText(AnchorLetters(c.anchor().edges)); return S_OK; } },
    { K::Anchor_let, PutAnchor },
    { K::ToolTip_get, [](C& c, const Args&, Result& r) { r.setText(c.toolTip()); return S_OK; } },
    { K::ToolTip_let, [](C& c, const Args& a, Result&) { SetToolTip(c, a.text(0)); return S_OK; } },
    { K::AccessibleName_get, [](C& c, const Args&, Result& r) { r.setText(c.accessibleName()); return S_OK; } },
    { K::AccessibleName_let, [](C& c, const Args& a, Result&) { SetAccessibleName(c, a.text(0)); return S_OK; } },
};
static_assert(BindsEveryMemberInOrder(kRows), "one row per member of the interface, in its order");
static_assert(FactsAreSound(K::facts), "a member has more parameters than Args holds, or no plain help");

const DispatchTable<C> kTable(K::facts, kRows);

}  // namespace

const DispatchTable<Control>& Control::members() { return kTable; }

}  // namespace mv
