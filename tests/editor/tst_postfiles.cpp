// SPDX-License-Identifier: MIT
// The post-file commands of the main window, driven through its menus and
// handlers with scripted dialogs and message boxes: Open, Save, Save As, the
// question about unsaved changes, and every way a file can fail to open or to
// be written.

#include "base/AppContext.h"
#include "base/Utf8.h"
#include "base/FileIO.h"
#include "base/Settings.h"
#include "post/PostDocument.h"
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
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTextDocument>
#include <QToolBar>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {
const QString SavePrompt = "You made some changed to your post, and didn't save it yet.\r\nDo you want to save it?";
const QString FormatError = "Sorry, File format is not correct";

// What the user sees of the post document.
struct State {
    QString title, post, fileName, panel;
    bool changed = false;
    bool operator==(const State&) const = default;
};

State StateOf(MainWindow& w)
{
    return {Controls(w).subjectEdit->text(), Controls(w).bodyEdit->toPlainText(), w.Post().FileName(),
            Controls(w).statePanel->text(), w.Post().IsChanged()};
}

QByteArray DescribeState(const State& s)
{
    return QStringLiteral("title=\"%1\" post=\"%2\" file=\"%3\" panel=\"%4\" changed=%5")
        .arg(s.title.left(40), s.post.left(40), s.fileName, s.panel)
        .arg(s.changed)
        .toUtf8();
}

const QByteArray OtherVersion = "{/Title\\}\r\nWritten elsewhere\r\n\r\n{/Post\\}\r\nkeep me\r\n";

// Bytes this process has read from files and pipes so far.
qint64 BytesReadByThisProcess()
{
    QFile io("/proc/self/io");
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

const QByteArray GoodFile = "{/Title\\}\r\nFrom the file\r\n\r\n{/Post\\}\r\nline one\r\nline two\r\n";
}  // namespace

#define COMPARE_STATE(actual, expected)                                                                                \
    QVERIFY2((actual) == (expected),                                                                                   \
             (QByteArray("actual: ") + DescribeState(actual) + "\nexpected: " + DescribeState(expected)).constData())

class tst_PostFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensAPostFile_data();
    void opensAPostFile();
    void refusedFileChangesNothing_data();
    void refusedFileChangesNothing();
    void unreadableFileChangesNothing_data();
    void unreadableFileChangesNothing();
    void savePromptOfOpen_data();
    void savePromptOfOpen();
    void saveAndSaveAs_data();
    void saveAndSaveAs();
    void typedPostSavesToTheExactBytes();
    void failedWriteIsReportedAndLosesNothing_data();
    void failedWriteIsReportedAndLosesNothing();
    void roundTripThroughTheWindow_data();
    void roundTripThroughTheWindow();
    void toolbarOpenAndSave();
    void openedPostStartsAFreshHistory();
    void longPostOpensExactly();
    void byteOrderMarkIsNotWrittenBack();
    void saveAsAsksBeforeReplacing_data();
    void saveAsAsksBeforeReplacing();
    void saveChecksTheFileOnDisk_data();
    void saveChecksTheFileOnDisk();
    void saveUnderAFileSizeLimitKeepsTheOldFile_data();
    void saveUnderAFileSizeLimitKeepsTheOldFile();
    void overLargeFileIsRefusedUnread();
    void saveKeepsTheFilesMode_data();
    void saveKeepsTheFilesMode();
    void fileRemembersItsSiteForumAndTopic();

private:
    std::unique_ptr<MainWindow> MakeWindow();
    // A window holding an edited post ("Old title", "Old post") whose file is
    // `fileName` (empty: never saved); `changed` false as just after a save.
    std::unique_ptr<MainWindow> WindowWithPost(const QString& fileName, bool changed);
    QString Path(const QString& name) const { return name.isEmpty() ? name : m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    Settings m_settings;
    ScriptedPlatform* m_platform = nullptr;
    AppContext m_context;
};

void tst_PostFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_platform = new ScriptedPlatform;
    m_context = AppContext{m_dir->path() + "/", &m_settings, m_platform};
    QVERIFY(WriteAll(Path("good.bbc"), GoodFile));
    QVERIFY(WriteAll(Path("afile"), "a regular file, not a folder"));
}

