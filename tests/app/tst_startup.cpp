// SPDX-License-Identifier: MIT
// The start routine: the program folder, the command line and what start-up
// opens and shows.

#include "base/AppContext.h"
#include "base/AppFolder.h"
#include "app/AppIcon.h"
#include "app/MainStartup.h"
#include "base/Settings.h"
#include "post/PostDocument.h"
#include "editor/MainWindow.h"
#include "support/TestBoards.h"
#include "support/PermissionBits.h"
#include "support/ModalDriver.h"
#include "support/PostControls.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"
#include "base/Utf8.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTranslator>
#include <QSettings>
#include <QStandardPaths>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <sys/stat.h>

namespace {
// Records what the main window's fields held when it was first shown.
class ShowWatcher : public QObject {
public:
    bool shown = false;
    QString titleWhenShown;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !shown) {
            if (auto* window = qobject_cast<MainWindow*>(watched)) {
                shown = true;
                titleWhenShown = Controls(*window).subjectEdit->text();
            }
        }
        return false;
    }
};

const QByteArray PostBytes = "{/Title\\}\r\nFrom the command line\r\n\r\n{/Post\\}\r\nbody\r\n";
}  // namespace

class tst_Startup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void appFolder_data();
    void appFolder();
    void installedDataFolder_data();
    void installedDataFolder();
    void folders_data();
    void folders();
    void commandLine_data();
    void commandLine();
    void pathThatOpensNothing_data();
    void pathThatOpensNothing();
    void commandLineFileOpensBeforeTheWindowShows_data();
    void commandLineFileOpensBeforeTheWindowShows();
    void commandLineFileThatCannotBeOpened_data();
    void commandLineFileThatCannotBeOpened();
    void siteAddressDecidesNothingElse_data();
    void siteAddressDecidesNothingElse();
    void firstRunTakesTheBoardChosen();
    void loadsTheUsersTranslation();
    void bundledIcon_data();
    void bundledIcon();
    void nothingBundledWhereIconThemesAreSearched();

private:
    QTemporaryDir m_dir;
    Settings m_settings;
};

void tst_Startup::init()
{
    // Each test starts from an empty settings store.
    QSettings(Settings::AppName, Settings::AppName).clear();
}

void tst_Startup::appFolder_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("folder");
    QTest::newRow("root folder keeps its single separator") << "/"
                                                            << "/";
    QTest::newRow("ordinary folder gains one") << "/opt/quillforge"
                                               << "/opt/quillforge/";
    QTest::newRow("folder with blanks") << "/home/a b/q f"
                                        << "/home/a b/q f/";
    QTest::newRow("already ending in a separator") << "/opt/q/"
                                                   << "/opt/q/";
}

void tst_Startup::appFolder()
{
    QFETCH(QString, dir);
    QFETCH(QString, folder);
    QCOMPARE(ToQString(Startup::AppFolderFromDir(ToUtf8(dir))), folder);
}

void tst_Startup::installedDataFolder_data()
{
    QTest::addColumn<QString>("executableFolder");
    QTest::addColumn<QString>("binToData");
    QTest::addColumn<QString>("dataFolder");
    QTest::newRow("system prefix") << "/usr/bin/"
                                   << "../share/quillforge"
                                   << "/usr/share/quillforge/";
    QTest::newRow("a prefix in the home folder, with blanks") << "/home/a b/.local/bin/"
                                                              << "../share/quillforge"
                                                              << "/home/a b/.local/share/quillforge/";
    QTest::newRow("a deeper bin folder") << "/opt/q/bin/x86/"
                                         << "../../share/quillforge"
                                         << "/opt/q/share/quillforge/";
    QTest::newRow("executable in the root folder") << "/"
                                                   << "../share/quillforge"
                                                   << "/share/quillforge/";
    QTest::newRow("a data folder given as an absolute path") << "/usr/bin/"
                                                             << "/srv/data/quillforge"
                                                             << "/srv/data/quillforge/";
}

void tst_Startup::installedDataFolder()
{
    QFETCH(QString, executableFolder);
    QFETCH(QString, binToData);
    QFETCH(QString, dataFolder);
    QCOMPARE(ToQString(Startup::InstalledDataFolder(ToUtf8(executableFolder), ToUtf8(binToData))), dataFolder);
}

