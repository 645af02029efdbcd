// The widths of the items a list box holds, in pixels of its font, kept beside the window
// so that the widest one is known after a removal without measuring every remaining
// item again.
#pragma once

#include <map>

namespace mv {

class ItemWidths {
public:
    void add(long width) { ++counts_[width]; }
    void remove(long width) {
        auto it = counts_.find(width);
        if (it != counts_.end() && --it->second == 0) counts_.erase(it);
    }
    void clear() { counts_.clear(); }
    // The widest width held; 0 when there is none.
    long widest() const { return counts_.empty() ? 0 : counts_.rbegin()->first; }

private:
    std::map<long, long> counts_;  // width -> number of items of that width
};

}  // namespace mv
