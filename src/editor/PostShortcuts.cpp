// SPDX-License-Identifier: MIT
#include "editor/PostShortcuts.h"

#include "editor/TagCommands.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
// Ctrl and a letter, with no other modifier. Returns the letter, upper case, or 0.
char CtrlLetter(const QKeyEvent* event)
{
    if (event->modifiers() != Qt::ControlModifier)
        return 0;
    const int key = event->key();
    return key >= Qt::Key_A && key <= Qt::Key_Z ? static_cast<char>(key) : 0;
}

bool IsShortcut(QObject* watched, const QPlainTextEdit* post, char letter)
{
    if (letter == 'A')
        return true;
    return watched == post && TagCommands::ButtonForShortcut(letter) >= 0;
}
}  // namespace

PostShortcuts::PostShortcuts(QPlainTextEdit* bodyEdit, QLineEdit* subjectEdit, std::function<void(int)> runButton,
                             QObject* parent)
    : QObject(parent), m_bodyEdit(bodyEdit), m_subjectEdit(subjectEdit), m_runButton(std::move(runButton))
{
    m_bodyEdit->installEventFilter(this);
    m_subjectEdit->installEventFilter(this);
}

bool PostShortcuts::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_bodyEdit && watched != m_subjectEdit)
        return false;
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const char letter = CtrlLetter(key);
    if (!letter || !IsShortcut(watched, m_bodyEdit, letter))
        return false;
    // Every key press first asks the focus widget whether it wants the key
    // before any window shortcut (ShortcutOverride), then delivers it
    // (KeyPress). Claiming the key in the first keeps window shortcuts from
    // taking it away from the field; the command runs on the second only, so
    // it runs once per press.
    if (event->type() == QEvent::ShortcutOverride) {
        key->accept();
        return true;
    }
    if (letter == 'A') {
        if (watched == m_subjectEdit)
            m_subjectEdit->selectAll();
        else
            m_bodyEdit->selectAll();
        return false;
    }
    m_runButton(TagCommands::ButtonForShortcut(letter));
    return false;
}
