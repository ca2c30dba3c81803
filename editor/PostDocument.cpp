#include "editor/PostDocument.h"

#include "editor/LineBreaks.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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

std::string PostDocument::Post() const { return FromField(m_txtPost->toPlainText()); }

void PostDocument::SetPost(std::string_view post) { m_txtPost->setPlainText(ToField(post)); }

bool PostDocument::PostIsEmpty() const { return m_txtPost->document()->isEmpty(); }

std::string PostDocument::SelectedText() const { return FromField(m_txtPost->textCursor().selectedText()); }

void PostDocument::ReplaceSelection(std::string_view text)
{
    QTextCursor cursor = m_txtPost->textCursor();
    cursor.beginEditBlock();
    cursor.insertText(ToField(text));
    cursor.endEditBlock();
    m_txtPost->setTextCursor(cursor);
}

void PostDocument::ShowState(const QString& text) { m_statePanel->setText(text); }

QString PostDocument::StateText() const { return m_statePanel->text(); }

void PostDocument::txtTitle_Change() { ApplyChangeRule(); }

void PostDocument::txtPost_Change() { ApplyChangeRule(); }

void PostDocument::ApplyChangeRule()
{
    if (PostIsEmpty())
        return;
    PostChanged = true;
    ShowState(ChangedText);
    emit edited();
}
