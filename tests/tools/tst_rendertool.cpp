// SPDX-License-Identifier: MIT
// quillforge-render, run as a separate process the way scripts run it.

#include "base/TextFile.h"
#include "post/PostFile.h"
#include "board/classic/BBCodeRenderer.h"
#include "board/mybb18/Mybb18Renderer.h"
#include "board/phpbb3/Phpbb3Renderer.h"
#include "board/smf21/Smf21Renderer.h"
#include "support/TestMain.h"
#include "base/Utf8.h"

#include <QProcess>

namespace {

QByteArray Bytes(std::string_view s) { return QByteArray(s.data(), qsizetype(s.size())); }

std::string Std(const QByteArray& b) { return std::string(b.constData(), size_t(b.size())); }

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run RenderTool(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(QStringLiteral(QF_RENDER_TOOL), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

const QByteArray SamplePost =
    QByteArray("[b]Hello[/b] :)\r\n[quote=\"Anna\"]hi 8)[/quote]\r\n[url]x.org[/url] caf\xC3\xA9 \x01\xFF");

}  // namespace

class tst_RenderTool : public QObject {
    Q_OBJECT
private slots:
    void init();
    void rendersFileExactly();
    void rendersStandardInput();
    void defaultProgramFolderIsTheExecutablesFolder();
    void rendersPostFileBody();
    void rendersLegacyPostFile();
    void rendersForBoards_data();
    void rendersForBoards();
    void siteAndPoster_data();
    void siteAndPoster();
    void badInput_data();
    void badInput();

private:
    QString Write(const QString& name, const QByteArray& bytes);
    QTemporaryDir m_dir;
};

void tst_RenderTool::init() { QVERIFY(m_dir.isValid()); }

QString tst_RenderTool::Write(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(bytes);
    return path;
}

void tst_RenderTool::rendersFileExactly()
{
    // Any bytes, as they are: nothing added, nothing decoded.
    const QString path = Write("post.txt", SamplePost);
    for (const QString& folder : {QString("/opt/qf/"), QString("/opt/qf")}) {
        const Run run = RenderTool({"--app-folder", folder, path});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        QCOMPARE(run.out, Bytes(bbcode::RenderBBCode(Std(SamplePost), "/opt/qf/")));
    }
    const Run joined = RenderTool({"--app-folder=/srv/", "--", path});
    QCOMPARE(joined.exitCode, 0);
    QCOMPARE(joined.out, Bytes(bbcode::RenderBBCode(Std(SamplePost), "/srv/")));
}

void tst_RenderTool::rendersStandardInput()
{
    for (const QStringList& args : {QStringList{"--app-folder", "/a/"}, QStringList{"--app-folder", "/a/", "-"}}) {
        const Run run = RenderTool(args, SamplePost);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, Bytes(bbcode::RenderBBCode(Std(SamplePost), "/a/")));
    }
    const Run empty = RenderTool({"--app-folder", "/a/"});
    QCOMPARE(empty.exitCode, 0);
    QCOMPARE(empty.out, QByteArray("<font face=\"Arial\"></font>"));
}

void tst_RenderTool::defaultProgramFolderIsTheExecutablesFolder()
{
    const Run run = RenderTool({}, ":)");
    QCOMPARE(run.exitCode, 0);
    const QString folder = QFileInfo(QStringLiteral(QF_RENDER_TOOL)).canonicalPath() + "/";
    QCOMPARE(run.out, Bytes(bbcode::RenderBBCode(":)", ToUtf8(folder))));
}

void tst_RenderTool::rendersPostFileBody()
{
    const std::string body = "[i]body[/i]\r\nline :D";
    const QString path = Write("saved.bbc", Bytes(PostFile::Write("The title [b]x[/b]", body)));
    const Run run = RenderTool({"--post", "--app-folder", "/p/", path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, Bytes(bbcode::RenderBBCode(body, "/p/")));
    const Run fromInput = RenderTool({"--app-folder", "/p/", "--post"}, Bytes(PostFile::Write("t", body)));
    QCOMPARE(fromInput.exitCode, 0);
    QCOMPARE(fromInput.out, run.out);
}

void tst_RenderTool::rendersLegacyPostFile()
{
    // A post file made on an older Windows system: Windows-1252 bytes.
    const QByteArray legacy = QByteArray("{/Title\\}\r\nt\r\n\r\n{/Post\\}\r\ncaf\xE9 [b]\x80[/b]\r\n");
    const QString path = Write("legacy.bbc", legacy);
    const Run run = RenderTool({"--post", "--app-folder", "/p/", path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("<font face=\"Arial\">caf\xC3\xA9 <b>\xE2\x82\xAC</b></font>"));
}

void tst_RenderTool::rendersForBoards_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("messages");
    QTest::newRow("a post phpBB 3 accepts: its HTML, nothing else")
        << QStringList{"--board", "phpbb3"} << SamplePost << 0 << QByteArray();
    QTest::newRow("a post phpBB 3 refuses: the HTML all the same, the board's lines on standard error, status 1")
        << QStringList{"--board=phpbb3"} << QByteArray(12001, '&') << 1
        << QByteArray("Your message contains 60005 characters.\nThe maximum number of allowed characters is 60000.\n");
    QTest::newRow("a post MyBB 1.8 accepts") << QStringList{"--board", "mybb18"} << SamplePost << 0 << QByteArray();
    QTest::newRow("a post with too many pictures for MyBB 1.8")
        << QStringList{"--board=mybb18"} << QByteArray("[hr]") + QByteArray(":)").repeated(11).prepend("x") << 1
        << QByteArray("The message you entered contained 11 images, while only 10 images per message are allowed. "
                      "Please lower the image count in your message to meet the limit.\n");
    QTest::newRow("a post MyBB 1.8 finds too short") << QStringList{"--board=mybb18"} << QByteArray("[hr]") << 1
                                                     << QByteArray("The message is too short. Please enter a message "
                                                                   "longer than 5 characters.\n");
    QTest::newRow("a post SMF 2.1 accepts") << QStringList{"--board", "smf21"} << SamplePost << 0 << QByteArray();
    QTest::newRow("a post too long for SMF 2.1: the HTML all the same")
        << QStringList{"--board=smf21"} << QByteArray(20001, 'a') << 1
        << QByteArray("The message exceeds the maximum allowed length (20000 characters).\n");
    QTest::newRow("an empty post for SMF 2.1: no HTML, the board's line")
        << QStringList{"--board", "smf21"} << QByteArray("[b][/b]") << 1
        << QByteArray("The message body was left empty.\n");
}

void tst_RenderTool::rendersForBoards()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, messages);
    const Run run = RenderTool(arguments, input);
    QCOMPARE(run.exitCode, exitCode);
    const QString board = arguments.join(' ');
    QCOMPARE(run.out,
             Bytes(board.contains("mybb18")      ? Mybb18::Render(Std(input)).html
                       : board.contains("smf21") ? Smf21::Render(Std(input)).html
                                                 : Phpbb3::Render(Std(input)).html));
    QCOMPARE(run.err, messages);
}

