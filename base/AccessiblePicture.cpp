// SPDX-License-Identifier: MIT
#include "base/AccessiblePicture.h"

#include "base/PictureBox.h"

AccessiblePicture::AccessiblePicture(PictureBox* picture) : QAccessibleWidget(picture, QAccessible::Button) {}

PictureBox* AccessiblePicture::Picture() const { return static_cast<PictureBox*>(widget()); }

QString AccessiblePicture::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    const PictureBox* picture = Picture();
    for (const QString& name : {picture->accessibleName(), picture->toolTip(), picture->text()})
        if (!name.trimmed().isEmpty())
            return name.trimmed();
    return {};
}

QStringList AccessiblePicture::actionNames() const
{
    QStringList names;
    if (Picture()->isEnabled())
        names << pressAction();
    return names + QAccessibleWidget::actionNames();
}

void AccessiblePicture::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (Picture()->isEnabled())
        Picture()->click();
}
