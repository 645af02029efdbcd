// Test helpers that drive the library the way a script host does, with late-bound
// objects as script variables: members are called by name through IDispatch
// (GetIDsOfNames, then Invoke), arguments passed by value as JScript passes them.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>
#include <vector>

#include "core/desktop.h"
#include "core/unique.h"
#include "form/form.h"
#include "late_bound.h"

namespace mvtest {

using mv::ComPtr;

// One argument as JScript passes it (by value).
using test::Arg;

// A late-bound object: what a script variable holding a Morvane object is.
class Obj {
public:
    Obj() = default;
    explicit Obj(IDispatch* d) : d_(d) {}
    IDispatch* get() const { return d_.get(); }
    explicit operator bool() const { return d_.get() != nullptr; }

    // Invokes `name` with `flags` and returns the HRESULT of the call; the answer goes to
    // *result when it is not null.
    HRESULT invoke(const wchar_t* name, WORD flags, std::vector<Arg> args, VARIANT* result) const {
        if (!d_) return E_POINTER;
        LPOLESTR n = const_cast<LPOLESTR>(name);
        DISPID id = 0;
        HRESULT hr = d_->GetIDsOfNames(IID_NULL, &n, 1, LOCALE_USER_DEFAULT, &id);
        if (FAILED(hr)) return hr;
        std::vector<VARIANT> reversed;
        for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(it->get());
        DISPID put = DISPID_PROPERTYPUT;
        DISPPARAMS p{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        if (flags & DISPATCH_PROPERTYPUT) {
            p.rgdispidNamedArgs = &put;
            p.cNamedArgs = 1;
        }
        EXCEPINFO ex{};
        UINT argErr = 0;
        hr = d_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &p, result, &ex, &argErr);
        SysFreeString(ex.bstrSource);
        SysFreeString(ex.bstrDescription);
        SysFreeString(ex.bstrHelpFile);
        return hr;
    }

    // The result of a call (a method, or a property read), as a variant.
    Arg call(const wchar_t* name, std::vector<Arg> args = {}) const {
        Arg r;
        invoke(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::move(args), &r.get());
        return r;
    }
    Obj obj(const wchar_t* name, std::vector<Arg> args = {}) const {
        Arg r = call(name, std::move(args));
        return Obj(V_VT(&r.get()) == VT_DISPATCH ? V_DISPATCH(&r.get()) : nullptr);
    }
    long num(const wchar_t* name, std::vector<Arg> args = {}) const {
        Arg r = call(name, std::move(args));
        if (FAILED(VariantChangeType(&r.get(), &r.get(), 0, VT_I4))) return -12345678;
        return V_I4(&r.get());
    }
    std::wstring str(const wchar_t* name, std::vector<Arg> args = {}) const {
        Arg r = call(name, std::move(args));
        if (FAILED(VariantChangeType(&r.get(), &r.get(), 0, VT_BSTR))) return L"<not a string>";
        return std::wstring(V_BSTR(&r.get()), SysStringLen(V_BSTR(&r.get())));
    }
    HRESULT put(const wchar_t* name, Arg value) const {
        return invoke(name, DISPATCH_PROPERTYPUT, {std::move(value)}, nullptr);
    }

    HWND hwnd() const { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(num(L"hwnd"))); }

private:
    ComPtr<IDispatch> d_;
};

// A Desktop created in-process, as `new ActiveXObject("Morvane.Desktop")` would.
struct Session {
    ComPtr<mv::Desktop> desktop = mv::Desktop::Create();
    Obj script{desktop->dispatch()};

    // CreateForm(name, caption, left, top, width, height)
    Obj form(const wchar_t* name, long left = 100, long top = 100, long width = 400, long height = 300) const {
        return script.obj(L"CreateForm", {name, name, left, top, width, height});
    }
    ~Session() {
        script.call(L"CloseAll");
    }
};

// The form object behind a late-bound form.
inline mv::Form* FormOf(const Obj& form) { return static_cast<mv::Form*>(form.get()); }

// Processes every pending message, as the library's own message pass does.
inline void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Pumps messages for a while: lets input that travels through the X server arrive.
inline void PumpFor(DWORD ms) {
    DWORD end = GetTickCount() + ms;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        Pump();
        MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    Pump();
}

// Dispatches what is pending and empties the form's pending event.
inline void Drain(const Obj& form) {
    Pump();
    FormOf(form)->SetLastEvent(L"");
}

// Reads LastEvent as a script does, but gives up after `ms`: a thread timer then posts
// "<timeout>" to the form, which ends the wait like any event.
std::wstring LastEventWithin(const Obj& form, DWORD ms = 3000);

}  // namespace mvtest
