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
#include "control/control_kind.h"
#include "core/dpi.h"
#include "core/unique.h"
#include "window/message_pass.h"
#include "window/style_bits.h"

namespace mv {

namespace {

constexpr UINT kNone = 0;

// Room beside the text of an item, in 96-DPI units: the box draws its items a little
// inside their rectangle.
constexpr long kItemMargin = 4;

// The width of the text the box stores for the item (up to the first NUL, as Item reads
// it back) in the box's font; 0 for a combo box.
long TextWidth(const Control& c, HDC dc, const std::wstring& item) {
    if (c.kind() != kListBox || !dc) return 0;
    SIZE size{};
    GetTextExtentPoint32W(dc, item.c_str(), static_cast<int>(std::wcslen(item.c_str())), &size);
    return size.cx;
}

// The list box's device context with its font selected.
class MeasuringDc {
public:
    explicit MeasuringDc(const Control& c)
        : window_(LiveWindow(c)), dc_(window_, c.kind() == kListBox && window_ ? GetDC(window_) : nullptr),
          font_(dc_.get(), reinterpret_cast<HGDIOBJ>(dc_ ? SendMessageW(window_, WM_GETFONT, 0, 0) : 0)) {}
    HDC get() const { return dc_.get(); }

private:
    HWND window_;
    WindowDc dc_;
    SelectGuard font_;
};

// LB_SETHORIZONTALEXTENT for the widest item held (1 when none).
void SetExtent(Control& c) {
    const long widest = c.itemWidths().widest();
    const long extent = widest > 0 ? widest + UnitsToPixels(kItemMargin, c.windowDpi()) : 1;
    SendListMessage(c, kNone, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent), 0);
}

LONG SortBit(const Control& c) { return c.kind() == kComboBox ? CBS_SORT : LBS_SORT; }

// True while AutoSort is 1, read without a message pass: nothing runs between this and
// the message that adds the item.
bool SortsNow(HWND w, const Control& c) { return (GetWindowLongW(w, GWL_STYLE) & SortBit(c)) != 0; }

}  // namespace

LRESULT SendListMessage(const Control& c, UINT comboMsg, UINT listMsg, WPARAM wp, LPARAM lp) {
    UINT msg = c.kind() == kComboBox ? comboMsg : c.kind() == kListBox ? listMsg : kNone;
    HWND w = LiveWindow(c);
    if (msg == kNone || !w) return 0;
    return SendMessageW(w, msg, wp, lp);
}

bool ReadListItem(const Control& c, long index, std::wstring* text) {
    text->clear();
    const WPARAM at = static_cast<WPARAM>(index);
    LRESULT length = SendListMessage(c, CB_GETLBTEXTLEN, LB_GETTEXTLEN, at, 0);
    if (length < 0) return false;  // outside the list
    // Asked first, so an item of any length is read whole; the control may report more
    // than it then writes, never less.
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    LRESULT n = SendListMessage(c, CB_GETLBTEXT, LB_GETTEXT, at, reinterpret_cast<LPARAM>(buffer.data()));
    if (n > 0) *text = buffer.substr(0, static_cast<size_t>(n < length ? n : length));
    return n >= 0;
}

namespace ctl {

HRESULT PutListIndex(Control& c, const Args& a, Result&) {
    if (LiveWindow(c)) SendListMessage(c, CB_SETCURSEL, LB_SETCURSEL, static_cast<WPARAM>(a.lng(0)), 0);
    return S_OK;
}

HRESULT GetListIndex(Control& c, const Args&, Result& r) {
    r.setLong(LiveWindow(c) ? static_cast<long>(SendListMessage(c, CB_GETCURSEL, LB_GETCURSEL, 0, 0)) : 0);
    return S_OK;
}

// Count also lets the waiting window messages through, once.
HRESULT GetCount(Control& c, const Args&, Result& r) {
    long count = 0;
    if (LiveWindow(c)) {
        count = static_cast<long>(SendListMessage(c, CB_GETCOUNT, LB_GETCOUNT, 0, 0));
        DoEvents();
    }
    r.setLong(count);
    return S_OK;
}

HRESULT Clear(Control& c, const Args&, Result&) {
    if (!LiveWindow(c)) return S_OK;
    SendListMessage(c, CB_RESETCONTENT, LB_RESETCONTENT, 0, 0);
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
    // A text that starts with a NUL is the empty text to the list, which adds nothing.
    if (!w || item.empty() || item[0] == L'\0') return S_OK;
    // Every list and combo box is created sorted, and keeps sorting what the add message
    // gives it whatever its style says later; while AutoSort is 0 the insert message puts
    // the item at the end.
    const LPARAM text = reinterpret_cast<LPARAM>(item.c_str());
    LRESULT at = SortsNow(w, c) ? SendListMessage(c, CB_ADDSTRING, LB_ADDSTRING, 0, text)
                                : SendListMessage(c, CB_INSERTSTRING, LB_INSERTSTRING, static_cast<WPARAM>(-1), text);
    if (at >= 0 && c.kind() == kListBox) {
        c.itemWidths().add(TextWidth(c, MeasuringDc(c).get(), item));
        SetExtent(c);
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
    if (SendListMessage(c, CB_DELETESTRING, LB_DELETESTRING, static_cast<WPARAM>(index), 0) >= 0 && exists &&
        c.kind() == kListBox)
        c.itemWidths().remove(TextWidth(c, MeasuringDc(c).get(), text));
    DoEvents();  // the message pass of the recount (Count)
    if (LiveWindow(c)) SetExtent(c);
    return S_OK;
}

}  // namespace ctl

void MeasureItemsAgain(Control& c) {
    if (c.kind() != kListBox || !LiveWindow(c)) return;
    c.itemWidths().clear();
    MeasuringDc dc(c);
    const long count = static_cast<long>(SendListMessage(c, kNone, LB_GETCOUNT, 0, 0));
    std::wstring text;
    for (long i = 0; i < count; ++i)
        if (ReadListItem(c, i, &text)) c.itemWidths().add(TextWidth(c, dc.get(), text));
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
