// SPDX-License-Identifier: MIT
// What the program reads from a board's pages: the kind a page shows, and the
// smilies, own tags and limits of a posting page, as the browser serialises
// its body.

#include "board/BoardProfile.h"
#include "board/Boards.h"
#include "support/TestMain.h"

namespace {

QString Joined(const BoardProfile& page)
{
    QStringList parts;
    for (const BoardSmiley& s : page.smilies)
        parts << QString::fromStdString(s.code + "=" + s.title + "@" + s.picture)
                + QStringLiteral(" %1x%2").arg(s.width).arg(s.height) + (s.id ? QStringLiteral(" #%1").arg(s.id) : "");
    for (const BoardTag& t : page.tags)
        parts << QString::fromStdString(t.Opening() + t.Closing() + " " + t.help);
    if (page.maxChars)
        parts << QStringLiteral("chars %1").arg(page.maxChars);
    if (page.maxFontSize)
        parts << QStringLiteral("size %1").arg(page.maxFontSize);
    return parts.join(QStringLiteral(" | "));
}

}  // namespace

class tst_BoardProfile : public QObject {
    Q_OBJECT
private slots:
    void kindOfAPage_data();
    void kindOfAPage();
    void postingPageOffer_data();
    void postingPageOffer();
};

void tst_BoardProfile::kindOfAPage_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("kind");
    QTest::newRow("phpBB 3 posting form: its form keys and form id")
        << "<form id=\"postform\" action=\"./posting.php?mode=post&amp;f=2\"><input type=\"hidden\" "
           "name=\"form_token\">"
        << "phpbb3";
    QTest::newRow("phpBB 3 login box") << "<form action=\"./ucp.php?mode=login\"><input name=\"creation_time\">"
                                       << "phpbb3";
    QTest::newRow("phpBB 2 posting form and header links")
        << "<a href=\"profile.php?mode=editprofile&amp;sid=1\">Profile</a><a href=\"login.php?logout=true\">Log out</a>"
           "<form action=\"posting.php\" name=\"post\"><input type=\"submit\" class=\"mainoption\" name=\"post\">"
        << "phpbb2";
    QTest::newRow("phpBB 3.0's second style writes forumlink too, but ucp.php")
        << "<a class=\"forumlink\" href=\"./viewforum.php?f=2\">Forum</a><a href=\"./ucp.php?mode=register\">"
        << "phpbb3";
    QTest::newRow("a login.php link alone says phpBB 2") << "<p>Welcome</p><a href=\"login.php\">"
                                                         << "phpbb2";
    QTest::newRow("MyBB index: forum links by fid, status spans, template comments, the quick-login box")
        << "<!-- start: header --><div id=\"quick_login\"><input name=\"my_post_key\"></div><!-- end: header -->"
           "<span class=\"forum_status forum_off\"></span><a href=\"forumdisplay.php?fid=2\">Chat</a>"
        << "mybb18";
    QTest::newRow("MyBB posting page with search-engine friendly links")
        << "<form action=\"newthread.php?fid=2&amp;processed=1\" name=\"input\"><input type=\"hidden\" "
           "name=\"my_post_key\"></form><a href=\"forum-2.html\">Chat</a><a href=\"member.php?action=logout\">"
        << "mybb18";
    QTest::newRow("SMF index: board links, its board list, its footer")
        << "<div id=\"boardindex_table\"><div id=\"board_1\" class=\"up_contain \"><a "
           "href=\"https://ex.org/index.php?board=1.0\">General</a></div></div><a "
           "href=\"https://www.simplemachines.org\">"
        << "smf21";
    QTest::newRow("SMF kick page: its login form and post action")
        << "<form action=\"https://ex.org/index.php?action=login2\" id=\"frmLogin\"></form>"
           "<a href=\"https://ex.org/index.php?action=post;board=1.0\">"
        << "smf21";
    QTest::newRow("nothing to go by") << "<p>Welcome</p>"
                                      << "";
    QTest::newRow("as much of one as of the other") << "<a href=\"./ucp.php?mode=login\"><a href=\"login.php\">"
                                                    << "";
}

void tst_BoardProfile::kindOfAPage()
{
    QFETCH(QString, html);
    QFETCH(QString, kind);
    const Board* found = Boards::FromPage(html.toStdString());
    QCOMPARE(found ? QString::fromUtf8(found->Key().data(), qsizetype(found->Key().size())) : QString(), kind);
}

