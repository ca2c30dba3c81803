// SPDX-License-Identifier: MIT
// The tag commands of the main window driven as a user would: tag buttons by
// mouse and by keyboard shortcut, the size and colour lists, the emoticon
// pictures and the assistance switch, with the caret, the changed flag, the
// focus and undo that every insertion must leave right.

#include "base/PictureBox.h"
#include "board/BoardProfiles.h"
#include "post/PostDocument.h"
#include "editor/MainWindow.h"
#include "support/EditorFixture.h"
#include "support/ModalDriver.h"
#include "support/PostControls.h"
#include "support/TestBoards.h"
#include "support/TestMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSet>
#include <QTextBlock>

namespace {
QStringList Captions(const MainWindow& w)
{
    QStringList captions;
    for (QPushButton* button : Controls(w).tagButtons)
        captions << button->text();
    return captions;
}

// The captions of the buttons 0 to 9 as the user sees them, no marker shown.
QStringList DesignedCaptions() { return {"B", "i", "u", "Quote", "Code", "List", "List=", "Img", "URL", "[*]"}; }

// Chooses item `item` of a drop-down list with the keyboard, as a user would.
void ChooseItem(QComboBox* list, int item)
{
    list->setFocus();
    const bool fromBelow = item + 1 < list->count();
    list->setCurrentIndex(fromBelow ? item + 1 : item - 1);
    QTest::keyClick(list, fromBelow ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(list->currentIndex(), item);
}
}  // namespace

class tst_TagInserter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void buttonsAndPicturesAsDesigned();
    void buttonClick_data();
    void buttonClick();
    void markerCycleAroundTyping();
    void markerSurvivesDeletingItsTag();
    void assistance_data();
    void assistance();
    void shortcut_data();
    void shortcut();
    void shortcutRunsOnceEvenWithAWindowShortcut();
    void shortcutWithShiftOrAltDoesNothing_data();
    void shortcutWithShiftOrAltDoesNothing();
    void shortcutWithAssistanceOn();
    void selectAll_data();
    void selectAll();
    void sizeList_data();
    void sizeList();
    void colourList_data();
    void colourList();
    void loadLeavesNothingToUndo();
    void emoticon_data();
    void emoticon();
    void twoLineSelectionInBold();
    void undoTakesBackAWholeInsertion_data();
    void undoTakesBackAWholeInsertion();

private:
    std::unique_ptr<EditorFixture> m_fx;
};

void tst_TagInserter::init() { m_fx = std::make_unique<EditorFixture>(); }

void tst_TagInserter::cleanup() { m_fx.reset(); }

