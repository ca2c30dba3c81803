// SPDX-License-Identifier: MIT
// Recovery copies in the running editor: when a copy is written and removed,
// what it holds, a data folder that cannot be written, and the offer at
// start-up of copies that editors which did not close properly left behind.

#include "base/AppContext.h"
#include "base/Utf8.h"
#include "app/MainStartup.h"
#include "base/Settings.h"
#include "post/PostDocument.h"
#include "recovery/RecoveryFile.h"
#include "recovery/RecoveryKeeper.h"
#include "recovery/RecoveryOffer.h"
#include "recovery/RecoverySlot.h"
#include "editor/MainWindow.h"
#include "support/PermissionBits.h"
#include "support/PostControls.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace {
using RecoveryFile::Copy;

const QString SavePrompt = "You made some changed to your post, and didn't save it yet.\r\nDo you want to save it?";
const QString ExitQuestion = "Are you sure you want to exit Quillforge";

QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

QString Folder() { return RecoverySlot::Folder(); }

// Every file in the recovery folder, copies, locks and anything else.
QStringList FilesInFolder() { return QDir(Folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

std::optional<Copy> CopyAt(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return RecoveryFile::Read(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

// A copy left by an editor that no longer runs: the file, and no lock.
QString LeaveCopy(const QString& name, const Copy& copy)
{
    QDir().mkpath(Folder());
    const QString path = Folder() + "/" + name + RecoverySlot::CopySuffix;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(Bytes(RecoveryFile::Write(copy)));
    return path;
}

// The lock file of an editor that has ended: a real lock's content, with the
// process id of a process that has finished.
QByteArray StaleLock(const QString& scratch)
{
    QByteArray bytes;
    {
        QLockFile lock(scratch);
        if (!lock.tryLock(0))
            return bytes;
        QFile file(scratch);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
    }
    QProcess ended;
    ended.start("true", {});
    if (!ended.waitForStarted())
        return QByteArray();
    const qint64 pid = ended.processId();
    ended.waitForFinished();
    return QByteArray::number(pid) + bytes.mid(bytes.indexOf('\n'));
}

// What the user sees of the post document.
struct Shown {
    QByteArray title, post;
    QString fileName, panel;
    bool changed;
};

Shown ShownIn(MainWindow& w)
{
    return {Bytes(w.Post().Title()), Bytes(w.Post().Post()), w.Post().FileName(), Controls(w).statePanel->text(),
            w.Post().IsChanged()};
}

// The keeper's timing in these tests: the same rules as the editor's two
// seconds and thirty, at a pace that keeps the tests short.
constexpr int PauseMs = 300;
constexpr int LongestWaitMs = 1500;
const RecoveryKeeper::Timing Quick{std::chrono::milliseconds(PauseMs), std::chrono::milliseconds(LongestWaitMs)};
// How long a copy that is due may take on a loaded machine.
constexpr int DueMs = 30000;

// A copy as the tests leave them: title, post, file and time.
const Copy Restorable{"Recovered {/Post\\} caf\xC3\xA9", "first\r\n\r\n  [quote=\"a, b\"]\xF0\x9F\x98\x80[/quote]\r\n",
                      "/home/u/my posts/r\xC3\xA9sum\xC3\xA9.bbc", 1700000000000};
}  // namespace

class tst_Recovery : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // Writing and removing the window's own copy.
    void copyFollowsTheLastEditAfterAPause();
    void copyComesWithinTheLongestWaitWhileTyping();
    void titleAloneMakesNoCopy();
    void copyGoesWhenThePostBecomesUnchanged_data();
    void copyGoesWhenThePostBecomesUnchanged();
    void copyStaysWhileThePostStaysChanged_data();
    void copyStaysWhileThePostStaysChanged();
    void changeAfterASaveMakesANewCopy();
    void emptiedBodyIsKeptEmpty();
    void unwritableDataFolder_data();
    void unwritableDataFolder();
    void copyIsTheUsersAlone();

    // The offer at start-up.
    void restoreYesGivesThePostBack();
    void restoreNoRemovesTheCopy();
    void restoredCopyChoosesItsSiteAndForum();
    void newestFirstAndTheRestKept();
    void copyOfARunningEditorIsNotOffered();
    void damagedCopyIsSetAside_data();
    void damagedCopyIsSetAside();
    void unusableDataFolderAtStart();
    void leftoversOfEndedEditorsAreCleared();
    void dataFolderMadePrivateAtStart_data();
    void dataFolderMadePrivateAtStart();

private:
    std::unique_ptr<MainWindow> MakeWindow(ScriptedPlatform& platform);
    std::unique_ptr<MainWindow> Start(ScriptedPlatform& platform, const QStringList& arguments = {});
    // Types a title and a body and waits until the copy is written.
    void TypeAndWaitForCopy(MainWindow& w, const QString& title, const QString& body);
    // Ends the program through the close sequence, discarding the post.
    void CloseDiscarding(MainWindow& w, ScriptedPlatform& platform);
    QString Path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    Settings m_settings;
};

void tst_Recovery::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings.setSiteAddress("http://forum.test/");
    QFile::remove(Folder());
    QDir(Folder()).removeRecursively();
}

void tst_Recovery::cleanup()
{
    QFile::setPermissions(Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::remove(Folder());
    QDir(Folder()).removeRecursively();
    m_dir.reset();
}

std::unique_ptr<MainWindow> tst_Recovery::MakeWindow(ScriptedPlatform& platform)
{
    auto window = std::make_unique<MainWindow>(AppContext{m_dir->path() + "/", &m_settings, &platform});
    window->Recovery().SetTiming(Quick);
    window->show();
    return window;
}

std::unique_ptr<MainWindow> tst_Recovery::Start(ScriptedPlatform& platform, const QStringList& arguments)
{
    AppContext context{QString(), &m_settings, &platform};
    auto window = MainStartup(context, m_dir->path(), arguments);
    if (window)
        window->Recovery().SetTiming(Quick);
    return window;
}

void tst_Recovery::TypeAndWaitForCopy(MainWindow& w, const QString& title, const QString& body)
{
    QSignalSpy written(&w.Recovery(), &RecoveryKeeper::copyWritten);
    QTest::keyClicks(Controls(w).subjectEdit, title);
    QTest::keyClicks(Controls(w).bodyEdit, body);
    QVERIFY(written.wait(DueMs));
    QVERIFY(w.Recovery().HasCopy());
}

void tst_Recovery::CloseDiscarding(MainWindow& w, ScriptedPlatform& platform)
{
    platform.answers = {MsgAnswer::Yes, MsgAnswer::No};
    QSignalSpy ending(&w, &MainWindow::programEnding);
    Controls(w).exitAction->trigger();
    QCOMPARE(ending.size(), 1);
}

void tst_Recovery::copyFollowsTheLastEditAfterAPause()
{
    // The times are taken when the edits are made and when the copy is
    // written, so a slow machine can delay the test but never fail it. A copy
    // written on a keystroke, or a wait that the second edit does not restart,
    // shows as a copy written less than the pause after the last edit.
    QElapsedTimer sinceFirstEdit, sinceLastEdit;
    QList<qint64> writtenAfterFirstEdit, writtenAfterLastEdit;  // -1: before that edit was made
    bool secondEditInTime = false;
    ScriptedPlatform platform;
    std::unique_ptr<MainWindow> w;
    std::unique_ptr<QSignalSpy> written;
    for (int attempt = 0; attempt < 5 && !secondEditInTime; ++attempt) {
        w.reset();
        QDir(Folder()).removeRecursively();
        w = MakeWindow(platform);
        written = std::make_unique<QSignalSpy>(&w->Recovery(), &RecoveryKeeper::copyWritten);
        sinceLastEdit.invalidate();
        sinceFirstEdit.invalidate();
        writtenAfterFirstEdit.clear();
        writtenAfterLastEdit.clear();
        connect(&w->Recovery(), &RecoveryKeeper::copyWritten, w.get(), [&] {
            writtenAfterFirstEdit << (sinceFirstEdit.isValid() ? sinceFirstEdit.elapsed() : -1);
            writtenAfterLastEdit << (sinceLastEdit.isValid() ? sinceLastEdit.elapsed() : -1);
        });

        QTest::keyClicks(Controls(*w).subjectEdit, "Title");
        QTest::keyClicks(Controls(*w).bodyEdit, "a");
        sinceFirstEdit.start();
        // Never on the keystroke itself.
        QVERIFY(!QFileInfo::exists(w->Recovery().CopyPath()));
        QCOMPARE(written->size(), 0);
        // The second edit comes well into the pause that the first one began.
        QVERIFY(QTest::qWaitFor([&] { return sinceFirstEdit.elapsed() >= PauseMs * 6 / 10; }, 60000));
        // The timer may fire a little early (coarse timers allow 5%).
        for (qint64 after : writtenAfterFirstEdit)
            QVERIFY2(after >= PauseMs * 9 / 10, qPrintable(QString::number(after)));
        const qint64 gap = sinceFirstEdit.elapsed();
        QTest::keyClicks(Controls(*w).bodyEdit, "b");
        sinceLastEdit.start();
        // A machine too slow to make the second edit within the pause proves
        // nothing about the restart: try again.
        secondEditInTime = written->isEmpty() && gap < PauseMs * 9 / 10;
        if (secondEditInTime)
            QVERIFY(written->wait(DueMs));
        for (qint64 after : writtenAfterLastEdit)
            if (after >= 0)
                QVERIFY2(after >= PauseMs * 9 / 10, qPrintable(QString::number(after)));
    }
    if (!secondEditInTime)
        QSKIP("The machine was too slow to make a second edit within the pause");
    QCOMPARE(writtenAfterLastEdit.size(), 1);
    QCOMPARE(written->size(), 1);
    QCOMPARE(written->at(0)[0].toString(), w->Recovery().CopyPath());

    const std::optional<Copy> copy = CopyAt(w->Recovery().CopyPath());
    QVERIFY(copy);
    QCOMPARE(Bytes(copy->title), QByteArray("Title"));
    QCOMPARE(Bytes(copy->post), QByteArray("ab"));
    QCOMPARE(Bytes(copy->fileName), QByteArray());
    QVERIFY(qAbs(copy->savedAtMs - QDateTime::currentMSecsSinceEpoch()) < 60000);
    // Beside it, its lock: one copy and one lock, nothing else.
    QCOMPARE(FilesInFolder().size(), 2);
    QVERIFY(QFileInfo::exists(RecoverySlot(w->Recovery().CopyPath()).LockPath()));
}

// A user who never pauses still gets a copy, the longest wait after the first
// edit that no copy holds, and again the longest wait after that.
void tst_Recovery::copyComesWithinTheLongestWaitWhileTyping()
{
    ScriptedPlatform platform;
    for (int attempt = 0; attempt < 5; ++attempt) {
        QDir(Folder()).removeRecursively();
        auto w = MakeWindow(platform);
        QList<qint64> writtenAt;
        QElapsedTimer sinceFirstEdit, sinceLastEdit;
        connect(&w->Recovery(), &RecoveryKeeper::copyWritten, w.get(),
                [&] { writtenAt << sinceFirstEdit.elapsed(); });
        QTest::keyClicks(Controls(*w).subjectEdit, "T");
        sinceFirstEdit.start();
        qint64 longestGap = 0;
        while (sinceFirstEdit.elapsed() < LongestWaitMs * 5 / 2) {
            sinceLastEdit.start();
            QTest::keyClicks(Controls(*w).bodyEdit, "x");
            QTest::qWait(PauseMs / 5);
            longestGap = std::max(longestGap, sinceLastEdit.elapsed());
        }
        // A loaded machine that paused between two keys proves nothing: try again.
        if (longestGap >= PauseMs * 9 / 10)
            continue;
        QVERIFY2(writtenAt.size() == 2, qPrintable(QString::number(writtenAt.size())));
        QVERIFY2(writtenAt[0] >= LongestWaitMs * 9 / 10, qPrintable(QString::number(writtenAt[0])));
        QVERIFY2(writtenAt[1] - writtenAt[0] >= LongestWaitMs * 9 / 10, qPrintable(QString::number(writtenAt[1])));
        const std::optional<Copy> copy = CopyAt(w->Recovery().CopyPath());
        QVERIFY(copy);
        QVERIFY(Bytes(copy->post).startsWith("xx"));
        return;
    }
    QSKIP("The machine was too slow to type without pausing");
}

// A title typed over an empty body leaves the post unchanged: nothing to keep.
void tst_Recovery::titleAloneMakesNoCopy()
{
    ScriptedPlatform platform;
    auto w = MakeWindow(platform);
    QSignalSpy written(&w->Recovery(), &RecoveryKeeper::copyWritten);
    QTest::keyClicks(Controls(*w).subjectEdit, "Only a title");
    QTRY_VERIFY_WITH_TIMEOUT(!w->Recovery().Scheduled(), DueMs);
    QCOMPARE(written.size(), 0);
    QCOMPARE(FilesInFolder(), QStringList());
}

void tst_Recovery::copyGoesWhenThePostBecomesUnchanged_data()
{
    QTest::addColumn<QString>("event");
    QTest::newRow("Save of a post that has a file") << "save";
    QTest::newRow("Save As") << "saveAs";
    QTest::newRow("New, changes discarded") << "newDiscard";
    QTest::newRow("New, changes saved") << "newSave";
    QTest::newRow("Open of another post file") << "open";
    QTest::newRow("close sequence, changes discarded") << "closeDiscard";
    QTest::newRow("close sequence, changes saved") << "closeSave";
}

void tst_Recovery::copyGoesWhenThePostBecomesUnchanged()
{
    QFETCH(QString, event);
    QVERIFY(WriteAll(Path("other.bbc"), "{/Title\\}\r\nOther\r\n\r\n{/Post\\}\r\nother post\r\n"));
    ScriptedPlatform platform;
    auto w = MakeWindow(platform);
    if (event == "save")
        w->Post().SetFileName(Path("mine.bbc"));
    TypeAndWaitForCopy(*w, "T", "post");
    const QString copyPath = w->Recovery().CopyPath();
    QVERIFY(QFileInfo::exists(copyPath));

    QSignalSpy ending(w.get(), &MainWindow::programEnding);
    if (event == "save") {
        Controls(*w).savePostAction->trigger();
    } else if (event == "saveAs") {
        platform.saveNames = {Path("mine.bbc")};
        Controls(*w).saveAsAction->trigger();
    } else if (event == "newDiscard" || event == "newSave") {
        platform.answers = {event == "newDiscard" ? MsgAnswer::No : MsgAnswer::Yes};
        platform.saveNames = {Path("mine.bbc")};
        Controls(*w).newPostAction->trigger();
    } else if (event == "open") {
        platform.answers = {MsgAnswer::No};
        platform.openNames = {Path("other.bbc")};
        Controls(*w).openPostAction->trigger();
        QCOMPARE(Controls(*w).subjectEdit->text(), QString("Other"));
    } else {
        platform.answers = {MsgAnswer::Yes, event == "closeDiscard" ? MsgAnswer::No : MsgAnswer::Yes};
        platform.saveNames = {Path("mine.bbc")};
        Controls(*w).exitAction->trigger();
        QCOMPARE(ending.size(), 1);
    }
    QCOMPARE(platform.unexpectedMessages, 0);
    QCOMPARE(w->Post().IsChanged(), false);
    QVERIFY(!QFileInfo::exists(copyPath));
    QCOMPARE(FilesInFolder(), QStringList());  // its lock went too
    QVERIFY(!w->Recovery().HasCopy());

    // Nothing brings it back after the pause: the fields emptied by New or
    // refilled by Open are no unsaved change.
    QSignalSpy written(&w->Recovery(), &RecoveryKeeper::copyWritten);
    QTRY_VERIFY_WITH_TIMEOUT(!w->Recovery().Scheduled(), DueMs);
    QCOMPARE(written.size(), 0);
    QCOMPARE(FilesInFolder(), QStringList());
}

void tst_Recovery::copyStaysWhileThePostStaysChanged_data()
{
    QTest::addColumn<QString>("event");
    QTest::newRow("close sequence answered No") << "closeNo";
    QTest::newRow("close sequence, save prompt cancelled") << "closeCancel";
    QTest::newRow("New, save prompt cancelled") << "newCancel";
    QTest::newRow("Save As cancelled") << "saveAsCancel";
    QTest::newRow("Save that fails to write") << "saveFails";
    QTest::newRow("Open answered No, dialog cancelled") << "openNoCancel";
    QTest::newRow("Open of a file that is no post file") << "openRefused";
}

void tst_Recovery::copyStaysWhileThePostStaysChanged()
{
    QFETCH(QString, event);
    QVERIFY(WriteAll(Path("notes.bbc"), "just some text\r\n"));
    ScriptedPlatform platform;
    auto w = MakeWindow(platform);
    TypeAndWaitForCopy(*w, "Kept", "kept post");
    const QString copyPath = w->Recovery().CopyPath();

    if (event == "closeNo" || event == "closeCancel") {
        platform.answers = {event == "closeNo" ? MsgAnswer::No : MsgAnswer::Yes, MsgAnswer::Cancel};
        Controls(*w).exitAction->trigger();
    } else if (event == "newCancel") {
        platform.answers = {MsgAnswer::Cancel};
        Controls(*w).newPostAction->trigger();
    } else if (event == "saveAsCancel") {
        Controls(*w).saveAsAction->trigger();
    } else if (event == "saveFails") {
        platform.saveNames = {Path("no such folder/x.bbc")};
        platform.answers = {MsgAnswer::OK};
        Controls(*w).savePostAction->trigger();
    } else {
        platform.answers = {MsgAnswer::No, MsgAnswer::OK};
        platform.openNames = {event == "openRefused" ? Path("notes.bbc") : QString()};
        Controls(*w).openPostAction->trigger();
    }
    QVERIFY(w->isVisible());
    QCOMPARE(w->Post().IsChanged(), true);
    QVERIFY(w->Recovery().HasCopy());
    const std::optional<Copy> copy = CopyAt(copyPath);
    QVERIFY(copy);
    QCOMPARE(Bytes(copy->title), QByteArray("Kept"));
    QCOMPARE(Bytes(copy->post), QByteArray("kept post"));
}

void tst_Recovery::changeAfterASaveMakesANewCopy()
{
    ScriptedPlatform platform;
    auto w = MakeWindow(platform);
    TypeAndWaitForCopy(*w, "T", "saved text");
    platform.saveNames = {Path("post.bbc")};
    Controls(*w).savePostAction->trigger();
    QCOMPARE(FilesInFolder(), QStringList());

    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Return);
    TypeAndWaitForCopy(*w, "", "more");
    const std::optional<Copy> copy = CopyAt(w->Recovery().CopyPath());
    QVERIFY(copy);
    QCOMPARE(Bytes(copy->title), QByteArray("T"));
    QCOMPARE(Bytes(copy->post), QByteArray("saved text\r\nmore"));
    QCOMPARE(ToQString(copy->fileName), Path("post.bbc"));
    QCOMPARE(platform.unexpectedMessages, 0);
}

// Deleting the whole body after changes leaves the post changed; the copy
// follows it, so a restore does not bring back text the user deleted.
void tst_Recovery::emptiedBodyIsKeptEmpty()
{
    ScriptedPlatform platform;
    auto w = MakeWindow(platform);
    TypeAndWaitForCopy(*w, "Title stays", "text to delete");
    QSignalSpy written(&w->Recovery(), &RecoveryKeeper::copyWritten);
    Controls(*w).bodyEdit->selectAll();
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Delete);
    QCOMPARE(w->Post().IsChanged(), true);
    QVERIFY(written.wait(DueMs));
    const std::optional<Copy> copy = CopyAt(w->Recovery().CopyPath());
    QVERIFY(copy);
    QCOMPARE(Bytes(copy->title), QByteArray("Title stays"));
    QCOMPARE(Bytes(copy->post), QByteArray());
}

