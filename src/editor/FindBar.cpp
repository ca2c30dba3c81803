// SPDX-License-Identifier: MIT
#include "editor/FindBar.h"

#include "base/Look.h"

#include <QAction>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {
// The most matches marked at once: a screen holds fewer.
constexpr int MostMarks = 2000;

// The field merges typing that directly follows an insertion into the
// insertion's undo step; ending the step with a removal (of a character put
// there for the purpose) keeps the replacement a step of its own.
void EndUndoStep(QTextCursor& cursor)
{
    cursor.insertText(QString(QChar(0x200B)));
    cursor.deletePreviousChar();
}

QColor MarkColour(const QPalette& palette)
{
    return Look::IsDark(palette) ? QColor(120, 95, 20) : QColor(255, 226, 110);
}
}  // namespace

FindBar::FindBar(QPlainTextEdit* body, QWidget* parent) : QWidget(parent), m_body(body)
{
    setObjectName(QStringLiteral("findBar"));
    setAccessibleName(tr("Find and replace"));

    auto label = [this](const QString& text, QWidget* buddy) {
        auto* words = new QLabel(text, this);
        words->setBuddy(buddy);
        return words;
    };
    auto toolButton = [this](const char* name, const QString& text, const QString& tooltip) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        button->setText(text);
        button->setToolTip(tooltip);
        button->setAccessibleName(tooltip);
        button->setAutoRaise(true);
        return button;
    };
    auto pushButton = [this](const char* name, const QString& text) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setAccessibleName(text);
        button->setAutoDefault(false);
        return button;
    };
    // The options are small toggles, so the bar fits under a narrow body;
    // their names are their tooltips and what screen readers say.
    auto option = [this](const char* name, const QString& face, const QString& text) {
        auto* toggle = new QToolButton(this);
        toggle->setObjectName(QLatin1String(name));
        toggle->setText(face);
        toggle->setCheckable(true);
        toggle->setAutoRaise(true);
        toggle->setToolTip(text);
        toggle->setAccessibleName(text);
        connect(toggle, &QToolButton::toggled, this, &FindBar::PatternChanged);
        return toggle;
    };

    findEdit = new QLineEdit(this);
    findEdit->setObjectName(QStringLiteral("findEdit"));
    findEdit->setAccessibleName(tr("Find"));
    findEdit->setClearButtonEnabled(true);
    findEdit->installEventFilter(this);
    connect(findEdit, &QLineEdit::textChanged, this, &FindBar::PatternChanged);
    previousButton = toolButton("findPreviousButton", QStringLiteral("\u25B2"), tr("Previous"));
    nextButton = toolButton("findNextButton", QStringLiteral("\u25BC"), tr("Next"));
    connect(previousButton, &QToolButton::clicked, this, &FindBar::FindPrevious);
    connect(nextButton, &QToolButton::clicked, this, &FindBar::FindNext);
    matchCaseBox = option("matchCaseBox", QStringLiteral("Aa"), tr("Match Case"));
    wholeWordsBox = option("wholeWordsBox", QStringLiteral("\u201Cab\u201D"), tr("Whole Words"));
    regexBox = option("regexBox", QStringLiteral(".*"), tr("Regular Expression"));
    findEdit->setMinimumWidth(fontMetrics().averageCharWidth() * 14);
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("findStatus"));
    // A long notice never widens the window: the label takes the room left,
    // and its tooltip holds the whole text.
    statusLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusLabel->setMinimumWidth(fontMetrics().averageCharWidth() * 10);
    statusLabel->setAccessibleName(tr("Find status"));
    statusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    closeButton = toolButton("closeFindButton", QStringLiteral("\u2715"), tr("Close"));
    connect(closeButton, &QToolButton::clicked, this, &FindBar::Close);

    replaceRow = new QWidget(this);
    replaceRow->setObjectName(QStringLiteral("replaceRow"));
    replaceEdit = new QLineEdit(replaceRow);
    replaceEdit->setObjectName(QStringLiteral("replaceEdit"));
    replaceEdit->setAccessibleName(tr("Replace with"));
    replaceEdit->setToolTip(tr("With Regular Expression, \\1 to \\99 stand for the match's groups"));
    replaceEdit->installEventFilter(this);
    replaceButton = pushButton("replaceButton", tr("Replace"));
    replaceAllButton = pushButton("replaceAllButton", tr("Replace All"));
    connect(replaceButton, &QPushButton::clicked, this, &FindBar::Replace);
    connect(replaceAllButton, &QPushButton::clicked, this, &FindBar::ReplaceAll);

    auto* findRow = new QHBoxLayout;
    findRow->setContentsMargins(0, 0, 0, 0);
    findRow->addWidget(label(tr("Find:"), findEdit));
    findRow->addWidget(findEdit, 1);
    findRow->addWidget(previousButton);
    findRow->addWidget(nextButton);
    findRow->addWidget(matchCaseBox);
    findRow->addWidget(wholeWordsBox);
    findRow->addWidget(regexBox);
    findRow->addWidget(statusLabel, 2);
    findRow->addWidget(closeButton);
    auto* replaceLine = new QHBoxLayout(replaceRow);
    replaceLine->setContentsMargins(0, 0, 0, 0);
    auto* replaceWords = label(tr("Replace with:"), replaceEdit);
    replaceWords->setParent(replaceRow);
    replaceLine->addWidget(replaceWords);
    replaceLine->addWidget(replaceEdit, 2);
    replaceLine->addWidget(replaceButton);
    replaceLine->addWidget(replaceAllButton);
    replaceLine->addStretch(1);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 4, 0, 4);
    rows->setSpacing(3);
    rows->addLayout(findRow);
    rows->addWidget(replaceRow);
    replaceRow->hide();

    // Escape closes the bar from any of its controls.
    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QAction::triggered, this, &FindBar::Close);
    addAction(escape);

    m_pause = new QTimer(this);
    m_pause->setObjectName(QStringLiteral("findPause"));
    m_pause->setSingleShot(true);
    m_pause->setInterval(PauseMs);
    connect(m_pause, &QTimer::timeout, this, [this] {
        if (!isVisible())
            return;
        Recount(m_body->toPlainText());
        ShowCount();
    });
    m_marking = new QTimer(this);
    m_marking->setSingleShot(true);
    m_marking->setInterval(0);
    connect(m_marking, &QTimer::timeout, this, &FindBar::MarkVisible);
    // An edit only restarts the pause: nothing here reads the post on a keystroke.
    connect(m_body->document(), &QTextDocument::contentsChange, this, [this] {
        m_stale = true;
        if (isVisible())
            m_pause->start();
    });
    connect(m_body->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (isVisible())
            m_marking->start();
    });
    m_viewport = m_body->viewport();
    m_viewport->installEventFilter(this);
    hide();
    EnableCommands();
}

