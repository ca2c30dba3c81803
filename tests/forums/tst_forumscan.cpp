// SPDX-License-Identifier: MIT
// The forum-link scan and the closing-tag rewrite that prepares the page text
// for it (Qt-free core), on page texts written as the browser serialises them.

#include "base/Utf8.h"
#include "board/classic/ForumScan.h"
#include "support/TestMain.h"

namespace {

QStringList Entries(const ForumScan::Result& result)
{
    QStringList entries;
    for (const std::string& entry : result.entries)
        entries.append(ToQString(entry));
    return entries;
}

}  // namespace

class tst_ForumScan : public QObject {
    Q_OBJECT
private slots:
    void scan_data();
    void scan();
    void incompleteScanKeepsEarlierEntries_data();
    void incompleteScanKeepsEarlierEntries();
    void linkEndsRewritten_data();
    void linkEndsRewritten();
    void oneLine_data();
    void oneLine();
    void boardPages_data();
    void boardPages();
    void manyLinksWithoutAmpersandsOrMarkersAfterThem();
};

void tst_ForumScan::scan_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("worked example: quote and entity end the numbers, entities kept in names")
        << R"(<a href="forum.php?f=3">Announcements</A> and <a href="forum.php?f=7&amp;sid=9">Help &amp; support</A>)"
        << QStringList{"3- Announcements", "7- Help &amp; support"};
    QTest::newRow("number ends at the entity of a session id")
        << R"(<a href="viewforum.php?f=12&amp;sid=0a1b&amp;start=50">Chat</A>)" << QStringList{"12- Chat"};
    QTest::newRow("plain &f= counts like ?f=") << R"(go.php?s=1&f=5">Five</A>)" << QStringList{"5- Five"};
    QTest::newRow("&amp;f= in a link address counts like &f=")
        << R"(<a href="forumdisplay.php?s=ab12&amp;f=21">Off topic</A>)" << QStringList{"21- Off topic"};
    QTest::newRow("&amp;f= number ends at the next entity")
        << R"(<a href="forumdisplay.php?s=&amp;f=4&amp;daysprune=30">Help</A>)" << QStringList{"4- Help"};
    QTest::newRow("no marker anywhere") << R"(<a href="index.php?c=1">Category</A>)" << QStringList{};
    QTest::newRow("empty page") << "" << QStringList{};
    QTest::newRow("marker letters are exact: ?F= is no marker") << R"(<a href="x.php?F=1">One</A>)" << QStringList{};
    QTest::newRow("last link followed by no further marker ends normally")
        << R"(<a href="?f=1">One</A><p>footer</p>)" << QStringList{"1- One"};
    QTest::newRow("forum linked twice gives two equal entries in page order")
        << R"(<a href="?f=2">Two</A> <a href="?f=1">One</A> <a href="?f=2">Two</A>)"
        << QStringList{"2- Two", "1- One", "2- Two"};
    QTest::newRow("marker outside a link takes its name from the next </A>")
        << R"(<p>see ?f=6"</p><a href="index.php">Board index</A>)" << QStringList{"6- Board index"};
    QTest::newRow("a marker before the previous entry's </A> is passed over")
        << R"(<a href="?f=1" title="?f=2">One</A><a href="?f=3">Three</A>)" << QStringList{"1- One", "3- Three"};
    QTest::newRow("lower-case </a> is no link end: the scan runs on to a later </A>")
        << R"(<a href="?f=1">One</a> <a href="?f=2">Two</A>)" << QStringList{"1- Two"};
    QTest::newRow("inner tag: only the text after its last >")
        << R"(<a href="?f=1"><b>Bold</b> forum</A>)" << QStringList{"1-  forum"};
    QTest::newRow("inner tag closing right before </A> gives an empty name")
        << R"(<a href="?f=1"><b>Bold</b></A>)" << QStringList{"1- "};
    QTest::newRow("picture link gives an empty name")
        << R"(<a href="?f=1"><img src="a.gif"></A>)" << QStringList{"1- "};
    QTest::newRow("no > before </A>: the name starts after the number's end")
        << R"(?f=4"Name</A>)" << QStringList{"4- Name"};
    QTest::newRow("empty number") << R"(<a href="?f=">Name</A>)" << QStringList{"- Name"};
    QTest::newRow("name may hold - , and quotes")
        << R"(<a href="?f=9">Buy, sell - "swap"</A>)" << QStringList{R"(9- Buy, sell - "swap")"};
    QTest::newRow("name's line breaks and indentation become one blank")
        << "<a href=\"?f=1\">\n\t\tGeneral\r\n  chat\n\t</A>" << QStringList{"1-  General chat "};
    QTest::newRow("name's runs without a line break stay")
        << "<a href=\"?f=1\">General\t\tchat  room</A>" << QStringList{"1- General\t\tchat  room"};
    QTest::newRow("a number holding a line break stays on one line")
        << "<script>u='?f=\n3';</script><a href=\"x\">Name</A>" << QStringList{" 3';</script><a href=- Name"};
    QTest::newRow("non-ASCII names are kept byte for byte")
        << R"(<a href="?f=1">Café &amp; Ölfeld ✓</A>)" << QStringList{"1- Café &amp; Ölfeld ✓"};
}

