// Control object core: attachment to its window and form, and event hand-over.
#include "control/control.h"

#include <uxtheme.h>

#include "core/os_level.h"
#include "core/property_table.h"
#include "form/form.h"
#include "window/window_props.h"

namespace mv {

HRESULT Control::AttachWindow(HWND hwnd) {
    hwnd_ = hwnd;
    kind_ = static_cast<long>(GetWindowValue(hwnd, prop::kKind));
    const wchar_t* themeClasses = KindThemeClasses(kind_);
    if (!themeClasses) return DISP_E_BADINDEX;  // a kind outside the table
    if (GetOsLevel() > 5 && *themeClasses) theme_.reset(OpenThemeData(hwnd, themeClasses));
    return S_OK;
}

void Control::SetParentForm(Form* form) { form_ = ComPtr<Form>(form); }

void Control::FireEvent(const std::wstring& event) {
    if (form_) form_->SetLastEvent(event);
}

void Control::countDropped(ULONG refs) {
    if (refs == 1 && form_) form_->collectIfUnreachable();  // may end this object
}

void Control::ForgetParent() { form_.reset(); }

}  // namespace mv