void FindBar::ShowFind() { Open(false); }
void FindBar::ShowReplace() { Open(true); }

void FindBar::Open(bool replacing)
{
    const QTextCursor cursor = m_body->textCursor();
    m_origin = cursor.selectionStart();
    // One line of selected text is what the user wants to find, unless it
    // is a match of what the bar already looks for (the bar selected it).
    const QString selected = cursor.selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator) && !IsMatchSelected()) {
        const QSignalBlocker quiet(findEdit);
        findEdit->setText(regexBox->isChecked() ? QRegularExpression::escape(selected) : selected);
    }
    if (replacing)
        replaceRow->show();
    show();
    PatternChanged();
    QLineEdit* field = replacing && !findEdit->text().isEmpty() ? replaceEdit : findEdit;
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
}

bool FindBar::IsMatchSelected() const
{
    const QTextCursor cursor = m_body->textCursor();
    if (!isVisible() || m_search.FindsNothing() || !cursor.hasSelection())
        return false;
    const std::optional<TextSearch::Match> match = m_search.Next(m_body->toPlainText(), cursor.selectionStart());
    return match && match->start == cursor.selectionStart() && match->End() == cursor.selectionEnd();
}

void FindBar::Close()
{
    hide();
    m_body->setFocus(Qt::OtherFocusReason);
}

