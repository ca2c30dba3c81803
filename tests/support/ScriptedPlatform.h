// SPDX-License-Identifier: MIT
#pragma once
// A platform whose message boxes, file dialogs, font dialog and shell are
// scripted by the test: answers are taken in order from the queues below,
// and every request is recorded.

#include "base/Platform.h"

#include <QList>
#include <QStringList>

struct MsgBoxCall {
    QString text;
    MsgButtons buttons;
    MsgIcon icon;
    QString title;
    QWidget* owner;
    bool ownerVisible;  // whether the owner was on screen when the box came
};

class ScriptedPlatform : public Platform {
public:
    // Answers for the next message boxes, in order. When the queue is empty a
    // box is answered with its last button (Cancel, No or OK) and counted in
    // `unexpectedMessages`.
    QList<MsgAnswer> answers;
    QList<MsgBoxCall> messages;
    int unexpectedMessages = 0;

    // Results of the next file dialogs, in order; an empty name is a cancel,
    // and so is an empty queue.
    QStringList openNames;
    QStringList saveNames;
    int openDialogs = 0;
    int saveDialogs = 0;

    // The font dialog's answer (none: cancelled) and what it was filled with.
    std::optional<FontChoice> fontAnswer;
    QList<FontChoice> fontRequests;

    QStringList shellOpened;

    MsgAnswer MsgBox(QWidget* owner, const QString& text, MsgButtons buttons, MsgIcon icon,
                     const QString& title = ProgramTitle) override;
    QString GetOpenFileName(QWidget* owner) override;
    QString GetSaveFileName(QWidget* owner) override;
    std::optional<FontChoice> ChooseFont(QWidget* owner, const FontChoice& initial) override;
    void ShellOpen(QWidget* owner, const QString& address) override;

    // The texts of the message boxes shown so far.
    QStringList MessageTexts() const;
    // For each message box so far, whether its owner was already on screen.
    QList<bool> OwnersVisible() const;
};
