// SPDX-License-Identifier: MIT
#include "writing/BodyHighlighter.h"

#include "writing/Speller.h"
#include "base/Utf8.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>

#include <vector>

// What a line keeps about itself between edits.
struct BlockInfo : QTextBlockUserData {
    bool scanned = false;
    PostScan::LineTokens tokens;
    PostScan::Depths start;  // open tags before the line, as the last pass found them
    PostScan::Pending end;   // closing tags after the line waiting for an opening tag
    uint64_t shownStyle = 0;
    uint64_t shownPass = 0;
    bool shownComplete = false;  // every word on show was looked up
};

namespace {
// A slice of the pass ends after this much work; the window then answers input.
constexpr qint64 kSliceNs = 6'000'000;
// Lines longer than this (in characters) wait for a pause in the typing.
constexpr int kLongLine = 20'000;

std::string_view View(const QByteArray& utf8) { return {utf8.constData(), static_cast<size_t>(utf8.size())}; }

// The field positions (UTF-16) of a line's UTF-8 byte offsets.
class Offsets {
public:
    Offsets(const QByteArray& utf8, qsizetype utf16Length)
    {
        if (utf8.size() == utf16Length)
            return;  // ASCII: the same positions
        m_map.resize(static_cast<size_t>(utf8.size()) + 1);
        int unit = 0;
        for (qsizetype i = 0; i < utf8.size(); ++i) {
            const auto byte = static_cast<unsigned char>(utf8[i]);
            m_map[static_cast<size_t>(i)] = unit;
            if ((byte & 0xC0) != 0x80)
                unit += byte >= 0xF0 ? 2 : 1;
        }
        m_map.back() = unit;
    }
    int operator()(size_t byte) const { return m_map.empty() ? static_cast<int>(byte) : m_map[byte]; }

private:
    std::vector<int> m_map;
};
}  // namespace

BodyHighlighter::BodyHighlighter(QPlainTextEdit* field, QObject* parent)
    : QObject(parent), m_field(field), m_looks(LookFormats::For(field->palette(), field->font()))
{
    m_visible = new QTimer(this);
    m_visible->setSingleShot(true);
    m_visible->setInterval(0);
    connect(m_visible, &QTimer::timeout, this, &BodyHighlighter::FormatVisible);
    m_pause = new QTimer(this);
    m_pause->setSingleShot(true);
    m_pause->setInterval(300);
    connect(m_pause, &QTimer::timeout, this, [this] {
        StartPass();
        FormatVisible();
    });
    m_idle = new QTimer(this);
    m_idle->setSingleShot(true);
    m_idle->setInterval(0);
    connect(m_idle, &QTimer::timeout, this, &BodyHighlighter::Slice);

    QTextDocument* document = field->document();
    m_blockCount = document->blockCount();
    connect(document, &QTextDocument::contentsChange, this, &BodyHighlighter::ContentsChange);
    connect(field, &QPlainTextEdit::cursorPositionChanged, this, &BodyHighlighter::CaretMoved);
    connect(field->verticalScrollBar(), &QScrollBar::valueChanged, this, &BodyHighlighter::FormatVisible);
    field->installEventFilter(this);
    field->viewport()->installEventFilter(this);
    StartPass();
}

BodyHighlighter::~BodyHighlighter() = default;

void BodyHighlighter::SetHighlighting(bool on)
{
    if (on == m_highlighting)
        return;
    m_highlighting = on;
    RestyleAll();
}

void BodyHighlighter::SetSpeller(Speller* speller)
{
    m_speller = speller;
    m_wordsDue = speller != nullptr;
    RestyleAll();
}

void BodyHighlighter::Refresh()
{
    ++m_style;
    m_visible->start();
}

void BodyHighlighter::SetTagRules(PostScan::TagRules rules)
{
    if (rules == m_tagRules)
        return;
    m_tagRules = rules;
    for (QTextBlock block = m_field->document()->begin(); block.isValid(); block = block.next())
        if (auto* info = static_cast<BlockInfo*>(block.userData()))
            info->scanned = false;
    RestyleAll();
}

// Every line shown again. With both features off, the looks go from every
// line that has any.
void BodyHighlighter::RestyleAll()
{
    ++m_style;
    if (!m_highlighting && !m_speller) {
        m_phase = Phase::Done;
        m_idle->stop();
        m_visible->stop();
        for (QTextBlock block = m_field->document()->begin(); block.isValid(); block = block.next())
            ClearFormats(block);
        return;
    }
    StartPass();
    m_visible->start();
}

