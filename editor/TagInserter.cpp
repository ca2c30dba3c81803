#include "editor/TagInserter.h"

#include "post/PostDocument.h"
#include "editor/TagCommands.h"
#include "editor/frmPost.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::string Utf8(const QString& s)
{
    const QByteArray utf8 = s.toUtf8();
    return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}
}  // namespace

TagInserter::TagInserter(frmPost& window) : m_window(window) {}

void TagInserter::Insert(std::string_view text) { m_window.Post().ReplaceSelection(text); }

void TagInserter::ButtonClick(int index)
{
    if (index < 0 || index >= static_cast<int>(m_window.cmdBBcode.size()))
        return;
    switch (TagCommands::DialogFor(index, m_window.AssistMode)) {
    case TagCommands::Dialog::QuoteManager:
        m_window.OpenQuoteManager(Text(m_window.Post().SelectedText()));
        return;
    case TagCommands::Dialog::Assistant:
        m_window.OpenAssistant(Text(TagCommands::AssistCommandFor(index)));
        return;
    case TagCommands::Dialog::None:
        break;
    }
    QPushButton* button = m_window.cmdBBcode[static_cast<size_t>(index)];
    const std::string caption = Utf8(button->text());
    const TagCommands::TagClick click =
        TagCommands::ClickTagButton(index, m_window.Post().SelectedText(), caption);
    if (click.caption != caption)
        button->setText(Text(click.caption));
    Insert(click.text);
    if (click.focusPost)
        m_window.txtPost->setFocus(Qt::OtherFocusReason);
}

void TagInserter::SizeChosen()
{
    if (const auto text = TagCommands::SizeTag(m_window.cmbSize->currentIndex(), m_window.Post().SelectedText()))
        Insert(*text);
}

void TagInserter::ColourChosen()
{
    if (m_window.cmbColor->currentIndex() < 0)
        return;
    Insert(TagCommands::ColourTag(Utf8(m_window.cmbColor->currentText()), m_window.Post().SelectedText()));
}

void TagInserter::EmoticonClick(int index)
{
    if (const auto text = TagCommands::EmoticonCode(index, m_window.Post().SelectedText()))
        Insert(*text);
}
