// SPDX-License-Identifier: MIT
// Find and replace in the message body, driven through the Edit menu's
// items, their shortcuts and the bar's own fields and buttons: the count of
// matches, the options, wrapping round the post, the marks on screen,
// Replace, Replace All as one undo step, back-references, a bad expression.

#include "editor/MainWindow.h"
#include "support/EditorFixture.h"
#include "support/PostControls.h"
#include "support/TestMain.h"

#include <QAction>
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {
struct Bar {
    QWidget* bar;
    QLineEdit* find;
    QLineEdit* replace;
    QLabel* status;
};

Bar FindBarOf(MainWindow& w)
{
    return {w.findChild<QWidget*>("findBar"), w.findChild<QLineEdit*>("findEdit"),
            w.findChild<QLineEdit*>("replaceEdit"), w.findChild<QLabel*>("findStatus")};
}

QString Selected(MainWindow& w) { return Controls(w).bodyEdit->textCursor().selectedText(); }

// A key as the user presses it where the focus is.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}
}  // namespace

class tst_FindBar : public QObject {
    Q_OBJECT
private slots:
    void init() { m_fx = std::make_unique<EditorFixture>(); }
    void cleanup() { m_fx.reset(); }
    void findCountsAndSelects_data();
    void findCountsAndSelects();
    void nextAndPreviousWrapRound();
    void marksAndCountFollowTheText();
    void replaceAllIsOneUndoStep_data();
    void replaceAllIsOneUndoStep();
    void replaceChangesTheSelectedMatchOnly();

private:
    std::unique_ptr<EditorFixture> m_fx;
};

void tst_FindBar::findCountsAndSelects_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("options");  // object names of the options checked
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("selected");
    QTest::newRow("case ignored") << "Alice met alice and ALICE" << "alice" << QStringList() << "1 of 3" << "Alice";
    QTest::newRow("Match Case") << "Alice met alice and ALICE" << "alice" << QStringList{"matchCaseBox"} << "1 of 1"
                                << "alice";
    QTest::newRow("Whole Words: not inside a word") << "concat cat catalog" << "cat" << QStringList{"wholeWordsBox"}
                                                    << "1 of 1" << "cat";
    QTest::newRow("Whole Words: a tag starting with a sign") << "x[b] [b]y [b]" << "[b]"
                                                             << QStringList{"wholeWordsBox"} << "1 of 1" << "[b]";
    QTest::newRow("pattern taken as text without Regular Expression") << "a.b axb" << "a.b" << QStringList() << "1 of 1"
                                                                      << "a.b";
    QTest::newRow("Regular Expression") << "a1 b22 c333" << "\\d{2,}" << QStringList{"regexBox"} << "1 of 2" << "22";
    QTest::newRow("empty matches are not matches") << "abc" << "x*" << QStringList{"regexBox"} << "No matches" << "";
    QTest::newRow("nothing found") << "abc" << "z" << QStringList() << "No matches" << "";
    QTest::newRow("bad expression shown in the bar") << "abc" << "(a" << QStringList{"regexBox"}
                                                     << "Not a valid expression: missing closing parenthesis (3)" << "";
}

void tst_FindBar::findCountsAndSelects()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(QStringList, options);
    QFETCH(QString, status);
    QFETCH(QString, selected);
    auto w = m_fx->MakeWindow();
    EditorFixture::SetPost(*w, text, 0);
    Controls(*w).bodyEdit->setFocus();
    Press(Qt::Key_F, Qt::ControlModifier);
    const Bar bar = FindBarOf(*w);
    QVERIFY(bar.bar->isVisible());
    QCOMPARE(QApplication::focusWidget(), bar.find);
    for (const QString& option : options)
        w->findChild<QAbstractButton*>(option)->setChecked(true);
    QTest::keyClicks(bar.find, pattern);
    QCOMPARE(bar.status->text(), status);
    QCOMPARE(Selected(*w), selected);
}

void tst_FindBar::nextAndPreviousWrapRound()
{
    auto w = m_fx->MakeWindow();
    EditorFixture::SetPost(*w, "x one x two x", 0);
    w->findChild<QAction*>("findAction")->trigger();
    const Bar bar = FindBarOf(*w);
    QTest::keyClicks(bar.find, "x");
    QCOMPARE(bar.status->text(), QString("1 of 3"));
    struct Step {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* status;
        int selectedAt;
    };
    const Step steps[] = {
        {Qt::Key_F3, Qt::NoModifier, "2 of 3", 6},
        {Qt::Key_Return, Qt::NoModifier, "3 of 3", 12},
        {Qt::Key_F3, Qt::NoModifier, "1 of 3 \u00B7 Continued from the start", 0},
        {Qt::Key_F3, Qt::ShiftModifier, "3 of 3 \u00B7 Continued from the end", 12},
        {Qt::Key_Return, Qt::ShiftModifier, "2 of 3", 6},
    };
    for (const Step& step : steps) {
        Press(step.key, step.modifiers);
        QCOMPARE(bar.status->text(), QString(step.status));
        QCOMPARE(Controls(*w).bodyEdit->textCursor().selectionStart(), step.selectedAt);
    }
    // The menu items do what their keys do.
    w->findChild<QAction*>("findPreviousAction")->trigger();
    QCOMPARE(bar.status->text(), QString("1 of 3"));
    w->findChild<QAction*>("findNextAction")->trigger();
    QCOMPARE(bar.status->text(), QString("2 of 3"));
}

