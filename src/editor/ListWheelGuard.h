// SPDX-License-Identifier: MIT
#pragma once
// Keeps the mouse wheel from choosing in a closed drop-down list. A closed
// list steps to the next item for every notch of the wheel and reports each
// step as a choice; for a list whose choice runs a command (the size and
// colour lists insert tags) that turns scrolling over the window into edits.
// With the guard the wheel does nothing over the closed list and does not
// take the focus; choosing with the mouse or the keyboard, and the wheel in
// the open list, work as before.

#include <QObject>

class QComboBox;

class ListWheelGuard : public QObject {
    Q_OBJECT
public:
    explicit ListWheelGuard(QObject* parent = nullptr);

    // Guards `list` from now on.
    void Guard(QComboBox* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
