// SPDX-License-Identifier: MIT
#include "editor/FieldCommands.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

FieldCommands::FieldCommands(QPlainTextEdit* body, QLineEdit* subject, QWidget* parent)
    : QObject(parent), m_body(body), m_subject(subject), m_field(body)
{
    auto make = [parent](const char* name, const QString& text, const QList<QKeySequence>& keys) {
        auto* item = new QAction(text, parent);
        item->setObjectName(QLatin1String(name));
        item->setShortcuts(keys);
        parent->addAction(item);
        return item;
    };
    m_undo = make("undoAction", tr("&Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_redo = make("redoAction", tr("&Redo"),
                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_selectAll = make("selectAllAction", tr("Select &All"), {QKeySequence(Qt::CTRL | Qt::Key_A)});
    connect(m_undo, &QAction::triggered, this, &FieldCommands::Undo);
    connect(m_redo, &QAction::triggered, this, &FieldCommands::Redo);
    connect(m_selectAll, &QAction::triggered, this, &FieldCommands::SelectAll);

    connect(m_body, &QPlainTextEdit::undoAvailable, this, &FieldCommands::UpdateItems);
    connect(m_body, &QPlainTextEdit::redoAvailable, this, &FieldCommands::UpdateItems);
    connect(m_subject, &QLineEdit::textChanged, this, &FieldCommands::UpdateItems);
    // A command that changed a field from elsewhere (a tag button, the size
    // list) makes it the one to undo, unless the other field has the focus.
    connect(m_body->document(), &QTextDocument::contentsChanged, this, [this] {
        if (QApplication::focusWidget() != m_subject && m_field != m_body) {
            m_field = m_body;
            UpdateItems();
        }
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusChanged(now); });
    UpdateItems();
}

void FieldCommands::FocusChanged(QWidget* now)
{
    if (now != m_body && now != m_subject)
        return;
    m_field = now;
    UpdateItems();
}

void FieldCommands::UpdateItems()
{
    if (m_field == m_subject) {
        m_undo->setEnabled(m_subject->isUndoAvailable());
        m_redo->setEnabled(m_subject->isRedoAvailable());
    } else {
        m_undo->setEnabled(m_body->document()->isUndoAvailable());
        m_redo->setEnabled(m_body->document()->isRedoAvailable());
    }
}

void FieldCommands::Undo()
{
    if (m_field == m_subject)
        m_subject->undo();
    else
        m_body->undo();
    UpdateItems();
}

void FieldCommands::Redo()
{
    if (m_field == m_subject)
        m_subject->redo();
    else
        m_body->redo();
    UpdateItems();
}

void FieldCommands::SelectAll()
{
    m_field->setFocus(Qt::OtherFocusReason);
    if (m_field == m_subject)
        m_subject->selectAll();
    else
        m_body->selectAll();
}
