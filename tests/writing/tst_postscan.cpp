// SPDX-License-Identifier: MIT
// The text rules of the writing help, without a window: which words of a
// line are prose (and so spell-checked), which tags are marked as a problem
// across the lines of a post, and which language is used by default.

#include "writing/PostScan.h"
#include "writing/Speller.h"
#include "base/Utf8.h"

#include <QtTest>

namespace {

// The post's lines, each described with the states the whole post gives it.
std::vector<PostScan::LineLooks> DescribePost(const std::vector<std::string>& lines, bool anyCase = false,
                                              bool attributes = false)
{
    std::vector<PostScan::LineTokens> tokens;
    for (const std::string& line : lines)
        tokens.push_back(PostScan::Scan(line, {anyCase, attributes}));
    std::vector<PostScan::Depths> starts(lines.size());
    std::vector<PostScan::Pending> ends(lines.size());
    PostScan::Depths forward;
    for (size_t i = 0; i < lines.size(); ++i) {
        starts[i] = forward;
        forward = PostScan::Forward(forward, tokens[i]);
    }
    PostScan::Pending backward;
    for (size_t i = lines.size(); i-- > 0;) {
        ends[i] = backward;
        backward = PostScan::Backward(backward, tokens[i]);
    }
    std::vector<PostScan::LineLooks> looks;
    for (size_t i = 0; i < lines.size(); ++i)
        looks.push_back(PostScan::Describe(lines[i], tokens[i], starts[i], ends[i]));
    return looks;
}

std::vector<std::string> Lines(const QString& post)
{
    std::vector<std::string> lines;
    for (const QString& line : post.split(QLatin1Char('\n')))
        lines.push_back(ToUtf8(line));
    return lines;
}
}  // namespace

class tst_PostScan : public QObject {
    Q_OBJECT
private slots:
    void proseWords_data();
    void proseWords();
    void marks_data();
    void marks();
    void looksAcrossLines();
    void defaultLanguage_data();
    void defaultLanguage();
};

void tst_PostScan::proseWords_data()
{
    QTest::addColumn<QString>("post");
    QTest::addColumn<QString>("words");  // the prose words, "|" between them
    QTest::newRow("plain prose, apostrophes kept inside words") << "It's the users' post"
                                                                << "It's|the|users|post";
    QTest::newRow("tag names and values are not prose")
        << "[color=DarkBlue]blue[/color] [size=18]big[/size] [url=http://x.org/page]link[/url]"
        << "blue|big|link";
    QTest::newRow("quote names are values") << "[quote=\"Anna Smith\"]said[/quote]"
                                            << "said";
    QTest::newRow("code text is never checked") << "see [code]int mian() wrold[/code] below"
                                                << "see|below";
    QTest::newRow("code across lines") << "[code]\nwrold tset\n[/code]\nafter"
                                       << "after";
    QTest::newRow("bare link and picture addresses") << "[url]www.exmaple.com[/url] [img]pictuer.gif[/img] done"
                                                     << "done";
    QTest::newRow("web and e-mail addresses")
        << "mail anna@exmaple.org or https://wrold.org/pgae?x=1 or www.sitee.com now"
        << "mail|or|or|now";
    QTest::newRow("emoticon codes") << "great :lol: :wink: 8) :P"
                                    << "great";
    QTest::newRow("HTML tags") << "<span class=\"wrold\">text</span>"
                               << "text";
    QTest::newRow("numbers and words with digits") << "the 2nd of 42 items x86 abc_def"
                                                   << "the|of|items";
    QTest::newRow("tags in capitals are not prose either") << "[B]bold[/B]"
                                                           << "bold";
    QTest::newRow("letters of other scripts, punctuation not") << "naïve “café” — résumé"
                                                               << "naïve|café|résumé";
    QTest::newRow("a tag left open does not swallow the line") << "[color=red text goes on"
                                                               << "color|red|text|goes|on";
}

void tst_PostScan::proseWords()
{
    QFETCH(QString, post);
    QFETCH(QString, words);
    QStringList found;
    const std::vector<std::string> lines = Lines(post);
    const std::vector<PostScan::LineLooks> looks = DescribePost(lines);
    for (size_t i = 0; i < lines.size(); ++i)
        for (const PostScan::Range& word : looks[i].words)
            found << ToQString(lines[i].substr(word.start, word.length));
    QCOMPARE(found.join(QLatin1Char('|')), words);
}