bool BodyHighlighter::Idle() const
{
    return m_phase == Phase::Done && !m_idle->isActive() && !m_visible->isActive() && !m_pause->isActive();
}

BlockInfo* BodyHighlighter::Info(const QTextBlock& block, const QByteArray& utf8)
{
    auto* info = static_cast<BlockInfo*>(block.userData());
    if (!info) {
        info = new BlockInfo;
        QTextBlock(block).setUserData(info);
    }
    if (!info->scanned) {
        info->tokens = PostScan::Scan(View(utf8.isNull() ? block.text().toUtf8() : utf8), m_tagRules);
        info->scanned = true;
    }
    return info;
}

void BodyHighlighter::ContentsChange(int from, int removed, int added)
{
    if (m_formatting || (!m_highlighting && !m_speller))
        return;
    QTextDocument* document = m_field->document();
    QTextBlock first = document->findBlock(from);
    QTextBlock last = document->findBlock(from + added);
    if (!last.isValid())
        last = document->lastBlock();
    if (!first.isValid())
        return;
    const int blockCount = document->blockCount();
    bool newPass = blockCount != m_blockCount;
    // A keystroke: the word it leaves the caret on is not marked yet.
    m_typing = added + removed <= 2;

    // Only the first and the last line of an edit can be lines that were
    // there before it; every line between is new and has nothing kept.
    BlockInfo old;
    bool knewBefore = false;
    for (const QTextBlock& block : {first, last})
        if (auto* info = static_cast<BlockInfo*>(block.userData())) {
            if (!knewBefore && info->scanned) {
                old = *info;
                knewBefore = true;
            }
            info->scanned = false;
            info->shownStyle = 0;
        }

    // A line broken in two (Enter) keeps its tags: the two halves get the
    // states the whole line had, and no pass is needed.
    if (removed == 0 && knewBefore && blockCount == m_blockCount + 1 && first.next() == last) {
        const QByteArray firstText = first.text().toUtf8(), lastText = last.text().toUtf8();
        BlockInfo* head = Info(first, firstText);
        BlockInfo* tail = Info(last, lastText);
        PostScan::LineTokens joined = head->tokens;
        joined.tags.insert(joined.tags.end(), tail->tokens.tags.begin(), tail->tokens.tags.end());
        if (PostScan::SameTags(joined, old.tokens)) {
            head->start = old.start;
            tail->start = PostScan::Forward(old.start, head->tokens);
            tail->end = old.end;
            head->end = PostScan::Backward(old.end, tail->tokens);
            m_blockCount = blockCount;
            FormatBlock(first, Checking::CachedOnly, firstText);
            FormatBlock(last, Checking::CachedOnly, lastText);
            // A pass under way counts lines by number: it starts over.
            if (m_phase == Phase::Forward || m_phase == Phase::Backward)
                StartPass();
            return;
        }
    }
    m_blockCount = blockCount;
    if (first == last && first.length() > kLongLine) {
        // A line this long is formatted when typing pauses, not per keystroke.
        m_idle->stop();
        m_phase = Phase::Done;
        m_pause->start();
        return;
    }
    if (first == last) {
        const QByteArray utf8 = first.text().toUtf8();
        BlockInfo* info = Info(first, utf8);
        if (!knewBefore || !PostScan::SameTags(old.tokens, info->tokens))
            newPass = true;
        FormatBlock(first, Checking::CachedOnly, utf8);
    } else {
        newPass = true;
        // A few lines (a line break typed, a short paste) are shown at once;
        // a long insertion waits for the lines on screen to be formatted.
        int count = 1;
        for (QTextBlock block = first; block.isValid() && block != last && count <= 8; block = block.next())
            ++count;
        if (count > 8)
            m_wordsDue = true;  // many new words: look them up ahead
        else
            for (QTextBlock block = first; block.isValid(); block = block.next()) {
                FormatBlock(block, Checking::CachedOnly);
                if (block == last)
                    break;
            }
        m_visible->start();
    }
    if (newPass)
        StartPass();
}