void tst_Startup::folders_data()
{
    QTest::addColumn<bool>("picturesBeside");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("writesBeside");
    QTest::newRow("build folder or portable copy: pictures and files beside the program") << true << false << true;
    QTest::newRow("portable folder that cannot be written: files go to the user's data folder")
        << true << true << false;
    QTest::newRow("installed layout writes nothing beside the program, even when it could") << false << false << false;
    QTest::newRow("installed layout, read-only") << false << true << false;
}

void tst_Startup::folders()
{
    QFETCH(bool, picturesBeside);
    QFETCH(bool, readOnly);
    QFETCH(bool, writesBeside);
    QTemporaryDir root;
    const QString bin = root.filePath("prefix/bin");
    QVERIFY(QDir().mkpath(bin));
    if (picturesBeside)
        QVERIFY(QDir().mkpath(bin + "/emo"));
    std::optional<PermissionBits> permissions;
    if (readOnly) {
        QVERIFY(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner));
        permissions.emplace();
        if (!permissions->Binding())
            QSKIP("permission bits cannot be made to bind here");
    }
    ScriptedPlatform platform;
    AppContext context{QString(), &m_settings, &platform};
    m_settings.setSiteAddress("http://forum.test/");
    const QString settingsFile = QSettings(Settings::AppName, Settings::AppName).fileName();
    const QByteArray settingsBefore = ReadAll(settingsFile);
    auto window = MainStartup(context, bin, {});
    permissions.reset();
    QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/";
    QCOMPARE(context.pictureFolder, picturesBeside ? bin + "/" : root.filePath("prefix/share/quillforge/"));
    QCOMPARE(context.writableFolder, writesBeside ? bin + "/" : userData);
    // Deciding leaves nothing behind in the program's folder.
    QCOMPARE(QDir(bin).entryList(QDir::Files | QDir::Hidden), QStringList());
    // Starting writes no setting (a write waits for the disk).
    QCOMPARE(ReadAll(settingsFile), settingsBefore);
    // The windows show the program's own icon, once the first is painted.
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_VERIFY(!window->windowIcon().isNull());
    QVERIFY(window->windowIcon().availableSizes().contains(QSize(32, 32)));
}

void tst_Startup::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("path");
    QTest::newRow("nothing") << QStringList{} << "";
    QTest::newRow("plain path") << QStringList{"/tmp/a.bbc"} << "/tmp/a.bbc";
    QTest::newRow("quoted path with blanks, one argument")
        << QStringList{"\"/tmp/my posts/a.bbc\""} << "/tmp/my posts/a.bbc";
    QTest::newRow("path with blanks split by the shell")
        << QStringList{"/tmp/my", "posts/a.bbc"} << "/tmp/my posts/a.bbc";
    QTest::newRow("quotes anywhere") << QStringList{"/tmp/\"a\".bbc\""} << "/tmp/a.bbc";
    QTest::newRow("two quoted paths join into one")
        << QStringList{"\"/tmp/a.bbc\"", "\"/tmp/b.bbc\""} << "/tmp/a.bbc /tmp/b.bbc";
    QTest::newRow("only quotes") << QStringList{"\"\""} << "";
}

void tst_Startup::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, path);
    QCOMPARE(CommandLinePath(arguments), path);
}

void tst_Startup::pathThatOpensNothing_data()
{
    QTest::addColumn<QString>("argument");
    QTest::newRow("a folder") << m_dir.path();
    QTest::newRow("a file that was deleted") << m_dir.filePath("gone.bbc");
    QTest::newRow("two quoted paths") << QString("\"%1\" \"%1\"").arg(m_dir.filePath("x.bbc"));
    // Not an ordinary file: reading it would block start-up.
    const QString pipe = m_dir.filePath("pipe.bbc");
    QFile::remove(pipe);
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    QTest::newRow("a named pipe") << pipe;
}

void tst_Startup::pathThatOpensNothing()
{
    QFETCH(QString, argument);
    QFile::remove(m_dir.filePath("gone.bbc"));
    ScriptedPlatform platform;
    AppContext context{QString(), &m_settings, &platform};
    m_settings.setSiteAddress("http://forum.test/");
    auto window = MainStartup(context, m_dir.path(), {argument});
    QVERIFY(window->isVisible());
    QCOMPARE(Controls(*window).subjectEdit->text(), QString());
    QCOMPARE(Controls(*window).bodyEdit->toPlainText(), QString());
    QCOMPARE(window->Post().FileName(), QString());
    QVERIFY(platform.messages.isEmpty());
}

