// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader reads of a drop-down list that cannot be typed in: its
// accessible name (Qt on Linux would name it by its current item), its current
// item as its value, and its items as the one child, the list of choices,
// where the current item is the selected one. Its press and show-menu
// actions open the list, as a click does.

#include <QAccessibleWidget>

class QComboBox;

class AccessibleList : public QAccessibleWidget {
public:
    explicit AccessibleList(QComboBox* list);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QComboBox* List() const;
};
