// SPDX-License-Identifier: MIT
// The extra emoticons window driven as a user would: opened from the main
// window's "View More Emoticons", its pictures clicked into the post, closed
// and opened again.

#include "base/PictureBox.h"
#include "base/Utf8.h"
#include "base/Settings.h"
#include "board/BoardProfiles.h"
#include "board/SmileyPictures.h"
#include "assist/ExtraEmoticonTable.h"
#include "assist/MoreEmoticonsWindow.h"
#include "post/PostDocument.h"
#include "editor/MainWindow.h"
#include "board/classic/EmoticonTable.h"
#include "board/PreviewPage.h"
#include "support/TestBoards.h"
#include "support/EditorFixture.h"
#include "support/PostControls.h"
#include "support/TestMain.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QTextCursor>

namespace {

QRect Place(int index)
{
    const ExtraEmoticons::Area& a = ExtraEmoticons::Pictures[size_t(index)].area;
    return QRect(a.left, a.top, a.width, a.height);
}

}  // namespace

class tst_MoreEmoticonsWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyPictureInsertsWhatThePreviewShowsAsIt();
    void badAtTheCaretIsSevenCharacters();
    void neutralIsColonBar();
    void samePictureTwice();
    void picturesAtTheirPlaces();
    void broughtForwardAndOpenedAfresh();
    void goesWithTheMainWindow();
    void boardSmiliesInsteadOfThePictures();

private:
    MoreEmoticonsWindow* Show();

    std::unique_ptr<EditorFixture> m_fx;
    std::unique_ptr<MainWindow> m_w;
};

void tst_MoreEmoticonsWindow::init()
{
    m_fx = std::make_unique<EditorFixture>();
    // The program folder holds copies of the pictures built beside this test.
    const QDir built(QCoreApplication::applicationDirPath() + "/emo");
    QVERIFY(QDir(m_fx->folder.path()).mkdir("emo"));
    for (const QString& name : built.entryList({"*.gif"}, QDir::Files))
        QVERIFY(QFile::copy(built.filePath(name), m_fx->folder.path() + "/emo/" + name));
    m_w = m_fx->MakeWindow();
}

void tst_MoreEmoticonsWindow::cleanup()
{
    m_w.reset();
    m_fx.reset();
    QVERIFY(!EditorFixture::OpenWindow<MoreEmoticonsWindow>());
}

MoreEmoticonsWindow* tst_MoreEmoticonsWindow::Show()
{
    QTest::mouseClick(Controls(*m_w).moreEmoticonsLink, Qt::LeftButton);
    MoreEmoticonsWindow* emo = EditorFixture::OpenWindow<MoreEmoticonsWindow>();
    if (emo && !QTest::qWaitForWindowExposed(emo))
        qWarning("window not exposed");
    return emo;
}