void tst_PostFiles::cleanup()
{
    QFile::setPermissions(Path("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(Path("locked.bbc"), QFile::ReadOwner | QFile::WriteOwner);
    m_dir.reset();
    delete m_platform;
    m_platform = nullptr;
}

std::unique_ptr<MainWindow> tst_PostFiles::MakeWindow()
{
    auto window = std::make_unique<MainWindow>(m_context);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("window not exposed");
    return window;
}

std::unique_ptr<MainWindow> tst_PostFiles::WindowWithPost(const QString& fileName, bool changed)
{
    auto w = MakeWindow();
    QTest::keyClicks(Controls(*w).subjectEdit, "Old title");
    QTest::keyClicks(Controls(*w).bodyEdit, "Old post");
    w->Post().SetFileName(Path(fileName));
    if (!changed) {
        w->Post().SetState(PostDocument::State::Saved);
    }
    return w;
}

void tst_PostFiles::opensAPostFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("post");
    QTest::newRow("a file this program wrote") << GoodFile << "From the file"
                                               << "line one\nline two";
    QTest::newRow("empty title and post, 27 bytes") << QByteArray("{/Title\\}\r\n\r\n\r\n{/Post\\}\r\n\r\n") << ""
                                                    << "";
    QTest::newRow("Windows-1252 letters")
        << QByteArray("{/Title\\}\r\nCaf\xE9\r\n\r\n{/Post\\}\r\n\x93na\xEFve\x94 \x80\r\n") << "Café"
        << "“naïve” €";
    QTest::newRow("UTF-8 letters") << QByteArray("{/Title\\}\r\nCaf\xC3\xA9\r\n\r\n{/Post\\}\r\n\xE2\x82\xAC\r\n")
                                   << "Café"
                                   << "€";
    QTest::newRow("a byte-order mark is not part of the title")
        << QByteArray("\xEF\xBB\xBF{/Title\\}\r\nHello\r\n\r\n{/Post\\}\r\n\xE2\x82\xAC\r\n") << "Hello"
        << "€";
    QTest::newRow("a byte-order mark before Windows-1252 letters")
        << QByteArray("\xEF\xBB\xBF{/Title\\}\r\nCaf\xE9\r\n\r\n{/Post\\}\r\nP\r\n") << "Café"
        << "P";
    QTest::newRow("lone LF line breaks") << QByteArray("{/Title\\}\nT\n\n{/Post\\}\na\n\nb\n") << "T"
                                         << "a\n\nb";
    QTest::newRow("lone CR line breaks") << QByteArray("{/Title\\}\rT\r\r{/Post\\}\ra\r\rb\r") << "T"
                                         << "a\n\nb";
    QTest::newRow("last line without a line break") << QByteArray("{/Title\\}\r\nT\r\n\r\n{/Post\\}\r\na\r\nb") << "T"
                                                    << "a\nb";
    QTest::newRow("a post ending in a line break keeps it")
        << QByteArray("{/Title\\}\r\nT\r\n\r\n{/Post\\}\r\na\r\n\r\n") << "T"
        << "a\n";
}

void tst_PostFiles::opensAPostFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, title);
    QFETCH(QString, post);
    QVERIFY(WriteAll(Path("open me.bbc"), file));
    auto w = WindowWithPost("old.bbc", false);
    m_platform->openNames = {Path("open me.bbc")};
    Controls(*w).openPostAction->trigger();
    QCOMPARE(m_platform->openDialogs, 1);
    // Filling the fields raised their change handlers; the post is still unchanged.
    COMPARE_STATE(StateOf(*w), (State{title, post, Path("open me.bbc"), "No change in post", false}));
    QCOMPARE(m_platform->messages.size(), 0);
}

void tst_PostFiles::refusedFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("title marker with a lower-case t") << QByteArray("{/title\\}\r\nT\r\n\r\n{/Post\\}\r\nP\r\n");
    QTest::newRow("post marker in upper case") << QByteArray("{/Title\\}\r\nT\r\n\r\n{/POST\\}\r\nP\r\n");
    QTest::newRow("no post marker") << QByteArray("{/Title\\}\r\nT\r\n\r\nP\r\n");
    QTest::newRow("an empty file") << QByteArray();
    QTest::newRow("an ordinary text file") << QByteArray("Shopping list:\r\nmilk, eggs\r\n");
    QByteArray binary;
    for (int i = 0; i < 2048; ++i)
        binary += static_cast<char>((i * 73 + 11) % 256);
    QTest::newRow("a binary file") << binary;
}

void tst_PostFiles::refusedFileChangesNothing()
{
    QFETCH(QByteArray, file);
    QVERIFY(WriteAll(Path("bad.bbc"), file));
    for (bool changed : {false, true}) {
        delete m_platform;
        m_platform = new ScriptedPlatform;
        m_context.platform = m_platform;
        auto w = WindowWithPost("old.bbc", changed);
        const State before = StateOf(*w);
        // With unsaved changes the user answers No (do not save) first.
        m_platform->answers =
            changed ? QList<MsgAnswer>{MsgAnswer::No, MsgAnswer::OK} : QList<MsgAnswer>{MsgAnswer::OK};
        m_platform->openNames = {Path("bad.bbc")};
        Controls(*w).openPostAction->trigger();

        const MsgBoxCall& error = m_platform->messages.last();
        QCOMPARE(error.text, FormatError);
        QCOMPARE(error.buttons, MsgButtons::OK);
        QCOMPARE(error.icon, MsgIcon::Critical);
        QCOMPARE(error.title, QString("Quillforge"));
        QCOMPARE(error.owner, w.get());
        // Nothing changed, not even the changed flag after "No".
        COMPARE_STATE(StateOf(*w), before);
        QCOMPARE(m_platform->unexpectedMessages, 0);
    }
}

void tst_PostFiles::unreadableFileChangesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a file deleted after it was chosen") << "deleted";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a file nobody may read (mode 000)") << "mode000";
    QTest::newRow("a named pipe: no hang") << "fifo";
}