void tst_Startup::commandLineFileOpensBeforeTheWindowShows_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QString path = m_dir.filePath("my posts/a post.bbc");
    QTest::newRow("quoted path with blanks, one argument") << QStringList{"\"" + path + "\""};
    const qsizetype blank = path.indexOf(' ');
    QTest::newRow("quoted path with blanks, split by the shell")
        << QStringList{"\"" + path.left(blank), path.mid(blank + 1) + "\""};
}

void tst_Startup::commandLineFileOpensBeforeTheWindowShows()
{
    QFETCH(QStringList, arguments);
    const QString path = m_dir.filePath("my posts/a post.bbc");
    QVERIFY(QDir().mkpath(m_dir.filePath("my posts")));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(PostBytes);
    }
    ScriptedPlatform platform;
    AppContext context{QString(), &m_settings, &platform};
    m_settings.setSiteAddress("http://forum.test/");
    ShowWatcher watcher;
    qApp->installEventFilter(&watcher);
    auto window = MainStartup(context, m_dir.path(), arguments);
    qApp->removeEventFilter(&watcher);

    QVERIFY(window->isVisible());
    QVERIFY(watcher.shown);
    QCOMPARE(watcher.titleWhenShown, QString("From the command line"));
    QCOMPARE(Controls(*window).bodyEdit->toPlainText(), QString("body"));
    QCOMPARE(window->Post().FileName(), path);
    QCOMPARE(window->Post().IsChanged(), false);
    QCOMPARE(Controls(*window).statePanel->text(), QString("No change in post"));
    QVERIFY(platform.messages.isEmpty());
}

void tst_Startup::commandLineFileThatCannotBeOpened_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");  // the start of the message; %1 is the file
    QTest::newRow("a file nobody may read (mode 000)") << "mode000"
                                                       << "Could not read the file \"%1\".\r\n";
    QTest::newRow("a file that is not a post file") << "text"
                                                    << "Sorry, File format is not correct";
}

void tst_Startup::commandLineFileThatCannotBeOpened()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QString path = m_dir.filePath("cannot.bbc");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kind == "text" ? QByteArray("just some text\r\n") : PostBytes);
    }
    std::optional<PermissionBits> permissions;
    if (kind == "mode000") {
        QVERIFY(QFile::setPermissions(path, {}));
        permissions.emplace();
        if (!permissions->Binding())
            QSKIP("permission bits cannot be made to bind here");
    }
    ScriptedPlatform platform;
    AppContext context{QString(), &m_settings, &platform};
    m_settings.setSiteAddress("http://forum.test/");
    auto window = MainStartup(context, m_dir.path(), {path});
    permissions.reset();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    // One message, naming the file where it could not be read, shown before
    // the window; then the editor starts empty.
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY2(platform.messages[0].text.startsWith(QString(message).replace("%1", path)),
             qPrintable(platform.messages[0].text));
    QCOMPARE(platform.messages[0].buttons, MsgButtons::OK);
    QCOMPARE(platform.messages[0].icon, MsgIcon::Critical);
    QCOMPARE(platform.OwnersVisible(), QList<bool>{false});
    QVERIFY(window->isVisible());
    QCOMPARE(Controls(*window).subjectEdit->text(), QString());
    QCOMPARE(Controls(*window).bodyEdit->toPlainText(), QString());
    QCOMPARE(window->Post().FileName(), QString());
    QCOMPARE(window->Post().IsChanged(), false);
}

void tst_Startup::siteAddressDecidesNothingElse_data()
{
    QTest::addColumn<bool>("addressStored");
    QTest::addColumn<bool>("nameStored");
    QTest::newRow("address present, name absent") << true << false;
    QTest::newRow("both present") << true << true;
}

