// What each kind of control is, in one record: the window class and styles its add
// method creates, how the add method's arguments become its text, styles and click event,
// what is set once it exists, the visual-style classes its theme is opened with, and
// whether it takes the keyboard focus. A new kind is one record here (and its add method
// in morvane.idl); which members apply to it, each member's row says (control_members.cpp).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "com/dispatch.h"
#include "com/module.h"
#include "control/control_kind.h"

namespace mv {

class Control;

// The window text: the add method's argument of that name, or a fixed text.
struct WindowText {
    const wchar_t* param;
    const wchar_t* fixed;
};
constexpr WindowText FromArg(const wchar_t* param) { return {param, nullptr}; }
constexpr WindowText Fixed(const wchar_t* text) { return {nullptr, text}; }

// Style bits added when the add method's argument of that name is not 0.
struct StyleSwitch {
    const wchar_t* param;
    DWORD bits;
};

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

// What a shortcut letter (the letter marked with & in a caption) does to a control of the
// kind: nothing, click it (a button clicks, a check box toggles, an option box is
// selected), move the focus into the controls it encloses, or to the next control after
// it in the Tab order (form/shortcut_keys.h).
enum class Shortcut { None, Click, FocusInside, FocusNext };

// What the keyboard does with a kind beyond Tab, Enter and Escape.
struct KeyboardRecord {
    Shortcut shortcut = Shortcut::None;
    bool bareLetters = false;      // while it has the focus a letter alone is a shortcut
    bool optionGroup = false;      // a member of an option group: the arrows move in it
    bool encloses = false;         // the controls laid out inside it are its own (a frame)
    DWORD dialogKeysClears = 0;    // style bits it loses while the form's dialog keys are on
};

// Arguments are named as the add method's parameters; every add method takes sCtrlName
// first and the geometry nleft, nTop, nWidth and nHeight. An option box that starts an
// option group gets WS_GROUP when it is added (form/option_groups.h).
struct KindRecord {
    ControlKind kind;
    const wchar_t* windowClass;
    const wchar_t* themeClasses;  // empty: the control opens no theme
    bool takesFocus;
    bool enterAccepts;            // Enter on it clicks the form's default button (dialog keys)
    bool onFormBackground;        // paints its background with the form's colour
    WORD selectionChange;         // the notification of a changed selection (OnChange); 0: none
    DWORD style;                  // without WS_CHILD, which creation adds
    DWORD exStyle;
    WindowText text;
    const wchar_t* onClick;       // the argument that becomes OnClick; null: none
    const wchar_t* alignment;     // the argument folded into the alignment bits; null: none
    StyleSwitch option;           // null param: none
    void (*afterwards)(Control&, const Args&);  // null: nothing
    KeyboardRecord keys;
};

constexpr KeyboardRecord kClicked{Shortcut::Click, true};

// The add methods' parameters the records name (generated from morvane.idl).
using AddParam = idl::clsDefForm::param;

inline constexpr KindRecord kKindRecords[] = {
    { kCmdButton,   L"BUTTON", L"BUTTON", true, false, false, 0,
      WS_TABSTOP, 0, FromArg(AddParam::sCtrlCaption), AddParam::sOnclickEvent, nullptr,
      { AddParam::nMultiLine, BS_MULTILINE }, nullptr, kClicked },
    { kLabel,       L"Static", L"", false, false, true, 0,
      SS_NOPREFIX, WS_EX_TRANSPARENT, FromArg(AddParam::sCtrlCaption), nullptr,
      AddParam::nTextAlignement, {}, nullptr, { Shortcut::FocusNext, false, false, false, SS_NOPREFIX } },
    { kTextBox,     L"EDIT", L"EDIT,EDITTEXT,CARET,SCROLLBAR", true, true, false, 0,
      kTextBoxStyle, WS_EX_CLIENTEDGE,
      FromArg(AddParam::sCtrlCaption), AddParam::sOnclickEvent, AddParam::nTextAlignement, { AddParam::nMultiLine, kTextBoxMultiLine } },
    { kComboBox,    L"ComboBox", L"COMBOBOX, DROPDOWNBUTTON,SCROLLBAR", true, true, false, CBN_SELCHANGE,
      kComboStyle, WS_EX_CLIENTEDGE,
      Fixed(kComboText), AddParam::sOnclickEvent },
    { kListBox,     L"LISTBOX", L"LISTVIEW,SCROLLBAR", true, true, false, LBN_SELCHANGE,
      kListStyle, WS_EX_CLIENTEDGE, Fixed(L""),
      AddParam::sOnclickEvent, nullptr, {}, ApplyColumnWidth },
    { kProgressBar, L"msctls_progress32", L"PROGRESS,BAR", false, false, false, 0,
      PBS_SMOOTH, 0, Fixed(L""), nullptr, nullptr,
      {}, ApplyBarStyle },
    { kFrame,       L"BUTTON", L"BUTTON,GROUPBOX", false, false, true, 0,
      BS_GROUPBOX, 0, FromArg(AddParam::sCtrlCaption), nullptr, nullptr, {}, nullptr,
      { Shortcut::FocusInside, false, false, true } },
    { kImage,       L"Static", L"", false, false, false, 0,
      SS_BITMAP, WS_EX_TRANSPARENT, Fixed(L""), nullptr, nullptr, {},
      ApplyPicture },
    { kOptionBox,   L"BUTTON", L"BUTTON,RADIOBUTTON", true, true, true, 0,
      BS_AUTORADIOBUTTON, 0, FromArg(AddParam::sCtrlCaption),
      AddParam::sOnclickEvent, nullptr, { AddParam::nTextOnLeft, BS_LEFTTEXT }, nullptr,
      { Shortcut::Click, true, true } },
    { kCheckBox,    L"BUTTON", L"BUTTON,CHECKBOX", true, true, true, 0,
      BS_AUTOCHECKBOX, 0, FromArg(AddParam::sCtrlCaption),
      AddParam::sOnclickEvent, nullptr, { AddParam::nTextOnLeft, BS_LEFTTEXT }, nullptr, kClicked },
};

constexpr bool RecordsInKindOrder() {
    long k = 0;
    for (const KindRecord& r : kKindRecords)
        if (r.kind != k++) return false;
    return k == kKindCount;
}
static_assert(RecordsInKindOrder(), "one record per kind, in the order of the kinds");

// The record of a kind; null for a number that is no kind.
inline const KindRecord* RecordOf(long kind) { return kind >= 0 && kind < kKindCount ? &kKindRecords[kind] : nullptr; }

// The keyboard record of a control window's kind (every field off for a window that is
// no control).
const KeyboardRecord& KeysOf(HWND hwnd);

// The kinds whose controls take the keyboard focus.
constexpr KindSet FocusTakers() {
    KindSet s = 0;
    for (const KindRecord& r : kKindRecords)
        if (r.takesFocus) s |= 1u << r.kind;
    return s;
}

}  // namespace mv
