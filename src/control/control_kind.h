// The kinds of control: one number per kind, carried by every control window (its
// "MVVBccnObjectType" property) and numbering the columns of the property-applicability
// table. What each kind is created as is the form's kinds table (form/add_controls.cpp).
#pragma once

namespace mv {

enum ControlKind : long {
    kCmdButton = 0, kLabel = 1, kTextBox = 2, kComboBox = 3, kListBox = 4,
    kProgressBar = 5, kFrame = 6, kImage = 7, kOptionBox = 8, kCheckBox = 9,
};

}  // namespace mv
