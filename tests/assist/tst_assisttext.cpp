// SPDX-License-Identifier: MIT
// The texts of the assistant, the quote manager and the extra emoticons
// window, without a window.

#include "assist/AssistText.h"
#include "base/Utf8.h"
#include "support/TestBoards.h"
#include "support/TestMain.h"

#include <string>
#include <vector>

namespace {
}  // namespace

class tst_AssistText : public QObject {
    Q_OBJECT
private slots:
    void output_data();
    void output();
    void imgAndUnknownCommandsLeaveTheOutput_data();
    void imgAndUnknownCommandsLeaveTheOutput();
    void listBody_data();
    void listBody();
    void numberedListsAsTheBoardWrites_data();
    void numberedListsAsTheBoardWrites();
    void quoteBlock_data();
    void quoteBlock();
    void extraEmoticonText();
    void extraEmoticonOutsideTheWindow();
    void afterSelection();
};

void tst_AssistText::output_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("linkName");
    QTest::addColumn<QString>("address");  // goes through LinkTarget
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("items");  // go through ListBody
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");

    QTest::newRow("link with an address") << "url"
                                          << "Home page"
                                          << "http://a.test/"
                                          << "" << QStringList() << 1 << "[url=http://a.test/]Home page[/url]";
    QTest::newRow("link without an address") << "url"
                                             << "Home page"
                                             << ""
                                             << "" << QStringList() << 1 << "[url]Home page[/url]";
    QTest::newRow("empty link") << "url"
                                << ""
                                << ""
                                << "" << QStringList() << 1 << "[url][/url]";
    QTest::newRow("link ignores the list state") << "url"
                                                 << "n"
                                                 << ""
                                                 << "T" << QStringList{"x"} << 2 << "[url]n[/url]";
    QTest::newRow("plain list, title before the items")
        << "list"
        << ""
        << ""
        << "Fruit" << QStringList{"apple", "pear"} << 2 << "[list]Fruit  [*]apple  [*]pear[/list]";
    QTest::newRow("plain list, nothing in it") << "list"
                                               << ""
                                               << ""
                                               << "" << QStringList() << 1 << "[list][/list]";
    QTest::newRow("numbered 1. 2. 3.") << "list="
                                       << ""
                                       << ""
                                       << "" << QStringList{"a"} << 1 << "[list=1]  [*]a[/list]";
    QTest::newRow("numbered a. b. c.") << "list="
                                       << ""
                                       << ""
                                       << "Fruit" << QStringList{"apple", "pear"} << 2
                                       << "[list=a]Fruit  [*]apple  [*]pear[/list]";
    QTest::newRow("numbered i. ii. iii.") << "list="
                                          << ""
                                          << ""
                                          << "" << QStringList{"x"} << 3 << "[list=i]  [*]x[/list]";
    QTest::newRow("numbered with no choice has an empty kind") << "list="
                                                               << ""
                                                               << ""
                                                               << "" << QStringList() << 0 << "[list=][/list]";
    QTest::newRow("line breaks in items and title are kept")
        << "list"
        << ""
        << ""
        << "T1\r\nT2" << QStringList{"one\r\nline two", "x"} << 1 << "[list]T1\r\nT2  [*]one\r\nline two  [*]x[/list]";
    QTest::newRow("nothing is escaped") << "url"
                                        << "<b>&amp;</b>"
                                        << "\"x\"]"
                                        << "" << QStringList() << 1 << "[url=\"x\"]]<b>&amp;</b>[/url]";
    QTest::newRow("non-ASCII text") << "list"
                                    << ""
                                    << ""
                                    << "Früchte ✓" << QStringList{"Äpfel"} << 1 << "[list]Früchte ✓  [*]Äpfel[/list]";
}

void tst_AssistText::output()
{
    QFETCH(QString, command);
    QFETCH(QString, linkName);
    QFETCH(QString, address);
    QFETCH(QString, title);
    QFETCH(QStringList, items);
    QFETCH(int, kind);
    QFETCH(QString, expected);
    std::vector<std::string> itemTexts;
    for (const QString& item : items)
        itemTexts.push_back(ToUtf8(item));
    const std::string c = ToUtf8(command), n = ToUtf8(linkName), t = ToUtf8(title);
    const std::string target = AssistText::LinkTarget(ToUtf8(address));
    const std::string body = AssistText::ListBody(itemTexts);
    const auto output = AssistText::Output({c, n, target, t, body, kind});
    QVERIFY(output.has_value());
    QCOMPARE(ToQString(*output), expected);
}

void tst_AssistText::imgAndUnknownCommandsLeaveTheOutput_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("img") << "img";
    QTest::newRow("empty") << "";
    QTest::newRow("letter case counts") << "URL";
    QTest::newRow("list with a value") << "list=1";
}

void tst_AssistText::imgAndUnknownCommandsLeaveTheOutput()
{
    QFETCH(QString, command);
    const std::string c = ToUtf8(command);
    QVERIFY(!AssistText::Output({c, "name", "=x", "title", "  [*]a", 1}).has_value());
}

void tst_AssistText::listBody_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("body");
    QTest::newRow("no items") << QStringList() << "";
    QTest::newRow("one item") << QStringList{"a"} << "  [*]a";
    QTest::newRow("in list order, no line breaks added") << QStringList{"b", "a", "c"} << "  [*]b  [*]a  [*]c";
    QTest::newRow("blanks in items kept") << QStringList{" x ", ""} << "  [*] x   [*]";
}

