// SPDX-License-Identifier: MIT
// The board kinds as the program knows them: each is found on a page by
// its own markers and named by its key, and each judges a post as its board
// does before Submit opens the posting page.

#include "board/BoardProfile.h"
#include "board/Boards.h"
#include "editor/TagTable.h"
#include "support/TestBoards.h"
#include "support/TestMain.h"

class tst_Boards : public QObject {
    Q_OBJECT
private slots:
    void everyKindIsFoundByItsOwnMarkers();
    void everyOfferedFaceIsAPictureOnTheBoard();
    void smiliesTheBoardOffered();
    void checkBeforeSubmit_data();
    void checkBeforeSubmit();
};

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