void tst_BoardProfile::postingPageOffer_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("offer");
    QTest::newRow("phpBB 3.3: smiley box, own tag after the size list, stated length")
        << "<button name=\"addbbcode0\" value=\" B \">B</button><select name=\"addbbcode20\"><option "
           "value=\"50\">Tiny</option>"
           "<option value=\"200\">Huge</option></select>"
           "<button type=\"button\" name=\"addbbcode22\" value=\"spoiler=\" title=\"Spoiler: "
           "[spoiler=title]text[/spoiler]\">spoiler</button>"
           "<p>it may contain no more than <strong>1200</strong> characters.</p>"
           "<div id=\"smiley-box\"><a href=\"#\"><img src=\"./images/smilies/icon_e_biggrin.gif\" width=\"15\" "
           "height=\"17\" "
           "alt=\":D\" title=\"Very Happy\"></a><a><img src=\"x.gif\" alt=\"&lt;3\" title=\"Heart &amp; "
           "soul\"></a></div>"
           "<img src=\"./images/outside.gif\" alt=\":out:\">"
        << ":D=Very Happy@./images/smilies/icon_e_biggrin.gif 15x17 | <3=Heart & soul@x.gif 0x0"
           " | [spoiler=][/spoiler] Spoiler: [spoiler=title]text[/spoiler] | chars 1200";
    QTest::newRow("phpBB 3.0: tag buttons are inputs; a smaller largest size")
        << "<input type=\"button\" class=\"button2\" name=\"addbbcode24\" value=\"hr\" onclick=\"bbstyle(24)\">"
           "<input type=\"button\" name=\"addbbcode22\" value=\"hr\"><select name=\"addbbcode20\"><option "
           "value=\"50\">Tiny</option>"
           "<option value=\"150\">Large</option></select>"
        << "[hr][/hr]  | size 150";
    QTest::newRow("MyBB: the clickable smilies, each code in its onclick, its number in its class")
        << "<form action=\"newthread.php?fid=2&amp;processed=1\"><input type=\"hidden\" name=\"my_post_key\">"
           "<table id=\"clickable_smilies\"><tr><td><img src=\"https://ex.org/images/smilies/smile.png\" "
           "alt=\"Smile\" title=\"Smile\" class=\"smilie smilie_1 smilie_pointer\" "
           "onclick=\"MyBBEditor.insertText(' :) ');\"></td><td><img src=\"https://ex.org/images/smilies/cry.png\" "
           "alt=\"Cry\" title=\"Cry\" class=\"smilie smilie_21 smilie_pointer\" "
           "onclick=\"MyBBEditor.insertText(' :\\'( ');\"></td><td colspan=\"2\">&nbsp;</td></tr></table>"
           "<img src=\"https://ex.org/images/outside.png\" onclick=\"MyBBEditor.insertText(' :out: ');\"></form>"
        << ":)=Smile@https://ex.org/images/smilies/smile.png 0x0 #1 | :'(=Cry@https://ex.org/images/smilies/cry.png 0x0 #21";
    QTest::newRow("SMF: the smiley row its editor writes into its toolbar")
        << "<form id=\"postmodify\" action=\"https://ex.org/index.php?action=post2\"><input name=\"seqnum\">"
           "<div class=\"sceditor-toolbar\"><div class=\"sceditor-insertemoticon\"><div>"
           "<img src=\"https://ex.org/Smileys/fugue/smiley.png\" alt=\":)\" title=\"Smiley\">"
           "<img src=\"https://ex.org/Smileys/fugue/lipsrsealed.png\" alt=\":-X\" title=\"Lips Sealed\">"
           "</div></div></div><img src=\"https://ex.org/x.png\" alt=\":out:\"></form>"
        << ":)=Smiley@https://ex.org/Smileys/fugue/smiley.png 0x0 | :-X=Lips Sealed@https://ex.org/Smileys/fugue/lipsrsealed.png 0x0";
    QTest::newRow("codes that are no codes, names that are no tags, are left out")
        << "<div id=\"smiley-box\"><img src=\"a.gif\" alt=\"two words\"><img src=\"b.gif\" alt=\"\"><img "
           "alt=\":nopic:\"></div>"
           "<button name=\"addbbcode26\" value=\"bad]name\">x</button><button name=\"addbbcode28\" "
           "value=\"\">y</button>"
        << "";
}

void tst_BoardProfile::postingPageOffer()
{
    QFETCH(QString, html);
    QFETCH(QString, offer);
    const BoardProfile page = ScanPostingPage(html.toStdString());
    QCOMPARE(page.foundOn, FoundOn::PostingPage);
    QCOMPARE(Joined(page).split(" | ", Qt::SkipEmptyParts), offer.split(" | ", Qt::SkipEmptyParts));
}

QF_TEST_MAIN(tst_BoardProfile)
#include "tst_boardprofile.moc"