void tst_TagInserter::buttonsAndPicturesAsDesigned()
{
    auto w = m_fx->MakeWindow();
    QCOMPARE(Captions(*w), DesignedCaptions());
    for (int i = 0; i < 10; ++i)
        QCOMPARE(Controls(*w).tagButtons[i]->objectName(), QString("tagButton_%1").arg(i));
    // The tooltips that name a shortcut are checked with the shortcuts.
    QVERIFY(Controls(*w).tagButtons[3]->toolTip().isEmpty());
    QCOMPARE(Controls(*w).tagButtons[5]->toolTip(), QString("List"));
    QCOMPARE(Controls(*w).tagButtons[6]->toolTip(), QString("Ordered List"));
    QCOMPARE(Controls(*w).tagButtons[9]->toolTip(), QString("List Item"));
    QVERIFY(Controls(*w).tagButtons[0]->font().bold() && !Controls(*w).tagButtons[0]->font().italic());
    QVERIFY(Controls(*w).tagButtons[1]->font().bold() && Controls(*w).tagButtons[1]->font().italic());
    QVERIFY(Controls(*w).tagButtons[2]->font().underline() && !Controls(*w).tagButtons[2]->font().bold());
    // One row, left to right 0 1 2 3 4 5 6 9 7 8.
    const int order[] = {0, 1, 2, 3, 4, 5, 6, 9, 7, 8};
    for (int k = 1; k < 10; ++k) {
        QCOMPARE(Controls(*w).tagButtons[order[k]]->y(), Controls(*w).tagButtons[order[0]]->y());
        QVERIFY(Controls(*w).tagButtons[order[k]]->x() > Controls(*w).tagButtons[order[k - 1]]->geometry().right());
    }
    // Twenty pictures in four columns and five rows, index = row * 4 + column,
    // each named by a tooltip of its own (what each inserts: emoticon below).
    QSet<QString> tooltips;
    for (int i = 0; i < 20; ++i) {
        PictureBox* picture = Controls(*w).emoticonPictures[i];
        QVERIFY(!picture->toolTip().trimmed().isEmpty());
        tooltips << picture->toolTip();
        QCOMPARE(picture->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(picture->size(), QSize(15, 15));
        QCOMPARE(picture->x(), Controls(*w).emoticonPictures[i % 4]->x());
        QCOMPARE(picture->y(), Controls(*w).emoticonPictures[(i / 4) * 4]->y());
    }
    QCOMPARE(tooltips.size(), 20);
    QVERIFY(Controls(*w).emoticonPictures[1]->x() > Controls(*w).emoticonPictures[0]->x());
    QVERIFY(Controls(*w).emoticonPictures[4]->y() > Controls(*w).emoticonPictures[0]->y());
}

void tst_TagInserter::buttonClick_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("before");  // the field's text, "|" marks the selection
    QTest::addColumn<QString>("after");   // "|" marks the caret
    QTest::addColumn<QString>("caption");

    const std::pair<QString, QString> tags[] = {{"b", "b"},         {"i", "i"},       {"u", "u"},
                                                {"quote", "quote"}, {"code", "code"}, {"list", "list"},
                                                {"list=1", "list"}, {"img", "img"},   {"url", "url"}};
    for (int i = 0; i < 9; ++i) {
        const auto& [open, close] = tags[i];
        const QString caption = DesignedCaptions()[i];
        QTest::addRow("%s around the selection", qPrintable(caption))
            << i << "a |sel| b"
            << "a [" + open + "]sel[/" + close + "]| b" << caption;
        QTest::addRow("%s without a selection opens", qPrintable(caption)) << i << "a || b"
                                                                           << "a [" + open + "]| b" << caption + " *";
    }
    QTest::newRow("[*] in front of the selection") << 9 << "a |item| b"
                                                   << "a [*]item| b"
                                                   << "[*]";
    QTest::newRow("[*] alone") << 9 << "a || b"
                               << "a [*]| b"
                               << "[*]";
}

void tst_TagInserter::buttonClick()
{
    QFETCH(int, index);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, caption);
    auto w = m_fx->MakeWindow();
    const int start = before.indexOf('|');
    const int end = before.indexOf('|', start + 1) - 1;
    EditorFixture::SetPost(*w, QString(before).remove('|'), start, end);
    w->Post().SetState(PostDocument::State::Unchanged);
    Controls(*w).subjectEdit->setFocus();

    QTest::mouseClick(Controls(*w).tagButtons[index], Qt::LeftButton);

    const int caret = after.indexOf('|');
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString(after).remove('|'));
    QCOMPARE(Controls(*w).bodyEdit->textCursor().position(), caret);
    QVERIFY(!Controls(*w).bodyEdit->textCursor().hasSelection());
    QCOMPARE(Controls(*w).tagButtons[index]->text(), caption);
    QVERIFY(w->Post().IsChanged());
    QCOMPARE(Controls(*w).statePanel->text(), QString("Post Changed"));
    // Every button but "[*]" sends the keyboard focus to the post field.
    QCOMPARE(Controls(*w).bodyEdit->hasFocus(), index != 9);
    QCOMPARE(Controls(*w).subjectEdit->hasFocus(), index == 9);
    // The other buttons keep their captions.
    QStringList others = Captions(*w);
    others[index] = DesignedCaptions()[index];
    QCOMPARE(others, DesignedCaptions());
}

