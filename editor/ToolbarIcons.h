// SPDX-License-Identifier: MIT
#pragma once
// The toolbar's ten pictures (`ImageList1`): from the desktop's icon theme,
// with pictures drawn here when the theme has none.

#include <QIcon>

namespace ToolbarIcons {

inline constexpr int Count = 10;

// Picture 0 to 9: New, Open, Save, Copy, Cut, Paste, Copy post to clipboard,
// Preview post, Options, About.
QIcon Picture(int index);

}  // namespace ToolbarIcons
