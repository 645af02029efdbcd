// What the kind records set on a new control once it exists, and the combo box's text.
#include "control/kind_records.h"

#include "control/content_props.h"
#include "control/control.h"
#include "control/progress.h"
#include "core/dpi.h"
#include "window/message_table.h"
#include "window/subclass_record.h"
#include "window/window_range.h"

namespace mv {

const wchar_t kComboText[] =
    L"                                                                                                    "
    L"                                                                                                    "
    L"                                                      ";
static_assert(sizeof kComboText / sizeof kComboText[0] == 255, "254 blanks and the NUL");

void ApplyBarStyle(Control& c, const Args& a) {
    const long style = a.lng(a.indexOf(AddParam::nPBStyle));
    if (style != 1) SetProgressBarStyle(c, style);  // 1 is the smooth style of creation
}

// A list box's columns are as wide as the box.
void ApplyColumnWidth(Control& c, const Args& a) {
    const long width = UnitsToPixels(a.lng(a.indexOf(AddParam::nWidth)), c.unitDpi());
    SendMessageW(c.hwnd(), LB_SETCOLUMNWIDTH, static_cast<WPARAM>(WindowSize(width)), 0);
}

const KeyboardRecord& KeysOf(HWND hwnd) { return RecordOrNone(hwnd ? SubclassKind(hwnd) : kNoKind).keys; }

void ApplyPicture(Control& c, const Args& a) { content_props::ShowPicture(c, a.text(a.indexOf(AddParam::sImageSource))); }

}  // namespace mv
