// SPDX-License-Identifier: MIT
// The MyBB 1.8 renderer: the board's own output for 164 posts, our own
// cases for what that file does not reach, pathological posts with a bound,
// posts made by a seeded generator (generated-posts.jsonl: reference posts
// joined, whose HTML is theirs joined; random posts of tricky fragments,
// which keep the board's invariants), and what the editor takes from the
// dialect (smilies, quote tags).
//
// Both case files are JSON lines: "name", "bbcode" (or "bytes" in hex for
// byte sequences JSON cannot hold), "html", "errors", and optionally "now"
// (the reader's clock). Every post is rendered as the board's member
// "member" reads it on the board the file was made on.

#include "board/mybb18/Mybb18Renderer.h"
#include "board/mybb18/Mybb18Page.h"
#include "support/CaseRows.h"
#include "support/TestMain.h"
#include "support/TestText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>
#include <random>

namespace {

constexpr const char* Board = "http://127.0.0.1:8795";

QByteArray Bytes(std::string_view s) { return QByteArray(s.data(), qsizetype(s.size())); }

void AddCasesOf(const QString& file)
{
    QTest::addColumn<QJsonObject>("c");
    ::AddCaseRows(QStringLiteral(QF_MYBB18_CASES_DIR) + file);
}

Mybb18::Options BoardOptions(const std::vector<Mybb18::Smiley>& smilies)
{
    Mybb18::Options options;
    options.smilies = &smilies;
    options.boardUrl = Board;
    options.userName = "member";
    options.now = 1765000000;  // December 2025, when the case file was made
    return options;
}

void CheckCase(const QJsonObject& c)
{
    static const std::vector<Mybb18::Smiley> smilies = Mybb18::DefaultSmilies(std::string(Board).append("/images/smilies/"));
    Mybb18::Options options = BoardOptions(smilies);
    options.now = c["now"].toInteger(options.now);
    const QByteArray input =
        c.contains("bytes") ? QByteArray::fromHex(c["bytes"].toString().toLatin1()) : c["bbcode"].toString().toUtf8();
    const Mybb18::Result result = Mybb18::Render(std::string_view(input.constData(), size_t(input.size())), options);
    QCOMPARE(QString::fromUtf8(Bytes(result.html)), c["html"].toString());
    QStringList errors;
    for (const std::string& e : result.errors)
        errors << QString::fromStdString(e);
    QStringList expectedErrors;
    for (const QJsonValue& e : c["errors"].toArray())
        expectedErrors << e.toString();
    QCOMPARE(errors, expectedErrors);
}

}  // namespace

class tst_Mybb18Renderer : public QObject {
    Q_OBJECT
private slots:
    void boardCases_data() { AddCasesOf("render-cases.jsonl"); }
    void boardCases()
    {
        QFETCH(QJsonObject, c);
        CheckCase(c);
    }
    void extraCases_data() { AddCasesOf("extra-cases.jsonl"); }
    void extraCases()
    {
        QFETCH(QJsonObject, c);
        CheckCase(c);
    }
    void customSmilies_data();
    void customSmilies();
    void generatedPosts_data() { AddCasesOf("generated-posts.jsonl"); }
    void generatedPosts();
    void pathologicalInputs_data();
    void pathologicalInputs();
    void quoteOpeningRendersAsTheBoardsOwn_data();
    void quoteOpeningRendersAsTheBoardsOwn();
    void editorChoices();
};