void tst_TagInserter::markerCycleAroundTyping()
{
    auto w = m_fx->MakeWindow();
    QTest::mouseClick(Controls(*w).tagButtons[4], Qt::LeftButton);
    QCOMPARE(Controls(*w).tagButtons[4]->text(), QString("Code *"));
    QTest::keyClicks(Controls(*w).bodyEdit, "int x;");
    QTest::mouseClick(Controls(*w).tagButtons[4], Qt::LeftButton);
    QCOMPARE(Controls(*w).tagButtons[4]->text(), QString("Code"));
    QTest::mouseClick(Controls(*w).tagButtons[6], Qt::LeftButton);
    QTest::keyClicks(Controls(*w).bodyEdit, "one");
    QTest::mouseClick(Controls(*w).tagButtons[6], Qt::LeftButton);
    QCOMPARE(EditorFixture::PostText(*w), QString("[code]int x;[/code][list=1]one[/list]"));
    QCOMPARE(Controls(*w).tagButtons[6]->text(), QString("List="));
}

void tst_TagInserter::markerSurvivesDeletingItsTag()
{
    auto w = m_fx->MakeWindow();
    QTest::keyClicks(Controls(*w).bodyEdit, "x");
    QTest::mouseClick(Controls(*w).tagButtons[0], Qt::LeftButton);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("x[b]"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Backspace);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("x"));
    QCOMPARE(Controls(*w).tagButtons[0]->text(), QString("B *"));
    // New does not reset the marker either.
    w->Post().SetState(PostDocument::State::Unchanged);
    Controls(*w).newPostAction->trigger();
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString());
    QCOMPARE(Controls(*w).tagButtons[0]->text(), QString("B *"));
    QTest::mouseClick(Controls(*w).tagButtons[0], Qt::LeftButton);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("[/b]"));
    QCOMPARE(Controls(*w).tagButtons[0]->text(), QString("B"));
}

void tst_TagInserter::assistance_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("inserted");  // with "x" selected; empty: a dialog's job
    const QStringList inserted = {"[b]x[/b]", "[i]x[/i]", "[u]x[/u]", "", "[code]x[/code]", "", "", "", "", "[*]x"};
    for (int i = 0; i < 10; ++i)
        QTest::addRow("%s", qPrintable(DesignedCaptions()[i])) << i << inserted[i];
}

void tst_TagInserter::assistance()
{
    QFETCH(int, index);
    QFETCH(QString, inserted);
    const ModalDriver closeDialogs;  // the dialogs are the assistants' business
    auto w = m_fx->MakeWindow();
    QTest::mouseClick(Controls(*w).assistanceBox, Qt::LeftButton);
    QVERIFY(w->AssistMode());
    QVERIFY(Controls(*w).assistanceBox->isChecked());
    for (const QString& selection : {QString("x"), QString()}) {
        EditorFixture::SetPost(*w, selection, 0, selection.size());
        QTest::mouseClick(Controls(*w).tagButtons[index], Qt::LeftButton);
        if (inserted.isEmpty())
            QCOMPARE(Controls(*w).bodyEdit->toPlainText(), selection);
        else if (!selection.isEmpty())
            QCOMPARE(Controls(*w).bodyEdit->toPlainText(), inserted);
    }
    QStringList expected = DesignedCaptions();
    if (!inserted.isEmpty() && index != 9)
        expected[index] += " *";  // the second round had no selection
    QCOMPARE(Captions(*w), expected);
    // A second click of the switch turns assistance off again.
    QTest::mouseClick(Controls(*w).assistanceBox, Qt::LeftButton);
    QVERIFY(!w->AssistMode());
    EditorFixture::SetPost(*w, "x", 0, 1);
    QTest::mouseClick(Controls(*w).tagButtons[index], Qt::LeftButton);
    QVERIFY(Controls(*w).bodyEdit->toPlainText() != "x");
}

