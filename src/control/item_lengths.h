// The lengths of the items a list or combo box holds, kept beside the window so that the
// longest one is known after a removal without reading every remaining item back.
// Lengths are counted as Item returns the text: UTF-16 characters of the item up to its
// first NUL.
#pragma once

#include <map>

namespace mv {

class ItemLengths {
public:
    void add(long length) { ++counts_[length]; }
    void remove(long length) {
        auto it = counts_.find(length);
        if (it != counts_.end() && --it->second == 0) counts_.erase(it);
    }
    void clear() { counts_.clear(); }
    // The longest length held; 0 when there is none.
    long longest() const { return counts_.empty() ? 0 : counts_.rbegin()->first; }

private:
    std::map<long, long> counts_;  // length -> number of items of that length
};

}  // namespace mv