namespace {

std::vector<std::string> Strings(const QJsonValue& array)
{
    std::vector<std::string> strings;
    for (const QJsonValue& v : array.toArray())
        strings.push_back(v.toString().toStdString());
    return strings;
}

// The reference posts by name: their MyCode and the board's HTML.
const std::map<QString, std::pair<std::string, std::string>>& ReferencePosts()
{
    static const auto posts = [] {
        std::map<QString, std::pair<std::string, std::string>> map;
        QFile in(QStringLiteral(QF_MYBB18_CASES_DIR) + "render-cases.jsonl");
        if (in.open(QIODevice::ReadOnly))
            while (!in.atEnd()) {
                const QJsonObject c = QJsonDocument::fromJson(in.readLine()).object();
                map[c["name"].toString()] = {c["bbcode"].toString().toStdString(), c["html"].toString().toStdString()};
            }
        return map;
    }();
    return posts;
}

std::string WithCrlf(const std::string& post)
{
    std::string out;
    for (const char c : post)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

}  // namespace

// A board's own smilies whose codes start with letters and digits, so the
// smilies pass cannot jump between ":", ";" and "&" and must look at
// every byte that may start a code or an address. Expected HTML from the
// renderer before that pass learnt to jump.
void tst_Mybb18Renderer::customSmilies_data()
{
    QTest::addColumn<QString>("post");
    QTest::addColumn<QString>("html");
    QTest::newRow("codes on letters and digits, an address keeps its own") << QString("hi 8) http://a.b/hi 8):) hi")
                     << QString("<img src=\"h.png\" alt=\"Hi\" title=\"Hi\" class=\"smilie smilie_2\" /> <img src=\"c.png\" alt=\"Cool\" title=\"Cool\" class=\"smilie smilie_1\" /> <a href=\"http://a.b/hi\" target=\"_blank\" rel=\"noopener\" class=\"mycode_url\">http://a.b/hi</a> <img src=\"c.png\" alt=\"Cool\" title=\"Cool\" class=\"smilie smilie_1\" /><img src=\"s.png\" alt=\"Smile\" title=\"Smile\" class=\"smilie smilie_4\" /> <img src=\"h.png\" alt=\"Hi\" title=\"Hi\" class=\"smilie smilie_2\" />");
    QTest::newRow("a protected address starting after a letter that starts no code") << QString("hhttp://x/hi ht")
                     << QString("hhttp://x/hi <img src=\"t.png\" alt=\"Ht\" title=\"Ht\" class=\"smilie smilie_3\" />");
    QTest::newRow("codes inside a link's text and a quote, not in its name") << QString("[url=hi]hi[/url] hi [quote=hi]8)[/quote]")
                     << QString("<a href=\"http://hi\" target=\"_blank\" rel=\"noopener\" class=\"mycode_url\"><img src=\"h.png\" alt=\"Hi\" title=\"Hi\" class=\"smilie smilie_2\" /></a> <img src=\"h.png\" alt=\"Hi\" title=\"Hi\" class=\"smilie smilie_2\" /> <blockquote class=\"mycode_quote\"><cite>hi Wrote:</cite><img src=\"c.png\" alt=\"Cool\" title=\"Cool\" class=\"smilie smilie_1\" /></blockquote>");
    QTest::newRow("ftp addresses protected up to white space, a code after one") << QString("ftp://hi.ht/8) ftps://x hit")
                     << QString("<a href=\"ftp://hi.ht/8\" target=\"_blank\" rel=\"noopener\" class=\"mycode_url\">ftp://hi.ht/8</a>) ftps://x <img src=\"h.png\" alt=\"Hi\" title=\"Hi\" class=\"smilie smilie_2\" />t");
}

void tst_Mybb18Renderer::customSmilies()
{
    QFETCH(QString, post);
    QFETCH(QString, html);
    const std::vector<Mybb18::Smiley> smilies = {
        {"8)", "Cool", "c.png", 1}, {"hi", "Hi", "h.png", 2}, {"ht", "Ht", "t.png", 3}, {":)", "Smile", "s.png", 4}};
    Mybb18::Options options;
    options.smilies = &smilies;
    options.now = 1765000000;
    QCOMPARE(QString::fromStdString(Mybb18::Render(post.toStdString(), options).html), html);
}

void tst_Mybb18Renderer::generatedPosts()
{
    // A row names its check. "concatenation": reference posts joined by a
    // separator the board renders on its own give their HTML joined by it.
    // "invariants": random posts of fragments (random glue between them)
    // render the same with CR LF newlines and with blank edges (the board
    // drops CRs and trims), never show the code blocks' placeholder, write
    // /me only for a known poster, and stay within a linear size.
    QFETCH(QJsonObject, c);
    static const std::vector<Mybb18::Smiley> smilies =
        Mybb18::DefaultSmilies(std::string(Board).append("/images/smilies/"));
    const Mybb18::Options options = BoardOptions(smilies);
    Mybb18::Options anonymous = options;
    anonymous.userName.clear();
    std::mt19937 random(uint32_t(c["seed"].toInt()));
    auto pick = [&](const std::vector<std::string>& from) -> const std::string& { return from[random() % from.size()]; };
    const int posts = c["posts"].toInt();
    if (c["check"] == "concatenation") {
        const std::string separator = c["separator"].toString().toStdString();
        const std::vector<std::string> pieces = Strings(c["pieces"]);
        QVERIFY(!pieces.empty());
        for (int n = 0; n < posts; ++n) {
            std::string post, html;
            for (size_t k = 0, count = 2 + random() % 4; k < count; ++k) {
                const auto found = ReferencePosts().find(QString::fromStdString(pick(pieces)));
                QVERIFY(found != ReferencePosts().end());
                post += (k ? separator : "") + found->second.first;
                html += (k ? separator : "") + found->second.second;
            }
            QCOMPARE(QString::fromStdString(Mybb18::Render(post, options).html), QString::fromStdString(html));
        }
        return;
    }
    QCOMPARE(c["check"].toString(), QString("invariants"));
    const std::vector<std::string> fragments = Strings(c["fragments"]), glue = Strings(c["glue"]);
    const int length = c["length"].toInt(6);
    for (int n = 0; n < posts; ++n) {
        std::string post;
        for (int k = 0, count = 1 + int(random() % uint32_t(length)); k < count; ++k)
            post += pick(fragments) + pick(glue);
        const Mybb18::Result result = Mybb18::Render(post, options);
        const QString html = QString::fromStdString(result.html);
        QVERIFY2(result.html.size() <= 64 * post.size() + 1024, post.c_str());
        QCOMPARE(QString::fromStdString(Mybb18::Render(WithCrlf(post), options).html), html);
        QCOMPARE(QString::fromStdString(Mybb18::Render(" \n\t" + post + "\n \n", options).html), html);
        QCOMPARE(result.bytes, Mybb18::CountBytes(post));
        QVERIFY2(!html.contains("<mybb-code"), post.c_str());
        QVERIFY2(!QString::fromStdString(Mybb18::Render(post, anonymous).html).contains("class=\"mycode_me\">"), post.c_str());
        if (post.rfind("/me ", 0) == 0)
            QVERIFY2(html.isEmpty() || html.startsWith("<span style=\"color: red;\" class=\"mycode_me\">* member "), post.c_str());
    }
}

void tst_Mybb18Renderer::pathologicalInputs_data()
{
    // Posts that make a naive parser quadratic or its output explode. Each
    // must finish (CTest's time-out stands guard) with HTML within a
    // constant times the post; a few check what the HTML holds.
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("mustHold");
    auto row = [](const char* name, const std::string& in, const std::string& hold = {}) {
        QTest::newRow(name) << Bytes(in) << Bytes(hold);
    };
    for (const char* tag : {"[b]", "[quote]", "[quote=\"a", "[quote=a]", "[quote=\"a\"\"]", "[url=x ", "[url]http://", "[list][*]", "[color=red]",
                            "[code]", "[img]http://a", "[email=a@b.c]", "[video=youtube]", "[size=3]", "[font=a]"})
        row(qPrintable(QString("30,000 unclosed %1").arg(tag)), Repeat(tag, 30000));
    row("colours nested 30,000 deep", Repeat("[color=red]x", 30000) + Repeat("[/color]", 30000),
        Repeat("</span>", 30000));
    row("quotes nested 20,000 deep", Repeat("[quote]", 20000) + "x" + Repeat("[/quote]", 20000),
        Repeat("<blockquote class=\"mycode_quote\"><cite>Quote:</cite>", 64));
    row("named quotes nested 20,000 deep", Repeat("[quote=a]", 20000) + "x" + Repeat("[/quote]", 20000));
    row("lists nested 30,000 deep", Repeat("[list][*]a", 30000) + Repeat("[/list]", 30000),
        Repeat("</li>\n</ul>\n", 100));
    row("30,000 lists in a row", Repeat("[list=1][*]a[/list]\n", 30000));
    row("100,000 opening parentheses after an address", "http://a.example/" + Repeat("(", 100000));
    row("100,000 addresses with no tag after them", Repeat(" www.a.example", 100000));
    row("50,000 smilies", Repeat(" :)", 50000), " <img src=");
    row("30,000 e-mail openings on one line", Repeat("[email=a@b.c]x", 30000));
}

void tst_Mybb18Renderer::pathologicalInputs()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, mustHold);
    Mybb18::Options options;
    options.userName = "member";
    const Mybb18::Result result = Mybb18::Render(std::string_view(input.constData(), size_t(input.size())), options);
    QVERIFY(result.html.size() <= 64 * size_t(input.size()) + 1024);
    QVERIFY(Bytes(result.html).contains(mustHold));
}

