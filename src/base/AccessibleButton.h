// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader reads of a push button, option button or check box,
// and what it can do with one. Pressing it (the press action, or the toggle
// action of an option or check box) is a click: the button's command runs at
// once, as for a mouse click, and an option or check box changes its state
// the way a click changes it. (Qt's own interface toggles an option without
// a click, so a command that runs on the click never ran.)

#include <QAccessibleWidget>

class QAbstractButton;

class AccessibleButton : public QAccessibleWidget {
public:
    explicit AccessibleButton(QAbstractButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QAbstractButton* Button() const;
};
