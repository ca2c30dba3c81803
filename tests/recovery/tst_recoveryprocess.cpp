// SPDX-License-Identifier: MIT
// Real editor processes killed with SIGKILL: what was typed comes back at the
// next start, byte for byte, and editors running side by side keep their own
// copies and never see each other's offered.
//
// Each editor process is recovery_driver: the start routine and the main
// window of this program, typing a post given on its command line, killed by
// the test once its copy is written. The next start runs here, with scripted
// answers, on the same data folder.

#include "base/AppContext.h"
#include "base/Utf8.h"
#include "app/MainStartup.h"
#include "base/Settings.h"
#include "post/PostDocument.h"
#include "post/PostFile.h"
#include "recovery/RecoveryFile.h"
#include "recovery/RecoveryKeeper.h"
#include "recovery/RecoverySlot.h"
#include "editor/MainWindow.h"
#include "support/PostControls.h"
#include "support/ScriptedPlatform.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>

namespace {
QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

QString Folder() { return RecoverySlot::Folder(); }

std::optional<RecoveryFile::Copy> CopyAt(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return RecoveryFile::Read(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

// An editor process typing `title` and `body` into the window it starts with
// `arguments` as its command line.
class Editor {
public:
    Editor(const QString& title, const QString& body, const QStringList& arguments = {})
    {
        m_process.setProgram(QStringLiteral(QF_RECOVERY_DRIVER));
        m_process.setArguments(QStringList{title, body} + arguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
    }
    ~Editor()
    {
        if (m_process.state() != QProcess::NotRunning)
            Kill();
    }

    // Waits for the first recovery copy; its path, or empty.
    QString WaitForCopy()
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 30000) {
            while (m_process.canReadLine()) {
                const QString line = QString::fromUtf8(m_process.readLine()).chopped(1);
                if (line.startsWith(QStringLiteral("MESSAGE ")))
                    messages.append(line.mid(8));
                if (line.startsWith(QStringLiteral("COPY ")))
                    return line.mid(5);
            }
            if (!m_process.waitForReadyRead(1000) && m_process.state() == QProcess::NotRunning)
                break;
        }
        return QString();
    }

    // SIGKILL: the editor gets no chance to clean up.
    bool Kill()
    {
        m_process.kill();
        return m_process.waitForFinished(10000) && m_process.exitStatus() == QProcess::CrashExit;
    }

    QStringList messages;

private:
    QProcess m_process;
};

// The text the tests type: markers, quotes, blanks, a tab, non-ASCII letters,
// an emoji, a non-breaking space and line breaks, a last line break included.
const QString TypedTitle = QString::fromUtf8(" \xE2\x80\x94 {/Post\\} \xC3\xBC \xF0\x9F\x98\x80 ");
const QString TypedBody = QString::fromUtf8(
    "\n  indented, \"quoted\" [quote=\"a, b\"]x[/quote]\n\t{/Title\\}\n\xF0\x9F\x98\x80 \xC3\xA9\xC2\xA0nbsp\n\n");
}  // namespace

class tst_RecoveryProcess : public QObject {
    Q_OBJECT
private slots:
    void init();
    void killedEditorComesBack_data();
    void killedEditorComesBack();
    void editorsSideBySide();

private:
    std::unique_ptr<MainWindow> Start(ScriptedPlatform& platform, const QStringList& arguments = {});