void tst_PostFiles::unreadableFileChangesNothing()
{
    QFETCH(QString, kind);
    QString path = Path("victim.bbc");
    std::optional<PermissionBits> permissions;
    if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == "mode000") {
        path = Path("locked.bbc");
        QVERIFY(WriteAll(path, GoodFile));
        QVERIFY(QFile::setPermissions(path, {}));
        permissions.emplace();
        if (!permissions->Binding())
            QSKIP("permission bits cannot be made to bind here");
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    }
    auto w = WindowWithPost("old.bbc", true);
    const State before = StateOf(*w);
    m_platform->answers = {MsgAnswer::No, MsgAnswer::OK};
    m_platform->openNames = {path};
    Controls(*w).openPostAction->trigger();
    permissions.reset();

    QCOMPARE(m_platform->messages.size(), 2);
    const MsgBoxCall& error = m_platform->messages.last();
    // The file's name and the system's reason.
    const QString expectedStart = QString("Could not read the file \"%1\".\r\n").arg(path);
    QVERIFY2(error.text.startsWith(expectedStart), qPrintable(error.text));
    QVERIFY2(error.text.size() > expectedStart.size(), qPrintable(error.text));
    QCOMPARE(error.buttons, MsgButtons::OK);
    QCOMPARE(error.icon, MsgIcon::Critical);
    QCOMPARE(error.title, QString("Quillforge"));
    COMPARE_STATE(StateOf(*w), before);
}

void tst_PostFiles::savePromptOfOpen_data()
{
    QTest::addColumn<QString>("fileName");  // the post's file; empty: never saved
    QTest::addColumn<QList<MsgAnswer>>("answers");
    QTest::addColumn<QStringList>("saveNames");  // what the Save As dialog returns
    QTest::addColumn<QString>("openName");       // what the Open dialog returns
    QTest::addColumn<int>("openDialogs");
    QTest::addColumn<QString>("savedTo");  // where the old post was written; empty: nowhere
    QTest::addColumn<bool>("opened");
    using L = QList<MsgAnswer>;
    QTest::newRow("Yes: saved to its file, then the chosen file opens")
        << "old.bbc" << L{MsgAnswer::Yes} << QStringList{} << "good.bbc" << 1 << "old.bbc" << true;
    QTest::newRow("Yes on a never-saved post: Save As, then the chosen file opens")
        << "" << L{MsgAnswer::Yes} << QStringList{"kept.bbc"} << "good.bbc" << 1 << "kept.bbc" << true;
    QTest::newRow("Yes, Save As cancelled: stops before the Open dialog")
        << "" << L{MsgAnswer::Yes} << QStringList{} << "good.bbc" << 0 << "" << false;
    QTest::newRow("Yes, the save fails: stops before the Open dialog")
        << "afile/old.bbc" << L{MsgAnswer::Yes, MsgAnswer::OK} << QStringList{} << "good.bbc" << 0 << "" << false;
    QTest::newRow("No: the chosen file opens")
        << "old.bbc" << L{MsgAnswer::No} << QStringList{} << "good.bbc" << 1 << "" << true;
    QTest::newRow("No, then the dialog cancelled: post kept, still changed")
        << "old.bbc" << L{MsgAnswer::No} << QStringList{} << "" << 1 << "" << false;
    QTest::newRow("No, then a file that is refused: post kept, still changed")
        << "old.bbc" << L{MsgAnswer::No, MsgAnswer::OK} << QStringList{} << "afile" << 1 << "" << false;
    QTest::newRow("Cancel: nothing happens")
        << "old.bbc" << L{MsgAnswer::Cancel} << QStringList{} << "good.bbc" << 0 << "" << false;
}

void tst_PostFiles::savePromptOfOpen()
{
    QFETCH(QString, fileName);
    QFETCH(QList<MsgAnswer>, answers);
    QFETCH(QStringList, saveNames);
    QFETCH(QString, openName);
    QFETCH(int, openDialogs);
    QFETCH(QString, savedTo);
    QFETCH(bool, opened);
    auto w = WindowWithPost(fileName, true);
    const State before = StateOf(*w);
    m_platform->answers = answers;
    for (const QString& name : saveNames)
        m_platform->saveNames.append(Path(name));
    m_platform->openNames = {Path(openName)};
    Controls(*w).openPostAction->trigger();

    QCOMPARE(m_platform->messages.first().text, SavePrompt);
    QCOMPARE(m_platform->messages.first().buttons, MsgButtons::YesNoCancel);
    QCOMPARE(m_platform->messages.first().icon, MsgIcon::Question);
    QCOMPARE(m_platform->messages.size(), answers.size());
    QCOMPARE(m_platform->unexpectedMessages, 0);
    QCOMPARE(m_platform->openDialogs, openDialogs);
    if (!savedTo.isEmpty())
        QCOMPARE(ReadAll(Path(savedTo)), QByteArray("{/Title\\}\r\nOld title\r\n\r\n{/Post\\}\r\nOld post\r\n"));
    QVERIFY(!QFile::exists(Path("old.bbc")) || savedTo == "old.bbc");
    if (opened) {
        COMPARE_STATE(StateOf(*w),
                      (State{"From the file", "line one\nline two", Path("good.bbc"), "No change in post", false}));
    } else {
        State expected = before;
        expected.fileName = w->Post().FileName();  // a failed Save As keeps its chosen name
        COMPARE_STATE(StateOf(*w), expected);
        QVERIFY(w->Post().IsChanged());
    }
}

