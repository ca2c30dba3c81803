// SPDX-License-Identifier: MIT
// The clipboard and font commands of the main window: Copy, Cut, Paste and
// Copy post to clipboard work on the post body whatever has the focus, the
// clipboard is emptied first; the font command changes how the post field
// looks and nothing else.

#include "post/PostDocument.h"
#include "editor/MainWindow.h"
#include "support/EditorFixture.h"
#include "support/PostControls.h"
#include "support/TestMain.h"

#include <QAction>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QToolBar>

namespace {
QClipboard* Clipboard() { return QGuiApplication::clipboard(); }

// Something on the clipboard that a copy must remove: text and a picture.
void FillClipboard()
{
    auto* data = new QMimeData;
    data->setText(QStringLiteral("old text"));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    data->setImageData(image);
    Clipboard()->setMimeData(data);
}

void PutPicture()
{
    auto* data = new QMimeData;
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    data->setImageData(image);
    Clipboard()->setMimeData(data);
}

QAction* ToolbarButton(MainWindow& w, const QString& tooltip)
{
    for (QAction* action : Controls(w).toolBar->actions())
        if (action->toolTip() == tooltip)
            return action;
    return nullptr;
}
}  // namespace

class tst_EditCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void copy_data();
    void copy();
    void cut_data();
    void cut();
    void paste_data();
    void paste();
    void pasteIsOneUndoStep();
    void copyPost();
    void toolbarRunsTheClipboardCommands();
    void fontDialogIsFilledFromThePostField();
    void fontChoiceAppliesToThePostOnly();
    void fontCancelChangesNothing();
    void fontConfirmedUnchangedLooksTheSame();

private:
    std::unique_ptr<EditorFixture> m_fx;
};

void tst_EditCommands::init()
{
    m_fx = std::make_unique<EditorFixture>();
    FillClipboard();
}

void tst_EditCommands::cleanup() { m_fx.reset(); }

void tst_EditCommands::copy_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<bool>("focusInTitle");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("selection") << 4 << 9 << false << "quick";
    QTest::newRow("nothing selected: clipboard emptied") << 3 << -1 << false << "";
    QTest::newRow("focus in the title: the body's selection") << 4 << 9 << true << "quick";
    QTest::newRow("focus in the title, nothing selected in the body") << 3 << -1 << true << "";
    QTest::newRow("line breaks as this desktop writes them") << 10 << 23 << false << "brown\nfox\nran";
}

void tst_EditCommands::copy()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(bool, focusInTitle);
    QFETCH(QString, clipboard);
    auto w = m_fx->MakeWindow();
    Controls(*w).subjectEdit->setText("Title text");
    EditorFixture::SetPost(*w, "The quick brown\nfox\nran", start, end);
    w->Post().SetState(PostDocument::State::Unchanged);
    if (focusInTitle) {
        Controls(*w).subjectEdit->setFocus();
        Controls(*w).subjectEdit->selectAll();
    }
    Controls(*w).copyAction->trigger();
    QCOMPARE(Clipboard()->text(), clipboard);
    QVERIFY(!Clipboard()->mimeData()->hasImage());
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("The quick brown\nfox\nran"));
    QCOMPARE(Controls(*w).subjectEdit->text(), QString("Title text"));
    QVERIFY(!w->Post().IsChanged());
}

void tst_EditCommands::cut_data()
{
    QTest::addColumn<QString>("before");  // "|" marks the selection
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("changed");
    QTest::newRow("selection") << "a |word| b"
                               << "word"
                               << "a  b" << true;
    QTest::newRow("nothing selected: clipboard emptied, post unchanged") << "a || b"
                                                                         << ""
                                                                         << "a  b" << false;
    QTest::newRow("the whole body: now empty, so not changed") << "|all|"
                                                               << "all"
                                                               << "" << false;
    QTest::newRow("over a line break") << "one|\ntwo|"
                                       << "\ntwo"
                                       << "one" << true;
}

void tst_EditCommands::cut()
{
    QFETCH(QString, before);
    QFETCH(QString, clipboard);
    QFETCH(QString, after);
    QFETCH(bool, changed);
    auto w = m_fx->MakeWindow();
    const int start = before.indexOf('|');
    const int end = before.indexOf('|', start + 1) - 1;
    EditorFixture::SetPost(*w, QString(before).remove('|'), start, end);
    w->Post().SetState(PostDocument::State::Unchanged);
    Controls(*w).subjectEdit->setFocus();
    Controls(*w).cutAction->trigger();
    QCOMPARE(Clipboard()->text(), clipboard);
    QVERIFY(!Clipboard()->mimeData()->hasImage());
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), after);
    QCOMPARE(Controls(*w).bodyEdit->textCursor().position(), start);
    QCOMPARE(w->Post().IsChanged(), changed);
}

