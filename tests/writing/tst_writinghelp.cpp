// SPDX-License-Identifier: MIT
// Spell checking and BBCode highlighting in the main window, with the real
// Enchant and two small dictionaries the test writes into the user's Enchant
// folder (a temporary folder), so no test depends on the machine's own.

#include "post/PostDocument.h"
#include "editor/MainWindow.h"
#include "support/EditorFixture.h"
#include "support/PostControls.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"
#include "writing/BodyHighlighter.h"
#include "writing/LookFormats.h"
#include "writing/TitleSpelling.h"
#include "writing/WritingHelp.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

namespace {
const QStringList Words = {"a",   "and", "bold", "code",  "forum", "hello", "is",    "post", "quote", "said",
                           "see", "the", "this", "title", "world", "word",  "words", "with", "Anna",  "again"};

void WriteDictionary(const QString& tag, const QStringList& words)
{
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/enchant/hunspell/";
    QDir().mkpath(folder);
    WriteAll(folder + tag + ".aff", "SET UTF-8\nTRY abcdefghijklmnopqrstuvwxyz\n");
    WriteAll(folder + tag + ".dic", QString::number(words.size()).toUtf8() + "\n" + words.join('\n').toUtf8() + "\n");
}

// The words of the post field under the spelling underline.
QStringList Underlined(QPlainTextEdit* field)
{
    QStringList words;
    for (QTextBlock block = field->document()->begin(); block.isValid(); block = block.next())
        for (const QTextLayout::FormatRange& range : block.layout()->formats())
            if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                words << block.text().mid(range.start, range.length);
    return words;
}

// How many characters of the post field show a tag-problem mark.
int ProblemMarks(QPlainTextEdit* field)
{
    int marks = 0;
    for (QTextBlock block = field->document()->begin(); block.isValid(); block = block.next())
        for (const QTextLayout::FormatRange& range : block.layout()->formats())
            marks += range.format.underlineStyle() == QTextCharFormat::DashUnderline;
    return marks;
}

// Right-clicks `field` at `pos` and chooses the item `objectName` (or `text`) of the menu.
void ChooseFromContextMenu(QWidget* target, QPoint pos, const QString& text)
{
    bool chosen = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            if (action->text() == text || action->objectName() == text) {
                chosen = true;
                menu->close();
                action->trigger();
                return;
            }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &event);
    QVERIFY2(chosen, qPrintable(text));
}

QAction* LanguageItem(MainWindow& w, const QString& tag)
{
    for (QAction* item : Controls(w).spellingLanguageMenu->actions())
        if (item->objectName() == "languageAction_" + tag)
            return item;
    return nullptr;
}

QPoint PointOfBody(QPlainTextEdit* field, int position)
{
    QTextCursor cursor(field->document());
    cursor.setPosition(position);
    return field->cursorRect(cursor).center() + QPoint(2, 0);
}
}  // namespace

class tst_WritingHelp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void underlinedWords_data();
    void underlinedWords();
    void suggestionIsOneUndoStep();
    void longLineWaitsForAPause();
    void titleSuggestion();
    void addToDictionaryLastsIgnoreAllForTheRun();
    void choicesSurviveRestart();
    void noDictionary();
    void unmatchedTagMarked();
    void marksFollowTyping();
    void savedFileUnchangedByLooks();
    void statusHelpForNewItems();
    void looksReadOnEveryPalette_data();
    void looksReadOnEveryPalette();

private:
    std::unique_ptr<MainWindow> Window();
    std::unique_ptr<EditorFixture> m_fx;
};

void tst_WritingHelp::initTestCase()
{
    WriteDictionary("xx_QF", Words);
    WriteDictionary("yy_QF", {"hallo", "welt"});
}

void tst_WritingHelp::init()
{
    m_fx = std::make_unique<EditorFixture>();
    m_fx->context.offeredDictionaries = [](std::string_view tag) { return tag.ends_with("_QF"); };
    m_fx->settings.setSpellingLanguage("xx_QF");
}

