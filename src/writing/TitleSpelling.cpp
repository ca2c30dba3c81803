// SPDX-License-Identifier: MIT
#include "writing/TitleSpelling.h"

#include "writing/LookFormats.h"
#include "writing/PostScan.h"
#include "writing/Speller.h"
#include "base/Utf8.h"

#include <QCoreApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTimer>

TitleSpelling::TitleSpelling(QLineEdit* field, QObject* parent) : QObject(parent), m_field(field)
{
    // The field sets up its display after telling of a change, which can
    // drop formats given while it tells; they are given once it is done.
    m_check = new QTimer(this);
    m_check->setSingleShot(true);
    m_check->setInterval(0);
    connect(m_check, &QTimer::timeout, this, &TitleSpelling::Check);
    connect(field, &QLineEdit::textChanged, m_check, qOverload<>(&QTimer::start));
    connect(field, &QLineEdit::cursorPositionChanged, m_check, qOverload<>(&QTimer::start));
    field->installEventFilter(this);
}

void TitleSpelling::SetSpeller(Speller* speller)
{
    m_speller = speller;
    Check();
}

void TitleSpelling::Refresh() { Check(); }

bool TitleSpelling::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::FocusOut || event->type() == QEvent::FocusIn || event->type() == QEvent::PaletteChange)
        m_check->start();
    return false;
}

void TitleSpelling::Check()
{
    QList<MisspeltWord> marked;
    if (m_speller) {
        const QString text = m_field->text();
        const std::string utf8 = ToUtf8(text);
        const std::string_view view(utf8);
        const int caret = m_field->hasFocus() ? m_field->cursorPosition() : -1;
        for (const PostScan::Range& word : PostScan::ProseWords(view)) {
            // Byte offsets to field positions.
            const int from = ToQString(view.substr(0, word.start)).size();
            const int length = ToQString(view.substr(word.start, word.length)).size();
            if (caret >= from && caret <= from + length)
                continue;
            if (!m_speller->IsCorrect(view.substr(word.start, word.length)))
                marked.append({from, length, text.mid(from, length)});
        }
    }
    m_marked = marked;
    // The formats are given relative to the caret, as an input method gives them.
    const QTextCharFormat format = LookFormats::For(m_field->palette(), m_field->font()).misspelt;
    QList<QInputMethodEvent::Attribute> attributes;
    for (const MisspeltWord& word : m_marked)
        attributes.append({QInputMethodEvent::TextFormat, word.start - m_field->cursorPosition(), word.length, format});
    QInputMethodEvent event(QString(), attributes);
    QCoreApplication::sendEvent(m_field, &event);
}

std::optional<MisspeltWord> TitleSpelling::MisspeltWordAt(int position) const
{
    if (!m_speller)
        return std::nullopt;
    const QString text = m_field->text();
    const std::string utf8 = ToUtf8(text);
    const std::string_view view(utf8);
    for (const PostScan::Range& word : PostScan::ProseWords(view)) {
        const int from = ToQString(view.substr(0, word.start)).size();
        const int length = ToQString(view.substr(word.start, word.length)).size();
        if (position >= from && position <= from + length)
            return m_speller->IsCorrect(view.substr(word.start, word.length))
                ? std::nullopt
                : std::optional<MisspeltWord>(MisspeltWord{from, length, text.mid(from, length)});
    }
    return std::nullopt;
}

QStringList TitleSpelling::MarkedWords() const
{
    QStringList words;
    for (const MisspeltWord& word : m_marked)
        words.append(word.text);
    return words;
}
