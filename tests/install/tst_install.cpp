// SPDX-License-Identifier: MIT
// The installed program: `cmake --install` into a temporary prefix, the tree
// moved elsewhere and made read-only, then run as an unprivileged user (root
// ignores permissions) with a driver preloaded into the real editor process
// (install_driver.cpp); beside it a portable copy of the build folder, the
// desktop's own checkers on the desktop files, and the Debian package's file
// list against the installed tree.

#include "support/TestFiles.h"
#include "support/TestMain.h"

#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;
const QString AppId = QStringLiteral(QF_APP_ID);
const QString MimeType = QStringLiteral("text/x-quillforge-post");

struct Run {
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

// Runs `program` to its end; `asNobody` runs it as the unprivileged user
// when this test is root.
Run Execute(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment = {},
            bool asNobody = false, const QByteArray& input = {}, int timeoutMs = 240000)
{
    QProcess process;
    if (asNobody && ::geteuid() == 0) {
        process.setProgram(QStringLiteral("setpriv"));
        process.setArguments(QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + arguments);
    } else {
        process.setProgram(program);
        process.setArguments(arguments);
    }
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.start();
    Run run;
    if (!process.waitForStarted())
        return run;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs))
        process.kill();
    process.waitForFinished();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = process.readAllStandardOutput();
    run.errors = process.readAllStandardError();
    return run;
}

// Every file and link under `root`, as paths relative to it.
QSet<QString> FilesUnder(const QString& root)
{
    QSet<QString> files;
    QDirIterator it(root, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(QDir(root).relativeFilePath(it.next()));
    return files;
}

bool ChownTree(const QString& root, uid_t owner)
{
    bool ok = ::chown(QFile::encodeName(root).constData(), owner, owner) == 0;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        ok = ::lchown(QFile::encodeName(it.next()).constData(), owner, owner) == 0 && ok;
    return ok;
}

QMap<QString, QString> ReadReport(const QString& path)
{
    QMap<QString, QString> report;
    for (const QByteArray& line : ReadAll(path).split('\n'))
        if (const qsizetype equals = line.indexOf('='); equals > 0)
            report.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
    return report;
}

QStringList Items(const QString& joined) { return joined.isEmpty() ? QStringList() : joined.split('|'); }

}  // namespace

class tst_Install : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void editorRuns_data();
    void editorRuns();
    void renderToolUsesTheInstalledPictures();
    void desktopFilesValidate_data();
    void desktopFilesValidate();
    void desktopEntryFitsTheTree();
    void mimeTypeNamesPostFiles();
    void packageHoldsTheInstalledTree();

private:
    QString Prefix(const QString& path = {}) const
    {
        return m_root.filePath("moved") + (path.isEmpty() ? "" : "/" + path);
    }
    // A home folder for one run, owned by whoever runs the program.
    QString MakeHome(const QString& name, bool forNobody);
    QProcessEnvironment Environment(const QString& home) const;

    QTemporaryDir m_root;
    QSet<QString> m_installed;  // the installed tree's files, relative to the prefix
};

