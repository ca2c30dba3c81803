// SPDX-License-Identifier: MIT
// Undo, Redo and Select All of the Edit menu and the toolbar: through the
// item and through its key, on the field that has the focus (or had it
// last), usable only when there is something to undo or redo; a tag, a
// paste and a size each one step. And the words panel of the status bar.

#include "editor/MainWindow.h"
#include "post/PostDocument.h"
#include "support/EditorFixture.h"
#include "support/PostControls.h"
#include "support/TestMain.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>

class tst_FieldCommands : public QObject {
    Q_OBJECT
private slots:
    void init() { m_fx = std::make_unique<EditorFixture>(); }
    void cleanup() { m_fx.reset(); }
    void undoAndRedo_data();
    void undoAndRedo();
    void eachCommandIsOneStep_data();
    void eachCommandIsOneStep();
    void wordsPanel();

private:
    std::unique_ptr<EditorFixture> m_fx;
};

// Undo, Redo and Select All on one field, the other left alone.
void tst_FieldCommands::undoAndRedo_data()
{
    QTest::addColumn<bool>("inTitle");
    QTest::addColumn<bool>("byKeys");
    QTest::newRow("body, menu items") << false << false;
    QTest::newRow("body, keys") << false << true;
    QTest::newRow("title, menu items") << true << false;
    QTest::newRow("title, keys") << true << true;
}

void tst_FieldCommands::undoAndRedo()
{
    QFETCH(bool, inTitle);
    QFETCH(bool, byKeys);
    auto w = m_fx->MakeWindow();
    PostControls c = Controls(*w);
    QAction* undo = w->findChild<QAction*>("undoAction");
    QAction* redo = w->findChild<QAction*>("redoAction");
    QTest::keyClicks(c.bodyEdit, "body");
    QTest::keyClicks(c.subjectEdit, "title");
    QWidget* field = inTitle ? static_cast<QWidget*>(c.subjectEdit) : c.bodyEdit;
    auto text = [&] { return inTitle ? c.subjectEdit->text() : c.bodyEdit->toPlainText(); };
    const QString typed = text();
    field->setFocus();
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    // The items act on the field last focused, even with a button focused now.
    if (!byKeys)
        c.previewButton->setFocus();
    auto run = [&](QAction* item, QKeySequence keys) {
        if (byKeys)
            QTest::keySequence(QApplication::focusWidget(), keys);
        else
            item->trigger();
    };
    run(undo, QKeySequence("Ctrl+Z"));
    QVERIFY(text() != typed);
    QVERIFY(redo->isEnabled());
    run(redo, QKeySequence("Ctrl+Shift+Z"));
    QCOMPARE(text(), typed);
    run(undo, QKeySequence("Ctrl+Z"));
    run(redo, QKeySequence("Ctrl+Y"));
    QCOMPARE(text(), typed);
    QVERIFY(!redo->isEnabled());
    run(w->findChild<QAction*>("selectAllAction"), QKeySequence("Ctrl+A"));
    QCOMPARE(c.subjectEdit->selectedText(), inTitle ? typed : QString());
    QCOMPARE(c.bodyEdit->textCursor().selectedText(), inTitle ? QString() : typed);
    // The other field was not touched.
    QCOMPARE(inTitle ? c.bodyEdit->toPlainText() : c.subjectEdit->text(), inTitle ? QString("body") : QString("title"));
}

void tst_FieldCommands::eachCommandIsOneStep_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("tag button") << "tag";
    QTest::newRow("paste of rich text") << "paste";
    QTest::newRow("size list") << "size";
}

void tst_FieldCommands::eachCommandIsOneStep()
{
    QFETCH(QString, command);
    auto w = m_fx->MakeWindow();
    PostControls c = Controls(*w);
    EditorFixture::SetPost(*w, "some words", 5, 10);
    c.bodyEdit->document()->clearUndoRedoStacks();
    c.bodyEdit->setFocus();
    if (command == "tag") {
        QTest::mouseClick(c.tagButtons[0], Qt::LeftButton);
    } else if (command == "paste") {
        auto* data = new QMimeData;
        data->setHtml("<b>bold</b> and <i>slanted</i>");
        QGuiApplication::clipboard()->setMimeData(data);
        c.pasteAction->trigger();
    } else {
        c.sizeList->setFocus();
        c.sizeList->setCurrentIndex(4);
        emit c.sizeList->activated(4);
    }
    QVERIFY(c.bodyEdit->toPlainText() != "some words");
    w->findChild<QAction*>("undoAction")->trigger();
    QCOMPARE(c.bodyEdit->toPlainText(), QString("some words"));
    QVERIFY(!w->findChild<QAction*>("undoAction")->isEnabled());
}

void tst_FieldCommands::wordsPanel()
{
    auto w = m_fx->MakeWindow();
    auto* panel = w->findChild<QLabel*>("wordsPanel");
    QVERIFY(panel);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->text(), QString("0 words"));
    QTest::keyClicks(Controls(*w).bodyEdit, "[b]One[/b]");
    QTRY_COMPARE(panel->text(), QString("1 word"));
    w->Post().SetPost("x\r\n:) [i]y[/i] - z");
    QTRY_COMPARE(panel->text(), QString("3 words"));
}

QF_TEST_MAIN(tst_FieldCommands)
#include "tst_fieldcommands.moc"