void FindBar::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_pause->stop();
    m_marking->stop();
    m_body->setExtraSelections({});
    replaceRow->hide();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    // The viewport kept from the start: while the body is being destroyed
    // its events still arrive, and the body may no longer be asked.
    if (watched == m_viewport) {
        if (event->type() == QEvent::Resize && isVisible())
            m_marking->start();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    // Enter in the Find field goes on to the next match, Shift+Enter back to
    // the previous one; Enter in the Replace with field replaces.
    if (watched == replaceEdit && !(key->modifiers() & Qt::ShiftModifier))
        Replace();
    else
        Find(!(key->modifiers() & Qt::ShiftModifier));
    return true;
}

void FindBar::PatternChanged()
{
    if (!isVisible())
        return;
    const TextSearch::Options options{matchCaseBox->isChecked(), wholeWordsBox->isChecked(), regexBox->isChecked()};
    m_search.SetPattern(findEdit->text(), options, &m_error);
    UpdatePatternLook(!m_error.isEmpty());
    EnableCommands();
    const QString text = m_body->toPlainText();
    Recount(text);
    if (m_search.FindsNothing()) {
        ShowCount();
        return;
    }
    std::optional<TextSearch::Match> match = m_search.Next(text, m_origin);
    if (!match)
        match = m_search.Next(text, 0);
    if (match)
        Select(*match);
    ShowCount();
    UpdatePatternLook(m_matches.empty());
}

void FindBar::FindNext() { Find(true); }
void FindBar::FindPrevious() { Find(false); }

void FindBar::Find(bool forward)
{
    if (!isVisible()) {
        ShowFind();
        return;
    }
    if (m_search.FindsNothing())
        return;
    const QString text = m_body->toPlainText();
    if (m_stale)
        Recount(text);
    const QTextCursor cursor = m_body->textCursor();
    QString notice;
    std::optional<TextSearch::Match> match =
        forward ? m_search.Next(text, cursor.selectionEnd()) : m_search.Previous(text, cursor.selectionStart());
    if (!match) {
        match = forward ? m_search.Next(text, 0) : m_search.Previous(text, text.size());
        if (match)
            notice = forward ? tr("Continued from the start") : tr("Continued from the end");
    }
    if (match) {
        Select(*match);
        m_origin = match->start;
    }
    ShowCount(notice);
}

void FindBar::Select(TextSearch::Match match)
{
    QTextCursor cursor = m_body->textCursor();
    cursor.setPosition(match.start);
    cursor.setPosition(match.End(), QTextCursor::KeepAnchor);
    m_body->setTextCursor(cursor);
    m_marking->start();
}

