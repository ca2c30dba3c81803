// SPDX-License-Identifier: MIT
#pragma once
// What the find bar looks for, and where it is in a text: a word or phrase,
// or a regular expression (Qt's QRegularExpression, Perl syntax), matched
// with or without regard to case, anywhere or as whole words only.
//
// Every search is one pass of the expression from a given position, so
// finding, counting and replacing all cost time in proportion to the text.
// A match of no characters (`x*`, `^`) is never a match: it could neither be
// shown nor replaced in a way the user sees.

#include <QRegularExpression>
#include <QString>
#include <functional>
#include <optional>

class TextSearch {
public:
    struct Options {
        bool matchCase = false;
        bool wholeWords = false;
        bool regularExpression = false;
    };
    struct Match {
        qsizetype start = 0;
        qsizetype length = 0;
        qsizetype End() const { return start + length; }
        bool operator==(const Match&) const = default;
    };

    // Looks for `pattern` from now on; false, with the reason in `error`
    // ("missing closing parenthesis at position 3"), when it is not a valid
    // expression; an empty pattern finds nothing.
    bool SetPattern(const QString& pattern, Options options, QString* error = nullptr);
    bool FindsNothing() const { return m_pattern.isEmpty() || !m_expression.isValid(); }
    const QString& Pattern() const { return m_pattern; }

    // The first match that starts at `from` or later.
    std::optional<Match> Next(const QString& text, qsizetype from) const;
    // The last match that ends at `before` or earlier.
    std::optional<Match> Previous(const QString& text, qsizetype before) const;
    // Each match that starts in [from, to), in order, while `each` returns true.
    void ForEach(const QString& text, qsizetype from, qsizetype to, const std::function<bool(Match)>& each) const;

    // What replaces the match at `match` of `text`: `replacement` as it
    // stands, or, for a regular expression, with \0 to \99 the match's
    // groups, \n a line break, \t a tab and \\ a backslash.
    QString Replacement(const QString& text, Match match, const QString& replacement) const;
    // The text with every match replaced; `count` gets their number and
    // `changed` the span of `text` from the first match's start to the last
    // one's end (empty when there was none).
    QString ReplaceAll(const QString& text, const QString& replacement, qsizetype* count, Match* changed) const;

private:
    QString Expand(const QRegularExpressionMatch& found, const QString& replacement) const;

    QString m_pattern;
    Options m_options;
    QRegularExpression m_expression;
};