void BodyHighlighter::CaretMoved()
{
    if (m_caretWordStart < 0)
        return;
    const int caret = m_field->textCursor().position();
    if (caret >= m_caretWordStart && caret <= m_caretWordEnd + 1)
        return;  // still on the word being typed
    m_typing = false;
    const QTextBlock block = m_field->document()->findBlock(m_caretWordStart);
    m_caretWordStart = m_caretWordEnd = -1;
    if (block.isValid())
        FormatBlock(block, Checking::Look);
}

bool BodyHighlighter::ShownAsDue(const QTextBlock& block) const
{
    const auto* info = static_cast<const BlockInfo*>(block.userData());
    return info && info->scanned && info->shownStyle == m_style && info->shownPass == m_passDone && info->shownComplete;
}

void BodyHighlighter::FormatVisible()
{
    if (!m_highlighting && !m_speller)
        return;
    const QWidget* viewport = m_field->viewport();
    QTextBlock block = m_field->cursorForPosition(QPoint(0, 0)).block();
    const QTextBlock last = m_field->cursorForPosition(QPoint(0, viewport->height() - 1)).block();
    for (int count = 0; block.isValid() && count < 1000; block = block.next(), ++count) {
        if (!ShownAsDue(block))
            FormatBlock(block, Checking::Look);
        if (block == last)
            break;
    }
}

void BodyHighlighter::ClearFormats(const QTextBlock& block)
{
    QTextLayout* layout = block.layout();
    if (!layout || layout->formats().isEmpty())
        return;
    m_formatting = true;
    layout->clearFormats();
    m_field->document()->markContentsDirty(block.position(), block.length());
    m_formatting = false;
}

void BodyHighlighter::FormatBlock(const QTextBlock& block, Checking checking, QByteArray utf8)
{
    if (!m_highlighting && !m_speller)
        return;
    const QString text = block.text();
    if (utf8.isNull())
        utf8 = text.toUtf8();
    BlockInfo* info = Info(block, utf8);
    const PostScan::LineLooks looks = PostScan::Describe(View(utf8), info->tokens, info->start, info->end);
    const Offsets at(utf8, text.size());
    QList<QTextLayout::FormatRange> ranges;
    auto add = [&](size_t start, size_t length, const QTextCharFormat& format) {
        const int from = at(start);
        ranges.append({from, at(start + length) - from, format});
    };
    if (m_highlighting) {
        for (const PostScan::Styled& styled : looks.styles) {
            switch (styled.look) {
            case PostScan::Look::Tag:
                add(styled.start, styled.length, m_looks.tag);
                break;
            case PostScan::Look::Value:
                add(styled.start, styled.length, m_looks.value);
                break;
            case PostScan::Look::Code:
                add(styled.start, styled.length, m_looks.code);
                break;
            case PostScan::Look::Quote:
                add(styled.start, styled.length, m_looks.quote);
                break;
            case PostScan::Look::Emoticon:
                add(styled.start, styled.length, m_looks.emoticon);
                break;
            }
        }
        for (const PostScan::Mark& mark : looks.marks)
            add(mark.start, mark.length, m_looks.problem);
    }
    bool complete = true;
    if (m_speller) {
        const int caret = m_field->textCursor().position() - block.position();
        for (const PostScan::Range& word : looks.words) {
            const int from = at(word.start), to = at(word.start + word.length);
            if (m_typing && caret >= from && caret <= to) {
                m_caretWordStart = block.position() + from;
                m_caretWordEnd = block.position() + to;
                continue;
            }
            const std::string_view spelt = View(utf8).substr(word.start, word.length);
            const std::optional<bool> correct =
                checking == Checking::Look ? std::optional<bool>(m_speller->IsCorrect(spelt)) : m_speller->Known(spelt);
            if (!correct)
                complete = false;
            else if (!*correct)
                add(word.start, word.length, m_looks.misspelt);
        }
    }
    QTextLayout* layout = block.layout();
    if (layout && layout->formats() != ranges) {
        m_formatting = true;
        layout->setFormats(ranges);
        m_field->document()->markContentsDirty(block.position(), block.length());
        m_formatting = false;
    }
    info->shownStyle = m_style;
    info->shownPass = m_passDone;
    info->shownComplete = complete;
    if (!complete)
        m_visible->start();
}

void BodyHighlighter::StartPass()
{
    if (!m_highlighting && !m_speller)
        return;
    ++m_pass;
    m_phase = Phase::Forward;
    m_at = 0;
    m_carry = {};
    m_idle->start();
}

