// SPDX-License-Identifier: MIT
#include "base/AccessibleButton.h"

#include <QCheckBox>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>

namespace {
QAccessible::Role RoleOf(QAbstractButton* button)
{
    if (qobject_cast<QRadioButton*>(button))
        return QAccessible::RadioButton;
    if (qobject_cast<QCheckBox*>(button))
        return QAccessible::CheckBox;
    return QAccessible::Button;
}

// The caption without its mnemonic marks: "&Save" reads "Save", "&&" reads "&".
QString WithoutMnemonics(const QString& caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        else if (caption[i] == QLatin1Char('&'))
            continue;
        text += caption[i];
    }
    return text;
}
}  // namespace

AccessibleButton::AccessibleButton(QAbstractButton* button) : QAccessibleWidget(button, RoleOf(button)) {}

QAbstractButton* AccessibleButton::Button() const { return static_cast<QAbstractButton*>(widget()); }

QString AccessibleButton::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        const QString name = Button()->accessibleName();
        return name.isEmpty() ? WithoutMnemonics(Button()->text()) : name;
    }
    if (t == QAccessible::Accelerator) {
        const QKeySequence key =
            Button()->shortcut().isEmpty() ? QKeySequence::mnemonic(Button()->text()) : Button()->shortcut();
        return key.toString(QKeySequence::NativeText);
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleButton::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    QAbstractButton* button = Button();
    state.checkable = button->isCheckable();
    state.checked = button->isChecked();
    if (auto* box = qobject_cast<QCheckBox*>(button))
        state.checkStateMixed = box->checkState() == Qt::PartiallyChecked;
    state.pressed = button->isDown();
    if (auto* push = qobject_cast<QPushButton*>(button)) {
        state.defaultButton = push->isDefault();
        state.hasPopup = push->menu() != nullptr;
    }
    return state;
}

QStringList AccessibleButton::actionNames() const
{
    QStringList names;
    if (Button()->isEnabled()) {
        names << pressAction();
        if (Button()->isCheckable())
            names << toggleAction();
    }
    return names + QAccessibleWidget::actionNames();
}

void AccessibleButton::doAction(const QString& actionName)
{
    if (actionName != pressAction() && actionName != toggleAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    QAbstractButton* button = Button();
    if (!button->isEnabled())
        return;
    if (auto* push = qobject_cast<QPushButton*>(button); push && push->menu())
        push->showMenu();
    else
        button->click();
}