void tst_Install::initTestCase()
{
    QVERIFY(m_root.isValid());
    QVERIFY(QFile::setPermissions(m_root.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                      | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
    // Installed in one place and moved to another: only relative paths work.
    const Run install = Execute(QStringLiteral(QF_CMAKE_COMMAND),
                                {"--install", QStringLiteral(QF_BUILD_DIR), "--prefix", m_root.filePath("staged")});
    QVERIFY2(install.exitCode == 0, install.errors.constData());
    QVERIFY(QDir().rename(m_root.filePath("staged"), Prefix()));
    m_installed = FilesUnder(Prefix());
    QVERIFY(!m_installed.isEmpty());
    QVERIFY(Execute("chmod", {"-R", "a-w", Prefix()}).exitCode == 0);

    // The driver, somewhere the unprivileged user may read it.
    QVERIFY(QFile::copy(QStringLiteral(QF_INSTALL_DRIVER), m_root.filePath("install_driver.so")));

    // A portable copy of the build folder: the programs, their libraries and
    // the pictures, in a folder its user may write.
    const QString build = QStringLiteral(QF_BUILD_DIR);
    const QString portable = m_root.filePath("portable");
    QVERIFY(QDir().mkpath(portable + "/emo"));
    for (const char* name : {"quillforge", "libquillforge_ui.so", "libquillforge_web.so"})
        QVERIFY2(QFile::copy(build + "/" + name, portable + "/" + name), name);
    for (const QString& picture : QDir(build + "/emo").entryList(QDir::Files))
        QVERIFY(QFile::copy(build + "/emo/" + picture, portable + "/emo/" + picture));
    if (::geteuid() == 0)
        QVERIFY(ChownTree(portable, Nobody));
}

void tst_Install::cleanupTestCase() { Execute("chmod", {"-R", "u+w", Prefix()}); }

QString tst_Install::MakeHome(const QString& name, bool forNobody)
{
    const QString home = m_root.filePath(name);
    QDir().mkpath(home + "/runtime");
    QFile::setPermissions(home + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (forNobody && ::geteuid() == 0)
        ChownTree(home, Nobody);
    return home;
}

QProcessEnvironment tst_Install::Environment(const QString& home) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LD_LIBRARY_PATH");  // the libraries are found through the run paths alone
    environment.insert("HOME", home);
    environment.insert("XDG_CONFIG_HOME", home + "/config");
    environment.insert("XDG_DATA_HOME", home + "/data");
    environment.insert("XDG_CACHE_HOME", home + "/cache");
    environment.insert("XDG_RUNTIME_DIR", home + "/runtime");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
    environment.insert("LD_PRELOAD", m_root.filePath("install_driver.so"));
    environment.insert("QF_DRIVER_REPORT", home + "/report.txt");
    if (environment.contains("ASAN_OPTIONS"))  // the driver is preloaded ahead of the sanitizer
        environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    return environment;
}

void tst_Install::editorRuns_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("asNobody");
    QTest::addColumn<QString>("pictures");   // where the page's pictures must be
    QTest::addColumn<bool>("writesBeside");  // files beside the program, else in the user's data folder
    QTest::newRow("installed, read-only tree, unprivileged user")
        << Prefix("bin/quillforge") << true << Prefix("share/quillforge/emo/") << false;
    QTest::newRow("installed, run by root: the layout decides, not the permissions")
        << Prefix("bin/quillforge") << false << Prefix("share/quillforge/emo/") << false;
    QTest::newRow("portable copy of the build folder writes beside the program")
        << m_root.filePath("portable/quillforge") << true << m_root.filePath("portable/emo/") << true;
}

void tst_Install::editorRuns()
{
    QFETCH(QString, program);
    QFETCH(bool, asNobody);
    QFETCH(QString, pictures);
    QFETCH(bool, writesBeside);
    if (!asNobody && ::geteuid() != 0)
        QSKIP("only root can show that permissions do not decide");
    const QString home =
        MakeHome(QString("home-%1").arg(QTest::currentDataTag()).replace(' ', '-').remove(','), asNobody);
    const QString post = home + "/my post.bbc";
    QVERIFY(WriteAll(post, "{/Title\\}\r\nInstalled post\r\n\r\n{/Post\\}\r\nHello :) and :D\r\n"));
    if (asNobody && ::geteuid() == 0)
        QVERIFY(ChownTree(home, Nobody));
    const QSet<QString> programFolderBefore = FilesUnder(QFileInfo(program).path());

    const Run run = Execute(program, {post}, Environment(home), asNobody);
    const QMap<QString, QString> report = ReadReport(home + "/report.txt");
    QVERIFY2(run.exitCode == 0 && !report.contains("failure"),
             qPrintable(report.value("failure") + "\n" + QString::fromUtf8(run.errors.right(3000))));

    const QString writable = writesBeside ? QFileInfo(program).path() + "/" : home + "/data/Quillforge/Quillforge/";
    // The command line's post opened; Save in the options dialog wrote the
    // forum list and the chooser shows it.
    QCOMPARE(report.value("title"), QString("Installed post"));
    QVERIFY2(report.value("forums").contains("Installed forum"), qPrintable(report.value("forums")));
    QVERIFY(ReadAll(writable + "forums.inf").contains("7- Installed forum"));
    // The preview page and the contact page were written there too.
    QCOMPARE(report.value("preview.page"), writable + "preview.htm");
    QCOMPARE(report.value("contact.page"), writable + "Contact.htm");
    // Every picture the page names is a file of the program, and loaded.
    const QStringList sources = Items(report.value("preview.sources"));
    QCOMPARE(sources.size(), 2);
    for (const QString& source : sources) {
        QVERIFY2(source.startsWith(pictures), qPrintable(source));
        QVERIFY2(QFileInfo(source).isFile(), qPrintable(source));
    }
    const QStringList shown = Items(report.value("preview.pictures"));
    QCOMPARE(shown.size(), sources.size());
    for (const QString& picture : shown)
        QVERIFY2(picture.startsWith("loaded "), qPrintable(picture));
    if (!writesBeside)
        QCOMPARE(FilesUnder(QFileInfo(program).path()), programFolderBefore);
}

void tst_Install::renderToolUsesTheInstalledPictures()
{
    const Run run = Execute(Prefix("bin/quillforge-render"), {}, {}, true, "[b]hi[/b] :)");
    QCOMPARE(run.exitCode, 0);
    const QString picture = Prefix("share/quillforge/emo/smile.gif");
    QVERIFY2(run.output.contains("src=\"" + picture.toUtf8() + "\""), run.output.constData());
    QVERIFY(QFileInfo(picture).isFile());
}

void tst_Install::desktopFilesValidate_data()
{
    QTest::addColumn<QString>("checker");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("desktop entry") << "desktop-file-validate"
                                   << QStringList{Prefix("share/applications/" + AppId + ".desktop")};
    QTest::newRow("AppStream metainfo") << "appstreamcli"
                                        << QStringList{"validate", "--no-net",
                                                       Prefix("share/metainfo/" + AppId + ".metainfo.xml")};
}

void tst_Install::desktopFilesValidate()
{
    QFETCH(QString, checker);
    QFETCH(QStringList, arguments);
    if (QStandardPaths::findExecutable(checker).isEmpty())
        QFAIL(qPrintable(checker + " is missing: scripts/setup.sh test installs it"));
    const Run run = Execute(checker, arguments);
    QVERIFY2(run.exitCode == 0, (run.output + run.errors).constData());
    // desktop-file-validate reports hints and warnings with exit status 0.
    QVERIFY2(run.errors.isEmpty() && !run.output.contains("error:") && !run.output.contains("warning:"),
             (run.output + run.errors).constData());
}

void tst_Install::desktopEntryFitsTheTree()
{
    QMap<QString, QString> entry;
    for (const QByteArray& line : ReadAll(Prefix("share/applications/" + AppId + ".desktop")).split('\n'))
        if (const qsizetype equals = line.indexOf('='); equals > 0)
            entry.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
    QCOMPARE(entry.value("Exec"), QString("quillforge %f"));
    QVERIFY(QFileInfo(Prefix("bin/quillforge")).isExecutable());
    QCOMPARE(entry.value("MimeType"), MimeType + ";");
    QCOMPARE(entry.value("GenericName"), QString("Forum post editor"));
    const QString icon = entry.value("Icon");
    QVERIFY(QFileInfo(Prefix("share/icons/hicolor/scalable/apps/" + icon + ".svg")).isFile());
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage png(Prefix(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(icon)));
        QCOMPARE(png.size(), QSize(size, size));
    }
    QVERIFY(ReadAll(Prefix("share/metainfo/" + AppId + ".metainfo.xml"))
                .contains("<launchable type=\"desktop-id\">" + AppId.toUtf8() + ".desktop</launchable>"));
}