void tst_Recovery::unwritableDataFolder_data()
{
    QTest::addColumn<QString>("how");
    // Root passes permission bits, so the first row stops it with what no
    // permission can undo: a regular file where the folder should be.
    QTest::newRow("a regular file where the folder should be") << "file";
    QTest::newRow("a read-only folder, root's override given up") << "readOnly";
}

void tst_Recovery::unwritableDataFolder()
{
    QFETCH(QString, how);
    std::optional<PermissionBits> permissions;
    if (how == "file") {
        QDir().mkpath(QFileInfo(Folder()).path());
        QVERIFY(WriteAll(Folder(), "not a folder"));
    } else {
        QVERIFY(QDir().mkpath(Folder()));
        QVERIFY(QFile::setPermissions(Folder(), QFile::ReadOwner | QFile::ExeOwner));
        permissions.emplace();
        if (!permissions->Binding())
            QSKIP("permission bits cannot be made to bind here");
    }
    ScriptedPlatform platform;
    auto w = MakeWindow(platform);
    QSignalSpy failed(&w->Recovery(), &RecoveryKeeper::copyFailed);
    QTest::keyClicks(Controls(*w).subjectEdit, "T");
    QTest::keyClicks(Controls(*w).bodyEdit, "typed");
    QVERIFY(failed.wait(DueMs));

    // Said once, in the first panel; the editor goes on as before.
    const QString said = Controls(*w).helpPanel->text();
    QVERIFY2(
        said.startsWith("No recovery copy of the post can be kept in \"" + QDir::toNativeSeparators(Folder()) + "\""),
        qPrintable(said));
    QCOMPARE(platform.messages.size(), 0);
    QCOMPARE(ShownIn(*w).post, QByteArray("typed"));
    QCOMPARE(ShownIn(*w).panel, QString("Post Changed"));
    QVERIFY(!w->Recovery().HasCopy());

    Controls(*w).helpPanel->clear();
    QTest::keyClicks(Controls(*w).bodyEdit, " more");
    QVERIFY(failed.wait(DueMs));
    QCOMPARE(Controls(*w).helpPanel->text(), QString());  // not said again
    QCOMPARE(ShownIn(*w).post, QByteArray("typed more"));

    platform.saveNames = {Path("safe.bbc")};
    QVERIFY(w->savePost());
    QCOMPARE(ShownIn(*w).panel, QString("Post Saved, No change"));
    QCOMPARE(platform.messages.size(), 0);

    // Once the folder can be written again, copies are kept again.
    permissions.reset();
    cleanup();
    QSignalSpy written(&w->Recovery(), &RecoveryKeeper::copyWritten);
    QTest::keyClicks(Controls(*w).bodyEdit, "!");
    QVERIFY(written.wait(DueMs));
    QVERIFY(CopyAt(w->Recovery().CopyPath()));
}

