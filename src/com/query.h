// QueryInterface for objects that answer a short list of interfaces with one pointer.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <initializer_list>

namespace mv {

// Answers *out with `self` (AddRef'd) when iid is one of `iids`.
template <typename I>
HRESULT QueryFor(I* self, REFIID iid, std::initializer_list<const IID*> iids, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    for (const IID* candidate : iids) {
        if (IsEqualIID(iid, *candidate)) {
            *out = self;
            self->AddRef();
            return S_OK;
        }
    }
    return E_NOINTERFACE;
}

}  // namespace mv
