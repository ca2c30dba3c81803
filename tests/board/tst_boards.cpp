// SPDX-License-Identifier: MIT
// The board kinds as the program knows them: each is found on a page by
// its own markers and named by its key, and each judges a post as its board
// does before Submit opens the posting page.

#include "board/BoardProfile.h"
#include "board/Boards.h"
#include "editor/TagTable.h"
#include "support/TestBoards.h"
#include "support/TestMain.h"

#include <map>

class tst_Boards : public QObject {
    Q_OBJECT
private slots:
    void everyKindIsFoundByItsOwnMarkers();
    void everyOfferedFaceIsAPictureOnTheBoard();
    void smiliesTheBoardOffered();
    void checkBeforeSubmit_data();
    void checkBeforeSubmit();
    void everyOwnTagIsTheBoards();
    void posterNameOnItsPages_data();
    void posterNameOnItsPages();
};

void tst_Boards::everyOwnTagIsTheBoards()
{
    // What the Board Tags menu offers, filled in as a user would, the
    // board renders as a tag: nothing of it stays as typed.
    const std::map<std::string, std::string> values = {
        {"align=", "center"}, {"font=", "Verdana"}, {"video=", "youtube"}, {"float=", "left"}};
    for (const Board* kind : Boards::Known()) {
        for (const BoardTag& tag : kind->OwnTags()) {
            std::string opening = tag.Opening();
            if (tag.name.back() == '=')
                opening.insert(opening.size() - 1, values.at(tag.name));
            std::string content = tag.name.find("video") == 0 || tag.name == "youtube"
                                      ? "https://www.youtube.com/watch?v=dQw4w9WgXcQ"
                                      : "text";
            if (tag.name == "email")
                content = "name@example.org";
            else if (tag.name == "table")
                content = "[tr][td]text[/td][/tr]";
            else if (tag.name == "tr")
                content = "[td]text[/td]";
            const std::string post = tag.single ? "a " + opening + " b" : opening + content + tag.Closing();
            const std::string html = kind->DialectFor(BoardProfile(), SiteFacts())->Render(post).html;
            const std::string shown = std::string(kind->Key()) + ": " + post + " gives " + html;
            QVERIFY2(html.find('[') == std::string::npos, shown.c_str());
        }
    }
}

void tst_Boards::posterNameOnItsPages_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("name");  // empty: the page shows none
    QTest::newRow("MyBB member's header, the name linked to the profile")
        << "mybb18"
        << "<div id=\"panel\"><span class=\"welcome\"><strong>Welcome back, <a "
           "href=\"http://ex.org/member.php?action=profile&amp;uid=2\">Ann &amp; Bo</a></strong>. You last "
           "visited: Today</span></div>"
        << "Ann & Bo";
    QTest::newRow("MyBB member's header, the name in bold")
        << "mybb18" << "<span class=\"welcome\">Welcome back, <strong>tester</strong>.</span>" << "tester";
    QTest::newRow("MyBB page refused for want of a permission")
        << "mybb18" << "<li>You are currently logged in with the username: 'jos\u00e9 &amp; co'</li>"
        << "jos\u00e9 & co";
    QTest::newRow("MyBB guest's header")
        << "mybb18" << "<span class=\"welcome\">Hello There, Guest! <a href=\"member.php?action=login\">Login</a>"
        << "";
    QTest::newRow("SMF member's profile menu, after the avatar")
        << "smf21"
        << "<ul class=\"floatleft\" id=\"top_info\"><li><a href=\"https://ex.org/index.php?action=profile\" "
           "id=\"profile_menu_top\" onclick=\"return false;\"><img class=\"avatar\" src=\"a.png\" "
           "alt=\"\"><span class=\"textmenu\">Ann</span></a></li><li><span class=\"textmenu\">My "
           "Messages</span></li></ul>"
        << "Ann";
    QTest::newRow("SMF greeting") << "smf21" << "<li class=\"welcome\">Hello <strong>tester</strong>.</li>"
                                  << "tester";
    QTest::newRow("SMF guest's header") << "smf21"
                                        << "<li class=\"welcome\">Welcome to <strong>My Forum</strong>.</li>"
                                        << "";
    QTest::newRow("phpBB 3: its posts never need the name")
        << "phpbb3" << "<span class=\"welcome\">Welcome back, <strong>tester</strong>.</span>" << "";
}

void tst_Boards::posterNameOnItsPages()
{
    QFETCH(QString, kind);
    QFETCH(QString, page);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdString(KindOf(kind.toStdString()).PosterName(page.toStdString())), name);
}

void tst_Boards::everyKindIsFoundByItsOwnMarkers()
{
    QVERIFY(!Boards::Classic().Known());
    QVERIFY(Boards::Named("") == nullptr);
    QVERIFY(Boards::Known().size() >= 4);
    for (const Board* kind : Boards::Known()) {
        const QString key = QString::fromUtf8(kind->Key().data(), qsizetype(kind->Key().size()));
        QVERIFY2(!kind->Name().empty(), qPrintable(key));
        QCOMPARE(Boards::Named(kind->Key()), kind);
        // A page holding every marker of a kind is that kind's page, whatever
        // the other kinds' markers share with it.
        std::string page;
        for (std::string_view marker : kind->PageMarkers())
            page += std::string(marker) + "\n";
        QVERIFY2(Boards::FromPage(page) == kind, qPrintable(key));
    }
}

