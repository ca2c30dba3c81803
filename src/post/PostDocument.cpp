// SPDX-License-Identifier: MIT
#include "post/PostDocument.h"

#include "base/TextFile.h"
#include "base/Utf8.h"
#include "post/LineBreaks.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {
// The size of the pieces SetPost fills the body field with: small enough to
// stay in the processor's cache, large enough that the field's cost per piece
// does not count.
constexpr size_t kPieceBytes = 64 * 1024;

QString ToField(std::string_view post) { return ToQString(LineBreaks::PostToField(post)); }

std::string FromField(const QString& field) { return LineBreaks::FieldToPost(ToUtf8(field)); }
}  // namespace

PostDocument::PostDocument(QLineEdit* subjectEdit, QPlainTextEdit* bodyEdit, QObject* parent)
    : QObject(parent), m_subjectEdit(subjectEdit), m_bodyEdit(bodyEdit)
{
    connect(m_subjectEdit, &QLineEdit::textChanged, this, &PostDocument::ApplyChangeRule);
    connect(m_bodyEdit, &QPlainTextEdit::textChanged, this, &PostDocument::ApplyChangeRule);
}

void PostDocument::SetFileName(const QString& path) { m_fileName = path; }

void PostDocument::SetState(State state)
{
    m_state = state;
    emit stateChanged(m_state);
    if (state != State::Changed)
        emit unchanged();
}

std::string PostDocument::Title() const { return FromField(m_subjectEdit->text()); }

void PostDocument::SetTitle(std::string_view title) { m_subjectEdit->setText(ToField(title)); }

// Block by block (one block per line), so that a long post reaches UTF-8
// without whole-text copies on the way. The blocks' raw text is used:
// toPlainText() would turn non-breaking spaces into blanks.
std::string PostDocument::Post() const
{
    const QTextDocument* document = m_bodyEdit->document();
    std::string post;
    post.reserve(static_cast<size_t>(document->characterCount() + document->blockCount()));
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin())
            post += TextFile::CrLf;
        post += FromField(block.text());  // soft line breaks inside the line
    }
    return post;
}

// The field takes CR LF, a lone CR and a lone LF each as one line break, just
// as PostToField would make them, so the post needs no conversion of its own.
// It goes in piece by piece through one small buffer rather than as one whole
// QString: a long post then costs the field's own text and nothing more in
// fresh memory, which is most of what filling the field costs.
//
// The result is what setPlainText gives: the field emptied first (its undo
// history with it), the text in the field's current character format, no undo
// history for the filling, the document unmodified and the caret at the start.
void PostDocument::SetPost(std::string_view post)
{
    m_bodyEdit->clear();
    if (post.empty())
        return;
    QTextDocument* document = m_bodyEdit->document();
    const QTextCharFormat format = m_bodyEdit->currentCharFormat();
    document->setUndoRedoEnabled(false);
    {
        QTextCursor cursor(document);
        // One edit block: the field and its layout hear of the change once.
        cursor.beginEditBlock();
        // Pieces hold whole UTF-8 sequences, so each is decoded on its own.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString piece;
        for (size_t at = 0; at < post.size();) {
            const size_t end = LineBreaks::PieceEnd(post, at, kPieceBytes);
            const QByteArrayView bytes(post.data() + at, static_cast<qsizetype>(end - at));
            piece.resize(decoder.requiredSpace(bytes.size()));
            piece.truncate(decoder.appendToBuffer(piece.data(), bytes) - piece.constData());
            cursor.insertText(piece, format);
            at = end;
        }
        cursor.endEditBlock();
    }
    document->setUndoRedoEnabled(true);
    document->setModified(false);
    m_bodyEdit->moveCursor(QTextCursor::Start);
}

bool PostDocument::PostIsEmpty() const { return m_bodyEdit->document()->isEmpty(); }

std::string PostDocument::SelectedText() const { return FromField(m_bodyEdit->textCursor().selectedText()); }

void PostDocument::ReplaceSelection(std::string_view text)
{
    QTextCursor cursor = m_bodyEdit->textCursor();
    cursor.beginEditBlock();
    cursor.insertText(ToField(text));
    // The field merges typing that directly follows an insertion into the
    // insertion's undo step. Ending the step with a removal (of a character
    // put there for the purpose) keeps the insertion a step of its own, so
    // Ctrl+Z after typing takes back only the typing.
    cursor.insertText(QString(QChar(0x200B)));
    cursor.deletePreviousChar();
    cursor.endEditBlock();
    m_bodyEdit->setTextCursor(cursor);
}

void PostDocument::ReplaceBody(std::string_view text)
{
    const int caret = m_bodyEdit->textCursor().position();
    QTextCursor cursor(m_bodyEdit->document());
    cursor.select(QTextCursor::Document);
    cursor.beginEditBlock();
    cursor.insertText(ToField(text));
    cursor.endEditBlock();
    cursor.setPosition(std::min(caret, m_bodyEdit->document()->characterCount() - 1));
    m_bodyEdit->setTextCursor(cursor);
}

void PostDocument::ApplyChangeRule()
{
    if (!PostIsEmpty() && m_state != State::Changed) {
        m_state = State::Changed;
        emit stateChanged(m_state);
    }
    if (m_state == State::Changed)
        emit edited();
}