void tst_WritingHelp::cleanup() { m_fx.reset(); }

std::unique_ptr<MainWindow> tst_WritingHelp::Window()
{
    auto w = m_fx->MakeWindow();
    w->Writing().StartSpelling();
    return w;
}

void tst_WritingHelp::underlinedWords_data()
{
    QTest::addColumn<QString>("post");
    QTest::addColumn<QStringList>("underlined");
    QTest::newRow("prose") << "hello wrold, this is a tset" << QStringList{"wrold", "tset"};
    QTest::newRow("tags and values are not checked")
        << "[color=DarkBlue]wrold[/color] [size=18]a[/size] [url=http://exmaple.org]post[/url]" << QStringList{"wrold"};
    QTest::newRow("code, addresses, emoticons, HTML and numbers are not")
        << "[code]int mian;[/code] see www.exmaple.com anna@exmaple.org :lol: <spn class=\"x\"> "
           "2nd\n[img]pictuer.gif[/img]"
        << QStringList{};
    QTest::newRow("code across lines") << "[code]\nwrold\n[/code]\nwrold" << QStringList{"wrold"};
}

void tst_WritingHelp::underlinedWords()
{
    QFETCH(QString, post);
    QFETCH(QStringList, underlined);
    auto w = Window();
    Controls(*w).bodyEdit->setPlainText(post);
    QTRY_VERIFY(w->Writing().Body().Idle());
    QCOMPARE(Underlined(Controls(*w).bodyEdit), underlined);
}

void tst_WritingHelp::suggestionIsOneUndoStep()
{
    auto w = Window();
    Controls(*w).bodyEdit->setFocus();
    QTest::keyClicks(Controls(*w).bodyEdit, "hello wrold and");
    QTRY_COMPARE(Underlined(Controls(*w).bodyEdit), QStringList{"wrold"});
    w->Post().SetState(PostDocument::State::Saved);
    ChooseFromContextMenu(Controls(*w).bodyEdit->viewport(), PointOfBody(Controls(*w).bodyEdit, 8), "world");
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("hello world and"));
    QVERIFY(w->Post().IsChanged());
    QTRY_COMPARE(Underlined(Controls(*w).bodyEdit), QStringList{});
    Controls(*w).bodyEdit->undo();
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("hello wrold and"));
    Controls(*w).bodyEdit->redo();
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("hello world and"));
}

void tst_WritingHelp::longLineWaitsForAPause()
{
    auto w = Window();
    Controls(*w).bodyEdit->setPlainText(QString("hello ").repeated(5000) + "wrold");
    QTRY_VERIFY(w->Writing().Body().Idle());
    QCOMPARE(Underlined(Controls(*w).bodyEdit), QStringList{"wrold"});
    Controls(*w).bodyEdit->moveCursor(QTextCursor::End);
    Controls(*w).bodyEdit->setFocus();
    QTest::keyClicks(Controls(*w).bodyEdit, " tset ");
    QVERIFY(!w->Writing().Body().Idle());
    QTRY_COMPARE(Underlined(Controls(*w).bodyEdit), (QStringList{"wrold", "tset"}));
    w->Post().SetState(PostDocument::State::Saved);
}

void tst_WritingHelp::titleSuggestion()
{
    auto w = Window();
    Controls(*w).subjectEdit->setFocus();
    QTest::keyClicks(Controls(*w).subjectEdit, "the tilte is");
    QTRY_COMPARE(w->Writing().Title().MarkedWords(), QStringList{"tilte"});
    QPoint at(0, Controls(*w).subjectEdit->height() / 2);
    while (at.x() < Controls(*w).subjectEdit->width() && Controls(*w).subjectEdit->cursorPositionAt(at) != 6)
        at.rx()++;
    ChooseFromContextMenu(Controls(*w).subjectEdit, at, "title");
    QCOMPARE(Controls(*w).subjectEdit->text(), QString("the title is"));
    QTRY_COMPARE(w->Writing().Title().MarkedWords(), QStringList{});
    Controls(*w).subjectEdit->undo();
    QCOMPARE(Controls(*w).subjectEdit->text(), QString("the tilte is"));
}