void tst_Mybb18Renderer::quoteOpeningRendersAsTheBoardsOwn_data()
{
    // The tag the quote manager will write, read back by the renderer: the
    // name as it was, the date and the link to the quoted post.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("cite");
    QTest::newRow("plain name") << "Bob"
                                << "[quote=\"Bob\" pid='12' dateline='1700000000']"
                                << "<cite><span> (11-14-2023, 10:13 PM)</span>Bob Wrote:  <a "
                                   "href=\"http://127.0.0.1:8795/showthread.php?pid=12#pid12\" "
                                   "class=\"quick_jump\"></a></cite>";
    QTest::newRow("apostrophe and bracket") << "O'Brien [x]"
                                            << "[quote=\"O'Brien [x]\" pid='12' dateline='1700000000']"
                                            << "</span>O'Brien [x] Wrote:  <a";
    QTest::newRow("double quotes") << "say \"hi\""
                                   << "[quote=\"say &#34;hi&#34;\" pid='12' dateline='1700000000']"
                                   << "</span>say &#34;hi&#34; Wrote:  <a";
    QTest::newRow("apostrophe at the end") << "Chris'"
                                           << "[quote=\"Chris&#39;\" pid='12' dateline='1700000000']"
                                           << "</span>Chris&#39; Wrote:  <a";
    QTest::newRow("markup in the name") << "<b>&"
                                        << "[quote=\"<b>&\" pid='12' dateline='1700000000']"
                                        << "</span>&lt;b&gt;&amp; Wrote:  <a";
}

