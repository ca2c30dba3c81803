// Status-bar help through real mouse movements: the tag buttons and the
// assistance switch show their help in panel 1, the bare window surface
// clears it, and every other control leaves it alone.

#include "editor/TagTable.h"
#include "editor/frmPost.h"
#include "base/Utf8.h"
#include "support/EditorFixture.h"
#include "support/PostControls.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

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
QPoint BareSurface(frmPost& w)
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
    QTest::addColumn<QString>("help");
    for (int i = 0; i < 10; ++i)
        QTest::addRow("%s", TagTable::Buttons[i].caption.data()) << i << ToQString(TagTable::Buttons[i].statusHelp);
}

void tst_StatusHelp::tagButtons()
{
    QFETCH(int, index);
    QFETCH(QString, help);
    auto w = m_fx->MakeWindow();
    MoveOver(Controls(*w).cmdBBcode[index]);
    QCOMPARE(Controls(*w).StatusPanels[0]->text(), help);
    QCOMPARE(Controls(*w).StatusPanels[1]->text(), QString("No change in post"));
}

void tst_StatusHelp::assistSwitch()
{
    auto w = m_fx->MakeWindow();
    MoveOver(Controls(*w).chkAssist);
    QCOMPARE(Controls(*w).StatusPanels[0]->text(),
             QString("Enable Assistant mode to have advanced options for URL, img, List and List="));
    // The image button's help ends with a blank, shown as it is.
    MoveOver(Controls(*w).cmdBBcode[7]);
    QCOMPARE(Controls(*w).StatusPanels[0]->text(), QString("Insert image: [img]http://image_url[/img]   (CTRL+M) "));
}

void tst_StatusHelp::backgroundClears()
{
    auto w = m_fx->MakeWindow();
    const QPoint bare = BareSurface(*w);
    QVERIFY(bare != QPoint(-1, -1));
    MoveOver(Controls(*w).cmdBBcode[0]);
    QCOMPARE(Controls(*w).StatusPanels[0]->text(), ToQString(TagTable::Buttons[0].statusHelp));
    MoveOver(w->centralWidget(), bare);
    QCOMPARE(Controls(*w).StatusPanels[0]->text(), QString());
    // Back over a button: the help returns.
    MoveOver(Controls(*w).cmdBBcode[5]);
    QCOMPARE(Controls(*w).StatusPanels[0]->text(), ToQString(TagTable::Buttons[5].statusHelp));
}

void tst_StatusHelp::otherControlsLeaveThePanel_data()
{
    QTest::addColumn<QString>("control");
    for (const char* name : {"txtPost", "txtTitle", "cmbSize", "cmbColor", "imgIcon_0", "imgIcon_19", "Label1",
                             "Image1", "cmdQuote", "cmdPreview", "cmdPost", "OptNew", "optReply", "cmbForum",
                             "txtPostNo", "framSubmit"})
        QTest::newRow(name) << QString(name);
}

void tst_StatusHelp::otherControlsLeaveThePanel()
{
    QFETCH(QString, control);
    auto w = m_fx->MakeWindow();
    QWidget* widget = w->findChild<QWidget*>(control);
    QVERIFY(widget);
    // Straight from the B button onto the control, without crossing the background.
    MoveOver(Controls(*w).cmdBBcode[0]);
    QPoint at = widget->rect().center();
    if (control == "framSubmit")
        at = QPoint(8, widget->height() / 2);  // the frame's own border, left of its controls
    QWidget* under = w->centralWidget()->childAt(widget->mapTo(w->centralWidget(), at));
    QVERIFY(under == widget || widget->isAncestorOf(under));
    MoveOver(widget, at);
    QCOMPARE(Controls(*w).StatusPanels[0]->text(), ToQString(TagTable::Buttons[0].statusHelp));
    // And from a cleared panel it stays cleared.
    MoveOver(w->centralWidget(), BareSurface(*w));
    MoveOver(widget, at);
    QCOMPARE(Controls(*w).StatusPanels[0]->text(), QString());
}

void tst_StatusHelp::clicksDoNotChangeThePanel()
{
    auto w = m_fx->MakeWindow();
    MoveOver(Controls(*w).chkAssist);
    QTest::mouseClick(Controls(*w).txtPost, Qt::LeftButton);
    QCOMPARE(Controls(*w).StatusPanels[0]->text(), ToQString(TagTable::AssistHelp));
}

QF_TEST_MAIN(tst_StatusHelp)
#include "tst_statushelp.moc"