void tst_WritingHelp::addToDictionaryLastsIgnoreAllForTheRun()
{
    {
        auto w = Window();
        Controls(*w).bodyEdit->setPlainText("Quillforge and zorp");
        Controls(*w).subjectEdit->setText("zorp");
        QTRY_COMPARE(Underlined(Controls(*w).bodyEdit), (QStringList{"Quillforge", "zorp"}));
        ChooseFromContextMenu(Controls(*w).bodyEdit->viewport(), PointOfBody(Controls(*w).bodyEdit, 3), "spellingAdd");
        ChooseFromContextMenu(Controls(*w).bodyEdit->viewport(), PointOfBody(Controls(*w).bodyEdit, 17),
                              "spellingIgnore");
        QTRY_COMPARE(Underlined(Controls(*w).bodyEdit), QStringList{});
        QTRY_COMPARE(w->Writing().Title().MarkedWords(), QStringList{});
        Controls(*w).bodyEdit->appendPlainText("zorp again Quillforge");
        QTRY_VERIFY(w->Writing().Body().Idle());
        QCOMPARE(Underlined(Controls(*w).bodyEdit), QStringList{});
        w->Post().SetState(PostDocument::State::Saved);
    }
    auto w = Window();  // a restart
    Controls(*w).bodyEdit->setPlainText("Quillforge and zorp");
    QTRY_COMPARE(Underlined(Controls(*w).bodyEdit), QStringList{"zorp"});
}

void tst_WritingHelp::choicesSurviveRestart()
{
    {
        auto w = Window();
        QCOMPARE(Controls(*w).spellingLanguageMenu->actions().size(), 2);
        QAction* yy = LanguageItem(*w, "yy_QF");
        QVERIFY(yy);
        QCOMPARE(yy->text(), QString("yy_QF"));  // a language Qt does not know shows its tag
        yy->trigger();
        Controls(*w).bodyEdit->setPlainText("hallo hello");
        QTRY_COMPARE(Underlined(Controls(*w).bodyEdit), QStringList{"hello"});
        Controls(*w).highlightAction->trigger();
        QVERIFY(!Controls(*w).highlightAction->isChecked());
        w->Post().SetState(PostDocument::State::Saved);
    }
    {
        auto w = Window();
        QVERIFY(LanguageItem(*w, "yy_QF") && LanguageItem(*w, "yy_QF")->isChecked());
        QVERIFY(!Controls(*w).highlightAction->isChecked());
        Controls(*w).bodyEdit->setPlainText("[b]hallo hello[/b]");
        QTRY_COMPARE(Underlined(Controls(*w).bodyEdit), QStringList{"hello"});
        QCOMPARE(Controls(*w).bodyEdit->document()->begin().layout()->formats().size(), 1);  // the underline only
        Controls(*w).checkSpellingAction->trigger();
        QTRY_COMPARE(Underlined(Controls(*w).bodyEdit), QStringList{});
        w->Post().SetState(PostDocument::State::Saved);
    }
    auto w = Window();
    QVERIFY(!Controls(*w).checkSpellingAction->isChecked());
    Controls(*w).bodyEdit->setPlainText("hallo hello");
    QTRY_VERIFY(w->Writing().Body().Idle());
    QCOMPARE(Underlined(Controls(*w).bodyEdit), QStringList{});
}