void tst_Recovery::restoreYesGivesThePostBack()
{
    const QString left = LeaveCopy("post-1-left", Restorable);
    QVERIFY(WriteAll(Path("cmdline.bbc"), "{/Title\\}\r\nFrom the command line\r\n\r\n{/Post\\}\r\nbody\r\n"));
    ScriptedPlatform platform;
    platform.answers = {MsgAnswer::Yes};
    auto w = Start(platform, {Path("cmdline.bbc")});

    // One question, before the window shows; the command line's file is not
    // opened over the restored post.
    QCOMPARE(platform.messages.size(), 1);
    const MsgBoxCall& asked = platform.messages[0];
    const QString time = QLocale().toString(QDateTime::fromMSecsSinceEpoch(Restorable.savedAtMs), QLocale::ShortFormat);
    QCOMPARE(asked.text,
             "Quillforge was not closed properly. Restore the post you were writing?\r\n\r\n"
             "Title: Recovered {/Post\\} café\r\nWritten: "
                 + time);
    QCOMPARE(asked.buttons, MsgButtons::YesNo);
    QCOMPARE(asked.icon, MsgIcon::Question);
    QCOMPARE(asked.title, QString("Quillforge"));
    QCOMPARE(platform.OwnersVisible(), QList<bool>{false});
    QVERIFY(w->isVisible());

    const Shown shown = ShownIn(*w);
    QCOMPARE(shown.title, Bytes(Restorable.title));
    QCOMPARE(shown.post, Bytes(Restorable.post));
    QCOMPARE(shown.fileName, ToQString(Restorable.fileName));
    QCOMPARE(shown.changed, true);
    QCOMPARE(shown.panel, QString("Post Changed"));

    // The window's own copy, written at once, replaces the one it restored.
    QVERIFY(!QFileInfo::exists(left));
    const std::optional<Copy> own = CopyAt(w->Recovery().CopyPath());
    QVERIFY(own);
    QCOMPARE(Bytes(own->title), Bytes(Restorable.title));
    QCOMPARE(Bytes(own->post), Bytes(Restorable.post));
    QCOMPARE(Bytes(own->fileName), Bytes(Restorable.fileName));

    CloseDiscarding(*w, platform);
    QCOMPARE(FilesInFolder(), QStringList());
}

