// SPDX-License-Identifier: MIT
// The forum list file and the main window's forum chooser: the file's bytes,
// reading it back (line breaks, empty lines, encodings), the placeholder, the
// chosen entry's forum number, refills, files that cannot be read or
// written, a scan's entries tidied to one per forum, and names shown with
// their character references decoded.

#include "editor/MainWindow.h"
#include "forums/ForumChooser.h"
#include "forums/ForumList.h"
#include "forums/ForumListFile.h"
#include "support/EditorFixture.h"
#include "support/PermissionBits.h"
#include "support/PostControls.h"
#include "support/TestMain.h"
#include "base/Utf8.h"

#include <QComboBox>
#include <QDir>
#include <QFile>

namespace {

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->itemText(i));
    return items;
}

}  // namespace

class tst_ForumList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void roundTrip_data();
    void roundTrip();
    void readingLines_data();
    void readingLines();
    void scanResultTidied_data();
    void scanResultTidied();
    void shownText_data();
    void shownText();
    void chooserShowsNamesDecoded();
    void forumNumber_data();
    void forumNumber();
    void placeholderWithoutFile();
    void fileWithoutEntriesChoosesNothing();
    void refillChoosesTheFirstEntryAgain();
    void unreadableFileKeepsTheChooser();
    void unwritableFileKeepsTheOldOne();

private:
    void WriteFile(const QByteArray& bytes);
    QByteArray ReadFile() const;
    QString Path() const { return ForumListFile::PathOf(m_fixture->context); }

    std::unique_ptr<EditorFixture> m_fixture;
};

void tst_ForumList::init() { m_fixture = std::make_unique<EditorFixture>(); }

void tst_ForumList::cleanup() { m_fixture.reset(); }

void tst_ForumList::WriteFile(const QByteArray& bytes)
{
    QFile file(Path());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray tst_ForumList::ReadFile() const
{
    QFile file(Path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void tst_ForumList::roundTrip_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("two entries: 20 bytes, the list then one more CR LF")
        << QStringList{"1- News", "2- Help"} << QByteArray("1- News\r\n2- Help\r\n\r\n");
    QTest::newRow("commas, quotes and - in names stay one entry each")
        << QStringList{R"(3- Buy, sell, swap)", R"(4- "Quoted" name)", "5- Off-topic - misc", "6-"}
        << QByteArray("3- Buy, sell, swap\r\n4- \"Quoted\" name\r\n5- Off-topic - misc\r\n6-\r\n\r\n");
    QTest::newRow("entities, blanks and non-ASCII letters kept as they are in the file")
        << QStringList{"7- Help &amp; support ", "  8- Café Ölfeld"}
        << QByteArray("7- Help &amp; support \r\n  8- Caf\xc3\xa9 \xc3\x96lfeld\r\n\r\n");
    QTest::newRow("single entry") << QStringList{"12- General chat"} << QByteArray("12- General chat\r\n\r\n");
}

void tst_ForumList::roundTrip()
{
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, bytes);
    QVERIFY(ForumListFile::Write(m_fixture->context, nullptr, entries));
    QCOMPARE(ReadFile(), bytes);

    // A new main window loads them, in order, and chooses the first.
    auto window = m_fixture->MakeWindow();
    QStringList shown = entries;
    shown.replaceInStrings("&amp;", "&");
    QCOMPARE(Items(Controls(*window).forumChooser), shown);
    QCOMPARE(Controls(*window).forumChooser->currentIndex(), 0);
    QCOMPARE(window->ForumNumber(), entries[0].left(entries[0].indexOf('-')));
    QVERIFY(m_fixture->platform.messages.isEmpty());
    // Loading leaves the file as it was.
    QCOMPARE(ReadFile(), bytes);
}

void tst_ForumList::scanResultTidied_data()
{
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("last-post links: blank names and topic titles under a forum's number go")
        << QStringList{"2- Welcome", "2- ", "2- Re: First topic", "4- Archive", "4-  \t ", "2- Welcome"}
        << QStringList{"2- Welcome", "4- Archive"};
    QTest::newRow("a blank first entry does not hide the forum's named one")
        << QStringList{"5- ", "5- Community"} << QStringList{"5- Community"};
    QTest::newRow("non-breaking spaces, written or as references, are blank")
        << QStringList{"6- &nbsp;", "6- \u00a0 \u00a0", "7- &nbsp;Games"} << QStringList{"7- &nbsp;Games"};
    QTest::newRow("order kept, different numbers all stay")
        << QStringList{"10- B", "9- A", "11- C"} << QStringList{"10- B", "9- A", "11- C"};
    QTest::newRow("only blank names: nothing") << QStringList{"1- ", "2-  "} << QStringList{};
    QTest::newRow("an empty number is a number too") << QStringList{"- One", "- Two"} << QStringList{"- One"};
}

void tst_ForumList::scanResultTidied()
{
    QFETCH(QStringList, found);
    QFETCH(QStringList, kept);
    std::vector<std::string> entries;
    for (const QString& entry : found)
        entries.push_back(ToUtf8(entry));
    QStringList result;
    for (const std::string& entry : ForumList::WithoutBlankAndRepeated(std::move(entries)))
        result << ToQString(entry);
    QCOMPARE(result, kept);
}

void tst_ForumList::shownText_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("shown");
    QTest::newRow("named references") << "3- Meetings &amp; Exhibitions &lt;b&gt; &quot;x&quot; &apos;y&apos;"
                                      << "3- Meetings & Exhibitions <b> \"x\" 'y'";
    QTest::newRow("numeric references, decimal and hex")
        << "4- Bob&#39;s &#x27;corner&#X27; &#233;t&#xE9;" << QString::fromUtf8("4- Bob's 'corner' \xC3\xA9t\xC3\xA9");
    QTest::newRow("a character outside the basic plane")
        << "5- Fun &#128512;" << QString::fromUtf8("5- Fun \xF0\x9F\x98\x80");
    QTest::newRow("decoded once only") << "6- Q&amp;amp;A &amp;#39;"
                                       << "6- Q&amp;A &#39;";
    QTest::newRow("no semicolon, unknown names and bare & stay") << "7- Tips & Tricks &amp &copy; &#39 &#; &#x;"
                                                                 << "7- Tips & Tricks &amp &copy; &#39 &#; &#x;";
    QTest::newRow("no character: replacement character")
        << "8- &#0; &#xD800; &#1114112; &#99999999999999999999;"
        << QString::fromUtf8("8- \xEF\xBF\xBD \xEF\xBF\xBD \xEF\xBF\xBD \xEF\xBF\xBD");
    QTest::newRow("non-breaking space") << "9- A&nbsp;B"
                                        << QString::fromUtf8("9- A\xC2\xA0"
                                                             "B");
}