void tst_Boards::everyOfferedFaceIsAPictureOnTheBoard()
{
    // What each emoticon picture of the main window inserts, the board
    // shows as one picture; a face it has not is not offered.
    for (const Board* kind : Boards::Known()) {
        int offered = 0;
        for (const TagTable::EmoticonPicture& face : TagTable::Emoticons) {
            const std::optional<std::string> code = kind->EmoticonCode(face.code);
            if (!code)
                continue;
            ++offered;
            const std::string html =
                kind->DialectFor(BoardProfile(), SiteFacts())->Render("Hi" + *code + "there").html;
            size_t pictures = 0;
            for (size_t at = html.find("<img"); at != std::string::npos; at = html.find("<img", at + 1))
                ++pictures;
            QVERIFY2(pictures == 1, (std::string(kind->Key()) + ":" + *code + " gives " + html).c_str());
        }
        QVERIFY2(offered >= 14, std::string(kind->Key()).c_str());
    }
}

void tst_Boards::smiliesTheBoardOffered()
{
    // A smiley its posting page offered is shown as the board shows it; the
    // board's defaults it did not show still convert.
    BoardProfile profile;
    profile.smilies = {{":wave:", "Wave", "https://ex.org/images/smilies/wave.png", 0, 0, 30}};
    const std::string mybb = KindOf("mybb18").DialectFor(profile, SiteFacts())->Render("a :wave: b :) c").html;
    QVERIFY2(mybb.find("<img src=\"https://ex.org/images/smilies/wave.png\" alt=\"Wave\" title=\"Wave\" "
                       "class=\"smilie smilie_30\" />")
                 != std::string::npos,
             mybb.c_str());
    QVERIFY2(mybb.find("smilie_1\"") != std::string::npos, mybb.c_str());
    profile.smilies = {{":wave:", "Wave", "https://ex.org/Smileys/fugue/wave.png"}};
    const std::string smf = KindOf("smf21").DialectFor(profile, SiteFacts())->Render("a :wave: b :)) c").html;
    QVERIFY2(smf.find("src=\"https://ex.org/Smileys/fugue/wave.png\"") != std::string::npos, smf.c_str());
    QVERIFY2(smf.find("laugh.png") != std::string::npos, smf.c_str());
}

void tst_Boards::checkBeforeSubmit_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("reply");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("refusals");  // the board's messages, "|" between them
    QTest::addColumn<bool>("quotesDropped");
    const QString mybbSubject = "The subject is too long. Please enter a subject shorter than 85 characters "
                                "(currently %1).";
    const QString nbsp = QString(QChar(0xA0));
    QTest::newRow("MyBB: 85 characters of subject pass")
        << "mybb18" << false << QString(85, QChar(0xE9)) << "hello world" << "" << false;
    QTest::newRow("MyBB: 86 are one too many") << "mybb18" << false << QString(86, 'x') << "hello world"
                                               << mybbSubject.arg(86) << false;
    QTest::newRow("MyBB: a reply's RE: is not counted")
        << "mybb18" << true << "RE: " + QString(85, 'x') << "hello world" << "" << false;
    QTest::newRow("MyBB: a new topic's RE: is")
        << "mybb18" << false << "RE: " + QString(82, 'x') << "hello world" << mybbSubject.arg(86) << false;
    QTest::newRow("MyBB: blanks and no-break spaces around the subject are not counted")
        << "mybb18" << false << " \t" + nbsp + QString(85, 'x') + nbsp + "\r\n" << "hello world" << "" << false;
    QTest::newRow("MyBB: subject and message refused together, subject first")
        << "mybb18" << false << QString(90, 'x') << "abc"
        << mybbSubject.arg(90) + "|The message is too short. Please enter a message longer than 5 characters."
        << false;
    QTest::newRow("MyBB: at its limit once trimmed, blanks after it not counted")
        << "mybb18" << false << "" << QString(65535, 'x') + " \r\n\t" << "" << false;
    QTest::newRow("MyBB: one byte over")
        << "mybb18" << false << "" << QString(65534, 'x') + QChar(0xE9)
        << "The message is too long. Please enter a message shorter than 65535 characters (currently 65536)." << false;
    QTest::newRow("SMF: no subject limit of its own, its message limit")
        << "smf21" << false << QString(200, 'x') << QString(20001, 'x')
        << "The message exceeds the maximum allowed length (20000 characters)." << false;
    QTest::newRow("phpBB 3: quotes nested too deep are dropped without a word")
        << "phpbb3" << false << "" << "[quote]1[quote]2[quote]3[quote]4[/quote][/quote][/quote][/quote]" << ""
        << true;
    QTest::newRow("phpBB 2 and an unknown site refuse nothing")
        << "phpbb2" << false << QString(300, 'x') << "" << "" << false;
    QTest::newRow("an unknown site") << "" << false << "" << QString(70000, 'x') << "" << false;
}

void tst_Boards::checkBeforeSubmit()
{
    QFETCH(QString, kind);
    QFETCH(bool, reply);
    QFETCH(QString, title);
    QFETCH(QString, body);
    QFETCH(QString, refusals);
    QFETCH(bool, quotesDropped);
    const Board& board = KindOf(kind);
    const BoardVerdict verdict =
        board.DialectFor(BoardProfile(), SiteFacts())->Check(reply, title.toStdString(), body.toStdString());
    QStringList messages;
    for (const std::string& error : verdict.errors)
        messages << QString::fromStdString(error);
    QCOMPARE(messages.join('|'), refusals);
    QCOMPARE(verdict.quotesRemoved, quotesDropped);
}

QF_TEST_MAIN(tst_Boards)
#include "tst_boards.moc"