void tst_Recovery::restoreNoRemovesTheCopy()
{
    const QString left = LeaveCopy("post-1-left", Restorable);
    QVERIFY(WriteAll(Path("cmdline.bbc"), "{/Title\\}\r\nFrom the command line\r\n\r\n{/Post\\}\r\nbody\r\n"));
    ScriptedPlatform platform;
    platform.answers = {MsgAnswer::No};
    auto w = Start(platform, {Path("cmdline.bbc")});
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(FilesInFolder(), QStringList());
    // Start-up goes on as if there had been no copy.
    QCOMPARE(Controls(*w).subjectEdit->text(), QString("From the command line"));
    QCOMPARE(w->Post().IsChanged(), false);

    ScriptedPlatform again;
    auto second = Start(again);
    QCOMPARE(again.messages.size(), 0);
}

// Several copies: newest first; after a Yes the others stay, unlocked, for
// the next start.
void tst_Recovery::newestFirstAndTheRestKept()
{
    LeaveCopy("post-1-a", {"oldest", "1", "", 1000});
    LeaveCopy("post-1-b", {"newest", "3", "", 3000});
    LeaveCopy("post-1-c", {"middle", "2", "", 2000});
    ScriptedPlatform platform;
    platform.answers = {MsgAnswer::No, MsgAnswer::Yes};
    auto w = Start(platform);
    QCOMPARE(platform.messages.size(), 2);
    QVERIFY(platform.messages[0].text.contains("Title: newest\r\n"));
    QVERIFY(platform.messages[1].text.contains("Title: middle\r\n"));
    QCOMPARE(Controls(*w).subjectEdit->text(), QString("middle"));

    // What is left: the window's own copy with its lock, and the oldest copy
    // without one.
    QCOMPARE(FilesInFolder().size(), 3);
    QVERIFY(QFileInfo::exists(Folder() + "/post-1-a.recovery"));
    QVERIFY(!QFileInfo::exists(Folder() + "/post-1-a.lock"));

    // The next start offers the oldest, and not the copy of the window still open.
    ScriptedPlatform next;
    next.answers = {MsgAnswer::No};
    auto second = Start(next);
    QCOMPARE(next.messages.size(), 1);
    QVERIFY(next.messages[0].text.contains("Title: oldest\r\n"));
    QVERIFY(CopyAt(w->Recovery().CopyPath()));
}