void tst_PostFiles::saveAndSaveAs_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("saveAs");  // the command: Save As, else Save
    QTest::addColumn<QStringList>("saveNames");
    QTest::addColumn<int>("saveDialogs");
    QTest::addColumn<QString>("writtenTo");  // empty: nothing written
    QTest::addColumn<QString>("fileNameAfter");
    QTest::newRow("Save writes to the post's file without asking")
        << "post.bbc" << false << QStringList{} << 0 << "post.bbc"
        << "post.bbc";
    QTest::newRow("Save on a never-saved post asks for a name")
        << "" << false << QStringList{"new.bbc"} << 1 << "new.bbc"
        << "new.bbc";
    QTest::newRow("Save on a never-saved post, dialog cancelled: nothing written")
        << "" << false << QStringList{} << 1 << ""
        << "";
    QTest::newRow("Save As writes under the chosen name")
        << "post.bbc" << true << QStringList{"other.bbc"} << 1 << "other.bbc"
        << "other.bbc";
    QTest::newRow("Save As cancelled keeps the old name") << "post.bbc" << true << QStringList{} << 1 << ""
                                                          << "post.bbc";
    QTest::newRow("Save replaces an older version of the file")
        << "good.bbc" << false << QStringList{} << 0 << "good.bbc"
        << "good.bbc";
}

void tst_PostFiles::saveAndSaveAs()
{
    QFETCH(QString, fileName);
    QFETCH(bool, saveAs);
    QFETCH(QStringList, saveNames);
    QFETCH(int, saveDialogs);
    QFETCH(QString, writtenTo);
    QFETCH(QString, fileNameAfter);
    auto w = MakeWindow();
    QTest::keyClicks(Controls(*w).subjectEdit, "Re: \"quotes\", commas");
    w->Post().SetPost("  leading blank\r\n\r\n[quote=\"Ann\"]x[/quote]\r\n");
    w->Post().SetFileName(Path(fileName));
    for (const QString& name : saveNames)
        m_platform->saveNames.append(Path(name));
    const State before = StateOf(*w);

    const bool wrote = saveAs ? w->saveAs() : w->savePost();
    QCOMPARE(wrote, !writtenTo.isEmpty());
    QCOMPARE(m_platform->saveDialogs, saveDialogs);
    QCOMPARE(m_platform->messages.size(), 0);
    State expected = before;
    expected.fileName = Path(fileNameAfter);
    if (wrote) {
        QCOMPARE(ReadAll(Path(writtenTo)),
                 QByteArray("{/Title\\}\r\nRe: \"quotes\", commas\r\n\r\n{/Post\\}\r\n"
                            "  leading blank\r\n\r\n[quote=\"Ann\"]x[/quote]\r\n\r\n"));
        expected.changed = false;
        expected.panel = "Post Saved, No change";
    }
    COMPARE_STATE(StateOf(*w), expected);
    // Nothing but the written file and the files the test made: no temporary left behind.
    QStringList files = QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    files.removeAll("good.bbc");
    files.removeAll("afile");
    QCOMPARE(files, wrote && writtenTo != "good.bbc" ? QStringList{writtenTo} : QStringList{});
}

void tst_PostFiles::typedPostSavesToTheExactBytes()
{
    // The 40-byte example, typed: the field's own line break is written as CR LF.
    auto w = MakeWindow();
    QTest::keyClicks(Controls(*w).subjectEdit, "Hello");
    QTest::keyClicks(Controls(*w).bodyEdit, "one");
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Return);
    QTest::keyClicks(Controls(*w).bodyEdit, "two");
    m_platform->saveNames = {Path("hello.bbc")};
    QVERIFY(w->savePost());
    const QByteArray bytes = ReadAll(Path("hello.bbc"));
    QCOMPARE(bytes, QByteArray("{/Title\\}\r\nHello\r\n\r\n{/Post\\}\r\none\r\ntwo\r\n"));
    QCOMPARE(bytes.size(), 40);

    // A soft line break (Shift+Enter) is a line break in the file too.
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(Controls(*w).bodyEdit, "three");
    QVERIFY(w->savePost());
    QCOMPARE(ReadAll(Path("hello.bbc")), QByteArray("{/Title\\}\r\nHello\r\n\r\n{/Post\\}\r\none\r\ntwo\r\nthree\r\n"));

    // New, then the empty post saved: the 27-byte file.
    Controls(*w).newPostAction->trigger();
    m_platform->saveNames = {Path("empty.bbc")};
    QVERIFY(w->saveAs());
    QCOMPARE(ReadAll(Path("empty.bbc")), QByteArray("{/Title\\}\r\n\r\n\r\n{/Post\\}\r\n\r\n"));
    QCOMPARE(m_platform->messages.size(), 0);
}

void tst_PostFiles::failedWriteIsReportedAndLosesNothing_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("saveNames");
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<QString>("target");
    QTest::newRow("Save into a read-only folder: the old file stays whole")
        << "ro/post.bbc" << QStringList{} << true << "ro/post.bbc";
    QTest::newRow("Save As into a read-only folder keeps the chosen name")
        << "" << QStringList{"ro/post.bbc"} << true << "ro/post.bbc";
    QTest::newRow("Save As under a path through a regular file")
        << "" << QStringList{"afile/post.bbc"} << false << "afile/post.bbc";
    QTest::newRow("Save onto a folder's name") << "ro" << QStringList{} << false << "ro";
}

