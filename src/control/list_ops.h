// Operations of list boxes and combo boxes: one set of members that sends the combo-box
// message or the list-box message for its operation, as the control's kind asks.
#pragma once

#include <windows.h>

#include <string>

#include "com/dispatch.h"

namespace mv {

class Control;

// Sends the combo message to a combo box, the list message to a list box; nothing (and
// 0 back) for another kind or a message of 0 ("none").
LRESULT SendListMessage(const Control& c, UINT comboMsg, UINT listMsg, WPARAM wp, LPARAM lp);

// The text of the item at the 0-based index, whole whatever its length. False (and an
// empty text) when the index is outside the list.
bool ReadListItem(const Control& c, long index, std::wstring* text);

// Measures every item of a list box again and sets its scrolling extent: its font changed.
void MeasureItemsAgain(Control& c);

namespace ctl {

// Member handlers with the signature of the control's member-table rows.
MemberHandler<Control> PutListIndex, GetListIndex, GetCount, Clear, Item, AddItem, RemoveItem, PutAutoSort,
    GetAutoSort;

}  // namespace ctl

}  // namespace mv
