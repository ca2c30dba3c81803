// SPDX-License-Identifier: MIT
#include "base/Accessibility.h"

#include "base/AccessibleButton.h"
#include "base/AccessibleList.h"
#include "base/AccessiblePicture.h"
#include "base/PictureBox.h"

#include <QAbstractButton>
#include <QComboBox>

namespace Accessibility {

namespace {

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox")) {
        auto* list = qobject_cast<QComboBox*>(object);
        if (!list || list->isEditable())
            return nullptr;
        return new AccessibleList(list);
    }
    if (className == QLatin1String("PictureBox")) {
        auto* picture = qobject_cast<PictureBox*>(object);
        return picture ? new AccessiblePicture(picture) : nullptr;
    }
    if (className == QLatin1String("QPushButton") || className == QLatin1String("QRadioButton")
        || className == QLatin1String("QCheckBox")) {
        if (auto* button = qobject_cast<QAbstractButton*>(object))
            return new AccessibleButton(button);
    }
    return nullptr;
}

}  // namespace

void Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

}  // namespace Accessibility
