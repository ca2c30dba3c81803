// SPDX-License-Identifier: MIT
// Files dropped on the main window: a post file opens as File > Open opens
// it, wherever it is dropped; a text file goes into the body at the drop
// point as one undo step, after a question when it is large; a picture or
// another file is refused with a message and changes nothing.

#include "editor/MainWindow.h"
#include "post/PostDocument.h"
#include "support/EditorFixture.h"
#include "support/PostControls.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>

namespace {
// Drags `file` over `target` at `at` and drops it there, as the desktop does.
void DropFile(QWidget* target, QPoint at, const QString& file)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    data.setText(QUrl::fromLocalFile(file).toString());
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    // The file is taken once the drop has ended.
    QCoreApplication::processEvents();
}

// The point of the body's viewport where character `position` starts.
QPoint PointOf(QPlainTextEdit* body, int position)
{
    QTextCursor cursor(body->document());
    cursor.setPosition(position);
    return body->cursorRect(cursor).center();
}
}  // namespace

class tst_DroppedFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_fx.reset(); }
    void postFileOpens_data();
    void postFileOpens();
    void textFileGoesInAtTheDropPoint();
    void askedOrRefused_data();
    void askedOrRefused();

private:
    QString Path(const QString& name) const { return m_fx->folder.filePath(name); }
    std::unique_ptr<EditorFixture> m_fx;
};

void tst_DroppedFiles::init()
{
    m_fx = std::make_unique<EditorFixture>();
    QVERIFY(WriteAll(Path("trip.bbc"), "{/Title\\}\r\nOur trip\r\n\r\n{/Post\\}\r\nDay one\r\n"));
    // Windows line breaks and a Windows-1252 e-acute: decoded as post files are.
    QVERIFY(WriteAll(Path("notes.txt"), "caf\xe9\r\nsecond line"));
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QVERIFY(picture.save(Path("photo.png")));
    QVERIFY(WriteAll(Path("archive.zip"), QByteArray("PK\x03\x04\x14\x00\x00\x00", 8) + QByteArray(64, '\0')));
}

void tst_DroppedFiles::postFileOpens_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<MsgAnswer>("answer");  // to the question about the changed post
    QTest::addColumn<bool>("opened");
    QTest::newRow("on the body") << "body" << MsgAnswer::No << true;
    QTest::newRow("on the title") << "title" << MsgAnswer::No << true;
    QTest::newRow("beside the fields") << "window" << MsgAnswer::No << true;
    QTest::newRow("the question cancelled: the post stays") << "body" << MsgAnswer::Cancel << false;
}

void tst_DroppedFiles::postFileOpens()
{
    QFETCH(QString, where);
    QFETCH(MsgAnswer, answer);
    QFETCH(bool, opened);
    auto w = m_fx->MakeWindow();
    PostControls c = Controls(*w);
    QTest::keyClicks(c.bodyEdit, "unsaved");
    m_fx->platform.answers = {answer};
    if (where == "body")
        DropFile(c.bodyEdit->viewport(), QPoint(5, 5), Path("trip.bbc"));
    else if (where == "title")
        DropFile(c.subjectEdit, QPoint(5, 5), Path("trip.bbc"));
    else
        DropFile(w->findChild<QWidget*>("PostBackground"), QPoint(3, 3), Path("trip.bbc"));
    QCOMPARE(m_fx->platform.messages.size(), 1);
    QCOMPARE(c.subjectEdit->text(), opened ? QString("Our trip") : QString());
    QCOMPARE(c.bodyEdit->toPlainText(), opened ? QString("Day one") : QString("unsaved"));
    QCOMPARE(w->Post().FileName(), opened ? Path("trip.bbc") : QString());
    QCOMPARE(w->Post().IsChanged(), !opened);
}

void tst_DroppedFiles::textFileGoesInAtTheDropPoint()
{
    auto w = m_fx->MakeWindow();
    QPlainTextEdit* body = Controls(*w).bodyEdit;
    EditorFixture::SetPost(*w, "one two", 0);
    body->document()->clearUndoRedoStacks();
    DropFile(body->viewport(), PointOf(body, 4), Path("notes.txt"));
    QCOMPARE(body->toPlainText(), QString("one caf\u00e9\nsecond linetwo"));
    QVERIFY(m_fx->platform.messages.isEmpty());
    w->findChild<QAction*>("undoAction")->trigger();
    QCOMPARE(body->toPlainText(), QString("one two"));
    // Beside the body it goes in at the caret; the selection is not replaced.
    EditorFixture::SetPost(*w, "one two", 0, 3);
    DropFile(w->findChild<QWidget*>("PostBackground"), QPoint(3, 3), Path("notes.txt"));
    QCOMPARE(body->toPlainText(), QString("onecaf\u00e9\nsecond line two"));
}

void tst_DroppedFiles::askedOrRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<MsgAnswer>("answer");
    QTest::addColumn<QString>("says");
    QTest::addColumn<bool>("inserted");
    QTest::newRow("text over 1 MB, Yes: inserted") << "long.txt" << MsgAnswer::Yes << "MB of text" << true;
    QTest::newRow("text over 1 MB, No: nothing") << "long.txt" << MsgAnswer::No << "MB of text" << false;
    QTest::newRow("a picture") << "photo.png" << MsgAnswer::OK << "is a picture" << false;
    QTest::newRow("an archive") << "archive.zip" << MsgAnswer::OK << "is not a text file" << false;
    QTest::newRow("a folder") << "." << MsgAnswer::OK << "is not a file" << false;
}

void tst_DroppedFiles::askedOrRefused()
{
    QFETCH(QString, file);
    QFETCH(MsgAnswer, answer);
    QFETCH(QString, says);
    QFETCH(bool, inserted);
    QByteArray large;
    while (large.size() <= 1024 * 1024)
        large += "a line of a long guide\n";
    QVERIFY(WriteAll(Path("long.txt"), large));
    auto w = m_fx->MakeWindow();
    EditorFixture::SetPost(*w, "kept", 4);
    m_fx->platform.answers = {answer};
    DropFile(Controls(*w).bodyEdit->viewport(), QPoint(5, 5), Path(file));
    QCOMPARE(m_fx->platform.messages.size(), 1);
    QVERIFY2(m_fx->platform.messages[0].text.contains(says), qPrintable(m_fx->platform.messages[0].text));
    QCOMPARE(Controls(*w).bodyEdit->toPlainText().size(), inserted ? 4 + large.size() : 4);
}

QF_TEST_MAIN(tst_DroppedFiles)
#include "tst_droppedfiles.moc"
