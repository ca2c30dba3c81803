// SPDX-License-Identifier: MIT
// The checks before Submit opens the browser window (the topic-number
// test), and the forum's posting page each kind of post goes to, with the
// order in which a new topic tries the two generations' modes, and the
// questions before sending as whole sentences a translation can reorder.

#include "submit/BoardWarnings.h"
#include "submit/PostingRoute.h"
#include "submit/SubmitChecks.h"
#include "support/TestBoards.h"
#include "support/TestMain.h"
#include "base/Utf8.h"

#include <string>

using PostingRoute::Mode;

Q_DECLARE_METATYPE(Mode)
Q_DECLARE_METATYPE(std::string)

class tst_SubmitChecks : public QObject {
    Q_OBJECT
private slots:
    void topicNumber_data();
    void topicNumber();
    void postingAddress_data();
    void postingAddress();
    void modesTried_data();
    void modesTried();
    void warningSentences_data();
    void warningSentences();
};

void tst_SubmitChecks::topicNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("one digit") << "7" << true;
    QTest::newRow("many digits") << "0012345678901234567890" << true;
    QTest::newRow("blanks around") << "  42 " << true;
    QTest::newRow("tabs around") << "\t42\t" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks only") << "  " << false;
    QTest::newRow("letters after") << "12a" << false;
    QTest::newRow("blank inside") << "1 2" << false;
    QTest::newRow("plus sign") << "+3" << false;
    QTest::newRow("exponent") << "1e3" << false;
    QTest::newRow("line break after") << "12\n" << false;
    QTest::newRow("full-width digits") << QString::fromUtf8("\xEF\xBC\x91\xEF\xBC\x92") << false;
}

void tst_SubmitChecks::topicNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(SubmitChecks::IsTopicNumber(ToUtf8(text)), accepted);
}

void tst_SubmitChecks::postingAddress_data()
{
    QTest::addColumn<QString>("site");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("address");
    const QString site = "http://board.example/forum/";
    QTest::newRow("new topic, current boards") << site << Mode::Post << "12" << site + "posting.php?mode=post&f=12";
    QTest::newRow("new topic, older boards")
        << site << Mode::NewTopic << "12" << site + "posting.php?mode=newtopic&f=12";
    QTest::newRow("reply: the number without the blanks typed around it")
        << site << Mode::Reply << " \t42 " << site + "posting.php?mode=reply&t=42";
    QTest::newRow("placeholder chooser: an empty forum number")
        << site << Mode::Post << "" << site + "posting.php?mode=post&f=";
    QTest::newRow("a hand-edited forum number cannot add parameters")
        << site << Mode::Post << "3&mode=reply#x" << site + "posting.php?mode=post&f=3%26mode%3Dreply%23x";
    QTest::newRow("non-ASCII forum number is percent-encoded byte by byte")
        << site << Mode::Post << QString::fromUtf8("\xC3\xA9") << site + "posting.php?mode=post&f=%C3%A9";
}

void tst_SubmitChecks::postingAddress()
{
    QFETCH(QString, site);
    QFETCH(Mode, mode);
    QFETCH(QString, number);
    QFETCH(QString, address);
    QCOMPARE(ToQString(PostingRoute::Address(ToUtf8(site), mode, ToUtf8(number))), address);
}

void tst_SubmitChecks::modesTried_data()
{
    QTest::addColumn<bool>("reply");
    QTest::addColumn<QString>("remembered");  // as the settings hold it
    QTest::addColumn<QList<Mode>>("modes");
    QTest::newRow("new topic, nothing remembered: current boards first")
        << false << "" << QList<Mode>{Mode::Post, Mode::NewTopic};
    QTest::newRow("new topic, older mode remembered: tried first")
        << false << "newtopic" << QList<Mode>{Mode::NewTopic, Mode::Post};
    QTest::newRow("new topic, current mode remembered") << false << "post" << QList<Mode>{Mode::Post, Mode::NewTopic};
    QTest::newRow("an unknown remembered value counts as none")
        << false << "reply" << QList<Mode>{Mode::Post, Mode::NewTopic};
    QTest::newRow("reply: one mode on both generations") << true << "newtopic" << QList<Mode>{Mode::Reply};
}

void tst_SubmitChecks::modesTried()
{
    QFETCH(bool, reply);
    QFETCH(QString, remembered);
    QFETCH(QList<Mode>, modes);
    const std::vector<Mode> tried =
        PostingRoute::ModesToTry(reply, PostingRoute::NewTopicModeNamed(ToUtf8(remembered)));
    QCOMPARE(QList<Mode>(tried.begin(), tried.end()), modes);
}

namespace {
// A translation that puts the arguments of the size conversion in another order.
std::string Reordered(const char*, const char* text)
{
    const std::string_view source(text);
    if (source == "Convert these %3 sizes to %1's (%2)?")
        return "%3 sizes -> %1 (%2)?";
    if (source == "Send it anyway?")
        return "Send?";
    return text;
}
}  // namespace

void tst_SubmitChecks::warningSentences_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<std::string>("expected");
    QTest::newRow("one size, for phpBB 3")
        << BoardWarnings::SizeQuestion(KindOf("phpbb3"), 1)
        << std::string("This post uses phpBB 2's font sizes (7, 9, 12, 18 and 24), "
                       "but your site runs phpBB 3, which reads them as percentages: "
                       "\"Large\" text would show at 18 % of the normal size.\r\n\r\n"
                       "Convert this size to phpBB 3's (50, 85, 100, 150 and 200)?");
    QTest::newRow("three sizes, translated and reordered")
        << BoardWarnings::SizeQuestion(KindOf("phpbb2"), 3, Reordered)
        << std::string("This post uses phpBB 3's font sizes (50, 85, 100, 150 and 200), but your site runs phpBB 2, "
                       "which reads them as pixels and shows any above 29 as typed.\r\n\r\n"
                       "3 sizes -> phpBB 2 (7, 9, 12, 18 and 24)?");
    QTest::newRow("quotes removed") << BoardWarnings::Warning({}, true, 3, Reordered)
                                    << std::string(
                                           "The board will change this post:\r\n\r\nQuotes nested deeper than 3 "
                                           "will be removed, with everything inside them.\r\n\r\nSend?");
}

void tst_SubmitChecks::warningSentences()
{
    QFETCH(std::string, text);
    QFETCH(std::string, expected);
    QCOMPARE(ToQString(text), ToQString(expected));
}

QF_TEST_MAIN(tst_SubmitChecks)
#include "tst_submitchecks.moc"
