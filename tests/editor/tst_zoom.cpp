// SPDX-License-Identifier: MIT
// View > Zoom In, Zoom Out and Actual Size, through their items, their keys
// and Ctrl with the wheel over the body: the body's text and the live
// preview's page grow together, within limits, the chosen font stays the
// font, and the level is kept for the next start.

#include "browser/LivePreviewPane.h"
#include "editor/MainWindow.h"
#include "support/EditorFixture.h"
#include "support/PostControls.h"
#include "support/TestMain.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QWheelEvent>

class tst_Zoom : public QObject {
    Q_OBJECT
private slots:
    void init() { m_fx = std::make_unique<EditorFixture>(); }
    void cleanup() { m_fx.reset(); }
    void zoomCommands_data();
    void zoomCommands();
    void fontDialogChangesTheChosenFont();
    void livePreviewFollows();

private:
    std::unique_ptr<EditorFixture> m_fx;
};

void tst_Zoom::zoomCommands_data()
{
    // Each step: an item's object name, keys pressed in the body, "wheel N"
    // (N with Ctrl held, "plain N" without) or "restart".
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<double>("size");  // the body's size then; chosen: 12 points
    QTest::newRow("Zoom In item") << QStringList{"zoomInAction"} << 13.2;
    QTest::newRow("Ctrl+=, Ctrl++") << QStringList{"Ctrl+=", "Ctrl++"} << 14.4;
    QTest::newRow("Zoom Out item, Ctrl+-") << QStringList{"zoomOutAction", "Ctrl+-"} << 9.6;
    QTest::newRow("Actual Size item") << QStringList{"Ctrl+=", "actualSizeAction"} << 12.0;
    QTest::newRow("Ctrl+0") << QStringList{"Ctrl+-", "Ctrl+0"} << 12.0;
    QTest::newRow("Ctrl+wheel, a touchpad's half turns adding up") << QStringList{"wheel 120", "wheel -60"} << 13.2;
    QTest::newRow("the wheel alone scrolls") << QStringList{"plain 120"} << 12.0;
    QTest::newRow("no smaller than half") << QStringList(8, "zoomOutAction") << 6.0;
    QTest::newRow("no larger than three times") << QStringList(30, "zoomInAction") << 36.0;
    QTest::newRow("kept for the next start") << QStringList{"Ctrl+=", "Ctrl+=", "restart"} << 14.4;
}

void tst_Zoom::zoomCommands()
{
    QFETCH(QStringList, steps);
    QFETCH(double, size);
    auto w = m_fx->MakeWindow();
    QCOMPARE(Controls(*w).bodyEdit->font().pointSizeF(), 12.0);
    for (const QString& step : steps) {
        QPlainTextEdit* body = Controls(*w).bodyEdit;
        if (step == "restart") {
            w.reset();
            w = m_fx->MakeWindow();
        } else if (step.startsWith("wheel") || step.startsWith("plain")) {
            const QPointF at(10, 10);
            QWheelEvent wheel(at, body->viewport()->mapToGlobal(at), {}, QPoint(0, step.section(' ', 1).toInt()),
                              Qt::NoButton, step.startsWith("wheel") ? Qt::ControlModifier : Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(body->viewport(), &wheel);
        } else if (step.startsWith("Ctrl")) {
            QTest::keySequence(body, QKeySequence(step));
        } else {
            w->findChild<QAction*>(step)->trigger();
        }
    }
    QCOMPARE(Controls(*w).bodyEdit->font().pointSizeF(), size);
    QCOMPARE(Controls(*w).bodyEdit->font().family(), QString("Arial"));
    QCOMPARE(w->findChild<QAction*>("zoomInAction")->isEnabled(), size < 36);
    QCOMPARE(w->findChild<QAction*>("zoomOutAction")->isEnabled(), size > 6);
}

void tst_Zoom::fontDialogChangesTheChosenFont()
{
    auto w = m_fx->MakeWindow();
    w->findChild<QAction*>("zoomInAction")->trigger();
    m_fx->platform.fontAnswer = FontChoice{QFont("DejaVu Serif", 20), QColor()};
    Controls(*w).fontAction->trigger();
    // The dialog was filled with the chosen font, not the zoomed one.
    QCOMPARE(m_fx->platform.fontRequests.value(0).font.pointSizeF(), 12.0);
    QCOMPARE(Controls(*w).bodyEdit->font().pointSizeF(), 22.0);
    w->findChild<QAction*>("actualSizeAction")->trigger();
    QCOMPARE(Controls(*w).bodyEdit->font(), QFont("DejaVu Serif", 20));
}

void tst_Zoom::livePreviewFollows()
{
    auto w = m_fx->MakeWindow();
    w->findChild<QAction*>("zoomInAction")->trigger();
    auto* pane = w->findChild<LivePreviewPane*>();
    QSignalSpy updated(pane, &LivePreviewPane::updated);
    w->findChild<QAction*>("livePreviewAction")->trigger();
    QVERIFY(updated.wait(30000));
    QCOMPARE(pane->PageView()->View()->property("zoomFactor").toDouble(), 1.1);
    w->findChild<QAction*>("zoomInAction")->trigger();
    QCOMPARE(pane->PageView()->View()->property("zoomFactor").toDouble(), 1.2);
}

QF_TEST_MAIN(tst_Zoom)
#include "tst_zoom.moc"