void tst_Startup::siteAddressDecidesNothingElse()
{
    QFETCH(bool, addressStored);
    QFETCH(bool, nameStored);
    if (addressStored)
        m_settings.setSiteAddress("http://forum.test/");
    if (nameStored)
        m_settings.setSiteName("Test");
    ScriptedPlatform platform;
    AppContext context{QString(), &m_settings, &platform};
    auto window = MainStartup(context, m_dir.path(), {});
    QVERIFY(window->isVisible());
    QVERIFY(platform.messages.isEmpty());
    // Start-up reads but never writes the store.
    QCOMPARE(m_settings.siteName("absent"), nameStored ? QString("Test") : QString("absent"));
}

void tst_Startup::firstRunTakesTheBoardChosen()
{
    // The first run's options dialog sets the site and its board software:
    // the main window writes for that board at once.
    ScriptedPlatform platform;
    AppContext context{m_dir.path() + "/", &m_settings, &platform};
    context.writableFolder = m_dir.path() + "/";
    ModalDriver driver([](QWidget* w) {
        // A forum list found: its Save makes the main window before the
        // site is stored.
        auto* forums = w->findChild<QListWidget*>("forumsFoundList");
        QVERIFY(forums);
        forums->addItem("2- General");
        auto* address = w->findChild<QLineEdit*>("siteAddressEdit");
        auto* kinds = w->findChild<QComboBox*>("boardKindList");
        auto* save = w->findChild<QPushButton*>("saveButton");
        QVERIFY(address && kinds && save);
        address->setText("http://forum.test/");
        kinds->setCurrentIndex(kinds->findData(QStringLiteral("mybb18")));
        save->click();
    });
    auto window = MainStartup(context, m_dir.path(), {});
    QCOMPARE(driver.Driven(), 1);
    QCOMPARE(&window->Board().Kind(), &KindOf("mybb18"));
}

void tst_Startup::loadsTheUsersTranslation()
{
    // A German translation of one menu, installed in the data folder.
    QTemporaryDir program;
    QVERIFY(QDir(program.path()).mkpath(QStringLiteral("translations")));
    const QString source = program.filePath(QStringLiteral("translations/quillforge_de.ts"));
    QFile ts(source);
    QVERIFY(ts.open(QIODevice::WriteOnly));
    ts.write(R"(<?xml version="1.0" encoding="utf-8"?><!DOCTYPE TS><TS version="2.1" language="de">)"
             R"(<context><name>MainWindow</name><message><source>&amp;File</source>)"
             R"(<translation>&amp;Datei</translation></message></context></TS>)");
    ts.close();
    QCOMPARE(QProcess::execute(QStringLiteral(QF_LRELEASE), {QStringLiteral("-silent"), source}), 0);

    const QLocale before;
    ScriptedPlatform platform;
    AppContext context(program.path() + "/", &m_settings, &platform);
    for (const auto& [language, file] : {std::pair{QLocale::English, "&File"}, std::pair{QLocale::German, "&Datei"}}) {
        QLocale::setDefault(QLocale(language));
        LoadTranslations(context);
        MainWindow window(context);
        QCOMPARE(window.menuBar()->actions().constFirst()->text(), QString::fromUtf8(file));
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    QLocale::setDefault(before);
}

void tst_Startup::bundledIcon_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QStringLiteral("%1 pixels").arg(size))) << size;
}

void tst_Startup::bundledIcon()
{
    QFETCH(int, size);
    // Drawn at each size it is bundled in, not scaled from another.
    const QIcon icon = AppIcon::Bundled();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage picture = icon.pixmap(QSize(size, size)).toImage();
    QCOMPARE(picture.size(), QSize(size, size));
    QVERIFY2(picture.pixelColor(size / 2, size / 2).alpha() > 0, "the middle of the icon is empty");
}

void tst_Startup::nothingBundledWhereIconThemesAreSearched()
{
    // Qt searches every theme folder under each search path for each themed
    // picture the windows ask for; one in the program's resources has no
    // look-up cache, and costs the start-up thousands of look-ups.
    for (const QString& path : QIcon::themeSearchPaths()) {
        if (!path.startsWith(u':'))
            continue;
        QDirIterator found(path, QDir::AllEntries | QDir::NoDotAndDotDot);
        QVERIFY2(!found.hasNext(), qPrintable(found.hasNext() ? found.next() : QString()));
    }
}

QF_TEST_MAIN(tst_Startup)
#include "tst_startup.moc"
