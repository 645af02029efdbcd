// Operations of list boxes and combo boxes: one set of members that sends, for each
// operation, the message the control's kind record names.
#pragma once

#include <windows.h>

#include <string>

#include "com/dispatch.h"
#include "control/kind_record.h"

namespace mv {

class Control;

// Sends the message the control's kind takes for the list operation (its record's list
// messages); nothing (and 0 back) when its kind holds no items or has no such message.
LRESULT SendListMessage(const Control& c, ListOp op, WPARAM wp, LPARAM lp);

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
