// The window procedures' control cache and event posting.
#include "form/control_cache.h"

#include "form/window_objects.h"
#include "form/form.h"

namespace mv {

ComPtr<Control> ControlCache::find(HWND hwnd) {
    if (!entry_ || entry_->hwnd() != hwnd) entry_.reset(ControlOfWindow(hwnd).get());
    return ComPtr<Control>(entry_.get());
}

void ControlCache::forgetForm(HWND formWindow) {
    if (entry_ && entry_->form() && entry_->form()->formWindow() == formWindow) {
        ComPtr<Control> gone = entry_.take();  // released after the slot is empty: the release may end it
    }
}

void PostControlEvent(const ComPtr<Control>& c, std::wstring ControlEvents::*field) {
    if (c) c->Raise(field);
}

}  // namespace mv