void tst_EditCommands::paste_data()
{
    QTest::addColumn<QString>("before");  // "|" marks the selection
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("picture");   // the clipboard holds a picture only
    QTest::addColumn<QString>("after");  // "|" marks the caret
    QTest::addColumn<bool>("changed");
    QTest::newRow("over the selection") << "a |old| b"
                                        << "new" << false << "a new| b" << true;
    QTest::newRow("at the caret") << "a || b"
                                  << "new" << false << "a new| b" << true;
    QTest::newRow("a picture only: the selection is deleted") << "a |old| b"
                                                              << "" << true << "a | b" << true;
    QTest::newRow("a picture only, no selection: nothing changes") << "a || b"
                                                                   << "" << true << "a | b" << false;
    QTest::newRow("CR LF line breaks from elsewhere") << "|x|"
                                                      << "one\r\ntwo" << false << "one\ntwo|" << true;
}

void tst_EditCommands::paste()
{
    QFETCH(QString, before);
    QFETCH(QString, clipboard);
    QFETCH(bool, picture);
    QFETCH(QString, after);
    QFETCH(bool, changed);
    auto w = m_fx->MakeWindow();
    const int start = before.indexOf('|');
    const int end = before.indexOf('|', start + 1) - 1;
    Controls(*w).subjectEdit->setText("Title");
    EditorFixture::SetPost(*w, QString(before).remove('|'), start, end);
    w->Post().SetState(PostDocument::State::Unchanged);
    Controls(*w).subjectEdit->setFocus();  // the body is pasted into whatever has the focus
    if (picture)
        PutPicture();
    else
        Clipboard()->setText(clipboard);
    Controls(*w).pasteAction->trigger();
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString(after).remove('|'));
    QCOMPARE(Controls(*w).bodyEdit->textCursor().position(), after.indexOf('|'));
    QVERIFY(!Controls(*w).bodyEdit->textCursor().hasSelection());
    QCOMPARE(Controls(*w).subjectEdit->text(), QString("Title"));
    QCOMPARE(w->Post().IsChanged(), changed);
    if (!clipboard.isEmpty())
        QCOMPARE(Controls(*w).bodyEdit->document()->blockCount(), clipboard.count('\n') + 1);
}

void tst_EditCommands::pasteIsOneUndoStep()
{
    auto w = m_fx->MakeWindow();
    Controls(*w).bodyEdit->setFocus();
    QTest::keyClicks(Controls(*w).bodyEdit, "start ");
    Clipboard()->setText("pasted\r\ntext");
    Controls(*w).pasteAction->trigger();
    QCOMPARE(EditorFixture::PostText(*w), QString("start pasted\r\ntext"));
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("start "));
}

void tst_EditCommands::copyPost()
{
    auto w = m_fx->MakeWindow();
    Controls(*w).subjectEdit->setText("The title");
    EditorFixture::SetPost(*w, "line one\nline two", 5, 8);
    Controls(*w).subjectEdit->setFocus();
    Controls(*w).copyPostAction->trigger();
    QCOMPARE(Clipboard()->text(), QString("line one\nline two"));
    QVERIFY(!Clipboard()->mimeData()->hasImage());
    // The selection is left as it was.
    QCOMPARE(Controls(*w).bodyEdit->textCursor().selectedText(), QString("one"));
    // An empty body empties the clipboard.
    FillClipboard();
    EditorFixture::SetPost(*w, "", 0);
    Controls(*w).copyPostAction->trigger();
    QCOMPARE(Clipboard()->text(), QString());
    QVERIFY(!Clipboard()->mimeData()->hasImage());
}

void tst_EditCommands::toolbarRunsTheClipboardCommands()
{
    auto w = m_fx->MakeWindow();
    EditorFixture::SetPost(*w, "abc def", 0, 3);
    ToolbarButton(*w, "Copy")->trigger();
    QCOMPARE(Clipboard()->text(), QString("abc"));
    ToolbarButton(*w, "Cut")->trigger();
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString(" def"));
    QTextCursor cursor = Controls(*w).bodyEdit->textCursor();
    cursor.movePosition(QTextCursor::End);
    Controls(*w).bodyEdit->setTextCursor(cursor);
    ToolbarButton(*w, "Paste")->trigger();
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString(" defabc"));
    ToolbarButton(*w, "Copy post to clipboard")->trigger();
    QCOMPARE(Clipboard()->text(), QString(" defabc"));
}