void tst_TagInserter::shortcut_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("tooltip");  // the button's, naming the shortcut
    QTest::addColumn<QString>("word");     // of the tag it inserts
    QTest::newRow("Ctrl+B bold") << int(Qt::Key_B) << 0 << "Bold  (CTRL+B)"
                                 << "b";
    QTest::newRow("Ctrl+I italic") << int(Qt::Key_I) << 1 << "Italic  (CTRL+I)"
                                   << "i";
    QTest::newRow("Ctrl+U underline") << int(Qt::Key_U) << 2 << "Underline  (CTRL+U)"
                                      << "u";
    QTest::newRow("Ctrl+Q quote, a button without a tooltip") << int(Qt::Key_Q) << 3 << ""
                                                              << "quote";
    QTest::newRow("Ctrl+C code") << int(Qt::Key_C) << 4 << "Code Formatted text  (CTRL+C)"
                                 << "code";
    QTest::newRow("Ctrl+M image") << int(Qt::Key_M) << 7 << "Insert Image  (CTRL+M)"
                                  << "img";
    QTest::newRow("Ctrl+R web address") << int(Qt::Key_R) << 8 << "Web Address  (CTRL+R)"
                                        << "url";
}

void tst_TagInserter::shortcut()
{
    QFETCH(int, key);
    QFETCH(int, index);
    QFETCH(QString, tooltip);
    // The shortcut and a click of its button leave two windows alike.
    auto byKey = m_fx->MakeWindow();
    auto byClick = m_fx->MakeWindow();
    QCOMPARE(Controls(*byClick).tagButtons[index]->toolTip(), tooltip);
    for (MainWindow* w : {byKey.get(), byClick.get()})
        EditorFixture::SetPost(*w, "a sel b", 2, 5);
    byKey->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(byKey.get()));
    Controls(*byKey).bodyEdit->setFocus();
    QTest::keyClick(Controls(*byKey).bodyEdit, Qt::Key(key), Qt::ControlModifier);
    QTest::mouseClick(Controls(*byClick).tagButtons[index], Qt::LeftButton);
    QCOMPARE(Controls(*byKey).bodyEdit->toPlainText(), Controls(*byClick).bodyEdit->toPlainText());
    QCOMPARE(Controls(*byKey).bodyEdit->textCursor().position(), Controls(*byClick).bodyEdit->textCursor().position());
    // Without a selection, the marker cycle: open, then close.
    QTest::keyClick(Controls(*byKey).bodyEdit, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(Controls(*byKey).tagButtons[index]->text(), DesignedCaptions()[index] + " *");
    QTest::keyClick(Controls(*byKey).bodyEdit, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(Controls(*byKey).tagButtons[index]->text(), DesignedCaptions()[index]);
    QFETCH(QString, word);
    QCOMPARE(Controls(*byKey).bodyEdit->toPlainText(),
             "a [" + word + "]sel[/" + word + "][" + word + "][/" + word + "] b");
}

void tst_TagInserter::shortcutRunsOnceEvenWithAWindowShortcut()
{
    // A window-wide shortcut on the same keys does not take the key away from
    // the post field, and the command runs once per press.
    auto w = m_fx->MakeWindow();
    auto* stray = new QAction(w.get());
    stray->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    w->addAction(stray);
    QSignalSpy triggered(stray, &QAction::triggered);
    Controls(*w).bodyEdit->setFocus();
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("[b]"));
    QCOMPARE(Controls(*w).tagButtons[0]->text(), QString("B *"));
    QCOMPARE(triggered.count(), 0);
}

void tst_TagInserter::shortcutWithShiftOrAltDoesNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    const int shift = int(Qt::ControlModifier | Qt::ShiftModifier);
    const int alt = int(Qt::ControlModifier | Qt::AltModifier);
    for (int key : {Qt::Key_B, Qt::Key_I, Qt::Key_U, Qt::Key_Q, Qt::Key_C, Qt::Key_M, Qt::Key_R}) {
        const QString name = QKeySequence(key).toString();
        QTest::addRow("Ctrl+Shift+%s", qPrintable(name)) << key << shift;
        QTest::addRow("Ctrl+Alt+%s", qPrintable(name)) << key << alt;
    }
    QTest::newRow("B alone") << int(Qt::Key_B) << int(Qt::NoModifier);
}

void tst_TagInserter::shortcutWithShiftOrAltDoesNothing()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    auto w = m_fx->MakeWindow();
    EditorFixture::SetPost(*w, "a sel b", 2, 5);
    Controls(*w).bodyEdit->setFocus();
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY2(!Controls(*w).bodyEdit->toPlainText().contains('['), qPrintable(Controls(*w).bodyEdit->toPlainText()));
    QCOMPARE(Captions(*w), DesignedCaptions());
}

