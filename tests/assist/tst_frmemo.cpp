// The extra emoticons window driven as a user would: opened from the main
// window's "View More Emoticons", its pictures clicked into the post, closed
// and opened again.

#include "base/PictureBox.h"
#include "assist/ExtraEmoticonTable.h"
#include "assist/frmEmo.h"
#include "post/PostDocument.h"
#include "editor/frmPost.h"
#include "render/EmoticonTable.h"
#include "base/Utf8.h"
#include "support/EditorFixture.h"
#include "support/PostControls.h"
#include "support/TestMain.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>

namespace {


QRect Place(int index)
{
    const ExtraEmoticons::Area& a = ExtraEmoticons::Pictures[size_t(index)].area;
    return QRect(a.left, a.top, a.width, a.height);
}

}  // namespace

class tst_frmEmo : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyPictureInsertsAfterTheSelection();
    void badAtTheCaretIsSevenCharacters();
    void neutralIsColonBar();
    void samePictureTwice();
    void picturesAtTheirPlaces();
    void picturesShowTheFirstFrame();
    void broughtForwardAndOpenedAfresh();
    void goesWithTheMainWindow();

private:
    frmEmo* Show();

    std::unique_ptr<EditorFixture> m_fx;
    std::unique_ptr<frmPost> m_w;
};

void tst_frmEmo::init()
{
    m_fx = std::make_unique<EditorFixture>();
    // The program folder holds copies of the pictures built beside this test.
    const QDir built(QCoreApplication::applicationDirPath() + "/emo");
    QVERIFY(QDir(m_fx->folder.path()).mkdir("emo"));
    for (const QString& name : built.entryList({"*.gif"}, QDir::Files))
        QVERIFY(QFile::copy(built.filePath(name), m_fx->folder.path() + "/emo/" + name));
    m_w = m_fx->MakeWindow();
}

void tst_frmEmo::cleanup()
{
    m_w.reset();
    m_fx.reset();
    QVERIFY(!EditorFixture::OpenWindow<frmEmo>());
}

frmEmo* tst_frmEmo::Show()
{
    QTest::mouseClick(Controls(*m_w).Label1, Qt::LeftButton);
    frmEmo* emo = EditorFixture::OpenWindow<frmEmo>();
    if (emo && !QTest::qWaitForWindowExposed(emo))
        qWarning("window not exposed");
    return emo;
}

void tst_frmEmo::everyPictureInsertsAfterTheSelection()
{
    frmEmo* emo = Show();
    QVERIFY(emo);
    for (int index = 0; index < int(ExtraEmoticons::Pictures.size()); ++index) {
        const QString code = ToQString(ExtraEmoticons::Pictures[size_t(index)].code);
        const QByteArray row = QByteArray::number(index) + " " + code.toUtf8();
        EditorFixture::SetPost(*m_w, "say hello now", 4, 9);
        m_w->Post().PostChanged = false;
        QTest::mouseClick(emo->Image1[index], Qt::LeftButton);
        QVERIFY2(Controls(*m_w).txtPost->toPlainText() == "say hello " + code + "  now", row);
        QVERIFY2(Controls(*m_w).txtPost->textCursor().position() == int(("say hello " + code + " ").size()), row);
        QVERIFY2(!Controls(*m_w).txtPost->textCursor().hasSelection(), row);
        QVERIFY2(m_w->Post().PostChanged, row);
        QVERIFY2(emo->Image1[index]->property("Tag").toString() == " " + code + " ", row);
        // The window stays open for the next picture.
        QVERIFY2(EditorFixture::OpenWindow<frmEmo>() == emo, row);
    }
}

void tst_frmEmo::badAtTheCaretIsSevenCharacters()
{
    EditorFixture::SetPost(*m_w, "ab", 1);
    frmEmo* emo = Show();
    QVERIFY(emo);
    QTest::mouseClick(emo->Image1[26], Qt::LeftButton);
    QCOMPARE(Controls(*m_w).txtPost->toPlainText(), QString("a :bad: b"));
    QCOMPARE(Controls(*m_w).txtPost->textCursor().position(), 8);
}

