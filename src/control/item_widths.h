// The widths of the items a list box holds, in pixels of its font, kept beside the window
// so that the widest one is known after a removal without measuring every remaining
// item again; the memory device context they are measured in, kept with the list's font
// selected while that font stays the same; and the scrolling extent last sent, so that
// the list is sent a new one only when it changes.
#pragma once

#include <windows.h>

#include <map>

#include "core/unique.h"

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

    // A device context with the list's font selected (the system font when it has none),
    // to measure in; null when none can be made. The font is asked of the list once, and
    // kept until the list's font changes (releaseFont).
    HDC measuring(HWND list) {
        if (!dc_) {
            dc_.reset(CreateCompatibleDC(nullptr));
            selected_ = false;
        }
        if (dc_ && !selected_) {
            const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0));
            SelectObject(dc_.get(), font ? font : GetStockObject(SYSTEM_FONT));
            selected_ = true;
        }
        return dc_.get();
    }
    // The list's font changes (its old one may be deleted next, or the list go): the
    // context lets it go first, since a font selected into a context must not be deleted.
    void releaseFont() {
        if (dc_ && selected_) SelectObject(dc_.get(), GetStockObject(SYSTEM_FONT));
        selected_ = false;
    }
    void releaseContext() {
        releaseFont();
        dc_.reset();
    }

    // True when `extent` is not the one last sent, which it now is.
    bool extentChanges(long extent) {
        if (extent == sent_) return false;
        sent_ = extent;
        return true;
    }

private:
    std::map<long, long> counts_;  // width -> number of items of that width
    UniqueMemoryDc dc_;
    bool selected_ = false;  // the list's font is selected into dc_
    long sent_ = 0;  // no extent sent yet
};

}  // namespace mv