void tst_RenderTool::siteAndPoster_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("part");  // a part of the HTML
    QTest::newRow("MyBB: /me names the poster") << QStringList{"--board", "mybb18", "--user", "Ann"}
                                                << QByteArray("/me waves") << QByteArray("* Ann waves");
    QTest::newRow("MyBB: a quote links to the board, a path given without its slash")
        << QStringList{"--board=mybb18", "--site=https://ex.org/forum"} << QByteArray("[quote=\"Bo\" pid='5']x[/quote]")
        << QByteArray("href=\"https://ex.org/forum/showthread.php?pid=5#pid5\"");
    QTest::newRow("SMF: smilies and quote links under the site, its port kept")
        << QStringList{"--board", "smf21", "--site", "http://ex.org:8080/"}
        << QByteArray("[quote author=Bo link=msg=5 date=1]x[/quote] :)")
        << QByteArray("<a href=\"http://ex.org:8080/index.php?msg=5\">");
    QTest::newRow("SMF: the smiley's picture") << QStringList{"--board", "smf21", "--site", "http://ex.org:8080/"}
                                               << QByteArray(":)")
                                               << QByteArray("src=\"http://ex.org:8080/Smileys/fugue/smiley.png\"");
    QTest::newRow("phpBB 3: smilies under the site")
        << QStringList{"--board", "phpbb3", "--site", "https://ex.org/"} << QByteArray(":)")
        << QByteArray("src=\"https://ex.org/images/smilies/icon_e_smile.gif\"");
}

void tst_RenderTool::siteAndPoster()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, part);
    const Run run = RenderTool(arguments, input);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(part), run.out.constData());
}

void tst_RenderTool::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("messagePart");
    QTest::newRow("missing file") << QStringList{"/nonexistent/quillforge/post.txt"} << QByteArray()
                                  << QByteArray("cannot read /nonexistent/quillforge/post.txt");
    QTest::newRow("post file without markers")
        << QStringList{"--post"} << QByteArray("[b]just bbcode[/b]") << QByteArray("not a post file");
    QTest::newRow("unknown option") << QStringList{"--pots", "x"} << QByteArray()
                                    << QByteArray("unknown option --pots");
    QTest::newRow("program folder option without a folder")
        << QStringList{"--app-folder"} << QByteArray() << QByteArray("--app-folder needs a folder");
    QTest::newRow("two files") << QStringList{"a", "b"} << QByteArray() << QByteArray("only one file");
    QTest::newRow("unknown board") << QStringList{"--board", "phpbb4"} << QByteArray()
                                   << QByteArray("unknown board phpbb4");
    QTest::newRow("a site that is no web address") << QStringList{"--site", "ftp://ex.org/"} << QByteArray()
                                                   << QByteArray("--site needs an address");
    QTest::newRow("a site with a query") << QStringList{"--site=http://ex.org/?x=1"} << QByteArray()
                                         << QByteArray("--site needs an address");
}

void tst_RenderTool::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, messagePart);
    const Run run = RenderTool(arguments, input);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(messagePart), run.err.constData());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(run.err.endsWith('\n'));
}

QF_TEST_MAIN(tst_RenderTool)
#include "tst_rendertool.moc"
