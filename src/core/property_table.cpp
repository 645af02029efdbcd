// The property-applicability table: one column per control kind, rows of strings.
// Row 0 holds the window class created for the kind, row 1 the visual-style class list
// its theme is opened with, and rows 2-13 the kind-specific members that apply to it,
// packed upward; the first empty row ends a kind's list.
#include "core/property_table.h"

#include <cwchar>

#include "control/control_kind.h"
#include "core/diagnostics.h"

namespace mv {

namespace {

const wchar_t* g_table[kKindCount][kRowCount];

struct KindRow {
    long kind;
    const wchar_t* cells[kRowCount];
};

const KindRow kContent[] = {
    { kCmdButton,   { L"BUTTON", L"BUTTON",
                      L"SetFocus", L"SetAsDefault", L"SetAsCancel", L"Enable", L"Caption" } },
    { kLabel,       { L"Static", L"",
                      L"TextAlign", L"Caption" } },
    { kTextBox,     { L"EDIT", L"EDIT,EDITTEXT,CARET,SCROLLBAR",
                      L"Caption", L"TextAlign", L"Locked", L"SetFocus", L"Enable",
                      L"PasswordStyle", L"Text" } },
    { kComboBox,    { L"ComboBox", L"COMBOBOX, DROPDOWNBUTTON,SCROLLBAR",
                      L"RemoveItem", L"AddItem", L"Item", L"Clear", L"Count", L"ListIndex",
                      L"Locked", L"SetFocus", L"Enable", L"AutoSort", L"Text" } },
    { kListBox,     { L"LISTBOX", L"LISTVIEW,SCROLLBAR",
                      L"RemoveItem", L"AddItem", L"Item", L"Clear", L"Count", L"ListIndex",
                      L"Locked", L"SetFocus", L"Enable", L"AutoSort" } },
    { kProgressBar, { L"msctls_progress32", L"PROGRESS,BAR",
                      L"CurrentProgress", L"MaxProgress", L"ProgressBarStyle" } },
    { kFrame,       { L"BUTTON", L"BUTTON,GROUPBOX",
                      L"Enable", L"Caption" } },
    { kImage,       { L"Static", L"",
                      L"Caption" } },
    { kOptionBox,   { L"BUTTON", L"BUTTON,RADIOBUTTON",
                      L"Caption", L"SetFocus", L"Enable", L"Value" } },
    { kCheckBox,    { L"BUTTON", L"BUTTON,CHECKBOX",
                      L"Caption", L"SetFocus", L"Enable", L"Value" } },
};

}  // namespace

void InitPropertyTable() {
    for (auto& column : g_table)
        for (auto& cell : column) cell = L"";
    for (const KindRow& k : kContent)
        for (int row = 0; row < kRowCount; ++row)
            if (k.cells[row]) g_table[k.kind][row] = k.cells[row];
}

const wchar_t* PropertyCell(long kind, int row) {
    if (kind < 0 || kind >= kKindCount || row < 0 || row >= kRowCount) return nullptr;
    const wchar_t* cell = g_table[kind][row];
    return cell ? cell : L"";
}

bool CheckProperty(long kind, const wchar_t* property, const std::wstring& objectName,
                   bool silent, HRESULT* error) {
    if (error) *error = S_OK;
    if (kind < 0 || kind >= kKindCount) {
        if (error) *error = DISP_E_BADINDEX;
        return false;
    }
    for (int row = 2; row < kRowCount; ++row) {
        const wchar_t* cell = PropertyCell(kind, row);
        if (!*cell) break;
        if (_wcsicmp(cell, property) == 0) return true;
    }
    if (!silent)
        ShowError(L"The property '" + std::wstring(property) + L"' don't apply to the object '" +
                      objectName + L"'",
                  L"Bad property");
    return false;
}

}  // namespace mv
