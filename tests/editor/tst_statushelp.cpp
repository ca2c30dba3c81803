// SPDX-License-Identifier: MIT
// Status-bar help through real mouse movements: the tag buttons and the
// assistance switch show their help in panel 1, the bare window surface
// clears it, and every other control leaves it alone.

#include "editor/MainWindow.h"
#include "support/EditorFixture.h"
#include "support/PostControls.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {
void MoveOver(QWidget* widget, QPoint at = QPoint(-1, -1))
{
    if (at == QPoint(-1, -1))
        at = widget->rect().center();
    // A movement to where the pointer already is makes no event; the first
    // step, one pixel aside within the same control, makes sure one comes.
    QTest::mouseMove(widget, at + QPoint(1, 0));
    QTest::mouseMove(widget, at);
}

// A point of the window's background with no control under it.
QPoint BareSurface(MainWindow& w)
{
    QWidget* surface = w.centralWidget();
    const QPoint at(surface->width() - 5, surface->height() / 2);
    return surface->childAt(at) ? QPoint(-1, -1) : at;
}
}  // namespace

class tst_StatusHelp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tagButtons_data();
    void tagButtons();
    void assistSwitch();
    void backgroundClears();
    void otherControlsLeaveThePanel_data();
    void otherControlsLeaveThePanel();
    void clicksDoNotChangeThePanel();

private:
    std::unique_ptr<EditorFixture> m_fx;
};

void tst_StatusHelp::init() { m_fx = std::make_unique<EditorFixture>(); }

void tst_StatusHelp::cleanup() { m_fx.reset(); }

void tst_StatusHelp::tagButtons_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("inserted");  // with "text" selected
    QTest::newRow("B") << 0 << "[b]text[/b]";
    QTest::newRow("i") << 1 << "[i]text[/i]";
    QTest::newRow("u") << 2 << "[u]text[/u]";
    QTest::newRow("Quote") << 3 << "[quote]text[/quote]";
    QTest::newRow("Code") << 4 << "[code]text[/code]";
    QTest::newRow("List") << 5 << "[list]text[/list]";
    QTest::newRow("List=") << 6 << "[list=1]text[/list]";
    QTest::newRow("Img") << 7 << "[img]text[/img]";
    QTest::newRow("URL") << 8 << "[url]text[/url]";
    QTest::newRow("[*]") << 9 << "[*]text";
}

void tst_StatusHelp::tagButtons()
{
    // The help shows the tag that the button inserts, and the shortcut it
    // names does what the button does.
    QFETCH(int, index);
    QFETCH(QString, inserted);
    auto w = m_fx->MakeWindow();
    MoveOver(Controls(*w).tagButtons[index]);
    const QString help = Controls(*w).helpPanel->text();
    QCOMPARE(Controls(*w).statePanel->text(), QString("No change in post"));
    const QString opening = inserted.left(inserted.indexOf(QRegularExpression("[]=]")) + 1);
    QVERIFY2(help.contains(opening), qPrintable(help));
    if (inserted.contains("[/"))
        QVERIFY2(help.contains(inserted.mid(inserted.indexOf("[/"))), qPrintable(help));

    EditorFixture::SetPost(*w, "text", 0, 4);
    QTest::mouseClick(Controls(*w).tagButtons[index], Qt::LeftButton);
    QCOMPARE(EditorFixture::PostText(*w), inserted);
    const QRegularExpressionMatch shortcut = QRegularExpression(R"(\(CTRL\+([A-Z])\))").match(help);
    if (shortcut.hasMatch()) {
        EditorFixture::SetPost(*w, "text", 0, 4);
        Controls(*w).bodyEdit->setFocus();
        QTest::keyClick(Controls(*w).bodyEdit, Qt::Key(Qt::Key_A + (shortcut.captured(1).at(0).unicode() - 'A')),
                        Qt::ControlModifier);
        QCOMPARE(EditorFixture::PostText(*w), inserted);
    }
}

void tst_StatusHelp::assistSwitch()
{
    auto w = m_fx->MakeWindow();
    MoveOver(Controls(*w).assistanceBox);
    QCOMPARE(Controls(*w).helpPanel->text(),
             QString("Enable Assistant mode to have advanced options for URL, img, List and List="));
    // The image button's help ends with a blank, shown as it is.
    MoveOver(Controls(*w).tagButtons[7]);
    QCOMPARE(Controls(*w).helpPanel->text(), QString("Insert image: [img]http://image_url[/img]   (CTRL+M) "));
}

void tst_StatusHelp::backgroundClears()
{
    auto w = m_fx->MakeWindow();
    const QPoint bare = BareSurface(*w);
    QVERIFY(bare != QPoint(-1, -1));
    MoveOver(Controls(*w).tagButtons[5]);
    const QString help = Controls(*w).helpPanel->text();
    QVERIFY(help.contains("[list]"));
    MoveOver(Controls(*w).tagButtons[0]);
    QVERIFY(Controls(*w).helpPanel->text().contains("[b]"));
    MoveOver(w->centralWidget(), bare);
    QCOMPARE(Controls(*w).helpPanel->text(), QString());
    // Back over a button: the help returns.
    MoveOver(Controls(*w).tagButtons[5]);
    QCOMPARE(Controls(*w).helpPanel->text(), help);
}

void tst_StatusHelp::otherControlsLeaveThePanel_data()
{
    QTest::addColumn<QString>("control");
    for (const char* name :
         {"bodyEdit", "subjectEdit", "sizeList", "colourList", "emoticonPicture_0", "emoticonPicture_19",
          "moreEmoticonsLink", "openForumHotSpot", "quoteManagerButton", "previewButton", "submitButton",
          "newTopicOption", "replyOption", "forumChooser", "topicNumberEdit", "submitFrame"})
        QTest::newRow(name) << QString(name);
}

void tst_StatusHelp::otherControlsLeaveThePanel()
{
    QFETCH(QString, control);
    auto w = m_fx->MakeWindow();
    QWidget* widget = w->findChild<QWidget*>(control);
    QVERIFY(widget);
    // Straight from the B button onto the control, without crossing the background.
    MoveOver(Controls(*w).tagButtons[0]);
    const QString help = Controls(*w).helpPanel->text();
    QVERIFY(help.contains("[b]"));
    QPoint at = widget->rect().center();
    if (control == "submitFrame")
        at = QPoint(8, widget->height() / 2);  // the frame's own border, left of its controls
    QWidget* under = w->centralWidget()->childAt(widget->mapTo(w->centralWidget(), at));
    QVERIFY(under == widget || widget->isAncestorOf(under));
    MoveOver(widget, at);
    QCOMPARE(Controls(*w).helpPanel->text(), help);
    // And from a cleared panel it stays cleared.
    MoveOver(w->centralWidget(), BareSurface(*w));
    MoveOver(widget, at);
    QCOMPARE(Controls(*w).helpPanel->text(), QString());
}

void tst_StatusHelp::clicksDoNotChangeThePanel()
{
    auto w = m_fx->MakeWindow();
    MoveOver(Controls(*w).assistanceBox);
    const QString help = Controls(*w).helpPanel->text();
    QVERIFY(help.startsWith("Enable Assistant mode"));
    QTest::mouseClick(Controls(*w).bodyEdit, Qt::LeftButton);
    QCOMPARE(Controls(*w).helpPanel->text(), help);
}

QF_TEST_MAIN(tst_StatusHelp)
#include "tst_statushelp.moc"
