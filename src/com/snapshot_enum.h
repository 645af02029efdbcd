// Enumerators over a list taken when they are made (IEnumConnections of a connection point,
// IEnumConnectionPoints of a container): later changes to the list are not seen. Each
// item holds a counted reference; every item handed out carries one more for the caller.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <memory>
#include <utility>
#include <vector>

#include "com/lone_object.h"
#include "core/hresult.h"

namespace mv {

inline IUnknown* HeldUnknown(const CONNECTDATA& c) { return c.pUnk; }
inline IUnknown* HeldUnknown(IConnectionPoint* p) { return p; }

// The items, each holding its reference, shared by an enumerator and its clones.
template <typename Item>
class HeldItems {
public:
    explicit HeldItems(std::vector<Item> items) : items_(std::move(items)) {
        for (const Item& i : items_) HeldUnknown(i)->AddRef();
    }
    ~HeldItems() {
        for (const Item& i : items_) HeldUnknown(i)->Release();
    }
    HeldItems(const HeldItems&) = delete;
    HeldItems& operator=(const HeldItems&) = delete;
    const std::vector<Item>& items() const { return items_; }

private:
    std::vector<Item> items_;
};

template <typename IEnum, typename Item, const IID* EnumIid>
class SnapshotEnum final : public LoneObject<IEnum, EnumIid> {
public:
    using Items = std::shared_ptr<const HeldItems<Item>>;

    // A new enumerator holding one reference, for the caller.
    static IEnum* Create(std::vector<Item> items) {
        return new SnapshotEnum(std::make_shared<const HeldItems<Item>>(std::move(items)), 0);
    }

    HRESULT STDMETHODCALLTYPE Next(ULONG count, Item* out, ULONG* fetched) override {
        if (!out || (count > 1 && !fetched)) RETURN_HR(E_POINTER);
        const std::vector<Item>& all = items_->items();
        ULONG got = 0;
        for (; got < count && pos_ < all.size(); ++got, ++pos_) {
            out[got] = all[pos_];
            HeldUnknown(out[got])->AddRef();
        }
        if (fetched) *fetched = got;
        return got == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        const size_t left = items_->items().size() - pos_;
        const size_t step = count < left ? count : left;
        pos_ += step;
        return step == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        pos_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnum** out) override {
        if (!out) RETURN_HR(E_POINTER);
        try {
            *out = new SnapshotEnum(items_, pos_);
            return S_OK;
        }
        CATCH_RETURN()
    }

private:
    SnapshotEnum(Items items, size_t pos) : items_(std::move(items)), pos_(pos) {}
    Items items_;
    size_t pos_;
};

using ConnectionsEnum = SnapshotEnum<IEnumConnections, CONNECTDATA, &IID_IEnumConnections>;
using ConnectionPointsEnum = SnapshotEnum<IEnumConnectionPoints, IConnectionPoint*, &IID_IEnumConnectionPoints>;

}  // namespace mv