void tst_frmEmo::neutralIsColonBar()
{
    frmEmo* emo = Show();
    QVERIFY(emo);
    QTest::mouseClick(emo->Image1[0], Qt::LeftButton);
    QCOMPARE(EditorFixture::PostText(*m_w), QString(" :| "));
}

void tst_frmEmo::samePictureTwice()
{
    frmEmo* emo = Show();
    QVERIFY(emo);
    QTest::mouseClick(emo->Image1[3], Qt::LeftButton);
    QTest::mouseClick(emo->Image1[3], Qt::LeftButton);
    QCOMPARE(EditorFixture::PostText(*m_w), QString(" :heyes:  :heyes: "));
    // Each click is one step of the post's undo.
    Controls(*m_w).txtPost->undo();
    QCOMPARE(EditorFixture::PostText(*m_w), QString(" :heyes: "));
}

void tst_frmEmo::picturesAtTheirPlaces()
{
    frmEmo* emo = Show();
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
        PictureBox* picture = emo->Image1[i];
        QCOMPARE(picture->objectName(), QString("Image1_%1").arg(i));
        QCOMPARE(picture->mapTo(emo, QPoint(0, 0)), Place(i).topLeft());
        QCOMPARE(picture->size(), Place(i).size());
        QCOMPARE(picture->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY2(!picture->pixmap().isNull(), qPrintable(picture->objectName()));
        QCOMPARE(picture->pixmap().size(), Place(i).size());
        const QString code = ToQString(ExtraEmoticons::Pictures[size_t(i)].code);
        QCOMPARE(QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name), code);
    }
    QCOMPARE(QRect(emo->Image2->mapTo(emo, QPoint(0, 0)), emo->Image2->size()), QRect(144, 292, 105, 25));
    QCOMPARE(emo->Image2->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(emo->Image2->pixmap().isNull());
    QCOMPARE(QAccessible::queryAccessibleInterface(emo->Image2)->text(QAccessible::Name), QString("Close"));
}

void tst_frmEmo::picturesShowTheFirstFrame()
{
    frmEmo* emo = Show();
    QVERIFY(emo);
    int animated = 0;
    for (int i = 0; i < 29; ++i) {
        const QString name = ToQString(Module2::PictureNameOf(ExtraEmoticons::Pictures[size_t(i)].code));
        QImageReader reader(m_fx->folder.path() + "/emo/" + name + ".gif");
        const QImage first = reader.read().convertToFormat(QImage::Format_ARGB32);
        if (reader.imageCount() > 1)
            ++animated;
        QCOMPARE(emo->Image1[i]->pixmap().toImage().convertToFormat(QImage::Format_ARGB32), first);
    }
    QVERIFY2(animated > 0, "no animated picture among the extra emoticons");
}

void tst_frmEmo::broughtForwardAndOpenedAfresh()
{
    QPointer<frmEmo> emo = Show();
    QVERIFY(emo);
    m_w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
    QCOMPARE(Show(), emo.data());
    QTRY_VERIFY(emo->isActiveWindow());
    QTest::mouseClick(emo->Image2, Qt::LeftButton);
    QTRY_VERIFY(!emo);
    QPointer<frmEmo> again = Show();
    QVERIFY(again);
    // Closed by the system it is discarded too.
    again->close();
    QTRY_VERIFY(!again);
    QVERIFY(Show());
}

void tst_frmEmo::goesWithTheMainWindow()
{
    QPointer<frmEmo> emo = Show();
    QVERIFY(emo);
    m_w.reset();
    QVERIFY(!emo);
}

QF_TEST_MAIN(tst_frmEmo)
#include "tst_frmemo.moc"
