// SPDX-License-Identifier: MIT
// View > Zoom In, Zoom Out and Actual Size, through their items, their keys
// and Ctrl with the wheel over the body: the body's text and the live
// preview's page grow together, the chosen font stays the font, and the
// level is kept for the next start.

#include "browser/LivePreviewPane.h"
#include "editor/MainWindow.h"
#include "support/EditorFixture.h"
#include "support/PostControls.h"
#include "support/TestMain.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QWheelEvent>

namespace {
double ShownSize(MainWindow& w) { return Controls(w).bodyEdit->font().pointSizeF(); }

void Wheel(QWidget* where, int delta, Qt::KeyboardModifiers modifiers)
{
    const QPointF at(where->width() / 2.0, where->height() / 2.0);
    QWheelEvent event(at, where->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(where, &event);
}
}  // namespace

class tst_Zoom : public QObject {
    Q_OBJECT
private slots:
    void init() { m_fx = std::make_unique<EditorFixture>(); }
    void cleanup() { m_fx.reset(); }
    void zoomCommands_data();
    void zoomCommands();
    void ctrlWheelOverTheBody();
    void limits();
    void keptForTheNextStart();
    void fontDialogChangesTheChosenFont();
    void livePreviewFollows();

private:
    std::unique_ptr<EditorFixture> m_fx;
};

void tst_Zoom::zoomCommands_data()
{
    QTest::addColumn<QStringList>("steps");  // an item's object name, or keys pressed in the body
    QTest::addColumn<double>("size");        // the body's size then; chosen: 12 points
    QTest::newRow("Zoom In item") << QStringList{"zoomInAction"} << 13.2;
    QTest::newRow("Ctrl+=") << QStringList{"Ctrl+="} << 13.2;
    QTest::newRow("Ctrl++") << QStringList{"Ctrl++"} << 13.2;
    QTest::newRow("Zoom Out item") << QStringList{"zoomOutAction"} << 10.8;
    QTest::newRow("Ctrl+-") << QStringList{"Ctrl+-"} << 10.8;
    QTest::newRow("Actual Size item") << QStringList{"Ctrl+=", "Ctrl+=", "actualSizeAction"} << 12.0;
    QTest::newRow("Ctrl+0") << QStringList{"Ctrl+-", "Ctrl+0"} << 12.0;
}

void tst_Zoom::zoomCommands()
{
    QFETCH(QStringList, steps);
    QFETCH(double, size);
    auto w = m_fx->MakeWindow();
    QCOMPARE(ShownSize(*w), 12.0);
    Controls(*w).bodyEdit->setFocus();
    for (const QString& step : steps)
        if (step.startsWith("Ctrl"))
            QTest::keySequence(Controls(*w).bodyEdit, QKeySequence(step));
        else
            w->findChild<QAction*>(step)->trigger();
    QCOMPARE(ShownSize(*w), size);
    QCOMPARE(Controls(*w).bodyEdit->font().family(), QString("Arial"));
}

void tst_Zoom::ctrlWheelOverTheBody()
{
    auto w = m_fx->MakeWindow();
    QWidget* viewport = Controls(*w).bodyEdit->viewport();
    Wheel(viewport, 120, Qt::ControlModifier);
    QCOMPARE(ShownSize(*w), 13.2);
    // A touchpad's small turns add up to a step.
    Wheel(viewport, -60, Qt::ControlModifier);
    QCOMPARE(ShownSize(*w), 13.2);
    Wheel(viewport, -60, Qt::ControlModifier);
    QCOMPARE(ShownSize(*w), 12.0);
    // Without Ctrl the wheel scrolls, as always.
    Wheel(viewport, 120, Qt::NoModifier);
    QCOMPARE(ShownSize(*w), 12.0);
}

void tst_Zoom::limits()
{
    auto w = m_fx->MakeWindow();
    QAction* out = w->findChild<QAction*>("zoomOutAction");
    for (int i = 0; i < 10; ++i)
        out->trigger();
    QCOMPARE(ShownSize(*w), 6.0);
    QVERIFY(!out->isEnabled());
    QAction* in = w->findChild<QAction*>("zoomInAction");
    for (int i = 0; i < 40; ++i)
        in->trigger();
    QCOMPARE(ShownSize(*w), 36.0);
    QVERIFY(!in->isEnabled());
}

void tst_Zoom::keptForTheNextStart()
{
    {
        auto w = m_fx->MakeWindow();
        w->findChild<QAction*>("zoomInAction")->trigger();
        w->findChild<QAction*>("zoomInAction")->trigger();
    }
    auto w = m_fx->MakeWindow();
    QCOMPARE(ShownSize(*w), 14.4);
}

void tst_Zoom::fontDialogChangesTheChosenFont()
{
    auto w = m_fx->MakeWindow();
    w->findChild<QAction*>("zoomInAction")->trigger();
    m_fx->platform.fontAnswer = FontChoice{QFont("DejaVu Serif", 20), QColor()};
    Controls(*w).fontAction->trigger();
    // The dialog was filled with the chosen font, not the zoomed one.
    QCOMPARE(m_fx->platform.fontRequests.size(), 1);
    QCOMPARE(m_fx->platform.fontRequests[0].font.pointSizeF(), 12.0);
    QCOMPARE(ShownSize(*w), 22.0);
    w->findChild<QAction*>("actualSizeAction")->trigger();
    QCOMPARE(ShownSize(*w), 20.0);
    QCOMPARE(Controls(*w).bodyEdit->font().family(), QString("DejaVu Serif"));
}

void tst_Zoom::livePreviewFollows()
{
    auto w = m_fx->MakeWindow();
    w->findChild<QAction*>("zoomInAction")->trigger();
    auto* pane = w->findChild<LivePreviewPane*>();
    QSignalSpy updated(pane, &LivePreviewPane::updated);
    w->findChild<QAction*>("livePreviewAction")->trigger();
    QVERIFY(updated.wait(30000));
    QVERIFY(pane->PageView());
    QCOMPARE(pane->PageView()->View()->property("zoomFactor").toDouble(), 1.1);
    w->findChild<QAction*>("zoomInAction")->trigger();
    QCOMPARE(pane->PageView()->View()->property("zoomFactor").toDouble(), 1.2);
}

QF_TEST_MAIN(tst_Zoom)
#include "tst_zoom.moc"