void FindBar::Replace()
{
    if (m_search.FindsNothing())
        return;
    // Only a selected match is replaced; otherwise Replace finds the next one first.
    if (IsMatchSelected()) {
        const QString text = m_body->toPlainText();
        QTextCursor cursor = m_body->textCursor();
        const TextSearch::Match match{cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
        cursor.beginEditBlock();
        cursor.insertText(m_search.Replacement(text, match, replaceEdit->text()));
        EndUndoStep(cursor);
        cursor.endEditBlock();
        m_body->setTextCursor(cursor);
    }
    Find(true);
}

void FindBar::ReplaceAll()
{
    if (m_search.FindsNothing())
        return;
    const QString text = m_body->toPlainText();
    qsizetype count = 0;
    TextSearch::Match span;
    const QString result = m_search.ReplaceAll(text, replaceEdit->text(), &count, &span);
    if (count > 0) {
        // Only the part from the first match to the last one changes, in one
        // edit: one step of the undo.
        const qsizetype tail = text.size() - span.End();
        QTextCursor cursor(m_body->document());
        cursor.beginEditBlock();
        cursor.setPosition(span.start);
        cursor.setPosition(span.End(), QTextCursor::KeepAnchor);
        cursor.insertText(result.mid(span.start, result.size() - tail - span.start));
        EndUndoStep(cursor);
        cursor.endEditBlock();
        // Counted here: the pause the edit started would only drop the notice.
        m_pause->stop();
        Recount(result);
    }
    ShowCount(count == 1 ? tr("1 replaced") : tr("%1 replaced").arg(QLocale().toString(qlonglong(count))));
}

void FindBar::Recount(const QString& text)
{
    m_matches.clear();
    m_search.ForEach(text, 0, text.size() + 1, [this](TextSearch::Match match) {
        m_matches.push_back(match);
        return true;
    });
    m_stale = false;
    MarkVisible();
}

void FindBar::MarkVisible()
{
    QList<QTextEdit::ExtraSelection> marks;
    if (isVisible() && !m_search.FindsNothing()) {
        // The lines on screen, and only those.
        const QWidget* viewport = m_body->viewport();
        const QTextBlock first = m_body->cursorForPosition(QPoint(0, 0)).block();
        const QTextBlock last = m_body->cursorForPosition(QPoint(viewport->width(), viewport->height())).block();
        QString shown;
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            shown += block.text();
            if (block == last)
                break;
            shown += QLatin1Char('\n');
        }
        QTextCharFormat look;
        look.setBackground(MarkColour(m_body->palette()));
        const qsizetype base = first.position();
        m_search.ForEach(shown, 0, shown.size() + 1, [&](TextSearch::Match match) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(m_body->document());
            mark.cursor.setPosition(int(base + match.start));
            mark.cursor.setPosition(int(base + match.End()), QTextCursor::KeepAnchor);
            mark.format = look;
            marks.append(mark);
            return marks.size() < MostMarks;
        });
    }
    m_body->setExtraSelections(marks);
}

QString FindBar::Status() const { return statusLabel->text(); }

void FindBar::ShowCount(const QString& notice)
{
    if (!m_error.isEmpty()) {
        ShowMessage(tr("Not a valid expression: %1").arg(m_error), true);
        return;
    }
    if (m_search.FindsNothing()) {
        ShowMessage(QString(), false);
        return;
    }
    const QLocale locale;
    const QTextCursor cursor = m_body->textCursor();
    const TextSearch::Match selected{cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
    const auto at = std::lower_bound(m_matches.begin(), m_matches.end(), selected,
                                     [](const TextSearch::Match& a, const TextSearch::Match& b) { return a.start < b.start; });
    QString count;
    if (m_matches.empty())
        count = tr("No matches");
    else if (!m_stale && at != m_matches.end() && *at == selected)
        count = tr("%1 of %2", "the match selected, of all the matches")
                    .arg(locale.toString(qlonglong(at - m_matches.begin() + 1)),
                         locale.toString(qulonglong(m_matches.size())));
    else
        count = m_matches.size() == 1 ? tr("1 match") : tr("%1 matches").arg(locale.toString(qulonglong(m_matches.size())));
    ShowMessage(notice.isEmpty() ? count : tr("%1 \u00B7 %2", "a count, then a notice").arg(count, notice), false);
}

void FindBar::ShowMessage(const QString& text, bool error)
{
    statusLabel->setText(text);
    statusLabel->setToolTip(text);
    statusLabel->setStyleSheet(error ? QStringLiteral("color: #C00000;") : QString());
}

void FindBar::UpdatePatternLook(bool error)
{
    // A pattern that finds nothing, or is no valid expression, shows a red field.
    QPalette palette = findEdit->parentWidget()->palette();
    if (error && !findEdit->text().isEmpty())
        palette.setColor(QPalette::Base, Look::IsDark(palette) ? QColor(110, 30, 30) : QColor(255, 210, 210));
    findEdit->setPalette(palette);
}

void FindBar::EnableCommands()
{
    const bool usable = !m_search.FindsNothing();
    for (QWidget* command : std::initializer_list<QWidget*>{previousButton, nextButton, replaceButton, replaceAllButton})
        command->setEnabled(usable);
}