void tst_PostScan::marks_data()
{
    QTest::addColumn<QString>("post");
    QTest::addColumn<QString>("marks");  // line:tag:problem, "|" between them
    QTest::addColumn<bool>("anyCase");   // a board that reads tags in any letter case
    QTest::addColumn<bool>("attributes");  // a board whose quotes and lists take attributes (SMF)
    QTest::newRow("phpBB 3: tags in capitals pair like the others") << "[B]x[/b] [Quote]y[/quote] [/I]"
                                                                    << "1:[/I]:closes" << true << false;
    QTest::newRow("matched tags, none marked") << "[b]bold[/b] [quote]q[/quote] [list][*]a[/list]"
                                               << "" << false << false;
    QTest::newRow("a stray closing tag") << "bold[/b] text"
                                         << "1:[/b]:closes" << false << false;
    QTest::newRow("a closing tag before its opening tag") << "[/i]x[i]"
                                                          << "1:[/i]:closes" << false << false;
    QTest::newRow("an unclosed named quote") << "[quote=\"Anna\"]she said\nmore"
                                             << "1:[quote=\"Anna\"]:open" << false << false;
    QTest::newRow("tags crossing lines pair up") << "[b]one\ntwo[/b]\n[quote]\nthree\n[/quote]"
                                                 << "" << false << false;
    QTest::newRow("of two nested quotes the outer is open") << "[quote]a\n[quote]b[/quote]"
                                                            << "1:[quote]:open" << false << false;
    QTest::newRow("code and list never closed") << "[code]x\n[list]\n[*]a"
                                                << "1:[code]:open|2:[list]:open" << false << false;
    QTest::newRow("an open bold is no problem") << "[b]bold to the end"
                                                << "" << false << false;
    QTest::newRow("tags in capitals") << "[B]x[/B] [Quote]y[/quote]"
                                      << "1:[B]:case|1:[/B]:case|1:[Quote]:case|1:[/quote]:closes" << false << false;
    QTest::newRow("one closing tag takes the latest opening tag") << "[quote]a[quote]b[/quote][/quote][/quote]"
                                                                  << "1:[/quote]:closes" << false << false;
    QTest::newRow("SMF: its quote manager's quote and a numbered list pair")
        << "[quote author=Ann link=msg=5 date=1700000000]a\n[/quote] [list type=decimal][*]x[/list]"
        << "" << false << true;
    QTest::newRow("SMF: an attributed quote left open") << "[quote author=Ann]a"
                                                       << "1:[quote author=Ann]:open" << false << true;
    QTest::newRow("elsewhere a quote with a blank is no tag, its closing tag closes nothing")
        << "[quote author=Ann]a[/quote]"
        << "1:[/quote]:closes" << false << false;
    QTest::newRow("SMF: a blank with no attribute is no tag") << "[quote ]a[/quote]"
                                                              << "1:[/quote]:closes" << false << true;
}

void tst_PostScan::marks()
{
    QFETCH(QString, post);
    QFETCH(QString, marks);
    QFETCH(bool, anyCase);
    QFETCH(bool, attributes);
    QStringList found;
    const std::vector<PostScan::LineLooks> looks = DescribePost(Lines(post), anyCase, attributes);
    for (size_t i = 0; i < looks.size(); ++i) {
        std::vector<PostScan::Mark> sorted = looks[i].marks;
        std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.start < b.start; });
        for (const PostScan::Mark& mark : sorted) {
            const char* problem = mark.problem == PostScan::Problem::ClosesNothing ? "closes"
                : mark.problem == PostScan::Problem::NeverClosed                   ? "open"
                                                                                   : "case";
            found << QStringLiteral("%1:%2:%3").arg(i + 1).arg(ToQString(mark.tagText), problem);
            QVERIFY(!PostScan::ProblemText(mark).empty());
        }
    }
    QCOMPARE(found.join(QLatin1Char('|')), marks);
}

void tst_PostScan::looksAcrossLines()
{
    const std::vector<std::string> lines = Lines("[quote]\n[code]int x;\n[/code] :)\n[/quote]");
    const std::vector<PostScan::LineLooks> looks = DescribePost(lines);
    auto has = [&](size_t line, PostScan::Look look, std::string_view text) {
        for (const PostScan::Styled& s : looks[line].styles)
            if (s.look == look && (text.empty() || lines[line].substr(s.start, s.length) == text))
                return true;
        return false;
    };
    QVERIFY(has(1, PostScan::Look::Quote, "[code]int x;"));
    QVERIFY(has(1, PostScan::Look::Code, "int x;"));
    QVERIFY(has(1, PostScan::Look::Tag, "[code]"));
    QVERIFY(has(2, PostScan::Look::Emoticon, ":)"));
    QVERIFY(!has(2, PostScan::Look::Code, {}));  // the code ends at its closing tag
    QVERIFY(has(2, PostScan::Look::Quote, "[/code] :)"));
}

void tst_PostScan::defaultLanguage_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("the locale's own dictionary") << "de_DE en_GB en_US"
                                                 << "en_GB.UTF-8"
                                                 << "en_GB";
    QTest::newRow("another country, same language") << "de_DE en_US"
                                                    << "de_AT"
                                                    << "de_DE";
    QTest::newRow("no dictionary of the locale's language: English") << "de_DE en_AU en_US"
                                                                     << "fr_FR"
                                                                     << "en_AU";
    QTest::newRow("no English either: the first") << "de_DE nl_NL"
                                                  << "C"
                                                  << "de_DE";
    QTest::newRow("no dictionary at all") << ""
                                          << "en_US"
                                          << "";
}

void tst_PostScan::defaultLanguage()
{
    QFETCH(QString, installed);
    QFETCH(QString, locale);
    QFETCH(QString, chosen);
    std::vector<std::string> languages;
    for (const QString& tag : installed.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        languages.push_back(ToUtf8(tag));
    QCOMPARE(ToQString(Speller::DefaultLanguage(languages, ToUtf8(locale))), chosen);
}

QTEST_APPLESS_MAIN(tst_PostScan)
#include "tst_postscan.moc"