void tst_WritingHelp::noDictionary()
{
    m_fx->context.offeredDictionaries = [](std::string_view) { return false; };
    auto w = Window();
    for (QAction* item : {Controls(*w).checkSpellingAction, Controls(*w).spellingLanguageMenu->menuAction()}) {
        QVERIFY(!item->isEnabled());
        QCOMPARE(item->toolTip(), WritingHelp::NoDictionaryText());
    }
    QVERIFY(Controls(*w).highlightAction->isEnabled());
    Controls(*w).bodyEdit->setFocus();
    QTest::keyClicks(Controls(*w).bodyEdit, "[b]wrold");
    QTRY_VERIFY(w->Writing().Body().Idle());
    QCOMPARE(Underlined(Controls(*w).bodyEdit), QStringList{});
    QVERIFY(!Controls(*w).bodyEdit->document()->begin().layout()->formats().isEmpty());  // the tag is coloured
    const QPoint at = PointOfBody(Controls(*w).bodyEdit, 5);
    ChooseFromContextMenu(Controls(*w).bodyEdit->viewport(), at, "edit-undo");
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString());
    w->Post().SetState(PostDocument::State::Saved);
}

void tst_WritingHelp::unmatchedTagMarked()
{
    auto w = Window();
    Controls(*w).bodyEdit->setPlainText("[quote=\"Anna\"]she said\n\nmore [B]words[/B]");
    QTRY_VERIFY(w->Writing().Body().Idle());
    QCOMPARE(ProblemMarks(Controls(*w).bodyEdit), 3);
    QVERIFY(w->Writing().Body().ProblemAt(3).contains("never closed"));
    QVERIFY(
        w->Writing().Body().ProblemAt(Controls(*w).bodyEdit->toPlainText().indexOf("[/B]") + 1).contains("lower case"));
    // Closing the quote on a later line takes the mark away.
    QTextCursor end(Controls(*w).bodyEdit->document());
    end.movePosition(QTextCursor::End);
    end.insertText("\n[/quote]");
    QTRY_COMPARE(ProblemMarks(Controls(*w).bodyEdit), 2);
    QCOMPARE(w->Writing().Body().ProblemAt(3), QString());
    w->Post().SetState(PostDocument::State::Saved);
}

// Typing, line breaks and joins keep the pairing of tags across lines right.
void tst_WritingHelp::marksFollowTyping()
{
    auto w = Window();
    Controls(*w).bodyEdit->setFocus();
    QTest::keyClicks(Controls(*w).bodyEdit, "[quote]x");
    QTRY_COMPARE(ProblemMarks(Controls(*w).bodyEdit), 1);
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Return);
    QTest::keyClicks(Controls(*w).bodyEdit, "y");
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Return);
    QTest::keyClicks(Controls(*w).bodyEdit, "[/quote] [/b]");
    QTRY_COMPARE(ProblemMarks(Controls(*w).bodyEdit), 1);
    QVERIFY(
        w->Writing().Body().ProblemAt(Controls(*w).bodyEdit->textCursor().position() - 1).contains("closes nothing"));
    // Break the first line after its tag, then join it again.
    QTextCursor cursor = Controls(*w).bodyEdit->textCursor();
    cursor.setPosition(7);
    Controls(*w).bodyEdit->setTextCursor(cursor);
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Return);
    QTRY_VERIFY(w->Writing().Body().Idle());
    QCOMPARE(Controls(*w).bodyEdit->document()->blockCount(), 4);
    QCOMPARE(ProblemMarks(Controls(*w).bodyEdit), 1);
    bool quoted = false;  // the broken-off "x" is still inside the quote
    for (const QTextLayout::FormatRange& range :
         Controls(*w).bodyEdit->document()->findBlockByNumber(1).layout()->formats())
        quoted = quoted || range.format.background().style() != Qt::NoBrush;
    QVERIFY(quoted);
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Backspace);
    QTRY_VERIFY(w->Writing().Body().Idle());
    QCOMPARE(ProblemMarks(Controls(*w).bodyEdit), 1);
    w->Post().SetState(PostDocument::State::Saved);
}

