// SPDX-License-Identifier: MIT
#include "editor/TextSearch.h"

#include <algorithm>

namespace {
// Every match of `expression` in `text` that starts in [from, to) and is not
// empty, in order, while `each` returns true.
template <class Each>
void Scan(const QRegularExpression& expression, const QString& text, qsizetype from, qsizetype to, Each each)
{
    QRegularExpressionMatchIterator matches = expression.globalMatch(text, from);
    while (matches.hasNext()) {
        const QRegularExpressionMatch found = matches.next();
        if (found.capturedStart() >= to)
            return;
        if (found.capturedLength() > 0 && !each(found))
            return;
    }
}

TextSearch::Match Span(const QRegularExpressionMatch& found) { return {found.capturedStart(), found.capturedLength()}; }
}  // namespace

bool TextSearch::SetPattern(const QString& pattern, Options options, QString* error)
{
    m_pattern = pattern;
    m_options = options;
    QString expression = options.regularExpression ? pattern : QRegularExpression::escape(pattern);
    // Not next to a letter, digit or underscore, rather than \b: a phrase
    // that starts or ends with a sign ("[b]") is a whole word too.
    if (options.wholeWords)
        expression = QStringLiteral("(?<!\\w)(?:%1)(?!\\w)").arg(expression);
    QRegularExpression::PatternOptions flags =
        QRegularExpression::MultilineOption | QRegularExpression::UseUnicodePropertiesOption;
    if (!options.matchCase)
        flags |= QRegularExpression::CaseInsensitiveOption;
    m_expression.setPattern(expression);
    m_expression.setPatternOptions(flags);
    if (!m_expression.isValid()) {
        if (error) {
            // The position in the user's pattern, not in the one wrapped for whole words.
            const qsizetype offset = options.wholeWords ? 10 : 0;
            const qsizetype at = std::max<qsizetype>(0, m_expression.patternErrorOffset() - offset);
            *error = QStringLiteral("%1 (%2)").arg(m_expression.errorString()).arg(at + 1);
        }
        return false;
    }
    m_expression.optimize();
    if (error)
        error->clear();
    return true;
}

std::optional<TextSearch::Match> TextSearch::Next(const QString& text, qsizetype from) const
{
    std::optional<Match> first;
    if (!FindsNothing())
        Scan(m_expression, text, from, text.size() + 1, [&](const QRegularExpressionMatch& found) {
            first = Span(found);
            return false;
        });
    return first;
}

std::optional<TextSearch::Match> TextSearch::Previous(const QString& text, qsizetype before) const
{
    if (FindsNothing())
        return std::nullopt;
    // Backwards in growing windows: each scans forward from its start, and
    // the last match that ends in time is the one before `before`.
    for (qsizetype window = 4096;; window *= 4) {
        const qsizetype start = std::max<qsizetype>(0, before - window);
        std::optional<Match> last;
        Scan(m_expression, text, start, before, [&](const QRegularExpressionMatch& found) {
            if (found.capturedEnd() > before)
                return false;
            last = Span(found);
            return true;
        });
        if (last || start == 0)
            return last;
    }
}

void TextSearch::ForEach(const QString& text, qsizetype from, qsizetype to,
                         const std::function<bool(Match)>& each) const
{
    if (!FindsNothing())
        Scan(m_expression, text, from, to, [&](const QRegularExpressionMatch& found) { return each(Span(found)); });
}

QString TextSearch::Replacement(const QString& text, Match match, const QString& replacement) const
{
    if (!m_options.regularExpression)
        return replacement;
    const QRegularExpressionMatch found = m_expression.match(text, match.start, QRegularExpression::NormalMatch,
                                                             QRegularExpression::AnchorAtOffsetMatchOption);
    return Expand(found, replacement);
}

QString TextSearch::ReplaceAll(const QString& text, const QString& replacement, qsizetype* count,
                               Match* changed) const
{
    QString result;
    qsizetype copied = 0;
    qsizetype replaced = 0;
    Match span{0, 0};
    if (!FindsNothing())
        Scan(m_expression, text, 0, text.size() + 1, [&](const QRegularExpressionMatch& found) {
            if (replaced == 0) {
                result.reserve(text.size() + 16);
                span.start = found.capturedStart();
            }
            result.append(QStringView(text).mid(copied, found.capturedStart() - copied));
            if (m_options.regularExpression)
                result.append(Expand(found, replacement));
            else
                result.append(replacement);
            copied = found.capturedEnd();
            span.length = copied - span.start;
            ++replaced;
            return true;
        });
    if (count)
        *count = replaced;
    if (changed)
        *changed = span;
    if (replaced == 0)
        return text;
    result.append(QStringView(text).mid(copied));
    return result;
}

QString TextSearch::Expand(const QRegularExpressionMatch& found, const QString& replacement) const
{
    QString out;
    const int groups = m_expression.captureCount();
    for (qsizetype i = 0; i < replacement.size(); ++i) {
        const QChar c = replacement[i];
        if (c != QLatin1Char('\\') || i + 1 == replacement.size()) {
            out.append(c);
            continue;
        }
        const QChar next = replacement[++i];
        if (next.isDigit() && next.unicode() < 128) {
            int group = next.digitValue();
            // Two digits when there are that many groups: \12 is group 12
            // only in an expression with twelve.
            if (i + 1 < replacement.size() && replacement[i + 1].isDigit() && replacement[i + 1].unicode() < 128
                && group * 10 + replacement[i + 1].digitValue() <= groups)
                group = group * 10 + replacement[++i].digitValue();
            out.append(found.captured(group));
        } else if (next == QLatin1Char('n')) {
            out.append(QLatin1Char('\n'));
        } else if (next == QLatin1Char('t')) {
            out.append(QLatin1Char('\t'));
        } else {
            out.append(next);  // \\ and any other escaped sign stand for themselves
        }
    }
    return out;
}
