// SPDX-License-Identifier: MIT
#pragma once
// The find and replace bar under the message body: a Find field, a Replace
// with field (shown by Replace...), Previous, Next, Replace, Replace All and
// the options Match Case, Whole Words and Regular Expression (toggles marked
// Aa, "ab" and .*). It never covers the text.
//
// Typing in the Find field selects the first match from where the search
// began; Enter and Shift+Enter (F3 and Shift+F3 anywhere in the window) go
// to the next and previous match, wrapping round the post's end with a
// notice. The bar says which match is selected of how many there are
// ("3 of 17"), or why an expression is not valid. While it is open every
// match on screen is marked; an edit of the post only restarts a short
// pause, after which the count and the marks are taken anew, so typing costs
// the same with the bar open in a long post. Replace changes the selected
// match and goes to the next; Replace All changes every match as one step of
// the body's undo. Escape closes the bar and gives the body the focus.

#include "editor/TextSearch.h"

#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolButton;

class FindBar : public QWidget {
    Q_OBJECT
public:
    // How long the post must stay unedited before the count and marks follow it.
    static constexpr int PauseMs = 150;

    FindBar(QPlainTextEdit* body, QWidget* parent = nullptr);

    // Shows the bar with the Find field focused, the body's selection (one
    // line of it) as what is looked for; ShowReplace shows the Replace with
    // field too.
    void ShowFind();
    void ShowReplace();
    // Closes the bar; the marks go and the body takes the focus.
    void Close();
    void FindNext();
    void FindPrevious();
    void Replace();
    void ReplaceAll();

    // What the bar says: the match count, a notice or an error.
    QString Status() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Open(bool replacing);
    // The pattern or an option changed: the search is set anew and the first
    // match from where the search began is selected.
    void PatternChanged();
    void Find(bool forward);
    void Select(TextSearch::Match match);
    // Whether the body's selection is a match of the search.
    bool IsMatchSelected() const;
    // Every match counted in `text`; the marks on screen.
    void Recount(const QString& text);
    void MarkVisible();
    // The count, and `notice` after it when one is given; the next count,
    // after the next command or edit, drops the notice.
    void ShowCount(const QString& notice = QString());
    void ShowMessage(const QString& text, bool error);
    void UpdatePatternLook(bool error);
    void EnableCommands();

    QPlainTextEdit* m_body;
    QObject* m_viewport = nullptr;  // the body's viewport, watched for resizes

    QLineEdit* findEdit = nullptr;
    QLineEdit* replaceEdit = nullptr;
    QToolButton* previousButton = nullptr;
    QToolButton* nextButton = nullptr;
    QPushButton* replaceButton = nullptr;
    QPushButton* replaceAllButton = nullptr;
    QToolButton* closeButton = nullptr;
    QToolButton* matchCaseBox = nullptr;
    QToolButton* wholeWordsBox = nullptr;
    QToolButton* regexBox = nullptr;
    QLabel* statusLabel = nullptr;
    QWidget* replaceRow = nullptr;

    TextSearch m_search;
    QString m_error;                             // why the pattern is not valid
    std::vector<TextSearch::Match> m_matches;    // every match, as last counted
    bool m_stale = true;                         // the post was edited since
    qsizetype m_origin = 0;                      // where typing in the Find field searches from
    QTimer* m_pause = nullptr;                   // restarted by each edit of the post
    QTimer* m_marking = nullptr;                 // the marks follow scrolling once per pass of events
};