void tst_FindBar::marksAndCountFollowTheText()
{
    auto w = m_fx->MakeWindow();
    QPlainTextEdit* body = Controls(*w).bodyEdit;
    // Many lines: only those on screen are marked.
    EditorFixture::SetPost(*w, QString("name and name\n").repeated(2000), 0);
    body->setFocus();
    Press(Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(FindBarOf(*w).find, "name");
    QCOMPARE(FindBarOf(*w).status->text(), "1 of " + QLocale().toString(4000));
    const qsizetype marked = body->extraSelections().size();
    QVERIFY2(marked >= 2 && marked < 400, qPrintable(QString::number(marked)));
    // An edit is counted after the pause.
    body->moveCursor(QTextCursor::End);
    QTest::keyClicks(body, "name");
    QTRY_COMPARE(FindBarOf(*w).status->text(), QLocale().toString(4001) + " matches");
    FindBarOf(*w).find->setFocus();
    Press(Qt::Key_Escape);
    QVERIFY(!FindBarOf(*w).bar->isVisible());
    QCOMPARE(QApplication::focusWidget(), body);
    QCOMPARE(body->extraSelections().size(), 0);
}

void tst_FindBar::replaceAllIsOneUndoStep_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("regex");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("replaced");
    QTest::addColumn<QString>("status");
    QString guide, renamed;
    for (int i = 0; i < 40; ++i) {
        guide += QString("Step %1: Alice opens the door.\n").arg(i);
        renamed += QString("Step %1: Bob opens the door.\n").arg(i);
    }
    QTest::newRow("a name throughout a long post") << guide << "Alice" << false << "Bob" << renamed
                                                   << "No matches \u00B7 40 replaced";
    QTest::newRow("back-references") << "mail anna@home, bert@work" << "(\\w+)@(\\w+)" << true << "\\2 of \\1"
                                     << "mail home of anna, work of bert" << "No matches \u00B7 2 replaced";
    QTest::newRow("replacement taken as text without Regular Expression") << "a-b" << "-" << false << "\\1"
                                                                          << "a\\1b" << "No matches \u00B7 1 replaced";
    QTest::newRow("line breaks written as \\n") << "a;b" << ";" << true << "\\n" << "a\nb"
                                                << "No matches \u00B7 1 replaced";
    QTest::newRow("the replacement found again") << "a a" << "a" << false << "aa" << "aa aa"
                                                 << "4 matches \u00B7 2 replaced";
}

void tst_FindBar::replaceAllIsOneUndoStep()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(bool, regex);
    QFETCH(QString, replacement);
    QFETCH(QString, replaced);
    QFETCH(QString, status);
    auto w = m_fx->MakeWindow();
    QPlainTextEdit* body = Controls(*w).bodyEdit;
    EditorFixture::SetPost(*w, text, 0);
    body->document()->clearUndoRedoStacks();
    // From the title: Undo then takes back the body's replacement.
    Controls(*w).subjectEdit->setFocus();
    Press(Qt::Key_H, Qt::ControlModifier);
    const Bar bar = FindBarOf(*w);
    QVERIFY(bar.replace->isVisible());
    w->findChild<QAbstractButton*>("regexBox")->setChecked(regex);
    QTest::keyClicks(bar.find, pattern);
    QTest::keyClicks(bar.replace, replacement);
    QTest::mouseClick(w->findChild<QPushButton*>("replaceAllButton"), Qt::LeftButton);
    QCOMPARE(body->toPlainText(), replaced);
    QCOMPARE(bar.status->text(), status);
    QVERIFY(w->findChild<QAction*>("undoAction")->isEnabled());
    // Counted already: no recount after a pause drops what Replace All did.
    QVERIFY(!w->findChild<QTimer*>("findPause")->isActive());
    // Typing after it is a step of its own, even right after a replacement.
    body->moveCursor(QTextCursor::End);
    QTest::keyClicks(body, "!");
    QAction* undo = w->findChild<QAction*>("undoAction");
    undo->trigger();
    QCOMPARE(body->toPlainText(), replaced);
    QVERIFY(undo->isEnabled());
    undo->trigger();
    QCOMPARE(body->toPlainText(), text);
    QVERIFY(!undo->isEnabled());
    // Once undone, the bar no longer tells of the replacement.
    QTRY_VERIFY(!bar.status->text().contains("replaced"));
}

void tst_FindBar::replaceChangesTheSelectedMatchOnly()
{
    auto w = m_fx->MakeWindow();
    QPlainTextEdit* body = Controls(*w).bodyEdit;
    EditorFixture::SetPost(*w, "red, red and red", 0);
    w->findChild<QAction*>("replaceAction")->trigger();
    const Bar bar = FindBarOf(*w);
    QTest::keyClicks(bar.find, "red");
    QTest::keyClicks(bar.replace, "blue");
    auto* replace = w->findChild<QPushButton*>("replaceButton");
    QTest::mouseClick(replace, Qt::LeftButton);
    QCOMPARE(body->toPlainText(), QString("blue, red and red"));
    QCOMPARE(body->textCursor().selectionStart(), 6);
    // The caret away from a match: Replace only finds the next one.
    body->moveCursor(QTextCursor::End);
    QTest::mouseClick(replace, Qt::LeftButton);
    QCOMPARE(body->toPlainText(), QString("blue, red and red"));
    QCOMPARE(body->textCursor().selectionStart(), 6);
    // Enter in the Replace with field replaces.
    bar.replace->setFocus();
    Press(Qt::Key_Return);
    QCOMPARE(body->toPlainText(), QString("blue, blue and red"));
    // Replace... again with the match selected keeps the expression.
    w->findChild<QAbstractButton*>("regexBox")->setChecked(true);
    bar.find->setText("r.d");
    QCOMPARE(Selected(*w), QString("red"));
    w->findChild<QAction*>("replaceAction")->trigger();
    QCOMPARE(bar.find->text(), QString("r.d"));
    QCOMPARE(QApplication::focusWidget(), bar.replace);
}

QF_TEST_MAIN(tst_FindBar)
#include "tst_findbar.moc"
