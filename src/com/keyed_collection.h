// An ordered collection of automation objects under string keys that compare without
// regard to letter case, with 1-based positions in insertion order. Lookups by key and by
// position take constant time: the entries sit in a vector and a hash map gives each
// folded key its index. Removing an entry moves every later one down by one (and
// re-indexes them), as the forms registry needs; the controls collection only grows.
// The collection holds a counted reference to each object. Enumerators share it.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/unique.h"

namespace mv {

class KeyedCollection {
public:
    size_t count() const { return entries_.size(); }

    // False when the key is taken (letter case ignored).
    bool add(const std::wstring& key, IDispatch* item);
    bool remove(const std::wstring& key);

    IDispatch* byKey(const std::wstring& key) const;  // borrowed; null when absent
    IDispatch* byPosition(long position) const;       // 1-based; null outside 1..count
    // A string is a key, a number a position, anything else finds nothing.
    IDispatch* lookup(const VARIANT& keyOrPosition) const;

    // Takes every entry out at once, for teardown.
    std::vector<ComPtr<IDispatch>> takeAll();

    // An IEnumVARIANT over the collection as it is when items are fetched.
    static HRESULT NewEnum(const std::shared_ptr<KeyedCollection>& self, IUnknown** out);

private:
    struct Entry {
        std::wstring folded;
        ComPtr<IDispatch> item;
    };
    std::vector<Entry> entries_;
    std::unordered_map<std::wstring, size_t> index_;
};

}  // namespace mv