void tst_Recovery::copyOfARunningEditorIsNotOffered()
{
    ScriptedPlatform platform;
    auto running = MakeWindow(platform);
    TypeAndWaitForCopy(*running, "Still open", "still being written");
    const QStringList before = FilesInFolder();

    ScriptedPlatform other;
    auto w = Start(other);
    QCOMPARE(other.messages.size(), 0);
    QCOMPARE(FilesInFolder(), before);

    // A second editor keeps a copy of its own beside the first.
    TypeAndWaitForCopy(*w, "Second", "second post");
    QVERIFY(w->Recovery().CopyPath() != running->Recovery().CopyPath());
    QCOMPARE(RecoverySlot::CopiesIn(Folder()).size(), 2);
    QCOMPARE(Bytes(CopyAt(running->Recovery().CopyPath())->title), QByteArray("Still open"));
    QCOMPARE(Bytes(CopyAt(w->Recovery().CopyPath())->title), QByteArray("Second"));
}

void tst_Recovery::damagedCopyIsSetAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = Bytes(RecoveryFile::Write({"damaged", "its post", "", 5000}));
    QTest::newRow("cut short") << good.left(good.size() - 5);
    QByteArray flipped = good;
    flipped[flipped.size() - 4] = 'X';
    QTest::newRow("a byte of the post changed") << flipped;
    QTest::newRow("an empty file") << QByteArray();
    QTest::newRow("not a recovery copy at all") << QByteArray("{/Title\\}\r\nT\r\n\r\n{/Post\\}\r\nP\r\n");
}