void tst_WritingHelp::savedFileUnchangedByLooks()
{
    const QString file = m_fx->folder.filePath("post.bbc");
    const QByteArray bytes =
        "{/Title\\}\r\nthe tilte\r\n\r\n{/Post\\}\r\n[quote=\"Anna\"]wrold :lol:\r\n[code]x[/code] [B]b[/b]\r\n";
    WriteAll(file, bytes);
    QByteArray saved[2];
    for (bool on : {true, false}) {
        m_fx->settings.setCheckSpelling(on);
        m_fx->settings.setHighlightBBCode(on);
        auto w = Window();
        w->OpenFile(file);
        QTRY_VERIFY(w->Writing().Body().Idle());
        QCOMPARE(Underlined(Controls(*w).bodyEdit).isEmpty(), !on);
        QVERIFY(!w->Post().IsChanged());
        QVERIFY(w->savePost());
        saved[on] = ReadAll(file);
    }
    QCOMPARE(saved[true], saved[false]);
    QCOMPARE(saved[true], bytes);
}

void tst_WritingHelp::statusHelpForNewItems()
{
    auto w = Window();
    QMenu* edit = w->menuBar()->findChild<QMenu*>("editMenu");
    QMenu* file = w->menuBar()->findChild<QMenu*>("fileMenu");
    QMenuBar* bar = w->menuBar();
    // Items without a tip leave the panel's own message alone.
    Controls(*w).helpPanel->setText("a message of the panel");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file->menuAction()).center());
    QVERIFY(QTest::qWaitForWindowExposed(file));
    QTest::mouseMove(file, file->actionGeometry(Controls(*w).openPostAction).center());
    file->close();
    QCOMPARE(Controls(*w).helpPanel->text(), QString("a message of the panel"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(edit->menuAction()).center());
    QVERIFY(QTest::qWaitForWindowExposed(edit));
    for (QAction* item : {Controls(*w).checkSpellingAction, Controls(*w).spellingLanguageMenu->menuAction(),
                          Controls(*w).highlightAction}) {
        QTest::mouseMove(edit, edit->actionGeometry(item).center());
        QTRY_COMPARE(Controls(*w).helpPanel->text(), item->statusTip());
        QVERIFY(!item->statusTip().isEmpty());
    }
    edit->close();
    QTRY_COMPARE(Controls(*w).helpPanel->text(), QString());
}

void tst_WritingHelp::looksReadOnEveryPalette_data()
{
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("text");
    QTest::newRow("light desktop") << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("dark desktop") << QColor(0x20, 0x20, 0x20) << QColor(0xE0, 0xE0, 0xE0);
    QTest::newRow("blue text chosen, tags turn away from blue") << QColor(Qt::white) << QColor(0, 0, 200);
    QTest::newRow("green text on a dark desktop") << QColor(0x10, 0x10, 0x18) << QColor(0x40, 0xE0, 0x40);
    QTest::newRow("mid grey background") << QColor(0x80, 0x80, 0x80) << QColor(Qt::black);
}

void tst_WritingHelp::looksReadOnEveryPalette()
{
    QFETCH(QColor, base);
    QFETCH(QColor, text);
    auto w = Window();
    QPalette palette = Controls(*w).bodyEdit->palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    Controls(*w).bodyEdit->setPalette(palette);
    Controls(*w).bodyEdit->setPlainText("[color=red]x[/color] :lol:");
    QTRY_VERIFY(w->Writing().Body().Idle());
    const QList<QTextLayout::FormatRange> ranges = Controls(*w).bodyEdit->document()->begin().layout()->formats();
    QVERIFY(ranges.size() >= 4);
    for (const QTextLayout::FormatRange& range : ranges) {
        const QColor colour = range.format.foreground().color();
        if (range.format.foreground().style() == Qt::NoBrush)
            continue;
        QVERIFY2(LookFormats::Contrast(colour, base) >= 4.5, qPrintable(colour.name()));
        if (text.hslSaturationF() > 0.25) {
            const int distance = std::abs(colour.hslHue() - text.hslHue()) % 360;
            QVERIFY2(std::min(distance, 360 - distance) >= 45, qPrintable(colour.name()));
        }
    }
    w->Post().SetState(PostDocument::State::Saved);
}

QF_TEST_MAIN(tst_WritingHelp)
#include "tst_writinghelp.moc"
