// SPDX-License-Identifier: MIT
// The settings file's format: every typed setting reads and writes the group,
// key and value that earlier versions used, so a user's existing file loads
// unchanged.

#include "base/Settings.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

class tst_Settings : public QObject {
    Q_OBJECT
private slots:
    void init();
    void aFileOfAnEarlierVersionLoads();
    void writtenAsEarlierVersionsWrote();
    void defaultsWhenNothingIsStored();
    void boardProfileGroups();
    void sitesKeepTheFirstWhereEarlierVersionsReadIt();

private:
    // The settings file, as QSettings finds it.
    static QString FilePath();
    static QString Stored(const QString& group, const QString& key);
};

QString tst_Settings::FilePath() { return QSettings(Settings::AppName, Settings::AppName).fileName(); }

QString tst_Settings::Stored(const QString& group, const QString& key)
{
    QSettings file(Settings::AppName, Settings::AppName);
    return file.value(group + QLatin1Char('/') + key, QStringLiteral("(none)")).toString();
}

void tst_Settings::init() { QSettings(Settings::AppName, Settings::AppName).clear(); }

void tst_Settings::aFileOfAnEarlierVersionLoads()
{
    QVERIFY(QDir().mkpath(QFileInfo(FilePath()).path()));
    QFile file(FilePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Options]\n"
               "SiteAdress=http://forum.example.org/board/\n"
               "SiteName=My Forum\n"
               "CheckSpelling=0\n"
               "SpellingLanguage=de_DE\n"
               "HighlightBBCode=0\n"
               "\n"
               "[NewTopicMode]\n"
               // The key is the percent-encoded address, whose "%" the file escapes again.
               "http%253A%252F%252Fforum.example.org%252Fboard%252F=newtopic\n");
    file.close();

    const Settings settings;
    QCOMPARE(settings.siteAddress(), QString("http://forum.example.org/board/"));
    QCOMPARE(settings.siteName(), QString("My Forum"));
    QCOMPARE(settings.checkSpelling(), false);
    QCOMPARE(settings.spellingLanguage(), QString("de_DE"));
    QCOMPARE(settings.highlightBBCode(), false);
    QCOMPARE(settings.newTopicMode("http://forum.example.org/board/"), QString("newtopic"));
    QCOMPARE(settings.newTopicMode("http://other.example.org/"), QString());
}

void tst_Settings::writtenAsEarlierVersionsWrote()
{
    Settings settings;
    settings.setSiteAddress("https://forum.test/");
    settings.setSiteName("Test");
    settings.setCheckSpelling(false);
    settings.setSpellingLanguage("en_GB");
    settings.setHighlightBBCode(true);
    settings.setNewTopicMode("https://forum.test/", "post");
    settings.setLivePreview(true);
    settings.setLivePreviewSizes({540, 420});

    QCOMPARE(Stored("Options", "LivePreview"), QString("1"));
    QCOMPARE(Stored("Options", "LivePreviewSizes"), QString("540 420"));
    QCOMPARE(settings.livePreviewSizes(), QList<int>({540, 420}));
    QCOMPARE(Stored("Options", "SiteAdress"), QString("https://forum.test/"));
    QCOMPARE(Stored("Options", "SiteName"), QString("Test"));
    QCOMPARE(Stored("Options", "CheckSpelling"), QString("0"));
    QCOMPARE(Stored("Options", "SpellingLanguage"), QString("en_GB"));
    QCOMPARE(Stored("Options", "HighlightBBCode"), QString("1"));
    QCOMPARE(Stored("NewTopicMode", "https%3A%2F%2Fforum.test%2F"), QString("post"));

    settings.setCheckSpelling(true);
    settings.setHighlightBBCode(false);
    QCOMPARE(Stored("Options", "CheckSpelling"), QString("1"));
    QCOMPARE(Stored("Options", "HighlightBBCode"), QString("0"));

    settings.setZoom(-2);
    QCOMPARE(Stored("Options", "Zoom"), QString("-2"));
    settings.setRecentPosts({"/a/new.bbc", "/b/old.bbc"});
    QCOMPARE(Stored("RecentPosts", "File1"), QString("/a/new.bbc"));
    QCOMPARE(Stored("RecentPosts", "File2"), QString("/b/old.bbc"));
    // A shorter list leaves no older entry behind.
    settings.setRecentPosts({"/b/old.bbc"});
    QCOMPARE(settings.recentPosts(), QStringList{"/b/old.bbc"});
    QCOMPARE(Stored("RecentPosts", "File2"), QString("(none)"));
}

