// Keyed collection and its enumerator.
#include "com/keyed_collection.h"

#include <cmath>

#include "com/lone_object.h"
#include "core/hresult.h"
#include "core/text.h"

namespace mv {

namespace {

std::wstring folded(const std::wstring& key) {
    std::wstring f = key;
    FoldCase(f);
    return f;
}

// Enumerator over a shared collection, in the manner of a scripting collection: it holds
// the collection and a position, so entries removed meanwhile are simply not seen.
class CollectionEnum final : public LoneObject<IEnumVARIANT, &IID_IEnumVARIANT> {
public:
    CollectionEnum(std::shared_ptr<KeyedCollection> coll, size_t pos)
        : coll_(std::move(coll)), pos_(pos) {}

    HRESULT STDMETHODCALLTYPE Next(ULONG celt, VARIANT* out, ULONG* fetched) override {
        if (!out) RETURN_HR(E_POINTER);
        ULONG got = 0;
        while (got < celt && pos_ < coll_->count()) {
            VariantInit(&out[got]);
            IDispatch* item = coll_->byPosition(static_cast<long>(++pos_));
            V_VT(&out[got]) = VT_DISPATCH;
            V_DISPATCH(&out[got]) = item;
            if (item) item->AddRef();
            ++got;
        }
        if (fetched) *fetched = got;
        return got == celt ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG celt) override {
        size_t left = coll_->count() > pos_ ? coll_->count() - pos_ : 0;
        size_t step = celt < left ? celt : left;
        pos_ += step;
        return step == celt ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override { pos_ = 0; return S_OK; }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override {
        if (!out) RETURN_HR(E_POINTER);
        try {
            *out = new CollectionEnum(coll_, pos_);
            return S_OK;
        }
        CATCH_RETURN()
    }

private:
    std::shared_ptr<KeyedCollection> coll_;
    size_t pos_;
};

}  // namespace

bool KeyedCollection::add(const std::wstring& key, IDispatch* item) {
    std::wstring f = folded(key);
    if (index_.count(f)) return false;
    index_.emplace(f, entries_.size());
    entries_.push_back({std::move(f), ComPtr<IDispatch>(item)});
    return true;
}

bool KeyedCollection::remove(const std::wstring& key) {
    auto it = index_.find(folded(key));
    if (it == index_.end()) return false;
    size_t at = it->second;
    index_.erase(it);
    ComPtr<IDispatch> gone = std::move(entries_[at].item);  // released after the bookkeeping
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
    for (size_t i = at; i < entries_.size(); ++i) index_[entries_[i].folded] = i;
    return true;
}

IDispatch* KeyedCollection::byKey(const std::wstring& key) const {
    auto it = index_.find(folded(key));
    return it == index_.end() ? nullptr : entries_[it->second].item.get();
}

IDispatch* KeyedCollection::byPosition(long position) const {
    if (position < 1 || static_cast<size_t>(position) > entries_.size()) return nullptr;
    return entries_[static_cast<size_t>(position - 1)].item.get();
}

IDispatch* KeyedCollection::lookup(const VARIANT& keyOrPosition) const {
    const VARIANT* v = &keyOrPosition;
    if (V_VT(v) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(v)) v = V_VARIANTREF(v);
    if (V_VT(v) == VT_BSTR) return byKey(ToWide(V_BSTR(v)));
    if (V_VT(v) == (VT_BYREF | VT_BSTR) && V_BSTRREF(v)) return byKey(ToWide(*V_BSTRREF(v)));
    switch (V_VT(v) & ~VT_BYREF) {
    case VT_I1: case VT_I2: case VT_I4: case VT_I8: case VT_INT:
    case VT_UI1: case VT_UI2: case VT_UI4: case VT_UI8: case VT_UINT:
    case VT_R4: case VT_R8: case VT_CY: case VT_DECIMAL: case VT_BOOL: {
        VARIANT n;
        VariantInit(&n);
        if (FAILED(VariantChangeType(&n, const_cast<VARIANT*>(v), 0, VT_I4))) return nullptr;
        return byPosition(V_I4(&n));
    }
    default:
        return nullptr;
    }
}

std::vector<ComPtr<IDispatch>> KeyedCollection::takeAll() {
    std::vector<ComPtr<IDispatch>> items;
    items.reserve(entries_.size());
    for (Entry& e : entries_) items.push_back(std::move(e.item));
    entries_.clear();
    index_.clear();
    return items;
}

HRESULT KeyedCollection::NewEnum(const std::shared_ptr<KeyedCollection>& self, IUnknown** out) {
    if (!out) RETURN_HR(E_POINTER);
    *out = new CollectionEnum(self, 0);
    return S_OK;
}

}  // namespace mv
