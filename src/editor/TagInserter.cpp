// SPDX-License-Identifier: MIT
#include "editor/TagInserter.h"

#include "assist/AssistWindows.h"
#include "base/Utf8.h"
#include "editor/TagCommands.h"
#include "post/PostDocument.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

TagInserter::TagInserter(PostDocument& post, AssistWindows& assistants, const QAbstractButton* assistance,
                         const std::array<QPushButton*, 10>& buttons, QComboBox* sizes, QComboBox* colours)
    : m_post(post), m_assistants(assistants), m_assistance(assistance), m_buttons(buttons), m_sizes(sizes),
      m_colours(colours)
{
}

void TagInserter::SetBoard(const Board& board, std::vector<BoardSmiley> smilies)
{
    m_board = &board;
    m_smilies = std::move(smilies);
}

void TagInserter::Insert(std::string_view text) { m_post.ReplaceSelection(text); }

void TagInserter::ButtonClick(int index)
{
    if (index < 0 || index >= static_cast<int>(m_buttons.size()))
        return;
    switch (TagCommands::DialogFor(index, m_assistance->isChecked())) {
    case TagCommands::Dialog::QuoteManager:
        m_assistants.OpenQuoteManager(ToQString(m_post.SelectedText()));
        return;
    case TagCommands::Dialog::Assistant:
        m_assistants.OpenAssistant(ToQString(TagCommands::AssistCommandFor(index)));
        return;
    case TagCommands::Dialog::None:
        break;
    }
    QPushButton* button = m_buttons[static_cast<size_t>(index)];
    const std::string caption = ToUtf8(button->text());
    const TagCommands::TagClick click = TagCommands::ClickTagButton(index, m_post.SelectedText(), caption, *m_board);
    if (click.caption != caption)
        button->setText(ToQString(click.caption));
    Insert(click.text);
    if (click.focusPost)
        m_post.BodyField()->setFocus(Qt::OtherFocusReason);
}

void TagInserter::SizeChosen()
{
    if (const auto text = TagCommands::SizeTag(m_sizes->currentIndex(), m_post.SelectedText(), *m_board))
        Insert(*text);
}

void TagInserter::ColourChosen()
{
    if (m_colours->currentIndex() < 0)
        return;
    // The item's colour word (its data), whatever language its caption is in.
    const QVariant colour = m_colours->currentData();
    Insert(TagCommands::ColourTag(ToUtf8(colour.isValid() ? colour.toString() : m_colours->currentText()),
                                  m_post.SelectedText()));
}

void TagInserter::EmoticonClick(int index)
{
    if (!m_smilies.empty()) {
        if (index >= 0 && size_t(index) < m_smilies.size())
            Insert(TagCommands::SmileyCode(m_smilies[size_t(index)].code, m_post.SelectedText()));
        return;
    }
    if (const auto text = TagCommands::EmoticonCode(index, m_post.SelectedText(), *m_board))
        Insert(*text);
}

void TagInserter::BoardTagChosen(const BoardTag& tag)
{
    const std::string selection = m_post.SelectedText();
    const std::string closing = tag.Closing();
    Insert(TagCommands::WrapInTag(tag.Opening(), closing, selection));
    QPlainTextEdit* body = m_post.BodyField();
    if (selection.empty()) {
        QTextCursor cursor = body->textCursor();
        cursor.movePosition(QTextCursor::Left, QTextCursor::MoveAnchor, int(closing.size()));
        body->setTextCursor(cursor);
    }
    body->setFocus(Qt::OtherFocusReason);
}
