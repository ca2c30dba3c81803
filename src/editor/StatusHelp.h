// SPDX-License-Identifier: MIT
#pragma once
// Status-bar help: the help panel explains the control under the mouse. Moving over a
// control that has a help text shows it; moving over the bare window surface
// (no control under the pointer) empties the panel; moving over any other
// control leaves the panel as it is. Runs on every mouse movement. A menu
// item's status tip shows in the help panel while the item is highlighted, and goes
// when the menu closes.

#include <QHash>
#include <QObject>
#include <QString>

class QLabel;
class QWidget;

class StatusHelp : public QObject {
    Q_OBJECT
public:
    // `surface` is the window's own background, the parent of the controls.
    StatusHelp(QLabel* panel, QWidget* surface, QObject* parent = nullptr);

    // Shows `text` while the mouse moves over `control`.
    void SetHelp(QWidget* control, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_panel;
    QWidget* m_surface;
    QWidget* m_window;
    QString m_shownTip;  // the menu item's tip the panel shows, if any
    QHash<const QObject*, QString> m_help;
};