void BodyHighlighter::Slice()
{
    QElapsedTimer clock;
    clock.start();
    QTextDocument* document = m_field->document();
    QTextBlock block = document->findBlockByNumber(m_at);
    int sinceClock = 0;
    auto sliceOver = [&] {
        if (++sinceClock < 8)
            return false;
        sinceClock = 0;
        return clock.nsecsElapsed() >= kSliceNs;
    };
    while (m_phase != Phase::Done) {
        if (!block.isValid()) {
            // The end of a phase.
            if (m_phase == Phase::Forward) {
                m_phase = Phase::Backward;
                block = document->lastBlock();
                m_at = block.blockNumber();
                m_carry = {};
                continue;
            }
            if (m_phase == Phase::Backward) {
                m_passDone = m_pass;
                m_phase = m_speller && m_wordsDue ? Phase::Words : Phase::Done;
                m_at = 0;
                block = document->begin();
                FormatVisible();
                continue;
            }
            m_phase = Phase::Done;
            m_wordsDue = false;
            break;
        }
        if (m_phase == Phase::Forward) {
            BlockInfo* info = Info(block, {});
            info->start = m_carry;
            m_carry = PostScan::Forward(m_carry, info->tokens);
            block = block.next();
            ++m_at;
        } else if (m_phase == Phase::Backward) {
            BlockInfo* info = Info(block, {});
            info->end = m_carry;
            m_carry = PostScan::Backward(m_carry, info->tokens);
            block = block.previous();
            --m_at;
        } else {
            // Every prose word looked up once, so lines show at once when
            // they come into view.
            const QByteArray utf8 = block.text().toUtf8();
            const BlockInfo* info = Info(block, utf8);
            for (const PostScan::Range& word :
                 PostScan::Describe(View(utf8), info->tokens, info->start, info->end).words)
                m_speller->IsCorrect(View(utf8).substr(word.start, word.length));
            block = block.next();
            ++m_at;
        }
        if (sliceOver())
            break;
    }
    m_longestSliceMs = std::max(m_longestSliceMs, static_cast<double>(clock.nsecsElapsed()) / 1e6);
    if (m_phase != Phase::Done)
        m_idle->start();
}

bool BodyHighlighter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field) {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
            m_looks = LookFormats::For(m_field->palette(), m_field->font());
            Refresh();
        }
        return false;
    }
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
        m_visible->start();
    } else if (event->type() == QEvent::ToolTip && m_highlighting) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString problem = ProblemAt(m_field->cursorForPosition(help->pos()).position());
        if (problem.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), problem, m_field->viewport());
        return true;
    }
    return false;
}

QString BodyHighlighter::ProblemAt(int position)
{
    const QTextBlock block = m_field->document()->findBlock(position);
    if (!block.isValid())
        return {};
    const QString text = block.text();
    const QByteArray utf8 = text.toUtf8();
    const BlockInfo* info = Info(block, utf8);
    const Offsets at(utf8, text.size());
    const int inBlock = position - block.position();
    for (const PostScan::Mark& mark : PostScan::Describe(View(utf8), info->tokens, info->start, info->end).marks)
        if (inBlock >= at(mark.start) && inBlock <= at(mark.start + mark.length))
            return ToQString(PostScan::ProblemText(mark));
    return {};
}

std::optional<MisspeltWord> BodyHighlighter::MisspeltWordAt(int position)
{
    const QTextBlock block = m_field->document()->findBlock(position);
    if (!m_speller || !block.isValid())
        return std::nullopt;
    const QString text = block.text();
    const QByteArray utf8 = text.toUtf8();
    const BlockInfo* info = Info(block, utf8);
    const Offsets at(utf8, text.size());
    const int inBlock = position - block.position();
    for (const PostScan::Range& word : PostScan::Describe(View(utf8), info->tokens, info->start, info->end).words) {
        const int from = at(word.start), to = at(word.start + word.length);
        if (inBlock < from || inBlock > to)
            continue;
        const std::string_view spelt = View(utf8).substr(word.start, word.length);
        if (m_speller->IsCorrect(spelt))
            return std::nullopt;
        return MisspeltWord{block.position() + from, to - from, text.mid(from, to - from)};
    }
    return std::nullopt;
}