void tst_Mybb18Renderer::quoteOpeningRendersAsTheBoardsOwn()
{
    QFETCH(QString, name);
    QFETCH(QString, tag);
    QFETCH(QString, cite);
    const std::string opening = Mybb18::QuoteOpening(name.toStdString(), 12, 1700000000);
    QCOMPARE(QString::fromStdString(opening), tag);
    static const std::vector<Mybb18::Smiley> smilies = Mybb18::DefaultSmilies();
    const Mybb18::Result result = Mybb18::Render(opening + "quoted words[/quote]", BoardOptions(smilies));
    QVERIFY2(QString::fromStdString(result.html).contains(cite), result.html.c_str());
    QVERIFY(QString::fromStdString(result.html).endsWith("</cite>quoted words</blockquote>"));
    // Without attributes the board cuts the name's end itself.
    QCOMPARE(QString::fromStdString(Mybb18::QuoteOpening("Bob")), QString("[quote=\"Bob\"]"));
    const std::string bare = Mybb18::QuoteOpening("say \"hi\"");
    QCOMPARE(QString::fromStdString(bare), QString("[quote='say \"hi\"']"));
    QVERIFY(Mybb18::Render(bare + "x[/quote]").html.find("<cite>say &quot;hi&quot; Wrote:</cite>")
            != std::string::npos);
}

void tst_Mybb18Renderer::editorChoices()
{
    const std::vector<Mybb18::Smiley> smilies = Mybb18::DefaultSmilies("");
    QCOMPARE(smilies.size(), size_t(24));
    QCOMPARE(QString::fromStdString(smilies[17].code), QString(":idea:"));
    QCOMPARE(QString::fromStdString(smilies[17].picture), QString("lightbulb.png"));
    QCOMPARE(QString::fromStdString(Mybb18::DefaultSmilies().front().picture), QString("images/smilies/smile.png"));
    QCOMPARE(QString::fromUtf8(Mybb18::SizeChoices[5].value.data()), QString("x-large"));
    // Each size the editor offers renders as the board's named size.
    for (const Mybb18::SizeChoice& size : Mybb18::SizeChoices) {
        const std::string value(size.value);
        QCOMPARE(QString::fromStdString(Mybb18::Render("[size=" + value + "]text[/size]").html),
                 QString::fromStdString("<span style=\"font-size: " + value + ";\" class=\"mycode_size\">text</span>"));
    }
    Mybb18::Options options;
    const std::string page = Mybb18::PreviewPage("[quote]hello[/quote]", options);
    QVERIFY(page.find("<strong>Preview</strong>") != std::string::npos);
    QVERIFY(page.find("<cite>Quote:</cite>hello</blockquote>") != std::string::npos);
}

QF_TEST_MAIN(tst_Mybb18Renderer)
#include "tst_mybb18renderer.moc"