void tst_AssistText::listBody()
{
    QFETCH(QStringList, items);
    QFETCH(QString, body);
    std::vector<std::string> texts;
    for (const QString& item : items)
        texts.push_back(ToUtf8(item));
    QCOMPARE(ToQString(AssistText::ListBody(texts)), body);
}

void tst_AssistText::numberedListsAsTheBoardWrites_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("output");
    QTest::newRow("phpBB 3: 1. 2. 3.") << "phpbb3" << 1 << "[list=1]  [*]x[/list]";
    QTest::newRow("MyBB: a. b. c.") << "mybb18" << 2 << "[list=a]  [*]x[/list]";
    QTest::newRow("SMF: 1. 2. 3. names its list style") << "smf21" << 1 << "[list type=decimal]  [*]x[/list]";
    QTest::newRow("SMF: a. b. c.") << "smf21" << 2 << "[list type=lower-alpha]  [*]x[/list]";
    QTest::newRow("SMF: i. ii. iii.") << "smf21" << 3 << "[list type=lower-roman]  [*]x[/list]";
    QTest::newRow("SMF: no choice numbers all the same") << "smf21" << 0 << "[list type=decimal]  [*]x[/list]";
}

void tst_AssistText::numberedListsAsTheBoardWrites()
{
    QFETCH(QString, board);
    QFETCH(int, kind);
    QFETCH(QString, output);
    const std::string body = AssistText::ListBody({"x"});
    const auto built = AssistText::Output({"list=", "", "", "", body, kind}, KindOf(board));
    QVERIFY(built.has_value());
    QCOMPARE(ToQString(*built), output);
}

void tst_AssistText::quoteBlock_data()
{
    QTest::addColumn<QString>("poster");
    QTest::addColumn<QString>("quoted");
    QTest::addColumn<QString>("block");
    QTest::addColumn<QString>("kind");  // the site's board; the classic syntax when not given
    QTest::newRow("named poster") << "Anna"
                                  << "Hello"
                                  << "[quote=\"Anna\"]Hello[/quote]" << QString();
    QTest::newRow("empty poster: no equals sign, no quotes") << ""
                                                             << "Hello"
                                                             << "[quote]Hello[/quote]" << QString();
    QTest::newRow("name holding a double quote") << "A\"nna"
                                                 << "x"
                                                 << "[quote=\"A\"nna\"]x[/quote]" << QString();
    QTest::newRow("name holding a closing bracket") << "A]nna"
                                                    << "x"
                                                    << "[quote=\"A]nna\"]x[/quote]" << QString();
    QTest::newRow("empty quoted text") << ""
                                       << ""
                                       << "[quote][/quote]" << QString();
    QTest::newRow("nothing trimmed, line breaks kept") << " Bo "
                                                       << " a\r\nb "
                                                       << "[quote=\" Bo \"] a\r\nb [/quote]" << QString();
    QTest::newRow("MyBB: a name in double quotes") << "Anna B"
                                                   << "x"
                                                   << "[quote=\"Anna B\"]x[/quote]" << QStringLiteral("mybb18");
    QTest::newRow("MyBB: a name holding a double quote goes in single quotes")
        << "A\"nna"
        << "x"
        << "[quote='A\"nna']x[/quote]" << QStringLiteral("mybb18");
    QTest::newRow("SMF: its author parameter") << "Anna B"
                                               << "x"
                                               << "[quote author=Anna B]x[/quote]" << QStringLiteral("smf21");
    QTest::newRow("SMF: a bracket in the name cannot end the tag")
        << "A]nna"
        << "x"
        << "[quote author=A\uFF3Dnna]x[/quote]" << QStringLiteral("smf21");
    QTest::newRow("SMF: no poster, no parameter") << ""
                                                  << "x"
                                                  << "[quote]x[/quote]" << QStringLiteral("smf21");
}

void tst_AssistText::quoteBlock()
{
    QFETCH(QString, poster);
    QFETCH(QString, quoted);
    QFETCH(QString, block);
    QFETCH(QString, kind);
    QCOMPARE(ToQString(AssistText::QuoteBlock(ToUtf8(poster), ToUtf8(quoted), KindOf(kind))), block);
}

void tst_AssistText::extraEmoticonText()
{
    QCOMPARE(ToQString(*AssistText::ExtraEmoticonText(0)), QString(" :| "));
    QCOMPARE(ToQString(*AssistText::ExtraEmoticonText(26)), QString(" :bad: "));
    QCOMPARE(AssistText::ExtraEmoticonText(26)->size(), size_t(7));
}

void tst_AssistText::extraEmoticonOutsideTheWindow()
{
    QVERIFY(!AssistText::ExtraEmoticonText(-1).has_value());
    QVERIFY(!AssistText::ExtraEmoticonText(29).has_value());
}

void tst_AssistText::afterSelection()
{
    QCOMPARE(ToQString(AssistText::AfterSelection("abc", " :| ")), QString("abc :| "));
    QCOMPARE(ToQString(AssistText::AfterSelection("", "[quote]x[/quote]")), QString("[quote]x[/quote]"));
}

QF_TEST_MAIN(tst_AssistText)
#include "tst_assisttext.moc"