void tst_Install::mimeTypeNamesPostFiles()
{
    // The desktop's own tool builds its database from the installed file.
    const QString mime = m_root.filePath("mime");
    QVERIFY(QDir().mkpath(mime + "/packages"));
    QVERIFY(QFile::copy(Prefix("share/mime/packages/" + AppId + ".xml"), mime + "/packages/" + AppId + ".xml"));
    const Run run = Execute("update-mime-database", {"-V", mime});
    QVERIFY2(run.exitCode == 0 && !run.errors.contains("rror") && !run.errors.contains("arning"),
             run.errors.constData());
    QVERIFY(ReadAll(mime + "/globs2").contains(":" + MimeType.toUtf8() + ":*.bbc"));
    QVERIFY(ReadAll(mime + "/subclasses").contains(MimeType.toUtf8() + " text/plain"));
    QVERIFY(QFileInfo(mime + "/" + MimeType + ".xml").isFile());
}

void tst_Install::packageHoldsTheInstalledTree()
{
    const QString output = m_root.filePath("package");
    const Run cpack =
        Execute(QStringLiteral(QF_CPACK_COMMAND),
                {"-G", "DEB", "-B", output, "--config", QStringLiteral(QF_BUILD_DIR) + "/CPackConfig.cmake"});
    QVERIFY2(cpack.exitCode == 0, (cpack.output + cpack.errors).constData());
    const QString deb = output + "/quillforge_" + QStringLiteral(QF_VERSION) + "_amd64.deb";
    QVERIFY2(QFileInfo(deb).isFile(), cpack.output.constData());

    // Every file the install rules lay out, under /usr, and nothing else.
    const Run contents = Execute("dpkg-deb", {"--contents", deb});
    QCOMPARE(contents.exitCode, 0);
    QSet<QString> packaged;
    for (const QString& line : QString::fromUtf8(contents.output).split('\n', Qt::SkipEmptyParts))
        if (!line.startsWith('d'))  // folders
            packaged.insert(line.section(' ', -1).remove(QRegularExpression("^\\./usr/")));
    QCOMPARE(packaged, m_installed);

    // Its dependencies were computed from what the programs link.
    const QString depends = QString::fromUtf8(Execute("dpkg-deb", {"--field", deb, "Depends"}).output);
    for (const QString& package :
         QStringList{"libc6", "libqt6widgets6", "libqt6webenginewidgets6", "libqt6webenginecore6-bin"})
        QVERIFY2(depends.contains(package + " ") || depends.contains(package + ",")
                     || depends.trimmed().endsWith(package),
                 qPrintable(depends));
}

QF_TEST_MAIN(tst_Install)
#include "tst_install.moc"
