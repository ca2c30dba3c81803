// SPDX-License-Identifier: MIT
#include "base/AccessiblePicture.h"

#include "base/PictureBox.h"

AccessiblePicture::AccessiblePicture(PictureBox* picture) : QAccessibleWidget(picture, QAccessible::Button) {}

PictureBox* AccessiblePicture::Picture() const { return static_cast<PictureBox*>(widget()); }

bool AccessiblePicture::Clickable() const { return Picture()->focusPolicy() != Qt::NoFocus; }

QAccessible::Role AccessiblePicture::role() const
{
    return Clickable() ? QAccessible::Button : QAccessible::StaticText;
}

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
    if (Clickable() && Picture()->isEnabled())
        names << pressAction();
    return names + QAccessibleWidget::actionNames();
}

void AccessiblePicture::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (Clickable() && Picture()->isEnabled())
        Picture()->click();
}