void tst_Recovery::damagedCopyIsSetAside()
{
    QFETCH(QByteArray, bytes);
    QDir().mkpath(Folder());
    const QString damaged = Folder() + "/post-1-damaged.recovery";
    QVERIFY(WriteAll(damaged, bytes));
    LeaveCopy("post-1-good", {"good", "good post", "", 1000});

    ScriptedPlatform platform;
    platform.answers = {MsgAnswer::OK, MsgAnswer::Yes};
    auto w = Start(platform);
    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(platform.messages[0].text,
             "The recovery copy \"" + damaged
                 + "\" is damaged and cannot be restored.\r\n"
                   "It was kept as \""
                 + damaged + ".damaged\".");
    QCOMPARE(platform.messages[0].buttons, MsgButtons::OK);
    QCOMPARE(platform.messages[0].icon, MsgIcon::Exclamation);
    // The good copy is still offered after it.
    QVERIFY(platform.messages[1].text.contains("Title: good\r\n"));
    QCOMPARE(Controls(*w).subjectEdit->text(), QString("good"));

    // Kept aside byte for byte, never offered or reported again.
    QVERIFY(!QFileInfo::exists(damaged));
    QFile aside(damaged + ".damaged");
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), bytes);
    ScriptedPlatform again;
    auto second = Start(again);
    QCOMPARE(again.messages.size(), 0);
    QVERIFY(aside.exists());
}