void tst_TagInserter::shortcutWithAssistanceOn()
{
    const ModalDriver closeDialogs;
    auto w = m_fx->MakeWindow();
    QTest::mouseClick(Controls(*w).assistanceBox, Qt::LeftButton);
    Controls(*w).bodyEdit->setFocus();
    // Quote, image and address hand over to their dialogs; bold still inserts.
    for (Qt::Key key : {Qt::Key_Q, Qt::Key_M, Qt::Key_R})
        QTest::keyClick(Controls(*w).bodyEdit, key, Qt::ControlModifier);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString());
    QCOMPARE(Captions(*w), DesignedCaptions());
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("[b]"));
}

void tst_TagInserter::selectAll_data()
{
    QTest::addColumn<bool>("inTitle");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("selectsAll");
    QTest::newRow("Ctrl+A in the post") << false << int(Qt::ControlModifier) << true;
    QTest::newRow("Ctrl+A in the title") << true << int(Qt::ControlModifier) << true;
    QTest::newRow("Ctrl+Shift+A in the post") << false << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
    QTest::newRow("Ctrl+Shift+A in the title") << true << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
}

void tst_TagInserter::selectAll()
{
    QFETCH(bool, inTitle);
    QFETCH(int, modifiers);
    QFETCH(bool, selectsAll);
    auto w = m_fx->MakeWindow();
    EditorFixture::SetPost(*w, "first line\nsecond line", 3);
    Controls(*w).subjectEdit->setText("A title");
    Controls(*w).subjectEdit->setCursorPosition(2);
    QWidget* field = inTitle ? static_cast<QWidget*>(Controls(*w).subjectEdit) : Controls(*w).bodyEdit;
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::KeyboardModifiers(modifiers));
    const QString titleSelection = Controls(*w).subjectEdit->selectedText();
    const QTextCursor cursor = Controls(*w).bodyEdit->textCursor();
    if (inTitle) {
        QCOMPARE(titleSelection, selectsAll ? QString("A title") : QString());
        QVERIFY(!cursor.hasSelection());  // the post is not touched
    } else {
        QCOMPARE(cursor.hasSelection(), selectsAll);
        if (selectsAll) {
            QCOMPARE(cursor.selectionStart(), 0);
            QCOMPARE(cursor.selectionEnd(), Controls(*w).bodyEdit->document()->characterCount() - 1);
        }
        QVERIFY(titleSelection.isEmpty());
    }
    // Ctrl+B in the title runs nothing.
    Controls(*w).subjectEdit->setFocus();
    QTest::keyClick(Controls(*w).subjectEdit, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("first line\nsecond line"));
    QCOMPARE(Controls(*w).tagButtons[0]->text(), QString("B"));
}

void tst_TagInserter::sizeList_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("tag");
    QTest::newRow("Tiny") << 0 << "[size=7]";
    QTest::newRow("Small") << 1 << "[size=9]";
    QTest::newRow("Normal") << 2 << "[size=12]";
    QTest::newRow("Large") << 3 << "[size=18]";
    QTest::newRow("Huge") << 4 << "[size=24]";
}

void tst_TagInserter::sizeList()
{
    QFETCH(int, item);
    QFETCH(QString, tag);
    auto w = m_fx->MakeWindow();
    QCOMPARE(Controls(*w).sizeList->itemText(item), QString::fromUtf8(QTest::currentDataTag()));
    EditorFixture::SetPost(*w, "a sel b", 2, 5);
    w->Post().SetState(PostDocument::State::Unchanged);
    ChooseItem(Controls(*w).sizeList, item);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), "a " + tag + "sel[/size] b");
    QCOMPARE(Controls(*w).bodyEdit->textCursor().position(), int(("a " + tag + "sel[/size]").size()));
    QVERIFY(!Controls(*w).bodyEdit->textCursor().hasSelection());
    QVERIFY(w->Post().IsChanged());
    QVERIFY(Controls(*w).sizeList->hasFocus());  // no focus change
    // No toggle: without a selection the empty pair goes in.
    EditorFixture::SetPost(*w, "", 0);
    ChooseItem(Controls(*w).sizeList, item);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), tag + "[/size]");
}

