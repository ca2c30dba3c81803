// SPDX-License-Identifier: MIT
#pragma once
// The program's icon, as every window shows it: the desktop icon theme's
// "quillforge" when the theme has one (the installed icon, or a theme's own
// version of it), otherwise the same drawing in its PNG sizes bundled with the
// program.

#include <QIcon>

namespace AppIcon {

inline constexpr char ThemeName[] = "quillforge";

// The bundled icon alone, in every size it is drawn in.
QIcon Bundled();

// The icon the windows use.
QIcon ForWindows();

}  // namespace AppIcon