void tst_MoreEmoticonsWindow::everyPictureInsertsWhatThePreviewShowsAsIt()
{
    // Every picture of the main window and of this one goes in after the
    // selection, and the preview shows what went in as the picture the user
    // clicked; between them the two windows offer every picture the preview
    // knows, each once.
    MoreEmoticonsWindow* emo = Show();
    QVERIFY(emo);
    QList<PictureBox*> pictures;
    for (int index = 0; index < 20; ++index)
        pictures << m_w->findChild<PictureBox*>(QString("emoticonPicture_%1").arg(index));
    for (PictureBox* picture : emo->emoticonPictures)
        pictures << picture;
    auto* field = m_w->findChild<QPlainTextEdit*>("bodyEdit");
    QVERIFY(field);
    const QRegularExpression pictureTag("<img [^>]*src=\"([^\"]*)\"");
    QSet<QString> files;
    int animated = 0;
    for (PictureBox* picture : pictures) {
        QVERIFY(picture);
        const QByteArray row = picture->objectName().toUtf8();
        EditorFixture::SetPost(*m_w, "say hello now", 4, 9);
        m_w->Post().SetState(PostDocument::State::Unchanged);
        QTest::mouseClick(picture, Qt::LeftButton);
        const QString text = field->toPlainText();
        QVERIFY2(text.startsWith("say hello ") && text.endsWith(" now"), row + ": " + text.toUtf8());
        const QString inserted = text.mid(9, text.size() - 9 - 4);
        QVERIFY2(field->textCursor().position() == 9 + inserted.size(), row);
        QVERIFY2(!field->textCursor().hasSelection(), row);
        QVERIFY2(m_w->Post().IsChanged(), row);
        // The window stays open for the next picture.
        QVERIFY2(EditorFixture::OpenWindow<MoreEmoticonsWindow>() == emo, row);
        if (picture->window() == emo) {
            QVERIFY2(picture->property("insertedText").toString() == inserted, row);
            // A screen reader names it by its code's word: "party" for :party:.
            QString name = inserted.trimmed().remove(':');
            if (name == "|")
                name = "neutral";
            QVERIFY2(QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name) == name, row);
        }

        const QString page = ToQString(PreviewPage::Build(ToUtf8(inserted), ToUtf8(m_fx->context.pictureFolder)));
        QStringList sources;
        for (auto match = pictureTag.globalMatch(page); match.hasNext();)
            sources << match.next().captured(1);
        QVERIFY2(sources.size() == 1, row + ": " + page.toUtf8());
        const QString file = QUrl(sources[0]).isLocalFile() ? QUrl(sources[0]).toLocalFile() : sources[0];
        QVERIFY2(!files.contains(file), row + " shows a picture another one shows: " + file.toUtf8());
        files << file;
        // The control shows the first frame of the very picture the preview shows.
        QImageReader reader(file);
        const QImage first = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!first.isNull(), qPrintable(file));
        QVERIFY2(picture->pixmap().toImage().convertToFormat(QImage::Format_ARGB32) == first, row);
        if (reader.imageCount() > 1)
            ++animated;
    }
    QCOMPARE(files.size(), qsizetype(bbcode::EmoticonTable.size()));
    QVERIFY2(animated > 0, "no animated picture among the emoticons");
}

void tst_MoreEmoticonsWindow::badAtTheCaretIsSevenCharacters()
{
    EditorFixture::SetPost(*m_w, "ab", 1);
    MoreEmoticonsWindow* emo = Show();
    QVERIFY(emo);
    QTest::mouseClick(emo->emoticonPictures[26], Qt::LeftButton);
    QCOMPARE(Controls(*m_w).bodyEdit->toPlainText(), QString("a :bad: b"));
    QCOMPARE(Controls(*m_w).bodyEdit->textCursor().position(), 8);
}

void tst_MoreEmoticonsWindow::neutralIsColonBar()
{
    MoreEmoticonsWindow* emo = Show();
    QVERIFY(emo);
    QTest::mouseClick(emo->emoticonPictures[0], Qt::LeftButton);
    QCOMPARE(EditorFixture::PostText(*m_w), QString(" :| "));
}

void tst_MoreEmoticonsWindow::samePictureTwice()
{
    MoreEmoticonsWindow* emo = Show();
    QVERIFY(emo);
    QTest::mouseClick(emo->emoticonPictures[3], Qt::LeftButton);
    QTest::mouseClick(emo->emoticonPictures[3], Qt::LeftButton);
    QCOMPARE(EditorFixture::PostText(*m_w), QString(" :heyes:  :heyes: "));
    // Each click is one step of the post's undo.
    Controls(*m_w).bodyEdit->undo();
    QCOMPARE(EditorFixture::PostText(*m_w), QString(" :heyes: "));
}