void tst_ForumScan::scan()
{
    QFETCH(QString, page);
    QFETCH(QStringList, entries);
    const ForumScan::Result result = ForumScan::Scan(ToUtf8(page));
    QCOMPARE(Entries(result), entries);
    QVERIFY(result.complete);
}

void tst_ForumScan::incompleteScanKeepsEarlierEntries_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("marker with neither quote nor & after it")
        << R"(<a href="?f=1">One</A> text ?f=2 to the end)" << QStringList{"1- One"};
    QTest::newRow("number without a following </A>")
        << R"(<a href="?f=1">One</A> <a href="?f=2">Two</a>)" << QStringList{"1- One"};
    QTest::newRow("first marker already fails") << R"(<a href="?f=2">Two</a>)" << QStringList{};
}

void tst_ForumScan::incompleteScanKeepsEarlierEntries()
{
    QFETCH(QString, page);
    QFETCH(QStringList, entries);
    const ForumScan::Result result = ForumScan::Scan(ToUtf8(page));
    QCOMPARE(Entries(result), entries);
    QVERIFY(!result.complete);
}

void tst_ForumScan::linkEndsRewritten_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("expected");

    QTest::newRow("closing anchor in lower case") << R"(<a href="x">t</a>)"
                                                  << R"(<a href="x">t</A>)";
    QTest::newRow("already upper case") << "<a>t</A>"
                                        << "<a>t</A>";
    QTest::newRow("blank or line break before >") << "<a>t</a >|<a>u</a\n>"
                                                  << "<a>t</A>|<a>u</A>";
    QTest::newRow("other end tags starting with a stay") << "</abbr></address></aside>"
                                                         << "</abbr></address></aside>";
    QTest::newRow("commented-out link stays") << R"(<!-- <a href="?f=8">Old</a> --><a>t</a>)"
                                              << R"(<!-- <a href="?f=8">Old</a> --><a>t</A>)";
    QTest::newRow("empty comments end where they stand") << "<!--></a><!---></a>"
                                                         << "<!--></A><!---></A>";
    QTest::newRow("comment that never ends") << "<!-- </a> <a>t</a>"
                                             << "<!-- </a> <a>t</a>";
    QTest::newRow("link written by a script stays")
        << R"(<script>document.write('<a href="?f=4">x</a>');</script></a>)"
        << R"(<script>document.write('<a href="?f=4">x</a>');</script></A>)";
    QTest::newRow("script end tag in capitals with a blank")
        << "<SCRIPT type=\"text/javascript\">s='</a>'</SCRIPT ></a>"
        << "<SCRIPT type=\"text/javascript\">s='</a>'</SCRIPT ></A>";
    QTest::newRow("script end needs the whole name") << "<script>x='</scripts></a>'</script></a>"
                                                     << "<script>x='</scripts></a>'</script></A>";
    QTest::newRow("a script that never ends") << "<script>x='</a>'"
                                              << "<script>x='</a>'";
    QTest::newRow("style, textarea, title, noscript and iframe contents stay")
        << "<style>/*</a>*/</style><textarea></a></textarea><title></a></title><noscript></a></noscript>"
           "<iframe></a></iframe></a>"
        << "<style>/*</a>*/</style><textarea></a></textarea><title></a></title><noscript></a></noscript>"
           "<iframe></a></iframe></A>";
    QTest::newRow("an element whose name starts like script is ordinary") << "<scripts></a>"
                                                                          << "<scripts></A>";
    QTest::newRow("everything after plaintext is text") << "</a><plaintext></a>"
                                                        << "</A><plaintext></a>";
    QTest::newRow("attribute values holding </a> stay") << R"(<img alt="</a>"><img title='</a>'></a>)"
                                                        << R"(<img alt="</a>"><img title='</a>'></A>)";
    QTest::newRow("> inside a quoted value does not end the tag") << R"(<a title="a > b </a>">t</a>)"
                                                                  << R"(<a title="a > b </a>">t</A>)";
    QTest::newRow("unquoted values") << "<a href=x.php?f=1>t</a>"
                                     << "<a href=x.php?f=1>t</A>";
    QTest::newRow("text with a lone <") << "1 < 2 </a>"
                                        << "1 < 2 </A>";
    QTest::newRow("declarations and processing instructions") << "<!DOCTYPE html><?xml x?></a>"
                                                              << "<!DOCTYPE html><?xml x?></A>";
    QTest::newRow("tag that never ends") << R"(<a title="</a>)"
                                         << R"(<a title="</a>)";
    QTest::newRow("</ before a non-letter is a comment up to >") << "</ x</a>></a>"
                                                                 << "</ x</a>></A>";
}

