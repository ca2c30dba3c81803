// SPDX-License-Identifier: MIT
#pragma once
// Undo, Redo and Select All of the Edit menu and the toolbar. They work on
// the text field that has the keyboard focus, or had it last when a menu,
// a button or another control has it now: the title or the body (also the
// body when a command such as a tag button changed it since). Undo and
// Redo are usable only when that field has something to undo or redo.
//
// In the field itself the keys are the field's own (it claims Ctrl+Z,
// Ctrl+Shift+Z and Ctrl+A before the window's shortcuts see them), so a key
// and its menu item do the same thing wherever the focus is.

#include <QObject>

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

class FieldCommands : public QObject {
    Q_OBJECT
public:
    // The items are made here, owned by `parent`'s window.
    FieldCommands(QPlainTextEdit* body, QLineEdit* subject, QWidget* parent);

    QAction* UndoItem() const { return m_undo; }
    QAction* RedoItem() const { return m_redo; }
    QAction* SelectAllItem() const { return m_selectAll; }

    void Undo();
    void Redo();
    void SelectAll();

private:
    void FocusChanged(QWidget* now);
    void UpdateItems();

    QPlainTextEdit* m_body;
    QLineEdit* m_subject;
    QWidget* m_field;  // the field the commands work on
    QAction* m_undo;
    QAction* m_redo;
    QAction* m_selectAll;
};
