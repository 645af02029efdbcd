// Desktop: forms registry, form creation, window-to-object lookups.
#include "desktop/desktop.h"

#include <cmath>

#include "com/event_loop.h"
#include "control/control.h"
#include "core/diagnostics.h"
#include "core/dpi.h"
#include "core/visual_styles.h"
#include "core/window_class.h"
#include "form/form.h"
#include "form/form_shape.h"
#include "form/form_wndproc.h"
#include "version.h"
#include "window/form_class.h"
#include "window/message_pass.h"
#include "window/window_props.h"
#include "window/window_text.h"

namespace mv {

namespace {

// The apartment thread's most recent Desktop; each thread that makes Desktops has its own.
thread_local StaticRef<Desktop> t_current;
thread_local long t_desktops = 0;  // the thread's living Desktops

// The form class is the process's: registered while any Desktop lives, on any thread.
void DescribeForms(WNDCLASSEXW& wc) { DescribeFormClass(wc, kFormClassName, &FormWndProc); }
SharedWindowClass g_formClass{DescribeForms};

// Primary screen size in twips (at the display's logical resolution), divided by 15.
long ScreenTwipsBy15(int metric, int logPixels) {
    const WindowDc screen(nullptr);
    int dpi = screen ? GetDeviceCaps(screen.get(), logPixels) : 96;
    if (dpi <= 0) dpi = 96;
    double twips = GetSystemMetrics(metric) * 1440.0 / dpi;
    return static_cast<long>(std::floor(twips / 15.0));
}

}  // namespace

Desktop* CurrentDesktop() { return t_current.get(); }

void ReleaseIdleDesktop() {
    if (t_current && t_current->refs() == 1 && t_current->formCount() == 0) t_current.reset();
}

Desktop::Desktop() : forms_(std::make_shared<KeyedCollection>()) {}

ComPtr<Desktop> Desktop::Create() {
    ComPtr<Desktop> d = MakeObject<Desktop>();
    // The slot lets go of the previous Desktop, which ends once nothing else holds it. Its
    // forms hold it: one that has forms lives on until they are destroyed.
    t_current.reset(d.get());
    ++t_desktops;
    SetDebugFlag(false);
    SetVisualStylesOn(true);
    SetDpiAwareOn(true);
    g_formClass.addUser();  // a refusal is traced; CreateForm then makes no window
    InitControlLibrary();
    return d;
}

void Desktop::finalRelease() {
    closeAll();
    // The thread's last Desktop takes the thread's events with it.
    if (--t_desktops == 0) EndThreadEvents();
    // The class is the process's, not this Desktop's: while another Desktop lives (the
    // script made a new one before letting this one go, or another thread has one), its
    // forms still need it.
    g_formClass.dropUser();
}

std::wstring Desktop::version(bool infoEx) {
    // Minor and revision run together: 1.1.42 reads "1.142".
    std::wstring text = std::to_wstring(MORVANE_VERSION_MAJOR) + L"." + std::to_wstring(MORVANE_VERSION_MINOR) +
                        std::to_wstring(MORVANE_VERSION_REVISION);
    if (infoEx) {
        ShowMessageBox(nullptr,
                       L"Questions, ideas and reports about Morvane are welcome.\n"
                       L"Please send them, with the script that shows the problem, to:\n"
                       L"morvane@users.noreply.example.org\n"
                       L"\n"
                       L"Morvane, by the Morvane developers",
                       L"Informations", MB_ICONINFORMATION | MB_OK);
    }
    return text;
}

long Desktop::count() {
    long n = static_cast<long>(forms_->count());
    DoEvents();
    return n;
}

long Desktop::height() const { return ScreenTwipsBy15(SM_CYSCREEN, LOGPIXELSY); }
long Desktop::width() const { return ScreenTwipsBy15(SM_CXSCREEN, LOGPIXELSX); }

IDispatch* Desktop::lookupForm(const VARIANT& nameOrPosition) const { return forms_->lookup(nameOrPosition); }

HRESULT Desktop::newEnum(IUnknown** out) const { return KeyedCollection::NewEnum(forms_, out); }

ComPtr<Form> Desktop::createForm(const std::wstring& name, const std::wstring& caption, long left,
                                 long top, long width, long height) {
    if (forms_->byKey(name)) return {};
    // A form created per-monitor aware takes positions at the desktop-wide factor, and is
    // made at the system's resolution, then sized again for the DPI of the monitor it
    // opened on (form_shape.h).
    const bool scaled = DpiAwareOn();
    const UINT dpi = scaled ? DesktopDpi() : kUnitDpi;
    auto position = [dpi](long v) { return v == CW_USEDEFAULT ? v : UnitsToPixels(v, dpi); };
    HWND hwnd = CreateWindowWithText(0, kFormClassName, caption, WS_OVERLAPPEDWINDOW, position(left), position(top),
                                     UnitsToPixels(width, dpi), UnitsToPixels(height, dpi), nullptr);
    if (reinterpret_cast<LONG_PTR>(hwnd) <= 0) return {};

    ComPtr<Form> form = Form::Create();
    form->SetFormName(name);
    form->SetFormDesktop(this);
    form->AttachFormWindow(hwnd, scaled);
    form_shape::SizeForOwnDpi(*form.get(), width, height, dpi);
    if (!forms_->add(name, form->dispatch())) {
        ShowError(L"Error in adding object " + name, L"Addform method");
        return {};
    }
    SetWindowValue(hwnd, prop::kPosition, static_cast<LONG_PTR>(forms_->count()));
    return form;
}

void Desktop::closeAll() {
    ComPtr<IDispatch> keep(dispatch());
    // Forms leave the registry while the walk runs (and window procedures may remove
    // others meanwhile): walk a copy of the registry as it was at the start.
    std::vector<ComPtr<Form>> all;
    for (size_t i = 1; i <= forms_->count(); ++i)
        all.emplace_back(static_cast<Form*>(forms_->byPosition(static_cast<long>(i))));
    for (ComPtr<Form>& f : all) f->DestroyForm();
}

bool Desktop::anyFormShown() const {
    for (size_t i = 1; i <= forms_->count(); ++i)
        if (IsWindowVisible(static_cast<Form*>(forms_->byPosition(static_cast<long>(i)))->hwnd())) return true;
    return false;
}

long Desktop::waitEvents(long milliseconds) {
    ComPtr<IDispatch> keep(dispatch());  // a sink may drop the script's last reference
    const unsigned long strings = EventStringsPosted();
    long answer = kWaitTimeUp;
    WaitFor until;
    until.pass = &DoEvents;
    until.done = [&] {
        if (!anyFormShown()) answer = kWaitNoFormShown;
        else if (EventStringsPosted() != strings) answer = kWaitEventString;
        return answer != kWaitTimeUp;
    };
    until.milliseconds = milliseconds < 0 ? INFINITE : static_cast<DWORD>(milliseconds);
    WaitForEvents(until);
    return answer;
}

void Desktop::RemoveForm(const std::wstring& key) {
    ComPtr<IDispatch> keep(dispatch());
    forms_->remove(key);
    for (size_t i = 1; i <= forms_->count(); ++i) {
        auto* f = static_cast<Form*>(forms_->byPosition(static_cast<long>(i)));
        SetWindowValue(f->hwnd(), prop::kPosition, static_cast<LONG_PTR>(i));
    }
}

}  // namespace mv
