// The kinds of control: one number per kind, carried by every control window (its
// "MVVBccnObjectType" property), and sets of kinds, in which a member row says the kinds
// it applies to. What each kind is lives in its record (control/kind_records.h).
#pragma once

#include <initializer_list>

namespace mv {

enum ControlKind : long {
    kCmdButton = 0, kLabel = 1, kTextBox = 2, kComboBox = 3, kListBox = 4,
    kProgressBar = 5, kFrame = 6, kImage = 7, kOptionBox = 8, kCheckBox = 9,
};
constexpr long kKindCount = 10;

// A set of kinds: bit k for kind k.
using KindSet = unsigned;

constexpr KindSet Kinds(std::initializer_list<ControlKind> kinds) {
    KindSet s = 0;
    for (ControlKind k : kinds) s |= 1u << k;
    return s;
}

constexpr bool InSet(KindSet s, long kind) { return kind >= 0 && kind < kKindCount && ((s >> kind) & 1u); }

}  // namespace mv
