// SPDX-License-Identifier: MIT
#include "editor/BodyEdit.h"

#include "base/Utf8.h"
#include "post/LineBreaks.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTextCursor>

BodyEdit::BodyEdit(std::function<HtmlPaste::Dialect()> dialect, QWidget* parent)
    : QPlainTextEdit(parent), m_dialect(std::move(dialect))
{
}

std::string BodyEdit::PastedText(const QMimeData* data) const
{
    if (!data)
        return {};
    const std::string text = ToUtf8(data->text());
    if (!data->hasHtml())
        return text;
    std::string bbcode = HtmlPaste::ToBBCode(ToUtf8(data->html()), m_dialect());
    return bbcode.empty() ? text : bbcode;
}

bool BodyEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source && (source->hasHtml() || source->hasText() || source->hasUrls());
}

void BodyEdit::insertFromMimeData(const QMimeData* source)
{
    if (isReadOnly())
        return;
    if (m_takeFiles && m_takeFiles(source))
        return;
    const std::string text = PastedText(source);
    if (text.empty())
        return;
    // One edit: one step of the undo.
    textCursor().insertText(ToQString(LineBreaks::PostToField(text)));
    ensureCursorVisible();
}

void BodyEdit::dropEvent(QDropEvent* event)
{
    QPlainTextEdit::dropEvent(event);
    if (event->isAccepted())
        setFocus(Qt::MouseFocusReason);
}