void tst_Settings::defaultsWhenNothingIsStored()
{
    const Settings settings;
    QCOMPARE(settings.siteAddress(), QString());
    QCOMPARE(settings.siteAddress("HTTP://"), QString("HTTP://"));
    QCOMPARE(settings.siteName("My Forum"), QString("My Forum"));
    QCOMPARE(settings.checkSpelling(), true);
    QCOMPARE(settings.spellingLanguage(), QString());
    QCOMPARE(settings.highlightBBCode(), true);
    QCOMPARE(settings.livePreview(), false);
    QCOMPARE(settings.livePreviewSizes(), QList<int>());
    QCOMPARE(settings.zoom(), 0);
    QCOMPARE(settings.recentPosts(), QStringList());
    // Sizes edited into something else are dropped whole.
    Settings().setValue("Options", "LivePreviewSizes", "540 wide");
    QCOMPARE(settings.livePreviewSizes(), QList<int>());
    // A value stored empty is not the default.
    Settings().setSiteAddress(QString());
    QCOMPARE(settings.siteAddress("HTTP://"), QString());
    // Anything but "0" keeps a switch on, as it always did.
    Settings().setValue("Options", "CheckSpelling", "yes");
    QCOMPARE(settings.checkSpelling(), true);
}

void tst_Settings::boardProfileGroups()
{
    Settings settings;
    const QString group = "Boards/" + Settings::siteKey("http://forum.test/");
    QCOMPARE(group, QString("Boards/http%3A%2F%2Fforum.test%2F"));
    settings.setValue(group, "Found", "phpbb3");
    QCOMPARE(Stored(group, "Found"), QString("phpbb3"));
    QCOMPARE(settings.value(group, "Found"), QString("phpbb3"));
    QCOMPARE(settings.value(group, "Choice", "automatic"), QString("automatic"));
}

void tst_Settings::sitesKeepTheFirstWhereEarlierVersionsReadIt()
{
    // The one site of an earlier version is the first site, chosen.
    Settings settings;
    settings.setSiteAddress("http://forum.example.org/board/");
    settings.setSiteName("My Forum");
    const SiteEntry first{Settings::FirstSiteId, "http://forum.example.org/board/", "My Forum"};
    QCOMPARE(settings.sites(), QList<SiteEntry>({first}));
    QCOMPARE(settings.chosenSite(), first);

    // A second site (the same board, another account) lives in a group of
    // its own; the first stays in [Options].
    const SiteEntry second{settings.newSiteId(), "http://forum.example.org/board/", "Second account"};
    QCOMPARE(second.id, QString("2"));
    settings.setSites({first, second});
    settings.setChosenSite(second.id);
    QCOMPARE(Settings().sites(), QList<SiteEntry>({first, second}));
    QCOMPARE(Settings().chosenSite(), second);
    QCOMPARE(Stored("Options", "SiteName"), QString("My Forum"));
    QCOMPARE(Stored("Sites/2", "Name"), QString("Second account"));

    // Removing the first makes the second the first, where earlier versions
    // read it; the removed id is listed for its browser data and never
    // given again.
    settings.setSites({second});
    QCOMPARE(Stored("Options", "SiteName"), QString("Second account"));
    QCOMPARE(Stored("Sites/2", "Name"), QString("(none)"));
    QCOMPARE(settings.sites(), QList<SiteEntry>({second}));
    QCOMPARE(settings.removedSites(), QStringList({"1"}));
    QCOMPARE(settings.newSiteId(), QString("3"));
    // A chosen site that is gone gives the first.
    settings.setChosenSite("1");
    QCOMPARE(settings.chosenSite(), second);
}

QF_TEST_MAIN(tst_Settings)
#include "tst_settings.moc"
