// List boxes and combo boxes: selection, count, clearing, reading, adding and removing
// items, and sorting: each item added goes where AutoSort says at that moment (the end,
// or its alphabetical place). A list box also gets a horizontal scrolling extent as wide
// as its widest item measured in its own font, so its scroll bar appears when an item is
// wider than the box; combo boxes never get one. Items cross as UTF-16 text, so they hold
// any character.
//
// The extent after a removal is the widest remaining item's. The object keeps the widths
// of the items the window holds (ItemWidths), so a removal costs the same whatever the
// length of the list instead of measuring every item again.
#include "control/list_ops.h"

#include <cwchar>

#include "control/control.h"
#include "core/dpi.h"
#include "core/unique.h"
#include "window/message_pass.h"
#include "window/style_bits.h"

namespace mv {

namespace {

// Room beside the text of an item, in 96-DPI units: the box draws its items a little
// inside their rectangle.
constexpr long kItemMargin = 4;

// The width of the text the box stores for the item (up to the first NUL, as Item reads
// it back) in the box's font; 0 for a list that is not measured.
// A list box is measured; a combo box never gets a scrolling extent.
bool MeasuresItems(const Control& c) { return c.record().list && c.record().list->measuresItems; }

long TextWidth(const Control& c, HDC dc, const std::wstring& item) {
    if (!MeasuresItems(c) || !dc) return 0;
    SIZE size{};
    GetTextExtentPoint32W(dc, item.c_str(), static_cast<int>(std::wcslen(item.c_str())), &size);
    return size.cx;
}

// The context the list's items are measured in, with the list's font selected: kept by
// the list (ItemWidths) while its font stays the same.
HDC MeasuringDc(Control& c, HWND w) { return MeasuresItems(c) && w ? c.itemWidths().measuring(w) : nullptr; }
HDC MeasuringDc(Control& c) { return MeasuringDc(c, LiveWindow(c)); }

// LB_SETHORIZONTALEXTENT for the widest item held (1 when none), sent to the list's
// window `w` only when it is not the extent the list has.
void SetExtent(Control& c, HWND w) {
    const long widest = c.itemWidths().widest();
    const long extent = widest > 0 ? widest + UnitsToPixels(kItemMargin, c.windowDpi()) : 1;
    if (w && c.itemWidths().extentChanges(extent))
        SendMessageW(w, c.record().list->message[kListExtent], static_cast<WPARAM>(extent), 0);
}
void SetExtent(Control& c) {
    if (MeasuresItems(c)) SetExtent(c, LiveWindow(c));
}

LONG SortBit(const Control& c) { return c.record().list ? c.record().list->sortBit : 0; }

// True while AutoSort is 1, read without a message pass: nothing runs between this and
// the message that adds the item.
bool SortsNow(HWND w, const Control& c) { return (GetWindowLongW(w, GWL_STYLE) & SortBit(c)) != 0; }

}  // namespace

LRESULT SendListMessage(const Control& c, ListOp op, WPARAM wp, LPARAM lp) {
    const UINT msg = c.record().list ? c.record().list->message[op] : 0;
    HWND w = LiveWindow(c);
    if (msg == 0 || !w) return 0;
    return SendMessageW(w, msg, wp, lp);
}

bool ReadListItem(const Control& c, long index, std::wstring* text) {
    text->clear();
    const WPARAM at = static_cast<WPARAM>(index);
    LRESULT length = SendListMessage(c, kListTextLength, at, 0);
    if (length < 0) return false;  // outside the list
    // Asked first, so an item of any length is read whole; the control may report more
    // than it then writes, never less.
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    LRESULT n = SendListMessage(c, kListText, at, reinterpret_cast<LPARAM>(buffer.data()));
    if (n > 0) *text = buffer.substr(0, static_cast<size_t>(n < length ? n : length));
    return n >= 0;
}

namespace ctl {

HRESULT PutListIndex(Control& c, const Args& a, Result&) {
    if (LiveWindow(c)) SendListMessage(c, kListSelect, static_cast<WPARAM>(a.lng(0)), 0);
    return S_OK;
}

HRESULT GetListIndex(Control& c, const Args&, Result& r) {
    r.setLong(LiveWindow(c) ? static_cast<long>(SendListMessage(c, kListSelection, 0, 0)) : 0);
    return S_OK;
}

// Count also lets the waiting window messages through, once.
HRESULT GetCount(Control& c, const Args&, Result& r) {
    long count = 0;
    if (LiveWindow(c)) {
        count = static_cast<long>(SendListMessage(c, kListCount, 0, 0));
        DoEvents();
    }
    r.setLong(count);
    return S_OK;
}

HRESULT Clear(Control& c, const Args&, Result&) {
    if (!LiveWindow(c)) return S_OK;
    SendListMessage(c, kListReset, 0, 0);
    c.itemWidths().clear();
    SetExtent(c);
    return S_OK;
}

HRESULT Item(Control& c, const Args& a, Result& r) {
    std::wstring text;
    if (LiveWindow(c)) ReadListItem(c, a.lng(0), &text);
    r.setText(text);
    return S_OK;
}

HRESULT AddItem(Control& c, const Args& a, Result&) {
    const std::wstring item = a.text(0);
    HWND w = LiveWindow(c);
    if (!w || !c.record().list || item.empty()) return S_OK;
    // Every list and combo box is created sorted, and keeps sorting what the add message
    // gives it whatever its style says later; while AutoSort is 0 the insert message puts
    // the item at the end.
    // The window is looked up once: each look-up asks the window server.
    const LPARAM text = reinterpret_cast<LPARAM>(item.c_str());
    const ListMessages& list = *c.record().list;  // the member applies to lists only
    LRESULT at = SortsNow(w, c) ? SendMessageW(w, list.message[kListAdd], 0, text)
                                : SendMessageW(w, list.message[kListInsert], static_cast<WPARAM>(-1), text);
    if (at >= 0 && list.measuresItems) {
        c.itemWidths().add(TextWidth(c, MeasuringDc(c, w), item));
        SetExtent(c, w);
    }
    return S_OK;
}

// The extent afterwards follows the widest remaining item (1 when the list is empty or
// holds empty texts only).
HRESULT RemoveItem(Control& c, const Args& a, Result&) {
    if (!LiveWindow(c)) return S_OK;
    const long index = a.lng(0);
    std::wstring text;
    const bool exists = ReadListItem(c, index, &text);
    if (SendListMessage(c, kListDelete, static_cast<WPARAM>(index), 0) >= 0 && exists &&
        MeasuresItems(c))
        c.itemWidths().remove(TextWidth(c, MeasuringDc(c), text));
    DoEvents();  // the message pass of the recount (Count)
    if (LiveWindow(c)) SetExtent(c);
    return S_OK;
}

}  // namespace ctl

void MeasureItemsAgain(Control& c) {
    if (!MeasuresItems(c) || !LiveWindow(c)) return;
    c.itemWidths().clear();
    HDC dc = MeasuringDc(c);
    const long count = static_cast<long>(SendListMessage(c, kListCount, 0, 0));
    std::wstring text;
    for (long i = 0; i < count; ++i)
        if (ReadListItem(c, i, &text)) c.itemWidths().add(TextWidth(c, dc, text));
    SetExtent(c);
}

namespace ctl {

HRESULT PutAutoSort(Control& c, const Args& a, Result&) {
    if (HWND w = LiveWindow(c)) SetStyleBit(w, SortBit(c), AsFlag(a.lng(0) != 0));
    return S_OK;
}

HRESULT GetAutoSort(Control& c, const Args&, Result& r) {
    HWND w = LiveWindow(c);
    r.setLong(w && HasStyle(w, SortBit(c)) ? 1 : 0);
    return S_OK;
}

}  // namespace ctl

}  // namespace mv