void tst_Recovery::unusableDataFolderAtStart()
{
    QDir().mkpath(QFileInfo(Folder()).path());
    QVERIFY(WriteAll(Folder(), "not a folder"));
    ScriptedPlatform platform;
    auto w = Start(platform);
    QVERIFY(w->isVisible());
    QCOMPARE(platform.messages.size(), 0);
    QCOMPARE(Controls(*w).helpPanel->text(), QString());
}

// Lock files beside no copy and the temporary files of writes that never
// completed are removed when their owner has ended, and only then.
void tst_Recovery::leftoversOfEndedEditorsAreCleared()
{
    QVERIFY(QDir().mkpath(Folder()));
    const QByteArray stale = StaleLock(Path("scratch.lock"));
    QVERIFY(!stale.isEmpty());
    QVERIFY(WriteAll(Folder() + "/post-1-ended.lock", stale));
    QVERIFY(WriteAll(Folder() + "/post-1-ended.recovery.AbC123", "half a copy"));
    QVERIFY(WriteAll(Folder() + "/post-1-kept.recovery.damaged", "set aside earlier"));
    QLockFile live(Folder() + "/post-1-live.lock");
    QVERIFY(live.tryLock(0));
    QVERIFY(WriteAll(Folder() + "/post-1-live.recovery.XyZ789", "being written"));

    ScriptedPlatform platform;
    auto w = Start(platform);
    QCOMPARE(platform.messages.size(), 0);
    QCOMPARE(FilesInFolder(),
             QStringList({"post-1-kept.recovery.damaged", "post-1-live.lock", "post-1-live.recovery.XyZ789"}));
}

