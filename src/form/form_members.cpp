// The form's automation surface: one row per member of _clsDefForm, in its order (get
// before let), with the handler that does the work; each member's dispatch id,
// parameters, defaults and help come from morvane.idl (the generated facts).
#include "form/form.h"

#include "form/add_controls.h"
#include "form/form_resize.h"
#include "form/form_services.h"
#include "form/form_shape.h"
#include "form/dialog_keys.h"
#include "form/shortcut_keys.h"

namespace mv {

namespace {

using F = Form;
using K = idl::clsDefForm;  // the members' keys, in the order of _clsDefForm in morvane.idl

// Kept on the form window, where the window procedures read it; a destroyed form has none.
HRESULT GetDialogKeys(F& f, const Args&, Result& r) {
    r.setLong(!f.destroyed() && DialogKeysOn(f.hwnd()) ? 1 : 0);
    return S_OK;
}

HRESULT PutDialogKeys(F& f, const Args& a, Result&) {
    if (f.destroyed()) return S_OK;
    SetDialogKeys(f.hwnd(), a.lng(0) != 0);
    ShowLabelShortcuts(f.hwnd());
    return S_OK;
}

constexpr Member<F> kRows[] = {
    { K::hwnd_get, GetWindowHandle<F> },
    { K::name_get, [](F& f, const Args&, Result& r) { r.setText(f.name()); return S_OK; } },
    { K::Caption_get, form_shape::GetCaption },
    { K::Caption_let, form_shape::PutCaption },
    { K::Visible_get, [](F& f, const Args&, Result& r) { r.setLong(f.visible()); return S_OK; } },
    { K::Visible_let, [](F& f, const Args& a, Result&) { f.setVisible(a.lng(0)); return S_OK; } },
    { K::Layered_get, form_shape::GetLayered },
    { K::Layered_let, form_shape::PutLayered },
    { K::WindowState_get, form_shape::GetWindowState },
    { K::WindowState_let, form_shape::PutWindowState },
    { K::Enable_get, form_shape::GetEnable },
    { K::Enable_let, form_shape::PutEnable },
    { K::Moveable_get, form_shape::GetMoveable },
    { K::Moveable_let, form_shape::PutMoveable },
    { K::HwndOwner_get, form_shape::GetHwndOwner },
    { K::HwndOwner_let, form_shape::PutHwndOwner },
    { K::MousePointer_get, form_shape::GetMousePointer },
    { K::MousePointer_let, form_shape::PutMousePointer },
    { K::ChangeSysMenu, form_shape::ChangeSysMenu },
    { K::TitleBar_get, form_shape::GetTitleBar },
    { K::TitleBar_let, form_shape::PutTitleBar },
    { K::ShowInTaskbar_get, form_shape::GetShowInTaskbar },
    { K::ShowInTaskbar_let, form_shape::PutShowInTaskbar },
    { K::Resizeable_get, form_shape::GetResizeable },
    { K::Resizeable_let, form_shape::PutResizeable },
    { K::TopMost_get, form_shape::GetTopMost },
    { K::TopMost_let, form_shape::PutTopMost },
    { K::Left_get, form_shape::GetLeft },
    { K::Left_let, form_shape::PutLeft },
    { K::Top_get, form_shape::GetTop },
    { K::Top_let, form_shape::PutTop },
    { K::Height_get, form_shape::GetHeight },
    { K::Height_let, form_shape::PutHeight },
    { K::Width_get, form_shape::GetWidth },
    { K::Width_let, form_shape::PutWidth },
    { K::OnShow_get, GetEventString<F, K::OnShow> },
    { K::OnShow_let, PutEventString<F, K::OnShow> },
    { K::OnHide_get, GetEventString<F, K::OnHide> },
    { K::OnHide_let, PutEventString<F, K::OnHide> },
    { K::OnGotfocus_get, GetEventString<F, K::OnGotfocus> },
    { K::OnGotfocus_let, PutEventString<F, K::OnGotfocus> },
    { K::OnLostfocus_get, GetEventString<F, K::OnLostfocus> },
    { K::OnLostfocus_let, PutEventString<F, K::OnLostfocus> },
    { K::LastEvent_get, [](F& f, const Args&, Result& r) { r.setText(f.lastEvent()); return S_OK; } },
    { K::Parent_get, [](F& f, const Args&, Result& r) { r.setObject(f.desktop() ? f.desktop()->desktopObject() : nullptr); return S_OK; } },
    { K::NewEnum_get,
      [](F& f, const Args&, Result& r) {
          IUnknown* e = nullptr;
          RETURN_IF_FAILED(KeyedCollection::NewEnum(f.controlsShared(), &e));
          r.setUnknown(e);
          e->Release();
          return S_OK;
      } },
    { K::controls, [](F& f, const Args& a, Result& r) { r.setObject(f.controls().lookup(a.var(0))); return S_OK; } },
    { K::Count_get, [](F& f, const Args&, Result& r) { r.setLong(static_cast<long>(f.controls().count())); return S_OK; } },
    { K::ShowMsgBox, form_services::ShowMsgBox },
    { K::AddProgressBar, AddKind<kProgressBar> },
    { K::AddCmdButton, AddKind<kCmdButton> },
    { K::AddLabel, AddKind<kLabel> },
    { K::AddTextbox, AddKind<kTextBox> },
    { K::AddComboBox, AddKind<kComboBox> },
    { K::AddListBox, AddKind<kListBox> },
    { K::AddFrame, AddKind<kFrame> },
    { K::AddImage, AddKind<kImage> },
    { K::AddOptionBox, AddKind<kOptionBox> },
    { K::AddCheckBox, AddKind<kCheckBox> },
    { K::MoveResize, form_shape::MoveResize },
    { K::Refresh, form_shape::Refresh },
    { K::SetFocus, form_shape::SetFocus },
    { K::ShowFolderBrowser, form_services::ShowFolderBrowser },
    { K::ShowFileBrowserOpen, form_services::ShowFileBrowserOpen },
    { K::ShowFileBrowserSave, form_services::ShowFileBrowserSave },
    { K::CopyFilePB, form_services::CopyFilePB },
    { K::MoveFilePB, form_services::MoveFilePB },
    { K::RecycleFilePB, form_services::RecycleFilePB },
    { K::DialogKeys_get, GetDialogKeys },
    { K::DialogKeys_let, PutDialogKeys },
    { K::PendingEvent_get, [](F& f, const Args&, Result& r) { r.setText(f.pendingEvent()); return S_OK; } },
    { K::MinWidth_get, form_resize::GetMinWidth },
    { K::MinWidth_let, form_resize::PutMinWidth },
    { K::MinHeight_get, form_resize::GetMinHeight },
    { K::MinHeight_let, form_resize::PutMinHeight },
    { K::OnResize_get, GetEventString<F, K::OnResize> },
    { K::OnResize_let, PutEventString<F, K::OnResize> },
};
static_assert(BindsEveryMemberInOrder(kRows), "one row per member of the interface, in its order");
static_assert(FactsAreSound(K::facts), "a member has more parameters than Args holds, or no plain help");

const DispatchTable<F> kTable(K::facts, kRows);

}  // namespace

const DispatchTable<Form>& Form::members() { return kTable; }

}  // namespace mv
