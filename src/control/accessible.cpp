// The control's accessible object: the system's own, wrapped. Every call goes to the
// system's object except the name and the description of the control itself (not of a
// child element, such as a list's item), which come from the control's strings.
#include "control/accessible.h"

#include <oleacc.h>

#include <new>
#include <string>

#include "com/module.h"
#include "control/control.h"
#include "core/unique.h"

namespace mv {

namespace {

// The interface's id as oleacc.h declares it: the IID_IAccessible of the 64-bit import
// library here is not the one the system answers to (its objects then answer
// E_NOINTERFACE), so the id is taken from the declaration, never from that library.
bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT Text(const std::wstring& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

class NamedAccessible final : public IAccessible, CountedObject {
public:
    NamedAccessible(ComPtr<IAccessible> inner, std::wstring name, std::wstring description)
        : inner_(std::move(inner)), name_(std::move(name)), description_(std::move(description)) {}

    // IUnknown: the wrapper answers for IAccessible and IDispatch; the system's object for
    // what else it offers (IEnumVARIANT, IOleWindow, ...).
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return inner_->QueryInterface(iid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { return inner_->GetTypeInfoCount(n); }
    STDMETHODIMP GetTypeInfo(UINT i, LCID lcid, ITypeInfo** info) override { return inner_->GetTypeInfo(i, lcid, info); }
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT n, LCID lcid, DISPID* ids) override {
        return inner_->GetIDsOfNames(iid, names, n, lcid, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* info, UINT* arg) override {
        return inner_->Invoke(id, iid, lcid, flags, params, result, info, arg);
    }

    // IAccessible: the two answers of its own.
    STDMETHODIMP get_accName(VARIANT child, BSTR* out) override {
        return IsSelf(child) && !name_.empty() ? Text(name_, out) : inner_->get_accName(child, out);
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* out) override {
        return IsSelf(child) && !description_.empty() ? Text(description_, out) : inner_->get_accDescription(child, out);
    }

    // IAccessible: the system's answers.
    STDMETHODIMP get_accParent(IDispatch** out) override { return inner_->get_accParent(out); }
    STDMETHODIMP get_accChildCount(LONG* out) override { return inner_->get_accChildCount(out); }
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** out) override { return inner_->get_accChild(child, out); }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* out) override { return inner_->get_accValue(child, out); }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* out) override { return inner_->get_accRole(child, out); }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* out) override { return inner_->get_accState(child, out); }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* out) override { return inner_->get_accHelp(child, out); }
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return inner_->get_accHelpTopic(file, child, topic);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return inner_->get_accKeyboardShortcut(child, out);
    }
    STDMETHODIMP get_accFocus(VARIANT* out) override { return inner_->get_accFocus(out); }
    STDMETHODIMP get_accSelection(VARIANT* out) override { return inner_->get_accSelection(out); }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* out) override {
        return inner_->get_accDefaultAction(child, out);
    }
    STDMETHODIMP accSelect(LONG flags, VARIANT child) override { return inner_->accSelect(flags, child); }
    STDMETHODIMP accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT child) override {
        return inner_->accLocation(x, y, w, h, child);
    }
    STDMETHODIMP accNavigate(LONG dir, VARIANT start, VARIANT* out) override { return inner_->accNavigate(dir, start, out); }
    STDMETHODIMP accHitTest(LONG x, LONG y, VARIANT* out) override { return inner_->accHitTest(x, y, out); }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override { return inner_->accDoDefaultAction(child); }
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override { return inner_->put_accName(child, name); }
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override { return inner_->put_accValue(child, value); }

private:
    ~NamedAccessible() = default;

    LONG refs_ = 1;
    ComPtr<IAccessible> inner_;
    std::wstring name_;
    std::wstring description_;
};

}  // namespace

bool AnswerGetObject(Control& c, WPARAM wp, LONG object, LRESULT* answer) {
    if (object != OBJID_CLIENT || (c.accessibleName().empty() && c.toolTip().empty())) return false;
    ComPtr<IAccessible> standard;
    if (FAILED(CreateStdAccessibleObject(c.hwnd(), OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(standard.put()))) || !standard)
        return false;
    auto* named = new (std::nothrow) NamedAccessible(standard, c.accessibleName(), c.toolTip());
    if (!named) return false;
    *answer = LresultFromObject(__uuidof(IAccessible), wp, static_cast<IAccessible*>(named));
    named->Release();
    return *answer > 0;
}

void SetAccessibleName(Control& c, const std::wstring& name) {
    c.accessibleName() = name;
    if (HWND w = LiveWindow(c)) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, w, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace mv
