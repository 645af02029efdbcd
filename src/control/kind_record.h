// What a record of a kind of control holds: how its add method creates it (class, styles,
// text, click event, what is set once it exists) and every way its behaviour differs from
// the other kinds' (its theme, focus, the keys it takes, its shortcut letter, its painting, its text, its list
// messages). Code that acts differently for some kinds reads a field or calls a hook here;
// it never asks which kind a control is. The records themselves are in kind_records.h.
#pragma once

#include <windows.h>

#include "com/dispatch.h"
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

// The operations of a list, each the message the kind's class takes for it; 0: the class
// has none (the operation does nothing).
enum ListOp { kListAdd, kListInsert, kListDelete, kListReset, kListCount, kListText, kListTextLength,
              kListSelection, kListSelect, kListExtent, kListOpCount };
struct ListMessages {
    UINT message[kListOpCount];
    LONG sortBit;         // the style bit of AutoSort
    bool measuresItems;   // gets a horizontal scrolling extent as wide as its widest item
};

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
// first and the geometry nleft, nTop, nWidth and nHeight. Fields left out are 0, false or
// null: the kind does not have that difference.
struct KindRecord {
    ControlKind kind;
    // Creation.
    const wchar_t* windowClass;
    DWORD style;                  // without WS_CHILD, which creation adds
    DWORD exStyle;
    WindowText text;
    const wchar_t* onClick;       // the argument that becomes OnClick; null: none
    const wchar_t* alignment;     // the argument folded into the alignment bits; null: none
    StyleSwitch option;           // null param: none
    void (*afterwards)(Control&, const Args&);  // what is set once it exists; null: nothing
    // Look.
    const wchar_t* themeClasses;  // null: the control opens no theme
    bool onFormBackground;        // paints its background with the form's colour
    // Draws its Caption, a picture file (an image): it reads back the path it was given,
    // takes no font, and draws its picture again once its class has painted and whenever
    // it is refreshed, moved or resized.
    bool drawsPicture;
    // Paints itself before its class does, which then finds nothing left to paint when it
    // did (a progress bar in the library's style); null: its class paints it.
    bool (*paintsItself)(HWND, Control*);
    // Keyboard.
    bool takesFocus;
    bool enterAccepts;            // Enter on it clicks the form's default button (dialog keys)
    DWORD enterStyle;             // ... except while it has this style (Enter is its own); 0: none
    bool openListTakesKeys;       // Enter and Escape close its open drop-down list
    bool keysClick;               // releasing Enter or Space pressed on it clicks it; Enter presses it as Space does
    KeyboardRecord keys;          // shortcut letters, option groups
    // Content.
    const ListMessages* list;     // null: holds no items
    WORD selectionChange;         // the notification of a changed selection (OnChange); 0: none
    bool textSelectsItem;         // setting Text selects the item of that text (a drop-down list)
};

// The record of a control object not yet attached to a window: no differences at all.
inline constexpr KindRecord kUnattached{};

}  // namespace mv