void tst_ForumList::shownText()
{
    QFETCH(QString, entry);
    QFETCH(QString, shown);
    QCOMPARE(ToQString(ForumList::ShownText(ToUtf8(entry))), shown);
}

void tst_ForumList::chooserShowsNamesDecoded()
{
    // A list written by an earlier version, names as the index page had them.
    WriteFile("12&#45;3- Q&amp;A\r\n7- Bob&#39;s &amp; Co\r\n\r\n");
    auto window = m_fixture->MakeWindow();
    QCOMPARE(Items(Controls(*window).forumChooser), (QStringList{"12-3- Q&A", "7- Bob's & Co"}));
    // The number comes from the entry as stored, not from the shown text.
    QCOMPARE(window->ForumNumber(), QString("12&#45;3"));
    Controls(*window).forumChooser->setEnabled(true);
    Controls(*window).forumChooser->setFocus();
    QTest::keyClick(Controls(*window).forumChooser, Qt::Key_Down);
    QCOMPARE(window->ForumNumber(), QString("7"));
}

void tst_ForumList::readingLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("CR LF, lone CR and lone LF each end a line")
        << QByteArray("1- A\r\n2- B\r3- C\n4- D") << QStringList{"1- A", "2- B", "3- C", "4- D"};
    QTest::newRow("empty lines anywhere are skipped")
        << QByteArray("\r\n\r\n1- A\r\n\r\n\n\r2- B\r\n\r\n\r\n") << QStringList{"1- A", "2- B"};
    QTest::newRow("a line of blanks is an entry") << QByteArray(" \r\n1- A\r\n\r\n") << QStringList{" ", "1- A"};
    QTest::newRow("a byte-order mark is not part of the first entry") << QByteArray("\xEF\xBB\xBF"
                                                                                    "12- Caf\xc3\xa9\r\n3- B\r\n\r\n")
                                                                      << QStringList{"12- Café", "3- B"};
    QTest::newRow("UTF-8") << QByteArray("1- Caf\xc3\xa9\r\n\r\n") << QStringList{"1- Café"};
    QTest::newRow("Windows-1252 from an older system")
        << QByteArray("1- Caf\xe9 \x80\r\n2- \x93Quoted\x94\r\n\r\n") << QStringList{"1- Café €", "2- “Quoted”"};
}

void tst_ForumList::readingLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    WriteFile(bytes);
    auto window = m_fixture->MakeWindow();
    QCOMPARE(Items(Controls(*window).forumChooser), entries);
    QCOMPARE(Controls(*window).forumChooser->currentText(), entries[0]);
    // The first entry as the core reads it, before Qt's own decoder (which
    // drops a byte-order mark by itself) sees it.
    QVERIFY(ForumList::Parse(bytes.toStdString()).front() == ToUtf8(entries[0]));
}

void tst_ForumList::forumNumber_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("number");
    QTest::newRow("number, - and name") << "12- General chat"
                                        << "12";
    QTest::newRow("text before the first -") << "7-News-old"
                                             << "7";
    QTest::newRow("entry starting with -") << "- Name"
                                           << "";
    QTest::newRow("number not numeric") << "abc- Name"
                                        << "abc";
    QTest::newRow("no - at all: a bare number") << "42"
                                                << "42";
    QTest::newRow("no - at all: a name, taken whole") << "General chat"
                                                      << "General chat";
}

