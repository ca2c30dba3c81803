#include "editor/PostDocument.h"

#include "app/TextFile.h"
#include "editor/LineBreaks.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
QString ToField(std::string_view post)
{
    const std::string field = LineBreaks::PostToField(post);
    return QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size()));
}

std::string FromField(const QString& field)
{
    const QByteArray utf8 = field.toUtf8();
    return LineBreaks::FieldToPost(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}
}  // namespace

PostDocument::PostDocument(QLineEdit* txtTitle, QPlainTextEdit* txtPost, QLabel* statePanel, QObject* parent)
    : QObject(parent), m_txtTitle(txtTitle), m_txtPost(txtPost), m_statePanel(statePanel)
{
    connect(m_txtTitle, &QLineEdit::textChanged, this, &PostDocument::txtTitle_Change);
    connect(m_txtPost, &QPlainTextEdit::textChanged, this, &PostDocument::txtPost_Change);
}

std::string PostDocument::Title() const { return FromField(m_txtTitle->text()); }

void PostDocument::SetTitle(std::string_view title) { m_txtTitle->setText(ToField(title)); }

// Block by block (one block per line), so that a long post reaches UTF-8
// without whole-text copies on the way. The blocks' raw text is used:
// toPlainText() would turn non-breaking spaces into blanks.
std::string PostDocument::Post() const
{
    const QTextDocument* document = m_txtPost->document();
    std::string post;
    post.reserve(static_cast<size_t>(document->characterCount() + document->blockCount()));
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin())
            post += TextFile::CrLf;
        post += FromField(block.text());  // soft line breaks inside the line
    }
    return post;
}

// The field itself takes CR LF, a lone CR and a lone LF each as one line break,
// just as PostToField would make them, so a long post is not copied once more.
void PostDocument::SetPost(std::string_view post)
{
    m_txtPost->setPlainText(QString::fromUtf8(post.data(), static_cast<qsizetype>(post.size())));
}

bool PostDocument::PostIsEmpty() const { return m_txtPost->document()->isEmpty(); }

std::string PostDocument::SelectedText() const { return FromField(m_txtPost->textCursor().selectedText()); }

void PostDocument::ReplaceSelection(std::string_view text)
{
    QTextCursor cursor = m_txtPost->textCursor();
    cursor.beginEditBlock();
    cursor.insertText(ToField(text));
    // The field merges typing that directly follows an insertion into the
    // insertion's undo step. Ending the step with a removal (of a character
    // put there for the purpose) keeps the insertion a step of its own, so
    // Ctrl+Z after typing takes back only the typing.
    cursor.insertText(QString(QChar(0x200B)));
    cursor.deletePreviousChar();
    cursor.endEditBlock();
    m_txtPost->setTextCursor(cursor);
}

void PostDocument::SetUnchanged(const QString& stateText)
{
    PostChanged = false;
    ShowState(stateText);
    emit unchanged();
}

void PostDocument::ShowState(const QString& text) { m_statePanel->setText(text); }

QString PostDocument::StateText() const { return m_statePanel->text(); }

void PostDocument::txtTitle_Change() { ApplyChangeRule(); }

void PostDocument::txtPost_Change() { ApplyChangeRule(); }

void PostDocument::ApplyChangeRule()
{
    if (!PostIsEmpty()) {
        PostChanged = true;
        ShowState(ChangedText);
    }
    if (PostChanged)
        emit edited();
}