void tst_PostFiles::failedWriteIsReportedAndLosesNothing()
{
    QFETCH(QString, fileName);
    QFETCH(QStringList, saveNames);
    QFETCH(bool, readOnlyFolder);
    QFETCH(QString, target);
    QVERIFY(QDir().mkpath(Path("ro")));
    const QByteArray oldVersion = "{/Title\\}\r\nSaved before\r\n\r\n{/Post\\}\r\nkeep me\r\n";
    QVERIFY(WriteAll(Path("ro/post.bbc"), oldVersion));
    std::optional<PermissionBits> permissions;
    if (readOnlyFolder) {
        QVERIFY(
            QFile::setPermissions(Path("ro"), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        permissions.emplace();
        if (!permissions->Binding())
            QSKIP("permission bits cannot be made to bind here");
    }
    auto w = WindowWithPost(fileName, true);
    for (const QString& name : saveNames)
        m_platform->saveNames.append(Path(name));
    const State before = StateOf(*w);
    // Save As onto an existing file asks first.
    const bool replacing = !saveNames.isEmpty() && QFileInfo(Path(target)).isFile();
    m_platform->answers = {MsgAnswer::OK};
    if (replacing)
        m_platform->answers.prepend(MsgAnswer::Yes);
    const bool wrote = w->savePost();
    permissions.reset();

    QVERIFY(!wrote);
    QCOMPARE(m_platform->messages.size(), replacing ? 2 : 1);
    const MsgBoxCall& error = m_platform->messages.last();
    const QString expectedStart = QString("Could not write the file \"%1\".\r\n").arg(Path(target));
    QVERIFY2(error.text.startsWith(expectedStart), qPrintable(error.text));
    QVERIFY2(error.text.size() > expectedStart.size(), qPrintable(error.text));
    QCOMPARE(error.buttons, MsgButtons::OK);
    QCOMPARE(error.icon, MsgIcon::Critical);
    QCOMPARE(error.title, QString("Quillforge"));
    State expected = before;
    expected.fileName = Path(target);  // Save keeps its name, Save As takes the chosen one
    COMPARE_STATE(StateOf(*w), expected);
    QCOMPARE(ReadAll(Path("ro/post.bbc")), oldVersion);
    QCOMPARE(QDir(Path("ro")).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"post.bbc"});
}

void tst_PostFiles::roundTripThroughTheWindow_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("post");
    QTest::newRow("commas, quotes, leading blanks, empty lines") << "  \"Hi\", all"
                                                                 << "  a, \"b\"\n\n\n  c\n[quote=\"Bob\"]d[/quote]";
    QTest::newRow("a final line break is kept") << "t"
                                                << "last line\n";
    QTest::newRow("no final line break gains none") << "t"
                                                    << "last line";
    QTest::newRow("the post marker inside the post") << "t"
                                                     << "{/Post\\}\n{/Title\\}\n{/Post\\}";
    QTest::newRow("non-ASCII text") << "Grüße — 你好"
                                    << "€ “quoted” 😀\nÆØÅ";
    QTest::newRow("non-breaking spaces stay non-breaking")
        << QString("a") + QChar(0xA0) + "title" << QString("10") + QChar(0xA0) + "km\n" + QChar(0xA0);
    QTest::newRow("empty title and post") << ""
                                          << "";
    QTest::newRow("a title longer than 32767 characters") << QString(40000, 'T') << "p";
    QString big;
    for (int i = 0; big.size() < 2'000'000; ++i)
        big += QString("line %1, with \"quotes\" and é\n").arg(i);
    QTest::newRow("a 2 MB post") << "big" << big;
}

void tst_PostFiles::roundTripThroughTheWindow()
{
    QFETCH(QString, title);
    QFETCH(QString, post);
    auto w = MakeWindow();
    Controls(*w).subjectEdit->setText(title);
    Controls(*w).bodyEdit->setPlainText(post);
    m_platform->saveNames = {Path("trip.bbc")};
    QVERIFY(w->savePost());
    Controls(*w).newPostAction->trigger();  // saved: no question
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString());
    m_platform->openNames = {Path("trip.bbc")};
    Controls(*w).openPostAction->trigger();
    QCOMPARE(m_platform->messages.size(), 0);
    QCOMPARE(Controls(*w).subjectEdit->text(), title);
    QVERIFY2(Controls(*w).bodyEdit->document()->toRawText().replace(QChar(0x2029), '\n') == post,
             "the post changed on its way through the file");
    QCOMPARE(w->Post().FileName(), Path("trip.bbc"));
    QCOMPARE(w->Post().IsChanged(), false);
}

void tst_PostFiles::toolbarOpenAndSave()
{
    // Toolbar positions 2 and 3 run Open and Save.
    auto w = MakeWindow();
    QToolBar* bar = Controls(*w).toolBar;
    m_platform->openNames = {Path("good.bbc")};
    bar->actions().at(1)->trigger();
    QCOMPARE(Controls(*w).subjectEdit->text(), QString("From the file"));
    QTest::keyClicks(Controls(*w).bodyEdit, "!");
    QCOMPARE(Controls(*w).statePanel->text(), QString("Post Changed"));
    bar->actions().at(2)->trigger();
    QCOMPARE(m_platform->saveDialogs, 0);
    QCOMPARE(Controls(*w).statePanel->text(), QString("Post Saved, No change"));
    QCOMPARE(ReadAll(Path("good.bbc")),
             QByteArray("{/Title\\}\r\nFrom the file\r\n\r\n{/Post\\}\r\n!line one\r\nline two\r\n"));
}

