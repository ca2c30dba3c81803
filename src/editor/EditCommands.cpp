// SPDX-License-Identifier: MIT
#include "editor/EditCommands.h"

#include "editor/BodyEdit.h"
#include "base/Platform.h"
#include "post/LineBreaks.h"
#include "post/PostDocument.h"
#include "base/Utf8.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>

EditCommands::EditCommands(PostDocument& post, Platform& platform, QWidget* owner)
    : m_post(post), m_platform(platform), m_owner(owner)
{
}

void EditCommands::PutOnClipboard(std::string_view postText)
{
    const std::string text = LineBreaks::PostToField(postText);
    QClipboard* clipboard = QGuiApplication::clipboard();
    // Emptied first: whatever else it held (a picture, rich text) is gone too.
    clipboard->clear();
    clipboard->setText(ToQString(text));
}

void EditCommands::Copy() { PutOnClipboard(m_post.SelectedText()); }

void EditCommands::Cut()
{
    const std::string selection = m_post.SelectedText();
    PutOnClipboard(selection);
    if (!selection.empty())
        m_post.ReplaceSelection({});
}

void EditCommands::ReplaceSelection(const std::string& text)
{
    if (text.empty() && m_post.SelectedText().empty())
        return;  // nothing to delete and nothing to insert
    m_post.ReplaceSelection(text);
}

void EditCommands::Paste()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const auto* body = qobject_cast<const BodyEdit*>(m_post.BodyField());
    ReplaceSelection(body ? body->PastedText(clipboard->mimeData()) : ToUtf8(clipboard->text()));
}

void EditCommands::PastePlainText() { ReplaceSelection(ToUtf8(QGuiApplication::clipboard()->text())); }

void EditCommands::CopyPost() { PutOnClipboard(m_post.Post()); }

void EditCommands::Font()
{
    QPlainTextEdit* field = m_post.BodyField();
    const FontChoice current{field->font(), field->palette().color(QPalette::Text)};
    const std::optional<FontChoice> choice = m_platform.ChooseFont(m_owner, current);
    if (!choice)
        return;
    // Only the face, bold, italic and size are taken; underline and strike-out
    // are not. What the dialog left as it was stays exactly as it was.
    QFont font = current.font;
    const QFont& chosen = choice->font;
    if (chosen.family() != font.family())
        font.setFamily(chosen.family());
    if (chosen.bold() != font.bold())
        font.setBold(chosen.bold());
    if (chosen.italic() != font.italic())
        font.setItalic(chosen.italic());
    if (chosen.pointSizeF() > 0 && chosen.pointSizeF() != font.pointSizeF())
        font.setPointSizeF(chosen.pointSizeF());
    field->setFont(font);
    if (choice->color.isValid() && choice->color != current.color) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Text, choice->color);
        field->setPalette(palette);
    }
}
