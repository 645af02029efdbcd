// What each kind of control is, in one record (its fields in control/kind_record.h): the
// window class and styles its add method creates, how the add method's arguments become
// its text, styles and click event, what is set once it exists, its theme, and everything
// else in which it acts unlike the other kinds. A new kind is one record here (and its add
// method in morvane.idl); which members apply to it, each member's row says
// (control_members.cpp).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "com/dispatch.h"
#include "com/module.h"
#include "control/control_kind.h"
#include "control/kind_record.h"
#include "control/progress_paint.h"

namespace mv {

// What is set on a new control once it exists, as a script would set it.
void ApplyBarStyle(Control& c, const Args& a);
void ApplyPicture(Control& c, const Args& a);
void ApplyColumnWidth(Control& c, const Args& a);

constexpr DWORD kTextBoxStyle = WS_TABSTOP | ES_AUTOHSCROLL | ES_AUTOVSCROLL;
constexpr DWORD kTextBoxMultiLine = ES_MULTILINE | WS_HSCROLL | WS_VSCROLL;
// Lists and combos are created sorted: they keep sorting what AddItem gives them with the
// add message whatever AutoSort later says (AddItem appends with the insert message while
// it is 0).
constexpr DWORD kComboStyle = CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | CBS_SORT | CBS_HASSTRINGS |
                              WS_TABSTOP | WS_HSCROLL | WS_VSCROLL;
constexpr DWORD kListStyle = LBS_NOTIFY | LBS_SORT | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL;
// A combo box is created with 254 blanks as its window text (followed by the NUL that ends
// every window text).
extern const wchar_t kComboText[];

// The list messages of the two classes that hold items, in the order of ListOp. A combo
// box never gets a scrolling extent.
inline constexpr ListMessages kComboMessages = {
    { CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_GETCOUNT, CB_GETLBTEXT,
      CB_GETLBTEXTLEN, CB_GETCURSEL, CB_SETCURSEL, 0 },
    CBS_SORT, false };
inline constexpr ListMessages kListBoxMessages = {
    { LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_GETCOUNT, LB_GETTEXT,
      LB_GETTEXTLEN, LB_GETCURSEL, LB_SETCURSEL, LB_SETHORIZONTALEXTENT },
    LBS_SORT, true };

// A button's, a check box's: its shortcut letter clicks it, alone too while it has the focus.
constexpr KeyboardRecord kClicked{.shortcut = Shortcut::Click, .bareLetters = true};

// The add methods' parameters the records name (generated from morvane.idl).
using AddParam = idl::clsDefForm::param;

// An option box that starts an option group gets WS_GROUP when it is added
// (form/option_groups.h).
inline constexpr KindRecord kKindRecords[] = {
    { .kind = kCmdButton, .windowClass = L"BUTTON", .style = WS_TABSTOP,
      .text = FromArg(AddParam::sCtrlCaption), .onClick = AddParam::sOnclickEvent,
      .option = { AddParam::nMultiLine, BS_MULTILINE },
      .themeClasses = L"BUTTON", .takesFocus = true, .keysClick = true, .keys = kClicked },
    { .kind = kLabel, .windowClass = L"Static", .style = SS_NOPREFIX, .exStyle = WS_EX_TRANSPARENT,
      .text = FromArg(AddParam::sCtrlCaption), .alignment = AddParam::nTextAlignement,
      .onFormBackground = true,
      .keys = { .shortcut = Shortcut::FocusNext, .dialogKeysClears = SS_NOPREFIX } },
    { .kind = kTextBox, .windowClass = L"EDIT", .style = kTextBoxStyle, .exStyle = WS_EX_CLIENTEDGE,
      .text = FromArg(AddParam::sCtrlCaption), .onClick = AddParam::sOnclickEvent,
      .alignment = AddParam::nTextAlignement, .option = { AddParam::nMultiLine, kTextBoxMultiLine },
      .themeClasses = L"EDIT,EDITTEXT,CARET,SCROLLBAR",
      .takesFocus = true, .enterAccepts = true, .enterStyle = ES_MULTILINE },
    { .kind = kComboBox, .windowClass = L"ComboBox", .style = kComboStyle, .exStyle = WS_EX_CLIENTEDGE,
      .text = Fixed(kComboText), .onClick = AddParam::sOnclickEvent,
      .themeClasses = L"COMBOBOX, DROPDOWNBUTTON,SCROLLBAR",
      .takesFocus = true, .enterAccepts = true, .openListTakesKeys = true,
      .list = &kComboMessages, .selectionChange = CBN_SELCHANGE, .textSelectsItem = true },
    { .kind = kListBox, .windowClass = L"LISTBOX", .style = kListStyle, .exStyle = WS_EX_CLIENTEDGE,
      .text = Fixed(L""), .onClick = AddParam::sOnclickEvent, .afterwards = ApplyColumnWidth,
      .themeClasses = L"LISTVIEW,SCROLLBAR", .takesFocus = true, .enterAccepts = true,
      .list = &kListBoxMessages, .selectionChange = LBN_SELCHANGE },
    { .kind = kProgressBar, .windowClass = L"msctls_progress32", .style = PBS_SMOOTH,
      .text = Fixed(L""), .afterwards = ApplyBarStyle,
      .themeClasses = L"PROGRESS,BAR", .paintsItself = PaintProgressBar },
    { .kind = kFrame, .windowClass = L"BUTTON", .style = BS_GROUPBOX, .exStyle = WS_EX_TRANSPARENT,
      .text = FromArg(AddParam::sCtrlCaption),
      .themeClasses = L"BUTTON,GROUPBOX", .onFormBackground = true,
      .keys = { .shortcut = Shortcut::FocusInside, .encloses = true } },
    { .kind = kImage, .windowClass = L"Static", .style = SS_BITMAP, .exStyle = WS_EX_TRANSPARENT,
      .text = Fixed(L""), .afterwards = ApplyPicture, .drawsPicture = true },
    { .kind = kOptionBox, .windowClass = L"BUTTON", .style = BS_AUTORADIOBUTTON,
      .text = FromArg(AddParam::sCtrlCaption), .onClick = AddParam::sOnclickEvent,
      .option = { AddParam::nTextOnLeft, BS_LEFTTEXT },
      .themeClasses = L"BUTTON,RADIOBUTTON", .onFormBackground = true,
      .takesFocus = true, .enterAccepts = true,
      .keys = { .shortcut = Shortcut::Click, .bareLetters = true, .optionGroup = true } },
    { .kind = kCheckBox, .windowClass = L"BUTTON", .style = BS_AUTOCHECKBOX,
      .text = FromArg(AddParam::sCtrlCaption), .onClick = AddParam::sOnclickEvent,
      .option = { AddParam::nTextOnLeft, BS_LEFTTEXT },
      .themeClasses = L"BUTTON,CHECKBOX", .onFormBackground = true,
      .takesFocus = true, .enterAccepts = true, .keys = kClicked },
};

constexpr bool RecordsInKindOrder() {
    long k = 0;
    for (const KindRecord& r : kKindRecords)
        if (r.kind != k++) return false;
    return k == kKindCount;
}
static_assert(RecordsInKindOrder(), "one record per kind, in the order of the kinds");

// The record of a kind; null for a number that is no kind (kNoKind among them).
inline const KindRecord* RecordOf(long kind) { return kind >= 0 && kind < kKindCount ? &kKindRecords[kind] : nullptr; }

// The record of a control window's kind: for a number that is no kind (a form's window,
// kNoKind), a record without any difference.
inline const KindRecord& RecordOrNone(long kind) {
    const KindRecord* record = RecordOf(kind);
    return record ? *record : kUnattached;
}

// The kinds whose records say yes to `has`: the members that apply to them are derived
// from these.
constexpr KindSet KindsWhere(bool (*has)(const KindRecord&)) {
    KindSet s = 0;
    for (const KindRecord& r : kKindRecords)
        if (has(r)) s |= 1u << r.kind;
    return s;
}
// The keyboard record of a control window's kind (every field off for a window that is
// no control).
const KeyboardRecord& KeysOf(HWND hwnd);

constexpr KindSet FocusTakers() { return KindsWhere([](const KindRecord& r) { return r.takesFocus; }); }
constexpr KindSet ListHolders() { return KindsWhere([](const KindRecord& r) { return r.list != nullptr; }); }
constexpr KindSet SelfPainters() { return KindsWhere([](const KindRecord& r) { return r.paintsItself != nullptr; }); }

}  // namespace mv