void tst_PostFiles::openedPostStartsAFreshHistory()
{
    auto w = WindowWithPost("old.bbc", false);
    QVERIFY(Controls(*w).bodyEdit->document()->isUndoAvailable());
    m_platform->openNames = {Path("good.bbc")};
    Controls(*w).openPostAction->trigger();
    const QString fromFile = "line one\nline two";
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), fromFile);
    // Nothing to undo or redo: neither the old post nor the filling.
    QVERIFY(!Controls(*w).bodyEdit->document()->isUndoAvailable());
    QVERIFY(!Controls(*w).bodyEdit->document()->isRedoAvailable());
    QVERIFY(!Controls(*w).bodyEdit->document()->isModified());
    // The caret at the start, nothing selected, the top of the post in view.
    QCOMPARE(Controls(*w).bodyEdit->textCursor().position(), 0);
    QVERIFY(!Controls(*w).bodyEdit->textCursor().hasSelection());
    QCOMPARE(Controls(*w).bodyEdit->verticalScrollBar()->value(), 0);
    Controls(*w).bodyEdit->setFocus();
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), fromFile);
    // Typing after the open is one step of undo, and only the typing goes.
    QTest::keyClicks(Controls(*w).bodyEdit, "New ");
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), "New " + fromFile);
    QCOMPARE(w->Post().IsChanged(), true);
    QCOMPARE(Controls(*w).statePanel->text(), QString("Post Changed"));
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), fromFile);
    QVERIFY(!Controls(*w).bodyEdit->document()->isUndoAvailable());
    // The shortcuts of the field still work on the opened post.
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(Controls(*w).bodyEdit->textCursor().selectedText(), QString("line one") + QChar(0x2029) + "line two");
}

