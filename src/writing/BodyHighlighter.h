// SPDX-License-Identifier: MIT
#pragma once
// BBCode highlighting and spell checking as you type in the post field.
//
// Display only: the looks are the layout's extra formats of each line
// (QTextLayout::setFormats), which never reach the text, its undo history or
// its changed flag.
//
// The cost of a keystroke does not grow with the post: an edit within one
// line formats that line at once, from what each line keeps about itself (its
// tags, and the open tags before it and the closing tags after it as the last
// pass over the post found them). Everything else happens later: the lines
// on screen are formatted when the view scrolls or the post changes, and a
// pass over the whole post, in slices of a few milliseconds between which
// the window answers input, works out which tags pair and looks up every
// prose word, so that unknown words are ready when their lines come into
// view. A pass starts over only when an edit changes a line's tags or the
// number of lines.

#include <QObject>
#include <QString>
#include <QTextBlock>

#include <cstdint>
#include <optional>

#include "writing/LookFormats.h"
#include "writing/MisspeltWord.h"
#include "writing/PostScan.h"

class QElapsedTimer;
class QPlainTextEdit;
class QTimer;
class Speller;
struct BlockInfo;

class BodyHighlighter : public QObject {
    Q_OBJECT
public:
    BodyHighlighter(QPlainTextEdit* field, QObject* parent = nullptr);
    ~BodyHighlighter() override;

    void SetHighlighting(bool on);
    // The dictionary to check with; null: no spell checking.
    void SetSpeller(Speller* speller);
    // The dictionary's answers changed (a word added or ignored): every line
    // is shown again.
    void Refresh();
    // How the site's board reads tags (PostScan::TagRules): whether tags in
    // capitals work (phpBB 3) or are marked as shown as typed, and whether
    // quotes and lists take attributes (SMF); every line is read again.
    void SetTagRules(PostScan::TagRules rules);

    // The word of the post field at `position` (a position in the field's
    // text) if it is prose and the dictionary does not take it.
    std::optional<MisspeltWord> MisspeltWordAt(int position);
    // The problem of the tag at `position`, empty when there is none.
    QString ProblemAt(int position);

    // No pass over the post is due or under way.
    bool Idle() const;
    // The longest slice of work the pass has taken so far, in milliseconds.
    double LongestSliceMs() const { return m_longestSliceMs; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Checking { CachedOnly, Look };

    void ContentsChange(int from, int removed, int added);
    void CaretMoved();
    void FormatVisible();
    void FormatBlock(const QTextBlock& block, Checking checking, QByteArray utf8 = {});
    void ClearFormats(const QTextBlock& block);
    void Slice();
    void StartPass();
    void RestyleAll();
    BlockInfo* Info(const QTextBlock& block, const QByteArray& utf8);
    bool ShownAsDue(const QTextBlock& block) const;

    QPlainTextEdit* m_field;
    Speller* m_speller = nullptr;
    bool m_highlighting = true;
    PostScan::TagRules m_tagRules;
    LookFormats m_looks;
    QTimer* m_visible;        // formats the lines on screen, once the event loop is free
    QTimer* m_idle;           // the next slice of the pass
    QTimer* m_pause;          // formats the lines on screen once typing in a very long line pauses
    uint64_t m_style = 1;     // changes whenever every line must be shown again
    uint64_t m_pass = 1;      // the pass the states of the lines must come from
    uint64_t m_passDone = 0;  // the last pass that reached the end
    enum class Phase { Forward, Backward, Words, Done } m_phase = Phase::Done;
    int m_at = 0;  // block number the pass continues at
    PostScan::Depths m_carry;
    int m_blockCount = 1;
    bool m_wordsDue = true;  // the pass is to look up every word of the post
    // The word the caret touched when its line was formatted (field positions).
    int m_caretWordStart = -1, m_caretWordEnd = -1;
    bool m_typing = false;  // the last edit was a keystroke
    double m_longestSliceMs = 0;
    bool m_formatting = false;
};
