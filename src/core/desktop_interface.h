// The dual interface _Desktop as the type library describes it: the IDispatch methods,
// then the Desktop members in table order, every parameter by reference.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace mv {

struct IDesktopDual : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Version(VARIANT_BOOL* InfoEx, BSTR* result) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DebugOption(long* result) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DebugOption(long* nNewDebugOption) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Height(long* result) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Width(long* result) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_NewEnum(IUnknown** result) = 0;
    virtual HRESULT STDMETHODCALLTYPE forms(VARIANT* vItemName, IDispatch** result) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Count(long* result) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateForm(BSTR* sfrName, BSTR* sFrCaption, long* nleft,
                                                 long* nTop, long* nWidth, long* nHeight,
                                                 IDispatch** result) = 0;
    virtual HRESULT STDMETHODCALLTYPE CloseAll() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_VisualStyles(long* result) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_VisualStyles(long* nNewVisualStyles) = 0;
};

}  // namespace mv