void tst_PostFiles::longPostOpensExactly()
{
    // The field is filled piece by piece: line breaks and letters of every
    // length fall on every position, so some meet the pieces' edges.
    QByteArray post;
    const char* parts[] = {"[b]x", "\r\n", "\xC3\xA9", "abc", "\xE2\x82\xAC", "\r\n\r\n", "\xF0\x9F\x98\x80", "q"};
    for (int i = 0; post.size() < 600'000; ++i)
        post += parts[(i * 5 + i / 8) % 8];
    QVERIFY(WriteAll(Path("long.bbc"), "{/Title\\}\r\nLong\r\n\r\n{/Post\\}\r\n" + post + "\r\n"));
    auto w = MakeWindow();
    w->OpenFile(Path("long.bbc"));
    QCOMPARE(m_platform->messages.size(), 0);
    QVERIFY2(w->Post().Post() == ToUtf8(post), "the post changed on its way into the field");
    QCOMPARE(Controls(*w).bodyEdit->document()->blockCount(), int(post.count("\r\n")) + 1);
    QVERIFY(!Controls(*w).bodyEdit->document()->isUndoAvailable());
    QCOMPARE(w->Post().IsChanged(), false);
    QCOMPARE(Controls(*w).statePanel->text(), QString("No change in post"));
}

void tst_PostFiles::byteOrderMarkIsNotWrittenBack()
{
    QVERIFY(WriteAll(Path("marked.bbc"), "\xEF\xBB\xBF" + GoodFile));
    auto w = MakeWindow();
    w->OpenFile(Path("marked.bbc"));
    QCOMPARE(Controls(*w).subjectEdit->text(), QString("From the file"));
    QVERIFY(w->savePost());
    QCOMPARE(ReadAll(Path("marked.bbc")), GoodFile);
}

void tst_PostFiles::saveAsAsksBeforeReplacing_data()
{
    using L = QList<MsgAnswer>;
    QTest::addColumn<QStringList>("chosen");  // what the dialog returns, in turn
    QTest::addColumn<L>("answers");
    QTest::addColumn<int>("questions");  // "Replace it?" asked
    QTest::addColumn<int>("dialogs");
    QTest::addColumn<QString>("writtenTo");  // empty: nothing written
    QTest::newRow("a name without the suffix names an existing post: Yes replaces it")
        << QStringList{"post"} << L{MsgAnswer::Yes} << 1 << 1 << "post.bbc";
    QTest::newRow("No shows the dialog again, then another name is written")
        << QStringList{"post", "other"} << L{MsgAnswer::No} << 1 << 2 << "other.bbc";
    QTest::newRow("No, then the dialog cancelled: nothing written")
        << QStringList{"post"} << L{MsgAnswer::No} << 1 << 2 << "";
    QTest::newRow("the full name of an existing post is asked about too")
        << QStringList{"post.bbc"} << L{MsgAnswer::Yes} << 1 << 1 << "post.bbc";
    QTest::newRow("a new name gains the suffix, no question") << QStringList{"new"} << L{} << 0 << 1 << "new.bbc";
    QTest::newRow("a name with another suffix is kept") << QStringList{"notes.txt"} << L{} << 0 << 1 << "notes.txt";
}

void tst_PostFiles::saveAsAsksBeforeReplacing()
{
    QFETCH(QStringList, chosen);
    QFETCH(QList<MsgAnswer>, answers);
    QFETCH(int, questions);
    QFETCH(int, dialogs);
    QFETCH(QString, writtenTo);
    QVERIFY(WriteAll(Path("post.bbc"), OtherVersion));
    auto w = WindowWithPost("", true);
    for (const QString& name : chosen)
        m_platform->saveNames.append(Path(name));
    m_platform->answers = answers;

    QCOMPARE(w->saveAs(), !writtenTo.isEmpty());
    QCOMPARE(m_platform->saveDialogs, dialogs);
    QCOMPARE(m_platform->unexpectedMessages, 0);
    QCOMPARE(m_platform->messages.size(), questions);
    if (questions) {
        const MsgBoxCall& question = m_platform->messages.first();
        QCOMPARE(question.text, QString("The file \"%1\" already exists.\r\nReplace it?").arg(Path("post.bbc")));
        QCOMPARE(question.buttons, MsgButtons::YesNo);
    }
    const QByteArray saved = "{/Title\\}\r\nOld title\r\n\r\n{/Post\\}\r\nOld post\r\n";
    QCOMPARE(ReadAll(Path("post.bbc")), writtenTo == "post.bbc" ? saved : OtherVersion);
    if (!writtenTo.isEmpty())
        QCOMPARE(ReadAll(Path(writtenTo)), saved);
    QCOMPARE(w->Post().FileName(), Path(writtenTo));
    QCOMPARE(w->Post().IsChanged(), writtenTo.isEmpty());
}

void tst_PostFiles::saveChecksTheFileOnDisk_data()
{
    QTest::addColumn<QString>("change");    // what happens to the opened file before Save
    QTest::addColumn<MsgAnswer>("answer");  // to the question, when it comes
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("writtenTo");  // empty: nothing written
    QTest::newRow("rewritten by another program, Yes: replaced") << "longer" << MsgAnswer::Yes << true << "open.bbc";
    QTest::newRow("rewritten, No: saved under another name") << "longer" << MsgAnswer::No << true << "copy.bbc";
    QTest::newRow("rewritten, Cancel: nothing saved") << "longer" << MsgAnswer::Cancel << true << "";
    QTest::newRow("same size and time, other bytes: still noticed")
        << "same size and time" << MsgAnswer::Cancel << true << "";
    QTest::newRow("touched without a change: no question") << "touched" << MsgAnswer::OK << false << "open.bbc";
    QTest::newRow("deleted meanwhile: nothing to lose, no question")
        << "deleted" << MsgAnswer::OK << false << "open.bbc";
    QTest::newRow("left alone: no question") << "none" << MsgAnswer::OK << false << "open.bbc";
}

void tst_PostFiles::saveChecksTheFileOnDisk()
{
    QFETCH(QString, change);
    QFETCH(MsgAnswer, answer);
    QFETCH(bool, asked);
    QFETCH(QString, writtenTo);
    const QString opened = Path("open.bbc");
    QVERIFY(WriteAll(opened, GoodFile));
    auto w = MakeWindow();
    w->OpenFile(opened);
    QTest::keyClicks(Controls(*w).bodyEdit, "mine: ");
    const QDateTime modified = QFileInfo(opened).lastModified();

    QByteArray onDisk = GoodFile;
    if (change == "longer") {
        onDisk = OtherVersion;
    } else if (change == "same size and time") {
        onDisk = QByteArray(GoodFile).replace("line one", "LINE ONE");
    } else if (change == "touched") {
        QFile file(opened);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(modified.addSecs(5), QFileDevice::FileModificationTime));
    } else if (change == "deleted") {
        QVERIFY(QFile::remove(opened));
    }
    if (onDisk != GoodFile) {
        QVERIFY(WriteAll(opened, onDisk));
        if (change == "same size and time") {
            QFile file(opened);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        }
    }
    if (asked)
        m_platform->answers = {answer};
    m_platform->saveNames = {Path("copy.bbc")};

    QCOMPARE(w->savePost(), !writtenTo.isEmpty());
    QCOMPARE(m_platform->messages.size(), asked ? 1 : 0);
    if (asked) {
        const MsgBoxCall& question = m_platform->messages.first();
        QVERIFY2(question.text.startsWith(QString("The file \"%1\" was changed on disk").arg(opened)),
                 qPrintable(question.text));
        QCOMPARE(question.buttons, MsgButtons::YesNoCancel);
    }
    QCOMPARE(m_platform->saveDialogs, writtenTo == "copy.bbc" ? 1 : 0);
    const QByteArray mine = "{/Title\\}\r\nFrom the file\r\n\r\n{/Post\\}\r\nmine: line one\r\nline two\r\n";
    QCOMPARE(ReadAll(opened), writtenTo == "open.bbc" ? mine : onDisk);
    if (!writtenTo.isEmpty())
        QCOMPARE(ReadAll(Path(writtenTo)), mine);
    QCOMPARE(w->Post().IsChanged(), writtenTo.isEmpty());
    QCOMPARE(w->Post().FileName(), writtenTo.isEmpty() ? opened : Path(writtenTo));

    // What this window wrote itself is no change on disk: the next Save asks nothing.
    if (!writtenTo.isEmpty()) {
        QTest::keyClicks(Controls(*w).bodyEdit, "again ");
        QVERIFY(w->savePost());
        QCOMPARE(m_platform->messages.size(), asked ? 1 : 0);
    }
}

void tst_PostFiles::saveUnderAFileSizeLimitKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("saveAs");
    QTest::newRow("Save over the post's file") << false;
    QTest::newRow("Save As onto the same file, replacing it") << true;
}

