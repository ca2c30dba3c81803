// SPDX-License-Identifier: MIT
// Pasting rich text into the real main window: every way of pasting into the
// body inserts the clipboard's HTML as BBCode of the site's board, as one
// undo step; Paste as Plain Text (Ctrl+Shift+V) and the title field take the
// plain text; colours and sizes are kept only while the Edit menu says so,
// and that choice is kept in the settings.

#include "board/BoardProfiles.h"
#include "editor/MainWindow.h"
#include "support/TestBoards.h"
#include "support/EditorFixture.h"
#include "support/PostControls.h"
#include "support/TestMain.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTimer>

namespace {

const QString Html = QStringLiteral(
    "<meta charset='utf-8'><p style=\"color: rgb(34, 34, 34); font-size: 16px;\"><b>Bold</b> and "
    "<span style=\"color: rgb(200, 0, 0); font-size: 32px;\">red</span> with <a href=\"https://x.example/\">a "
    "link</a></p><ul><li>one</li></ul><script>alert(1)</script>");
const QString PlainText = QStringLiteral("Bold and red with a link\none");

void PutHtmlOnClipboard()
{
    auto* data = new QMimeData;
    data->setHtml(Html);
    data->setText(PlainText);
    QGuiApplication::clipboard()->setMimeData(data);
}

QAction* ToolbarPaste(const PostControls& controls)
{
    for (QAction* action : controls.toolBar->actions())
        if (action->toolTip() == QStringLiteral("Paste"))
            return action;
    return nullptr;
}

// Chooses the item named `name` of the context menu the body opens next.
void ChooseFromNextMenu(const QString& name)
{
    QTimer::singleShot(0, [name] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction* item = nullptr;
        for (QAction* each : menu->actions())
            if (each->objectName() == name)
                item = each;
        menu->close();
        QVERIFY(item && item->isEnabled());
        item->trigger();
    });
}

}  // namespace

class tst_BodyPaste : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void richTextBecomesBBCode_data();
    void richTextBecomesBBCode();
    void plainTextPaste();
    void coloursAndSizesWhenAsked();

private:
    // Pastes by `route` into the body after "start ".
    void Paste(MainWindow& window, const QString& route);

    std::unique_ptr<EditorFixture> m_fx;
};

void tst_BodyPaste::init() { m_fx = std::make_unique<EditorFixture>(); }
void tst_BodyPaste::cleanup() { m_fx.reset(); }

void tst_BodyPaste::Paste(MainWindow& window, const QString& route)
{
    const PostControls controls = Controls(window);
    controls.bodyEdit->setFocus();
    QTest::keyClicks(controls.bodyEdit, "start ");
    PutHtmlOnClipboard();
    if (route == "Ctrl+V") {
        QTest::keyClick(controls.bodyEdit, Qt::Key_V, Qt::ControlModifier);
    } else if (route == "Edit > Paste") {
        controls.pasteAction->trigger();
    } else if (route == "toolbar") {
        ToolbarPaste(controls)->trigger();
    } else if (route == "context menu") {
        ChooseFromNextMenu(QStringLiteral("edit-paste"));
        emit controls.bodyEdit->customContextMenuRequested(controls.bodyEdit->cursorRect().center());
    } else if (route == "Ctrl+Shift+V") {
        QTest::keyClick(controls.bodyEdit, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    } else if (route == "context menu, plain text") {
        ChooseFromNextMenu(QStringLiteral("pastePlainAction"));
        emit controls.bodyEdit->customContextMenuRequested(controls.bodyEdit->cursorRect().center());
    }
}

void tst_BodyPaste::richTextBecomesBBCode_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("heading");
    for (const char* route : {"Ctrl+V", "Edit > Paste", "toolbar", "context menu"})
        QTest::newRow(route) << route << ""
                             << "[size=24][b]Notes[/b][/size]";
    QTest::newRow("Ctrl+V, phpBB 3 site: its size scale") << "Ctrl+V"
                                                          << "phpbb3"
                                                          << "[size=200][b]Notes[/b][/size]";
}

void tst_BodyPaste::richTextBecomesBBCode()
{
    QFETCH(QString, route);
    QFETCH(QString, board);
    QFETCH(QString, heading);
    if (!board.isEmpty()) {
        const QString site = "http://board.test/";
        m_fx->settings.setSiteAddress(site);
        BoardProfile page;
        page.found = &KindOf(board);
        BoardProfiles::SavePostingPage(m_fx->settings, site, page);
    }
    auto w = m_fx->MakeWindow();
    QPlainTextEdit* body = Controls(*w).bodyEdit;
    Paste(*w, route);
    QCOMPARE(body->toPlainText(),
             "start [b]Bold[/b] and red with [url=https://x.example/]a link[/url]\n\n[list]\n[*]one\n[/list]");
    QVERIFY(w->Post().IsChanged());
    // One undo takes all of it away.
    QTest::keyClick(body, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(body->toPlainText(), QString("start "));

    // Headings take a size of the site's scale.
    auto* data = new QMimeData;
    data->setHtml("<h1>Notes</h1>");
    QGuiApplication::clipboard()->setMimeData(data);
    body->clear();
    QTest::keyClick(body, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(body->toPlainText(), heading);
}

void tst_BodyPaste::plainTextPaste()
{
    auto w = m_fx->MakeWindow();
    const PostControls controls = Controls(*w);
    Paste(*w, "Ctrl+Shift+V");
    QCOMPARE(controls.bodyEdit->toPlainText(), "start " + PlainText);
    QTest::keyClick(controls.bodyEdit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(controls.bodyEdit->toPlainText(), QString("start "));
    // The menu item does the same whatever has the focus.
    controls.subjectEdit->setFocus();
    w->findChild<QAction*>("pastePlainAction")->trigger();
    QCOMPARE(controls.bodyEdit->toPlainText(), "start " + PlainText);
    // The title takes plain text, its line breaks as a line field does.
    controls.subjectEdit->clear();
    QTest::keyClick(controls.subjectEdit, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(controls.subjectEdit->text().startsWith("Bold and red with a link"));
    QVERIFY(!controls.subjectEdit->text().contains('['));
    // Ctrl+Shift+V in the title pastes nothing into the body.
    QTest::keyClick(controls.subjectEdit, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(controls.bodyEdit->toPlainText(), "start " + PlainText);
    // The body's context menu offers it after its Paste.
    controls.bodyEdit->clear();
    Paste(*w, "context menu, plain text");
    QCOMPARE(controls.bodyEdit->toPlainText(), "start " + PlainText);
}

void tst_BodyPaste::coloursAndSizesWhenAsked()
{
    const QString kept =
        "start [b]Bold[/b] and [size=24][color=#c80000]red[/color][/size] with [url=https://x.example/]a link[/url]"
        "\n\n[list]\n[*]one\n[/list]";
    {
        auto w = m_fx->MakeWindow();
        auto* item = w->findChild<QAction*>("keepPastedLooksAction");
        QVERIFY(item->isCheckable() && !item->isChecked());
        item->trigger();
        QVERIFY(m_fx->settings.keepPastedColoursAndSizes());
        Paste(*w, "Ctrl+V");
        QCOMPARE(Controls(*w).bodyEdit->toPlainText(), kept);
    }
    // The next window starts with the choice made.
    auto w = m_fx->MakeWindow();
    QVERIFY(w->findChild<QAction*>("keepPastedLooksAction")->isChecked());
    Paste(*w, "Edit > Paste");
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), kept);
}

QF_TEST_MAIN(tst_BodyPaste)
#include "tst_bodypaste.moc"