void tst_ForumList::forumNumber()
{
    QFETCH(QString, entry);
    QFETCH(QString, number);
    WriteFile(entry.toUtf8() + "\r\n\r\n");
    auto window = m_fixture->MakeWindow();
    QCOMPARE(Controls(*window).forumChooser->currentText(), entry);
    QCOMPARE(window->ForumNumber(), number);
}

void tst_ForumList::placeholderWithoutFile()
{
    QVERIFY(!QFile::exists(Path()));
    auto window = m_fixture->MakeWindow();
    QCOMPARE(Items(Controls(*window).forumChooser), QStringList{"Please define forums in the options in edit menu"});
    QCOMPARE(Controls(*window).forumChooser->currentIndex(), 0);
    QCOMPARE(window->ForumNumber(), QString());
    // Choosing the placeholder leaves the number as it was.
    WriteFile("5- Five\r\n\r\n");
    window->ReloadForums();
    QCOMPARE(window->ForumNumber(), QString("5"));
    QVERIFY(QFile::remove(Path()));
    window->ReloadForums();
    QCOMPARE(Controls(*window).forumChooser->count(), 1);
    QCOMPARE(window->ForumNumber(), QString("5"));
    QVERIFY(m_fixture->platform.messages.isEmpty());
}

void tst_ForumList::fileWithoutEntriesChoosesNothing()
{
    WriteFile("\r\n\r\n");
    auto window = m_fixture->MakeWindow();
    QCOMPARE(Controls(*window).forumChooser->count(), 0);
    QCOMPARE(Controls(*window).forumChooser->currentText(), QString());
    QCOMPARE(window->ForumNumber(), QString());
}

void tst_ForumList::refillChoosesTheFirstEntryAgain()
{
    WriteFile("1- News\r\n2- Help\r\n3- Chat\r\n\r\n");
    auto window = m_fixture->MakeWindow();
    QCOMPARE(window->ForumNumber(), QString("1"));

    // The user picks the second entry (the chooser is usable once "New
    // topic" is chosen).
    Controls(*window).forumChooser->setEnabled(true);
    Controls(*window).forumChooser->setFocus();
    QTest::keyClick(Controls(*window).forumChooser, Qt::Key_Down);
    QCOMPARE(Controls(*window).forumChooser->currentText(), QString("2- Help"));
    QCOMPARE(window->ForumNumber(), QString("2"));

    // Loading the same file again gives the same entries and chooses the
    // first again.
    window->ReloadForums();
    QCOMPARE(Items(Controls(*window).forumChooser), (QStringList{"1- News", "2- Help", "3- Chat"}));
    QCOMPARE(Controls(*window).forumChooser->currentIndex(), 0);
    QCOMPARE(window->ForumNumber(), QString("1"));

    // A new list replaces the old one whole.
    QTest::keyClick(Controls(*window).forumChooser, Qt::Key_Down);
    QCOMPARE(window->ForumNumber(), QString("2"));
    QVERIFY(ForumListFile::Write(m_fixture->context, window.get(), {"9- Games", "10- Music"}));
    window->ReloadForums();
    QCOMPARE(Items(Controls(*window).forumChooser), (QStringList{"9- Games", "10- Music"}));
    QCOMPARE(Controls(*window).forumChooser->currentText(), QString("9- Games"));
    QCOMPARE(window->ForumNumber(), QString("9"));
}

void tst_ForumList::unreadableFileKeepsTheChooser()
{
    WriteFile("1- News\r\n\r\n");
    auto window = m_fixture->MakeWindow();
    // A folder where the file should be: reading it cannot work.
    QVERIFY(QFile::remove(Path()));
    QVERIFY(QDir().mkdir(Path()));
    window->ReloadForums();
    QCOMPARE(m_fixture->platform.messages.size(), 1);
    const MsgBoxCall& message = m_fixture->platform.messages[0];
    QVERIFY2(message.text.startsWith(QString("Could not read the file \"%1\".\r\n").arg(Path())),
             qPrintable(message.text));
    QCOMPARE(message.icon, MsgIcon::Critical);
    QCOMPARE(message.owner, window.get());
    QCOMPARE(Items(Controls(*window).forumChooser), QStringList{"1- News"});
    QCOMPARE(window->ForumNumber(), QString("1"));
}

void tst_ForumList::unwritableFileKeepsTheOldOne()
{
    WriteFile("1- News\r\n\r\n");
    const QString folder = m_fixture->folder.path();
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    bool written = true;
    {
        PermissionBits permissions;
        if (!permissions.Binding()) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("permission bits cannot be made to bind here");
        }
        written = ForumListFile::Write(m_fixture->context, nullptr, {"2- Help"});
    }
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(!written);
    QCOMPARE(m_fixture->platform.messages.size(), 1);
    const QString text = m_fixture->platform.messages[0].text;
    QVERIFY2(text.startsWith(QString("Could not write the file \"%1\".\r\n").arg(Path())), qPrintable(text));
    QVERIFY2(text.size() > text.indexOf("\r\n") + 2, "the system's reason follows");
    QCOMPARE(ReadFile(), QByteArray("1- News\r\n\r\n"));
}

QF_TEST_MAIN(tst_ForumList)
#include "tst_forumlist.moc"