void tst_EditCommands::fontDialogIsFilledFromThePostField()
{
    auto w = m_fx->MakeWindow();
    Controls(*w).fontAction->trigger();
    QCOMPARE(m_fx->platform.fontRequests.size(), 1);
    const FontChoice& request = m_fx->platform.fontRequests.first();
    QCOMPARE(request.font.family(), QString("Arial"));
    QCOMPARE(request.font.pointSizeF(), 12.0);
    QVERIFY(!request.font.bold() && !request.font.italic());
    QCOMPARE(request.color, Controls(*w).bodyEdit->palette().color(QPalette::Text));
}

void tst_EditCommands::fontChoiceAppliesToThePostOnly()
{
    auto w = m_fx->MakeWindow();
    EditorFixture::SetPost(*w, "Some text", 0);
    w->Post().SetState(PostDocument::State::Unchanged);
    const QFont titleFont = Controls(*w).subjectEdit->font();
    const QPalette titlePalette = Controls(*w).subjectEdit->palette();
    QFont chosen(QStringLiteral("Liberation Serif"), 16);
    chosen.setBold(true);
    chosen.setItalic(true);
    chosen.setUnderline(true);  // effects the command does not take
    chosen.setStrikeOut(true);
    m_fx->platform.fontAnswer = FontChoice{chosen, QColor(Qt::darkRed)};
    Controls(*w).fontAction->trigger();

    const QFont font = Controls(*w).bodyEdit->font();
    QCOMPARE(font.family(), QString("Liberation Serif"));
    QCOMPARE(font.pointSizeF(), 16.0);
    QVERIFY(font.bold());
    QVERIFY(font.italic());
    QVERIFY(!font.underline());
    QVERIFY(!font.strikeOut());
    QCOMPARE(Controls(*w).bodyEdit->palette().color(QPalette::Text), QColor(Qt::darkRed));
    QCOMPARE(Controls(*w).bodyEdit->palette().color(QPalette::Inactive, QPalette::Text), QColor(Qt::darkRed));
    QCOMPARE(Controls(*w).subjectEdit->font(), titleFont);
    QCOMPARE(Controls(*w).subjectEdit->palette().color(QPalette::Text), titlePalette.color(QPalette::Text));
    // The text and the document state are untouched.
    QCOMPARE(EditorFixture::PostText(*w), QString("Some text"));
    QVERIFY(!w->Post().IsChanged());
    // The next dialog starts from the new look.
    m_fx->platform.fontAnswer.reset();
    Controls(*w).fontAction->trigger();
    QCOMPARE(m_fx->platform.fontRequests.last().font.family(), QString("Liberation Serif"));
    QCOMPARE(m_fx->platform.fontRequests.last().color, QColor(Qt::darkRed));
}

void tst_EditCommands::fontCancelChangesNothing()
{
    auto w = m_fx->MakeWindow();
    const QFont before = Controls(*w).bodyEdit->font();
    const QColor colour = Controls(*w).bodyEdit->palette().color(QPalette::Text);
    m_fx->platform.fontAnswer.reset();
    Controls(*w).fontAction->trigger();
    QCOMPARE(m_fx->platform.fontRequests.size(), 1);
    QCOMPARE(Controls(*w).bodyEdit->font(), before);
    QCOMPARE(Controls(*w).bodyEdit->palette().color(QPalette::Text), colour);
}

void tst_EditCommands::fontConfirmedUnchangedLooksTheSame()
{
    auto w = m_fx->MakeWindow();
    EditorFixture::SetPost(*w, "The same look\nbefore and after", 0);
    const QImage before = Controls(*w).bodyEdit->grab().toImage();
    m_fx->platform.fontAnswer =
        FontChoice{Controls(*w).bodyEdit->font(), Controls(*w).bodyEdit->palette().color(QPalette::Text)};
    Controls(*w).fontAction->trigger();
    QCOMPARE(Controls(*w).bodyEdit->font(), m_fx->platform.fontRequests.first().font);
    QCOMPARE(Controls(*w).bodyEdit->grab().toImage(), before);
}

QF_TEST_MAIN(tst_EditCommands)
#include "tst_editcommands.moc"
