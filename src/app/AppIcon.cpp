// SPDX-License-Identifier: MIT
#include "app/AppIcon.h"

namespace AppIcon {

QIcon Bundled()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/appicon/hicolor/%1x%1/apps/quillforge.png").arg(size), QSize(size, size));
    return icon;
}

QIcon ForWindows() { return QIcon::fromTheme(QString::fromLatin1(ThemeName), Bundled()); }

}  // namespace AppIcon
