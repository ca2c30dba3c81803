// SPDX-License-Identifier: MIT
#pragma once
// The toolbar's thirteen pictures: from the desktop's icon theme,
// with pictures drawn here when the theme has none.

#include <QIcon>

namespace ToolbarIcons {

inline constexpr int Count = 13;

// Picture 0 to 12: New, Open, Save, Copy, Cut, Paste, Undo, Redo, Copy post
// to clipboard, Preview post, Live preview, Options, About.
QIcon Picture(int index);

}  // namespace ToolbarIcons
