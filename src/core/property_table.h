// Which window class, visual-style class list and kind-specific members belong to each
// control kind, and the check that every kind-specific member of a control runs first.
#pragma once

#include <windows.h>

#include <string>

namespace mv {

// Columns are control kinds (control/control_kind.h).
constexpr int kKindCount = 13;  // kinds 10-12 exist in the table only, with empty cells
constexpr int kRowCount = 14;   // row 0 class, row 1 style classes, rows 2-13 members

// Fills the table; runs at every Desktop creation and always writes the same content.
void InitPropertyTable();

// Cell (kind, row); nullptr outside the table. Empty cells are "".
const wchar_t* PropertyCell(long kind, int row);

inline const wchar_t* KindWindowClass(long kind) { return PropertyCell(kind, 0); }
inline const wchar_t* KindThemeClasses(long kind) { return PropertyCell(kind, 1); }

// True when the member applies to the kind (names compare without regard to case).
// When it does not, and silent is false, the "Bad property" box is shown while
// diagnostics are on. A kind outside 0-12 fails with DISP_E_BADINDEX (subscript out of
// range) and answers false.
bool CheckProperty(long kind, const wchar_t* property, const std::wstring& objectName,
                   bool silent, HRESULT* error = nullptr);

}  // namespace mv
