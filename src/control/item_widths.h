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

    // A device context with `font` selected (the system font for null), to measure in;
    // null when none can be made. Kept while the font stays the same.
    HDC measuring(HFONT font) {
        if (!dc_) {
            dc_.reset(CreateCompatibleDC(nullptr));
            font_ = nullptr;
            selected_ = false;
        }
        if (dc_ && (!selected_ || font != font_)) {
            SelectObject(dc_.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
            font_ = font;
            selected_ = true;
        }
        return dc_.get();
    }
    // The font measured in is about to be deleted (or the list to go): the context lets
    // it go first, since a font selected into a context must not be deleted.
    void releaseFont() {
        if (dc_ && selected_) SelectObject(dc_.get(), GetStockObject(SYSTEM_FONT));
        selected_ = false;
        font_ = nullptr;
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
    HFONT font_ = nullptr;
    bool selected_ = false;
    long sent_ = 0;  // no extent sent yet
};

}  // namespace mv
