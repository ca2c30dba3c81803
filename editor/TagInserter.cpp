#include "editor/TagInserter.h"

#include "base/Utf8.h"
#include "post/PostDocument.h"
#include "editor/TagCommands.h"
#include "editor/MainWindow.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

TagInserter::TagInserter(MainWindow& window, QPlainTextEdit* postField, const std::array<QPushButton*, 10>& buttons,
                         QComboBox* sizes, QComboBox* colours)
    : m_window(window), m_postField(postField), m_buttons(buttons), m_sizes(sizes), m_colours(colours)
{
}

void TagInserter::Insert(std::string_view text) { m_window.Post().ReplaceSelection(text); }

void TagInserter::ButtonClick(int index)
{
    if (index < 0 || index >= static_cast<int>(m_buttons.size()))
        return;
    switch (TagCommands::DialogFor(index, m_window.AssistMode())) {
    case TagCommands::Dialog::QuoteManager:
        m_window.OpenQuoteManager(ToQString(m_window.Post().SelectedText()));
        return;
    case TagCommands::Dialog::Assistant:
        m_window.OpenAssistant(ToQString(TagCommands::AssistCommandFor(index)));
        return;
    case TagCommands::Dialog::None:
        break;
    }
    QPushButton* button = m_buttons[static_cast<size_t>(index)];
    const std::string caption = ToUtf8(button->text());
    const TagCommands::TagClick click =
        TagCommands::ClickTagButton(index, m_window.Post().SelectedText(), caption);
    if (click.caption != caption)
        button->setText(ToQString(click.caption));
    Insert(click.text);
    if (click.focusPost)
        m_postField->setFocus(Qt::OtherFocusReason);
}

void TagInserter::SizeChosen()
{
    if (const auto text = TagCommands::SizeTag(m_sizes->currentIndex(), m_window.Post().SelectedText(), m_window.Board().Kind()))
        Insert(*text);
}

void TagInserter::ColourChosen()
{
    if (m_colours->currentIndex() < 0)
        return;
    Insert(TagCommands::ColourTag(ToUtf8(m_colours->currentText()), m_window.Post().SelectedText()));
}

void TagInserter::EmoticonClick(int index)
{
    const std::vector<BoardSmiley>& smilies = m_window.BoardSmilies();
    if (!smilies.empty()) {
        if (index >= 0 && size_t(index) < smilies.size())
            Insert(TagCommands::SmileyCode(smilies[size_t(index)].code, m_window.Post().SelectedText()));
        return;
    }
    if (const auto text = TagCommands::EmoticonCode(index, m_window.Post().SelectedText(), m_window.Board().Kind()))
        Insert(*text);
}

void TagInserter::BoardTagChosen(const BoardTag& tag)
{
    const std::string selection = m_window.Post().SelectedText();
    const std::string closing = tag.Closing();
    Insert(TagCommands::WrapInTag(tag.Opening(), closing, selection));
    if (selection.empty()) {
        QTextCursor cursor = m_postField->textCursor();
        cursor.movePosition(QTextCursor::Left, QTextCursor::MoveAnchor, int(closing.size()));
        m_postField->setTextCursor(cursor);
    }
    m_postField->setFocus(Qt::OtherFocusReason);
}
