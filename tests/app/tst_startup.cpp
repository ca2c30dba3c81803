// The start routine: the program folder, the command line and what start-up
// opens and shows.

#include "app/AppContext.h"
#include "app/AppFolder.h"
#include "app/MainStartup.h"
#include "app/SettingsStore.h"
#include "editor/PostDocument.h"
#include "editor/frmPost.h"
#include "support/ScriptedPlatform.h"
#include "support/TestMain.h"

#include <QPlainTextEdit>
#include <QLineEdit>

class tst_Startup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void appFolder_data();
    void appFolder();
    void commandLine_data();
    void commandLine();
    void pathThatOpensNothing_data();
    void pathThatOpensNothing();
    void siteAddressDecidesNothingElse_data();
    void siteAddressDecidesNothingElse();

private:
    QTemporaryDir m_dir;
    SettingsStore m_settings;
};

void tst_Startup::init()
{
    // Each test starts from an empty settings store.
    QSettings(SettingsStore::AppName, SettingsStore::AppName).clear();
}

void tst_Startup::appFolder_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("folder");
    QTest::newRow("root folder keeps its single separator") << "/" << "/";
    QTest::newRow("ordinary folder gains one") << "/opt/quillforge" << "/opt/quillforge/";
    QTest::newRow("folder with blanks") << "/home/a b/q f" << "/home/a b/q f/";
    QTest::newRow("already ending in a separator") << "/opt/q/" << "/opt/q/";
}

void tst_Startup::appFolder()
{
    QFETCH(QString, dir);
    QFETCH(QString, folder);
    QCOMPARE(QString::fromStdString(Startup::AppFolderFromDir(dir.toStdString())), folder);

    // The start routine fixes the context's folder by the same rule.
    ScriptedPlatform platform;
    AppContext context{QString(), &m_settings, &platform};
    m_settings.Save(SettingsStore::SiteAdressKey, "http://forum.test/");
    auto window = MainStartup(context, dir, {});
    QCOMPARE(context.appFolder, folder);
}

void tst_Startup::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("path");
    QTest::newRow("nothing") << QStringList{} << "";
    QTest::newRow("plain path") << QStringList{"/tmp/a.bbc"} << "/tmp/a.bbc";
    QTest::newRow("quoted path with blanks, one argument") << QStringList{"\"/tmp/my posts/a.bbc\""}
                                                           << "/tmp/my posts/a.bbc";
    QTest::newRow("path with blanks split by the shell") << QStringList{"/tmp/my", "posts/a.bbc"}
                                                         << "/tmp/my posts/a.bbc";
    QTest::newRow("quotes anywhere") << QStringList{"/tmp/\"a\".bbc\""} << "/tmp/a.bbc";
    QTest::newRow("two quoted paths join into one") << QStringList{"\"/tmp/a.bbc\"", "\"/tmp/b.bbc\""}
                                                    << "/tmp/a.bbc /tmp/b.bbc";
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
}

void tst_Startup::pathThatOpensNothing()
{
    QFETCH(QString, argument);
    QFile::remove(m_dir.filePath("gone.bbc"));
    ScriptedPlatform platform;
    AppContext context{QString(), &m_settings, &platform};
    m_settings.Save(SettingsStore::SiteAdressKey, "http://forum.test/");
    auto window = MainStartup(context, m_dir.path(), {argument});
    QVERIFY(window->isVisible());
    QCOMPARE(window->txtTitle->text(), QString());
    QCOMPARE(window->txtPost->toPlainText(), QString());
    QCOMPARE(window->Post().PostFileName, QString());
    QVERIFY(platform.messages.isEmpty());
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
        m_settings.Save(SettingsStore::SiteAdressKey, "http://forum.test/");
    if (nameStored)
        m_settings.Save(SettingsStore::SiteNameKey, "Test");
    ScriptedPlatform platform;
    AppContext context{QString(), &m_settings, &platform};
    auto window = MainStartup(context, m_dir.path(), {});
    QVERIFY(window->isVisible());
    QVERIFY(platform.messages.isEmpty());
    // Start-up reads but never writes the store.
    QCOMPARE(m_settings.Get(SettingsStore::SiteNameKey, "absent"), nameStored ? QString("Test") : QString("absent"));
}

QF_TEST_MAIN(tst_Startup)
#include "tst_startup.moc"
