// IUnknown for a small object of its own (an enumerator): it answers IUnknown and one
// interface, counts as a live object of the library, and deletes itself at its last
// release.
#pragma once

#include <windows.h>

#include "com/module.h"
#include "com/query.h"

namespace mv {

template <typename I, const IID* Iid>
class LoneObject : public I, private CountedObject {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        return QueryFor(static_cast<I*>(this), iid, {&IID_IUnknown, Iid}, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG n = --refs_;
        if (n == 0) delete this;
        return n;
    }

protected:
    LoneObject() = default;
    virtual ~LoneObject() = default;

private:
    ULONG refs_ = 1;  // the creator's reference
};

}  // namespace mv