void tst_MoreEmoticonsWindow::picturesAtTheirPlaces()
{
    MoreEmoticonsWindow* emo = Show();
    QVERIFY(emo);
    QCOMPARE(emo->windowTitle(), QString("Extra Emoticons"));
    QCOMPARE(emo->size(), QSize(382, 318));
    QCOMPARE(emo->minimumSize(), emo->maximumSize());
    QVERIFY(!emo->parentWidget());
    QVERIFY(!emo->isModal());
    // White where no picture lies.
    const QImage shot = emo->grab().toImage();
    QCOMPARE(QColor(shot.pixel(shot.width() / 2, 280)), QColor(Qt::white));
    for (int i = 0; i < 29; ++i) {
        PictureBox* picture = emo->emoticonPictures[i];
        QCOMPARE(picture->objectName(), QString("emoticonPicture_%1").arg(i));
        QCOMPARE(picture->mapTo(emo, QPoint(0, 0)), Place(i).topLeft());
        QCOMPARE(picture->size(), Place(i).size());
        QCOMPARE(picture->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY2(!picture->pixmap().isNull(), qPrintable(picture->objectName()));
        QCOMPARE(picture->pixmap().size(), Place(i).size());
    }
    QCOMPARE(QRect(emo->closeHotSpot->mapTo(emo, QPoint(0, 0)), emo->closeHotSpot->size()), QRect(144, 292, 105, 25));
    QCOMPARE(emo->closeHotSpot->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(emo->closeHotSpot->pixmap().isNull());
    QCOMPARE(QAccessible::queryAccessibleInterface(emo->closeHotSpot)->text(QAccessible::Name), QString("Close"));
}

void tst_MoreEmoticonsWindow::broughtForwardAndOpenedAfresh()
{
    QPointer<MoreEmoticonsWindow> emo = Show();
    QVERIFY(emo);
    m_w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
    QCOMPARE(Show(), emo.data());
    QTRY_VERIFY(emo->isActiveWindow());
    QTest::mouseClick(emo->closeHotSpot, Qt::LeftButton);
    QTRY_VERIFY(!emo);
    QPointer<MoreEmoticonsWindow> again = Show();
    QVERIFY(again);
    // Closed by the system it is discarded too.
    again->close();
    QTRY_VERIFY(!again);
    QVERIFY(Show());
}

void tst_MoreEmoticonsWindow::goesWithTheMainWindow()
{
    QPointer<MoreEmoticonsWindow> emo = Show();
    QVERIFY(emo);
    m_w.reset();
    QVERIFY(!emo);
}

void tst_MoreEmoticonsWindow::boardSmiliesInsteadOfThePictures()
{
    // A phpBB 3 site whose posting page gave 25 smilies, the first one's
    // picture already fetched: the window offers all 25, in the board's order.
    const QString site = "http://board.test/";
    BoardProfile page;
    page.found = &KindOf("phpbb3");
    for (int i = 0; i < 25; ++i)
        page.smilies.push_back({":s" + std::to_string(i) + ":", "Smiley " + std::to_string(i),
                                "http://board.test/images/smilies/s" + std::to_string(i) + ".gif", 15, 17});
    m_fx->settings.setSiteAddress(site);
    BoardProfiles::SavePostingPage(m_fx->settings, site, page);
    const QString cached = SmileyPictures::CacheFile("http://board.test/images/smilies/s0.gif");
    QVERIFY(QDir().mkpath(QFileInfo(cached).path()));
    QVERIFY(QFile::copy(m_fx->folder.path() + "/emo/wink.gif", cached));
    m_w->RefreshBoard();
    MoreEmoticonsWindow* emo = Show();
    QVERIFY(emo);
    QCOMPARE(int(emo->boardPictures.size()), 25);
    QVERIFY(!emo->boardPictures[0]->pixmap().isNull());
    QCOMPARE(emo->boardPictures[1]->text(), QString(":s1:"));  // not fetched: its code
    QCOMPARE(emo->boardPictures[24]->accessibleName(), QString("Smiley 24"));
    m_w->Post().SetPost("x");
    Controls(*m_w).bodyEdit->moveCursor(QTextCursor::End);
    emo->boardPictures[24]->ensurePolished();
    QTest::mouseClick(emo->boardPictures[24], Qt::LeftButton);
    QCOMPARE(m_w->Post().Post(), std::string("x :s24: "));
    QFile::remove(cached);
}

QF_TEST_MAIN(tst_MoreEmoticonsWindow)
#include "tst_moreemoticonswindow.moc"
