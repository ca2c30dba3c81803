// SPDX-License-Identifier: MIT
#include "base/AccessibleList.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>

namespace {
// The list's own view marks the current item only while the list is open;
// a screen reader reads the chosen item from that mark at any time.
void MarkCurrentItem(QComboBox* list)
{
    QAbstractItemView* view = list->view();
    if (!view || !view->selectionModel())
        return;
    const QModelIndex current = list->model()->index(list->currentIndex(), list->modelColumn(), list->rootModelIndex());
    if (current.isValid())
        view->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
    else
        view->selectionModel()->clearSelection();
}
}  // namespace

AccessibleList::AccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox)
{
    // The interface is made once per list, when a screen reader first asks.
    MarkCurrentItem(list);
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [list] { MarkCurrentItem(list); });
}

QComboBox* AccessibleList::List() const { return static_cast<QComboBox*>(widget()); }

QString AccessibleList::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return List()->accessibleName().isEmpty() ? List()->currentText() : List()->accessibleName();
    case QAccessible::Value:
        return List()->currentText();
    default:
        return QAccessibleWidget::text(t);
    }
}

int AccessibleList::childCount() const { return List()->view() ? 1 : 0; }

QAccessibleInterface* AccessibleList::child(int index) const
{
    return index == 0 && List()->view() ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
}

int AccessibleList::indexOfChild(const QAccessibleInterface* child) const
{
    return child && List()->view() && child->object() == List()->view() ? 0 : -1;
}

QStringList AccessibleList::actionNames() const
{
    return QStringList{pressAction(), showMenuAction()} + QAccessibleWidget::actionNames();
}

void AccessibleList::doAction(const QString& actionName)
{
    if (actionName == pressAction() || actionName == showMenuAction()) {
        if (List()->isEnabled())
            List()->showPopup();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}
