// SPDX-License-Identifier: MIT
#include "editor/ListWheelGuard.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>

ListWheelGuard::ListWheelGuard(QObject* parent) : QObject(parent) {}

void ListWheelGuard::Guard(QComboBox* list)
{
    // The default policy of a list includes taking the focus on a wheel
    // event, which would pull the caret out of the post.
    list->setFocusPolicy(Qt::StrongFocus);
    list->installEventFilter(this);
}

bool ListWheelGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        auto* list = qobject_cast<QComboBox*>(watched);
        // The open list's items live in its own view, which gets its wheel
        // events directly; only the closed list is kept still.
        if (list && !list->view()->isVisible()) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