void tst_TagInserter::colourList_data()
{
    // The entry as the list shows it, in its place, and the colour it inserts.
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("value");
    const QStringList shown = {"Default", "Dark Red", "Red",       "Orange", "Brown",  "Yellow", "Green", "Olive",
                               "Cyan",    "Blue",     "Dark Blue", "Indigo", "Violet", "White",  "Black"};
    const QStringList values = {"Default", "DarkRed", "Red",      "Orange", "Brown",  "Yellow", "Green", "Olive",
                                "Cyan",    "Blue",    "DarkBlue", "Indigo", "Violet", "White",  "Black"};
    for (int i = 0; i < values.size(); ++i)
        QTest::newRow(qPrintable(shown[i])) << i << values[i];
}

void tst_TagInserter::colourList()
{
    QFETCH(int, item);
    QFETCH(QString, value);
    auto w = m_fx->MakeWindow();
    QCOMPARE(Controls(*w).colourList->count(), 15);
    QCOMPARE(Controls(*w).colourList->itemText(item), QString::fromUtf8(QTest::currentDataTag()));
    EditorFixture::SetPost(*w, "x", 0, 1);
    ChooseItem(Controls(*w).colourList, item);
    const QString expected = "[color=" + value + "]x[/color]";
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), expected);
    QCOMPARE(Controls(*w).bodyEdit->textCursor().position(), int(expected.size()));
    QVERIFY(Controls(*w).colourList->hasFocus());
    EditorFixture::SetPost(*w, "", 0);
    ChooseItem(Controls(*w).colourList, item);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), "[color=" + value + "][/color]");
}

void tst_TagInserter::loadLeavesNothingToUndo()
{
    // The starting state's list choices inserted their tags before the post
    // was emptied; Ctrl+Z must not bring them back.
    auto w = m_fx->MakeWindow();
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString());
    Controls(*w).bodyEdit->setFocus();
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString());
    QVERIFY(!w->Post().IsChanged());
}

void tst_TagInserter::emoticon_data()
{
    // Every picture's text and the preview's picture for it: tst_moreemoticonswindow.
    QTest::addColumn<QString>("tooltip");  // the picture the user clicks
    QTest::addColumn<QString>("before");   // "|" marks the selection
    QTest::addColumn<QString>("after");    // "|" marks the caret; empty: the picture is not offered
    QTest::addColumn<QString>("board");    // the site's board; the classic one when empty
    QTest::newRow("Very happy at the caret") << "Very happy\r\n"
                                             << "ab||c"
                                             << "ab :D |c" << "";
    QTest::newRow("Very happy after the selection") << "Very happy\r\n"
                                                    << "|abc|"
                                                    << "abc :D |" << "";
    QTest::newRow("Mad with its double blank") << "Mad"
                                               << "x |grr| y"
                                               << "x grr :x  | y" << "";
    QTest::newRow("Imbarassed, the first of the fourth row") << "Imbarassed"
                                                             << "||"
                                                             << " :oops: |" << "";
    QTest::newRow("Arrow, the last") << "Arrow"
                                     << "a||"
                                     << "a :arrow: |" << "";
    QTest::newRow("MyBB: Cool is its :cool:") << "Cool" << "||" << " :cool: |" << "mybb18";
    QTest::newRow("MyBB: Mad is its :@, double blank kept") << "Mad" << "x |grr| y" << "x grr :@  | y" << "mybb18";
    QTest::newRow("MyBB has no shocked face") << "Shocked" << "||" << "" << "mybb18";
    QTest::newRow("SMF: Shocked is its :o") << "Shocked" << "||" << " :o |" << "smf21";
    QTest::newRow("SMF: Crying") << "Crying" << "||" << " :'( |" << "smf21";
    QTest::newRow("SMF has no arrow") << "Arrow" << "||" << "" << "smf21";
    QTest::newRow("phpBB 3: Cool has a nose") << "Cool" << "||" << " 8-) |" << "phpbb3";
}

