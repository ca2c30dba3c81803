// SPDX-License-Identifier: MIT
#pragma once
// The accessibility interfaces the program gives its controls in place of
// Qt's own. Drop-down lists that cannot be typed in (AccessibleList): on
// Linux, Qt names a list by its current item and expects a label widget to
// describe it; our lists have no label widget (their labels are painted in a
// background picture), so a list reports its accessible name as its name, its
// current item as its value, and its items. Buttons, option buttons and check
// boxes (AccessibleButton): pressed through the interface, they run the same
// command as a click. Pictures that can be clicked (AccessiblePicture) are
// buttons named by their accessible name; pressed, they are clicked. Editable
// lists keep the standard interface.

namespace Accessibility {

// Installs the interface factory once for the whole program.
void Install();

}  // namespace Accessibility