void tst_ForumScan::linkEndsRewritten()
{
    QFETCH(QString, html);
    QFETCH(QString, expected);
    QCOMPARE(ToQString(ForumScan::WithUpperCaseLinkEnds(ToUtf8(html))), expected);
}

void tst_ForumScan::oneLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no white space") << "abc"
                                    << "abc";
    QTest::newRow("CR LF, CR and LF runs") << "a\r\nb\rc\nd"
                                           << "a b c d";
    QTest::newRow("run mixing blanks, tabs and breaks") << "a \t\r\n\t b"
                                                        << "a b";
    QTest::newRow("runs without a break stay") << "a \t b"
                                               << "a \t b";
    QTest::newRow("breaks at both ends") << "\n a \n"
                                         << " a ";
    QTest::newRow("form feed is white space, not a break") << "a\f b"
                                                           << "a\f b";
}

void tst_ForumScan::oneLine()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ToQString(ForumScan::OneLine(ToUtf8(text))), expected);
}

void tst_ForumScan::boardPages_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("entries");

    // Body HTML as the browser gives it: lower-case tags, double quotes, "&"
    // as "&amp;" in addresses.
    QTest::newRow("category table with session ids and a moderator link")
        << R"(<table class="forumline"><tbody><tr><td class="catLeft"><a href="index.php?c=1&amp;sid=0a1b" class="cattitle">General</a></td></tr>
<tr><td class="row1"><span class="forumlink"> <a href="viewforum.php?f=1&amp;sid=0a1b" class="forumlink">Announcements</a><br>
</span><span class="gensmall">Moderator <a href="profile.php?mode=viewprofile&amp;u=2&amp;sid=0a1b">admin</a></span></td>
<td><a href="viewtopic.php?p=12&amp;sid=0a1b#12"><img src="icon_latest_reply.gif" alt="View latest post"></a></td></tr>
<tr><td class="row1"><a href="viewforum.php?f=2&amp;sid=0a1b" class="forumlink">Help &amp; Support</a></td></tr></tbody></table>)"
        << QStringList{"1- Announcements", "2- Help &amp; Support"};
    QTest::newRow("last-post links naming their forum give entries of their own")
        << R"(<a href="./viewforum.php?f=2&amp;sid=9f" class="forumtitle">Your first forum</a>
<a href="./viewtopic.php?f=2&amp;p=1&amp;sid=9f#p1" class="lastsubject">Welcome</a>
<a href="./viewtopic.php?f=2&amp;p=1&amp;sid=9f#p1" title="View the latest post"><i class="icon"></i><span>View the latest post</span></a>)"
        << QStringList{"2- Your first forum", "2- Welcome", "2- "};
    QTest::newRow("name with inner tags")
        << R"(<a href="viewforum.php?f=5"><span style="color: red">Rules</span> &amp; <b>FAQ</b></a>)"
        << QStringList{"5- "};
    QTest::newRow("commented-out link pairs its number with the next link's name")
        << R"(<!-- <a href="viewforum.php?f=8">Old forum</a> --> <a href="viewforum.php?f=3">Games</a> <a href="viewforum.php?f=4">Music</a>)"
        << QStringList{"8- Games", "4- Music"};
    QTest::newRow("link inside a script pairs with the next link's name")
        << R"(<script>var u = "viewforum.php?f=9"; document.write('<a href="' + u + '">x</a>');</script><a href="viewforum.php?f=3">Games</a>)"
        << QStringList{"9- Games"};
}

void tst_ForumScan::boardPages()
{
    QFETCH(QString, page);
    QFETCH(QStringList, entries);
    const ForumScan::Result result = ForumScan::Scan(ForumScan::WithUpperCaseLinkEnds(ToUtf8(page)));
    QCOMPARE(Entries(result), entries);
    QVERIFY(result.complete);
}

void tst_ForumScan::manyLinksWithoutAmpersandsOrMarkersAfterThem()
{
    // A page whose searches for "&" and "&f=" never succeed: each must still
    // look at the page once, not once per link (checked here for the result;
    // bench_forums measures the time).
    std::string page;
    const int links = 20000;
    for (int i = 0; i < links; ++i)
        page += "<a href=\"viewforum.php?f=" + std::to_string(i) + "\">Forum " + std::to_string(i) + "</A>\n";
    const ForumScan::Result result = ForumScan::Scan(page);
    QCOMPARE(result.entries.size(), size_t(links));
    QCOMPARE(ToQString(result.entries.back()), QString("19999- Forum 19999"));
}

QF_TEST_MAIN(tst_ForumScan)
#include "tst_forumscan.moc"