void tst_TagInserter::emoticon()
{
    QFETCH(QString, tooltip);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, board);
    if (!board.isEmpty()) {
        m_fx->settings.setSiteAddress("https://forum.example.org/");
        BoardProfiles::SaveFound(m_fx->settings, "https://forum.example.org/", &KindOf(board), FoundOn::IndexPage);
    }
    auto w = m_fx->MakeWindow();
    const int start = before.indexOf('|');
    const int end = before.indexOf('|', start + 1) - 1;
    EditorFixture::SetPost(*w, QString(before).remove('|'), start, end);
    w->Post().SetState(PostDocument::State::Unchanged);
    QList<PictureBox*> named;
    for (PictureBox* picture : w->findChildren<PictureBox*>())
        if (picture->toolTip() == tooltip)
            named << picture;
    QCOMPARE(named.size(), 1);
    QCOMPARE(named[0]->isHidden(), after.isEmpty());
    if (after.isEmpty())
        return;
    QTest::mouseClick(named[0], Qt::LeftButton);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString(after).remove('|'));
    QCOMPARE(Controls(*w).bodyEdit->textCursor().position(), after.indexOf('|'));
    QVERIFY(!Controls(*w).bodyEdit->textCursor().hasSelection());
    QVERIFY(w->Post().IsChanged());
}

void tst_TagInserter::twoLineSelectionInBold()
{
    auto w = m_fx->MakeWindow();
    Controls(*w).bodyEdit->setFocus();
    QTest::keyClicks(Controls(*w).bodyEdit, "one");
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Return);
    QTest::keyClicks(Controls(*w).bodyEdit, "two");
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_A, Qt::ControlModifier);
    QTest::mouseClick(Controls(*w).tagButtons[0], Qt::LeftButton);
    QCOMPARE(EditorFixture::PostText(*w), QString("[b]one\r\ntwo[/b]"));
    // The field shows a real line break, not a stray character.
    QCOMPARE(Controls(*w).bodyEdit->document()->blockCount(), 2);
    QCOMPARE(Controls(*w).bodyEdit->document()->firstBlock().text(), QString("[b]one"));
    QCOMPARE(Controls(*w).bodyEdit->document()->lastBlock().text(), QString("two[/b]"));
}

void tst_TagInserter::undoTakesBackAWholeInsertion_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("after");
    QTest::newRow("tag button around a selection") << "tagButton_0"
                                                   << "typed [b]word[/b]";
    QTest::newRow("tag button at the caret") << "tagButton_4"
                                             << "typed [code]word";
    QTest::newRow("[*]") << "tagButton_9"
                         << "typed [*]word";
    QTest::newRow("emoticon picture") << "emoticonPicture_8"
                                      << "typed word :x  ";
    QTest::newRow("size list") << "sizeList"
                               << "typed [size=18]word[/size]";
}

void tst_TagInserter::undoTakesBackAWholeInsertion()
{
    QFETCH(QString, control);
    QFETCH(QString, after);
    auto w = m_fx->MakeWindow();
    Controls(*w).bodyEdit->setFocus();
    QTest::keyClicks(Controls(*w).bodyEdit, "typed word");
    QTextCursor cursor = Controls(*w).bodyEdit->textCursor();
    if (control == "tagButton_4")
        cursor.setPosition(6);
    else
        cursor.setPosition(6), cursor.setPosition(10, QTextCursor::KeepAnchor);
    Controls(*w).bodyEdit->setTextCursor(cursor);
    if (control == "sizeList") {
        ChooseItem(Controls(*w).sizeList, 3);
    } else {
        QWidget* widget = w->findChild<QWidget*>(control);
        QVERIFY(widget);
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), after);
    Controls(*w).bodyEdit->setFocus();
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("typed word"));
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), after);

    // Typing right after the insertion is a step of its own: Ctrl+Z takes
    // back the typing and leaves the insertion, a second Ctrl+Z the insertion.
    QTest::keyClicks(Controls(*w).bodyEdit, "xy");
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), after);
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("typed word"));
}

QF_TEST_MAIN(tst_TagInserter)
#include "tst_taginserter.moc"