void tst_Recovery::copyIsTheUsersAlone()
{
    // Made from nothing, the data folder, the recovery folder and the copy
    // are the user's alone; a link planted in place of the copy is replaced,
    // never written through.
    QDir(QFileInfo(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).path()).removeRecursively();
    ScriptedPlatform platform;
    auto w = MakeWindow(platform);
    TypeAndWaitForCopy(*w, "Private", "A complaint");
    QCOMPARE(ModeOf(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)), 0700);
    QCOMPARE(ModeOf(Folder()), 0700);
    const QStringList copies = RecoverySlot::CopiesIn(Folder());
    QCOMPARE(copies.size(), 1);
    QCOMPARE(ModeOf(copies[0]), 0600);

    const QString victim = Path("victim.txt");
    QVERIFY(WriteAll(victim, "untouched"));
    QVERIFY(QFile::remove(copies[0]));
    QVERIFY(QFile::link(victim, copies[0]));
    QSignalSpy written(&w->Recovery(), &RecoveryKeeper::copyWritten);
    QTest::keyClicks(Controls(*w).bodyEdit, " more");
    QVERIFY(written.wait(DueMs));
    QCOMPARE(ReadAll(victim), QByteArray("untouched"));
    QVERIFY(!QFileInfo(copies[0]).isSymLink());
    QCOMPARE(ModeOf(copies[0]), 0600);
    QCOMPARE(CopyAt(copies[0])->post, std::string("A complaint more"));
    CloseDiscarding(*w, platform);
}

void tst_Recovery::dataFolderMadePrivateAtStart_data()
{
    QTest::addColumn<bool>("othersOwnIt");
    QTest::newRow("the user's own folders are tightened") << false;
    QTest::newRow("a folder of another user is left alone, with a message") << true;
}

void tst_Recovery::dataFolderMadePrivateAtStart()
{
    QFETCH(bool, othersOwnIt);
    if (othersOwnIt && ::geteuid() != 0)
        QSKIP("giving a folder to another user needs root");
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(QDir().mkpath(Folder()));
    for (const QString& folder : {data, Folder()})
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0755) == 0);
    if (othersOwnIt)
        QVERIFY(::chown(QFile::encodeName(Folder()).constData(), 65534, 65534) == 0);
    ScriptedPlatform platform;
    platform.answers << MsgAnswer::OK;
    auto w = Start(platform);
    QCOMPARE(ModeOf(data), 0700);
    QCOMPARE(ModeOf(Folder()), othersOwnIt ? 0755 : 0700);
    const QStringList said = platform.MessageTexts();
    QCOMPARE(said.size(), othersOwnIt ? 1 : 0);
    if (othersOwnIt) {
        QVERIFY2(said[0].contains(QDir::toNativeSeparators(Folder()) + "\" belongs to another user"),
                 qPrintable(said[0]));
        QVERIFY(::chown(QFile::encodeName(Folder()).constData(), ::geteuid(), ::getegid()) == 0);
    }
    CloseDiscarding(*w, platform);
}

void tst_Recovery::restoredCopyChoosesItsSiteAndForum()
{
    m_settings.setSites({{Settings::FirstSiteId, "http://forum.test/", "One"}, {"2", "http://two.test/", "Two"}});
    // The lists where this window and the next start read them.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/";
    QVERIFY(QDir().mkpath(data));
    for (const QString& folder : {m_dir->path() + "/", data}) {
        QVERIFY(WriteAll(folder + "forums.inf", "1- News\r\n\r\n"));
        QVERIFY(WriteAll(folder + "forums-2.inf", "5- Five\r\n6- Six\r\n\r\n"));
    }
    ScriptedPlatform platform;
    {
        auto w = MakeWindow(platform);
        auto* sites = w->findChild<QComboBox*>("siteChooser");
        sites->setCurrentIndex(1);
        emit sites->activated(1);
        Controls(*w).forumChooser->setCurrentIndex(1);
        emit Controls(*w).forumChooser->activated(1);
        TypeAndWaitForCopy(*w, "Lost", "words");
        // Another site chosen since, as the next start finds it.
        sites->setCurrentIndex(0);
        emit sites->activated(0);
    }  // ended outside the close sequence: the copy stays
    platform.answers = {MsgAnswer::Yes};
    auto w = Start(platform);
    QCOMPARE(Controls(*w).subjectEdit->text(), QString("Lost"));
    QCOMPARE(w->findChild<QComboBox*>("siteChooser")->currentIndex(), 1);
    QCOMPARE(w->ForumNumber(), QString("6"));
    CloseDiscarding(*w, platform);
    QFile::remove(data + "forums.inf");
    QFile::remove(data + "forums-2.inf");
    QSettings(Settings::AppName, Settings::AppName).clear();
}

QF_TEST_MAIN(tst_Recovery)
#include "tst_recovery.moc"
