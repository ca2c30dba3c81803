// SPDX-License-Identifier: MIT
#include "support/ScriptedPlatform.h"

#include <QWidget>

MsgAnswer ScriptedPlatform::MsgBox(QWidget* owner, const QString& text, MsgButtons buttons, MsgIcon icon,
                                   const QString& title)
{
    messages.append({text, buttons, icon, title, owner, owner && owner->isVisible()});
    if (!answers.isEmpty())
        return answers.takeFirst();
    ++unexpectedMessages;
    switch (buttons) {
    case MsgButtons::OK:
        return MsgAnswer::OK;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::YesNoCancel:
        return MsgAnswer::Cancel;
    }
    return MsgAnswer::Cancel;
}

QString ScriptedPlatform::GetOpenFileName(QWidget*)
{
    ++openDialogs;
    return openNames.isEmpty() ? QString() : openNames.takeFirst();
}

QString ScriptedPlatform::GetSaveFileName(QWidget*)
{
    ++saveDialogs;
    return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
}

std::optional<FontChoice> ScriptedPlatform::ChooseFont(QWidget*, const FontChoice& initial)
{
    fontRequests.append(initial);
    return fontAnswer;
}

void ScriptedPlatform::ShellOpen(QWidget*, const QString& address) { shellOpened.append(address); }

QStringList ScriptedPlatform::MessageTexts() const
{
    QStringList texts;
    for (const MsgBoxCall& call : messages)
        texts.append(call.text);
    return texts;
}

QList<bool> ScriptedPlatform::OwnersVisible() const
{
    QList<bool> visible;
    for (const MsgBoxCall& call : messages)
        visible.append(call.ownerVisible);
    return visible;
}
