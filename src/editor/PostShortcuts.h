// SPDX-License-Identifier: MIT
#pragma once
// The keyboard shortcuts of the two text fields. In the post field Ctrl+A
// selects the whole body and Ctrl+B, I, U, Q, C, M and R run their tag
// buttons; in the title field Ctrl+A selects the whole title. Only Ctrl
// counts: with Shift or Alt also held nothing happens. The key is not
// consumed: after the command the field handles it as it always would.

#include <QObject>
#include <functional>

class QLineEdit;
class QPlainTextEdit;

class PostShortcuts : public QObject {
    Q_OBJECT
public:
    // `runButton` runs a tag button by its index.
    PostShortcuts(QPlainTextEdit* bodyEdit, QLineEdit* subjectEdit, std::function<void(int)> runButton,
                  QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* m_bodyEdit;
    QLineEdit* m_subjectEdit;
    std::function<void(int)> m_runButton;
};