    QTemporaryDir m_dir;
    Settings m_settings;
};

void tst_RecoveryProcess::init()
{
    m_settings.setSiteAddress("http://forum.test/");
    QDir(Folder()).removeRecursively();
}

std::unique_ptr<MainWindow> tst_RecoveryProcess::Start(ScriptedPlatform& platform, const QStringList& arguments)
{
    AppContext context{QString(), &m_settings, &platform};
    return MainStartup(context, m_dir.path(), arguments);
}

void tst_RecoveryProcess::killedEditorComesBack_data()
{
    QTest::addColumn<bool>("restore");
    QTest::newRow("Yes gives title, post and file name back") << true;
    QTest::newRow("No removes the copy") << false;
}

void tst_RecoveryProcess::killedEditorComesBack()
{
    QFETCH(bool, restore);
    // The editor opens a post file from its command line, then the user types
    // at the end of its title and post.
    QVERIFY(QDir().mkpath(m_dir.filePath("my posts")));
    const QString draft = m_dir.filePath(QString::fromUtf8("my posts/brouillon \xC3\xA9t\xC3\xA9.bbc"));
    {
        QFile file(draft);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Bytes(PostFile::Write("Draft", "first line")));
    }
    const QString other = m_dir.filePath("other.bbc");
    {
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Bytes(PostFile::Write("Other", "other post")));
    }
    const QByteArray title = "Draft" + TypedTitle.toUtf8();
    const QByteArray post = "first line" + TypedBody.toUtf8().replace("\n", "\r\n");

    QString copyPath;
    {
        Editor editor(TypedTitle, TypedBody, {draft});
        copyPath = editor.WaitForCopy();
        QVERIFY2(!copyPath.isEmpty(), "the editor wrote no recovery copy");
        QCOMPARE(editor.messages, QStringList());
        QVERIFY(editor.Kill());
    }
    QVERIFY(QFileInfo::exists(copyPath));

    // The next start, with another file on its command line.
    ScriptedPlatform platform;
    platform.answers = {restore ? MsgAnswer::Yes : MsgAnswer::No};
    auto w = Start(platform, {other});
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages[0].text.startsWith(
        "Quillforge was not closed properly. Restore the post you were writing?\r\n\r\nTitle: "));
    QCOMPARE(platform.messages[0].icon, MsgIcon::Question);
    QCOMPARE(platform.messages[0].buttons, MsgButtons::YesNo);
    QVERIFY(!QFileInfo::exists(copyPath));

    if (restore) {
        QCOMPARE(Bytes(w->Post().Title()), title);
        QCOMPARE(Bytes(w->Post().Post()), post);
        QCOMPARE(w->Post().FileName(), draft);
        QCOMPARE(w->Post().IsChanged(), true);
        QCOMPARE(Controls(*w).statePanel->text(), QString("Post Changed"));
        // Saved deliberately, it lands in the file it came from.
        QVERIFY(w->savePost());
        QFile file(draft);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), Bytes(PostFile::Write(ToUtf8(title), ToUtf8(post))));
        QCOMPARE(RecoverySlot::CopiesIn(Folder()), QStringList());
    } else {
        QCOMPARE(Controls(*w).subjectEdit->text(), QString("Other"));
        QCOMPARE(w->Post().IsChanged(), false);
        QCOMPARE(QDir(Folder()).entryList(QDir::Files), QStringList());
    }
    QCOMPARE(platform.unexpectedMessages, 0);
}

void tst_RecoveryProcess::editorsSideBySide()
{
    Editor alpha(QStringLiteral("Alpha"), QStringLiteral("alpha post"));
    Editor beta(QStringLiteral("Beta"), QStringLiteral("beta post"));
    const QString alphaCopy = alpha.WaitForCopy();
    const QString betaCopy = beta.WaitForCopy();
    QVERIFY(!alphaCopy.isEmpty() && !betaCopy.isEmpty());
    QVERIFY(alphaCopy != betaCopy);
    QCOMPARE(Bytes(CopyAt(alphaCopy)->post), QByteArray("alpha post"));
    QCOMPARE(Bytes(CopyAt(betaCopy)->post), QByteArray("beta post"));

    // While both run, a third start offers neither and touches neither.
    const QStringList files = QDir(Folder()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 4);
    {
        ScriptedPlatform platform;
        auto w = Start(platform);
        QCOMPARE(platform.messages.size(), 0);
        QCOMPARE(QDir(Folder()).entryList(QDir::Files, QDir::Name), files);
    }

    // Once one is killed, only its copy is offered.
    QVERIFY(alpha.Kill());
    ScriptedPlatform platform;
    platform.answers = {MsgAnswer::No};
    auto w = Start(platform);
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages[0].text.contains("\r\nTitle: Alpha\r\n"));
    QVERIFY(!QFileInfo::exists(alphaCopy));
    QCOMPARE(Bytes(CopyAt(betaCopy)->post), QByteArray("beta post"));
}

QF_TEST_MAIN(tst_RecoveryProcess)
#include "tst_recoveryprocess.moc"
