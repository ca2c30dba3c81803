#pragma once
// Accessible names for controls whose visible label is painted in a
// background picture. On Linux, Qt names a drop-down list by its current item
// and expects a label widget to describe it; our lists have no label widget,
// so a list reports its accessible name, when it has one, as its name and its
// current item as its value. Editable lists keep the standard interface.

namespace Accessibility {

// Installs the interface factory once for the whole program.
void Install();

}  // namespace Accessibility
