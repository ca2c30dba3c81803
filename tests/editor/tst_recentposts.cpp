// SPDX-License-Identifier: MIT
// File > Recent Posts: the files opened and saved, newest first and at most
// ten, and Clear List; kept across a restart; choosing one asks about
// unsaved changes as Open does; a file that is gone leaves the list with a
// message.

#include "editor/MainWindow.h"
#include "post/PostDocument.h"
#include "support/EditorFixture.h"
#include "support/PostControls.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace {
QByteArray PostBytes(const QString& title, const QString& body)
{
    return ("{/Title\\}\r\n" + title + "\r\n\r\n{/Post\\}\r\n" + body + "\r\n").toUtf8();
}

// The menu as it shows when opened: its items' texts (Clear List last).
QStringList Shown(MainWindow& w)
{
    auto* menu = w.findChild<QMenu*>("recentPostsMenu");
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* item : menu->actions())
        texts << (item->isSeparator() ? QString("-") : item->text());
    return texts;
}

QAction* Item(MainWindow& w, const QString& name)
{
    Shown(w);
    return w.findChild<QMenu*>("recentPostsMenu")->findChild<QAction*>(name);
}
}  // namespace

class tst_RecentPosts : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_fx.reset(); }
    void listFollowsOpensAndSaves();
    void reopenedAfterARestart();
    void asksToSaveChangesFirst_data();
    void asksToSaveChangesFirst();
    void goneFileLeavesTheList();

private:
    QString Path(const QString& name) const { return m_fx->folder.filePath(name); }
    void Open(MainWindow& w, const QString& name)
    {
        m_fx->platform.openNames = {Path(name)};
        Controls(w).openPostAction->trigger();
    }
    std::unique_ptr<EditorFixture> m_fx;
};

void tst_RecentPosts::init()
{
    m_fx = std::make_unique<EditorFixture>();
    for (const char* name : {"a.bbc", "b.bbc", "guide & notes.bbc"})
        QVERIFY(WriteAll(Path(name), PostBytes(QString("Title of ") + name, "Body")));
}

void tst_RecentPosts::listFollowsOpensAndSaves()
{
    auto w = m_fx->MakeWindow();
    QCOMPARE(Shown(*w), QStringList({"-", "&Clear List"}));
    QVERIFY(!Item(*w, "clearRecentPostsAction")->isEnabled());
    Open(*w, "a.bbc");
    Open(*w, "guide & notes.bbc");
    m_fx->platform.saveNames = {Path("c")};
    Controls(*w).saveAsAction->trigger();
    QCOMPARE(Shown(*w), QStringList({"&1 c.bbc", "&2 guide && notes.bbc", "&3 a.bbc", "-", "&Clear List"}));
    QCOMPARE(Item(*w, "recentPost_0")->toolTip(), QDir::toNativeSeparators(m_fx->folder.path()));
    // Opened again, a file moves to the top, once.
    Open(*w, "a.bbc");
    QCOMPARE(Shown(*w), QStringList({"&1 a.bbc", "&2 c.bbc", "&3 guide && notes.bbc", "-", "&Clear List"}));
    // Ten at most.
    for (int i = 1; i <= 10; ++i) {
        QVERIFY(WriteAll(Path(QString("p%1.bbc").arg(i)), PostBytes("t", "b")));
        Open(*w, QString("p%1.bbc").arg(i));
    }
    QCOMPARE(Shown(*w).mid(8), QStringList({"&9 p2.bbc", "1&0 p1.bbc", "-", "&Clear List"}));
    Item(*w, "clearRecentPostsAction")->trigger();
    QCOMPARE(Shown(*w), QStringList({"-", "&Clear List"}));
}

void tst_RecentPosts::reopenedAfterARestart()
{
    {
        auto w = m_fx->MakeWindow();
        Open(*w, "b.bbc");
        Open(*w, "a.bbc");
    }
    auto w = m_fx->MakeWindow();
    QCOMPARE(Controls(*w).subjectEdit->text(), QString());
    const int dialogs = m_fx->platform.openDialogs;
    Item(*w, "recentPost_1")->trigger();
    QCOMPARE(Controls(*w).subjectEdit->text(), QString("Title of b.bbc"));
    QCOMPARE(w->Post().FileName(), Path("b.bbc"));
    QCOMPARE(m_fx->platform.openDialogs, dialogs);
}

void tst_RecentPosts::asksToSaveChangesFirst_data()
{
    QTest::addColumn<MsgAnswer>("answer");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QByteArray>("savedFirst");  // what a.bbc holds after
    QTest::newRow("Cancel: the post stays") << MsgAnswer::Cancel << false << PostBytes("Title of a.bbc", "Body");
    QTest::newRow("No: opened, the changes dropped") << MsgAnswer::No << true << PostBytes("Title of a.bbc", "Body");
    QTest::newRow("Yes: saved, then opened") << MsgAnswer::Yes << true << PostBytes("Title of a.bbc", "Body!");
}

void tst_RecentPosts::asksToSaveChangesFirst()
{
    QFETCH(MsgAnswer, answer);
    QFETCH(bool, opened);
    QFETCH(QByteArray, savedFirst);
    auto w = m_fx->MakeWindow();
    Open(*w, "b.bbc");
    Open(*w, "a.bbc");
    Controls(*w).bodyEdit->moveCursor(QTextCursor::End);
    QTest::keyClicks(Controls(*w).bodyEdit, "!");
    m_fx->platform.answers = {answer};
    Item(*w, "recentPost_1")->trigger();
    QCOMPARE(m_fx->platform.messages.size(), 1);
    QCOMPARE(w->Post().FileName(), Path(opened ? "b.bbc" : "a.bbc"));
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString(opened ? "Body" : "Body!"));
    QCOMPARE(ReadAll(Path("a.bbc")), savedFirst);
}

void tst_RecentPosts::goneFileLeavesTheList()
{
    auto w = m_fx->MakeWindow();
    Open(*w, "b.bbc");
    Open(*w, "a.bbc");
    QTest::keyClicks(Controls(*w).bodyEdit, "kept");
    QVERIFY(QFile::remove(Path("b.bbc")));
    Item(*w, "recentPost_1")->trigger();
    QCOMPARE(m_fx->platform.MessageTexts(),
             QStringList{"The post file \"" + QDir::toNativeSeparators(Path("b.bbc"))
                         + "\" is no longer there. It is taken off the list of recent posts."});
    QCOMPARE(Shown(*w), QStringList({"&1 a.bbc", "-", "&Clear List"}));
    QCOMPARE(w->Post().FileName(), Path("a.bbc"));
    QVERIFY(Controls(*w).bodyEdit->toPlainText().startsWith("kept"));
}

QF_TEST_MAIN(tst_RecentPosts)
#include "tst_recentposts.moc"