void tst_PostFiles::saveUnderAFileSizeLimitKeepsTheOldFile()
{
    QFETCH(bool, saveAs);
    const QString target = Path("limited.bbc");
    QVERIFY(WriteAll(target, OtherVersion));
    auto w = WindowWithPost("limited.bbc", true);
    w->Post().SetPost(std::string(64 * 1024, 'x'));
    if (saveAs) {
        m_platform->saveNames = {target};
        m_platform->answers = {MsgAnswer::Yes};
    }
    m_platform->answers.append(MsgAnswer::OK);

    // A file size limit far below the post: the write stops part-way.
    rlimit old{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
    rlimit limited = old;
    limited.rlim_cur = 16 * 1024;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
    const bool wrote = saveAs ? w->saveAs() : w->savePost();
    QVERIFY(setrlimit(RLIMIT_FSIZE, &old) == 0);

    QVERIFY(!wrote);
    QCOMPARE(ReadAll(target), OtherVersion);
    QCOMPARE(QDir(m_dir->path()).entryList({"limited*"}, QDir::Files | QDir::Hidden), QStringList{"limited.bbc"});
    const MsgBoxCall& error = m_platform->messages.last();
    QVERIFY2(error.text.startsWith(QString("Could not write the file \"%1\".\r\n").arg(target)),
             qPrintable(error.text));
    QVERIFY2(error.text.contains("large"), qPrintable(error.text));  // the system's reason: file too large
    QCOMPARE(error.icon, MsgIcon::Critical);
    QCOMPARE(w->Post().IsChanged(), true);
}

void tst_PostFiles::overLargeFileIsRefusedUnread()
{
    // 300 MB of nothing: a sparse file takes no room on the disk.
    const QString big = Path("huge.bbc");
    {
        QFile file(big);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(GoodFile) == GoodFile.size());
        QVERIFY(file.resize(qint64(300) * 1024 * 1024));
    }
    auto w = WindowWithPost("old.bbc", false);
    const State before = StateOf(*w);
    m_platform->openNames = {big};
    m_platform->answers = {MsgAnswer::OK};
    const qint64 readBefore = BytesReadByThisProcess();
    Controls(*w).openPostAction->trigger();
    const qint64 read = BytesReadByThisProcess() - readBefore;

    QCOMPARE(m_platform->messages.size(), 1);
    const MsgBoxCall& error = m_platform->messages.first();
    QCOMPARE(error.text,
             QString("Could not read the file \"%1\".\r\nIt is larger than 256 MB, more than the editor can hold.")
                 .arg(big));
    QCOMPARE(error.icon, MsgIcon::Critical);
    COMPARE_STATE(StateOf(*w), before);
    QVERIFY2(readBefore >= 0 && read < 1024 * 1024, qPrintable(QString("%1 bytes read").arg(read)));
}

void tst_PostFiles::saveKeepsTheFilesMode_data()
{
    QTest::addColumn<int>("before");  // the replaced file's mode; -1: a new file
    QTest::addColumn<int>("umask");
    QTest::addColumn<int>("after");
    QTest::newRow("a replaced file keeps its mode") << 0640 << 022 << 0640;
    QTest::newRow("a private file stays private") << 0600 << 022 << 0600;
    QTest::newRow("a new file takes the user's umask") << -1 << 022 << 0644;
    QTest::newRow("a new file under a stricter umask") << -1 << 027 << 0640;
}

void tst_PostFiles::saveKeepsTheFilesMode()
{
    QFETCH(int, before);
    QFETCH(int, umask);
    QFETCH(int, after);
    const QString file = Path("moded.bbc");
    if (before >= 0) {
        QVERIFY(WriteAll(file, GoodFile));
        QVERIFY(::chmod(QFile::encodeName(file).constData(), mode_t(before)) == 0);
    }
    const mode_t previous = ::umask(mode_t(umask));
    auto w = WindowWithPost(before >= 0 ? "moded.bbc" : "", true);
    m_platform->saveNames = {file};
    const bool wrote = w->savePost();
    ::umask(previous);
    QVERIFY(wrote);
    QCOMPARE(ModeOf(file), after);
}

void tst_PostFiles::fileRemembersItsSiteForumAndTopic()
{
    QSettings(Settings::AppName, Settings::AppName).clear();
    m_settings.setSites({{Settings::FirstSiteId, "http://a.test/", "A"}, {"2", "http://b.test/", "B"}});
    QVERIFY(WriteAll(Path("forums.inf"), "1- A one\r\n\r\n"));
    QVERIFY(WriteAll(Path("forums-2.inf"), "5- B five\r\n6- B six\r\n\r\n"));
    auto w = MakeWindow();
    auto* sites = w->findChild<QComboBox*>("siteChooser");
    const auto choose = [](QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    };
    choose(sites, 1);
    choose(Controls(*w).forumChooser, 1);
    Controls(*w).topicNumberEdit->setText("42");
    Controls(*w).subjectEdit->setText("For B");
    m_platform->saveNames = {Path("for-b.bbc")};
    QVERIFY(w->savePost());

    // Elsewhere meanwhile; reopening the file chooses them again.
    choose(sites, 0);
    Controls(*w).topicNumberEdit->clear();
    QCOMPARE(w->ForumNumber(), QString("1"));
    m_platform->openNames = {Path("for-b.bbc")};
    Controls(*w).openPostAction->trigger();
    QCOMPARE(sites->currentIndex(), 1);
    QCOMPARE(Controls(*w).forumChooser->currentText(), QString("6- B six"));
    QCOMPARE(w->ForumNumber(), QString("6"));
    QCOMPARE(Controls(*w).topicNumberEdit->text(), QString("42"));
    // The post file itself is as it always was.
    QVERIFY(!ReadAll(Path("for-b.bbc")).contains("b.test"));
    QSettings(Settings::AppName, Settings::AppName).clear();
}

QF_TEST_MAIN(tst_PostFiles)
#include "tst_postfiles.moc"
