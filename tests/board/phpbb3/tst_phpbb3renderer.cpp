// SPDX-License-Identifier: MIT
// The phpBB 3 renderer: the board's own output for 154 posts, our own cases
// for what that file does not reach, and pathological posts with a bound.
//
// Both case files are JSON lines: "name", "bbcode" (or "bytes" in hex for
// byte sequences JSON cannot hold), "html" (null: not compared), "errors",
// and optionally "limits", "smileyTable", "characters", "smilies", "urls"
// and "quotesRemoved".

#include "board/common/Ascii.h"
#include "board/common/LineAnchor.h"
#include "board/phpbb3/Phpbb3Renderer.h"
#include "support/CaseRows.h"
#include "support/TestMain.h"
#include "support/TestText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <random>

namespace {

QByteArray Bytes(std::string_view s) { return QByteArray(s.data(), qsizetype(s.size())); }

void AddCasesOf(const QString& file) { ::AddCaseRows(QStringLiteral(QF_PHPBB3_CASES_DIR) + file); }

Phpbb3::Options OptionsOf(const QJsonObject& c, std::vector<Phpbb3::Smiley>& table)
{
    Phpbb3::Options options;
    const QJsonObject limits = c["limits"].toObject();
    Phpbb3::Limits& l = options.limits;
    l.maxChars = size_t(limits["maxChars"].toInteger(qint64(l.maxChars)));
    l.minChars = size_t(limits["minChars"].toInteger(qint64(l.minChars)));
    l.maxFontSize = long(limits["maxFontSize"].toInteger(l.maxFontSize));
    l.maxQuoteDepth = limits["maxQuoteDepth"].toInt(l.maxQuoteDepth);
    l.maxSmilies = size_t(limits["maxSmilies"].toInteger(qint64(l.maxSmilies)));
    l.maxUrls = size_t(limits["maxUrls"].toInteger(qint64(l.maxUrls)));
    if (c.contains("smileyTable")) {
        for (const QJsonValue& v : c["smileyTable"].toArray()) {
            const QJsonObject s = v.toObject();
            table.push_back({s["code"].toString().toStdString(), s["emotion"].toString().toStdString(),
                             s["picture"].toString().toStdString(), s["width"].toInt(), s["height"].toInt()});
        }
        options.smilies = &table;
    }
    return options;
}

void CheckAnchors(std::string_view post, const Phpbb3::Options& options, const std::string& html);

void CheckCase(const QJsonObject& c, const Phpbb3::Options& options)
{
    const QByteArray input =
        c.contains("bytes") ? QByteArray::fromHex(c["bytes"].toString().toLatin1()) : c["bbcode"].toString().toUtf8();
    const std::string_view post(input.constData(), size_t(input.size()));
    const Phpbb3::Result result = Phpbb3::Render(post, options);
    if (!c["html"].isNull())
        QCOMPARE(QString::fromUtf8(Bytes(result.html)), c["html"].toString());
    QStringList errors;
    for (const std::string& e : result.errors)
        errors << QString::fromStdString(e);
    QStringList expectedErrors;
    for (const QJsonValue& e : c["errors"].toArray())
        expectedErrors << e.toString();
    QCOMPARE(errors, expectedErrors);
    QCOMPARE(Phpbb3::CountCharacters(post), result.characters);
    if (c.contains("characters"))
        QCOMPARE(qint64(result.characters), c["characters"].toInteger());
    if (c.contains("smilies"))
        QCOMPARE(qint64(result.smilies), c["smilies"].toInteger());
    if (c.contains("urls"))
        QCOMPARE(qint64(result.urls), c["urls"].toInteger());
    if (c.contains("quotesRemoved"))
        QCOMPARE(result.quotesRemoved, c["quotesRemoved"].toBool());
    CheckAnchors(post, options, result.html);
}

// Every case of both case files that renders the same with other text
// around it: no messages or settings of its own, no white space at its
// ends, nothing left open and nothing waiting for a closing tag a later
// part could supply. Such a case's HTML stays as it is when a word comes
// before it, or every closing tag after it.
std::vector<QJsonObject> ComposableCases()
{
    static const std::string closers = "[/b][/i][/u][/size][/color][/url][/email][/img][/flash][/attachment][/*]"
                                       "[/list][/code][/quote]";
    const std::string closersHtml = Phpbb3::Render(closers).html;
    std::vector<QJsonObject> cases;
    for (const char* file : {"render-cases.jsonl", "extra-cases.jsonl"}) {
        QFile in(QStringLiteral(QF_PHPBB3_CASES_DIR) + file);
        if (!in.open(QIODevice::ReadOnly))
            return {};
        while (!in.atEnd()) {
            const QJsonObject c = QJsonDocument::fromJson(in.readLine()).object();
            const std::string post = c["bbcode"].toString().toStdString();
            const std::string html = c["html"].toString().toStdString();
            if (c["html"].isNull() || !c["errors"].toArray().isEmpty() || c.contains("limits")
                || c.contains("smileyTable") || c.contains("bytes") || c["name"] == "flash_administrator"
                || post.empty() || Ascii::IsSpace(post.front()) || Ascii::IsSpace(post.back()))
                continue;
            if (Phpbb3::Render(post + " " + closers).html == html + " " + closersHtml
                && Phpbb3::Render("z " + post).html == "z " + html)
                cases.push_back(c);
        }
    }
    return cases;
}

// The line anchors of the live preview leave the HTML as it is around them.
void CheckAnchors(std::string_view post, const Phpbb3::Options& options, const std::string& html)
{
    std::vector<uint32_t> lines;
    Phpbb3::Options anchored = options;
    anchored.lineAnchors = &lines;
    QString withAnchors = QString::fromStdString(Phpbb3::Render(post, anchored).html);
    QCOMPARE(qsizetype(lines.size()), withAnchors.count(LineAnchor::Element.data()));
    QCOMPARE(withAnchors.remove(LineAnchor::Element.data()), QString::fromStdString(html));
}

}  // namespace

class tst_Phpbb3Renderer : public QObject {
    Q_OBJECT
private slots:
    void boardCases_data();
    void boardCases();
    void extraCases_data();
    void extraCases();
    void composedPosts_data();
    void composedPosts();
    void randomPosts_data();
    void randomPosts();
    void pathologicalInputs_data();
    void pathologicalInputs();
    void defaultSmilies();
};

void tst_Phpbb3Renderer::boardCases_data()
{
    QTest::addColumn<QJsonObject>("c");
    AddCasesOf("render-cases.jsonl");
}

void tst_Phpbb3Renderer::boardCases()
{
    // Every case was posted by a member, except "flash_administrator": the
    // founder, who may use [flash].
    QFETCH(QJsonObject, c);
    std::vector<Phpbb3::Smiley> table;
    Phpbb3::Options options = OptionsOf(c, table);
    options.mayUseFlash = c["name"].toString() == "flash_administrator";
    CheckCase(c, options);
}

void tst_Phpbb3Renderer::extraCases_data()
{
    QTest::addColumn<QJsonObject>("c");
    AddCasesOf("extra-cases.jsonl");
}

void tst_Phpbb3Renderer::extraCases()
{
    QFETCH(QJsonObject, c);
    std::vector<Phpbb3::Smiley> table;
    CheckCase(c, OptionsOf(c, table));
}

void tst_Phpbb3Renderer::composedPosts_data()
{
    // Posts made of two to five cases that render independently, joined by
    // spaces, in a seeded random choice: the board renders each part as it
    // renders that case alone, so the HTML is the cases' HTML joined the same
    // way. Catches scanners and indexes that lose their place past the first
    // part, and rules that reach across a space.
    QTest::addColumn<QJsonObject>("c");
    const std::vector<QJsonObject> cases = ComposableCases();
    QVERIFY(cases.size() > 100);
    std::mt19937 random(20261209);
    for (int n = 0; n < 300; ++n) {
        const int parts = 2 + int(random() % 4);
        QStringList names, posts, htmls;
        for (int k = 0; k < parts; ++k) {
            const QJsonObject& c = cases[random() % cases.size()];
            names << c["name"].toString();
            posts << c["bbcode"].toString();
            htmls << c["html"].toString();
        }
        QJsonObject c{{"bbcode", posts.join(' ')}, {"html", htmls.join(' ')}, {"errors", QJsonArray()}};
        QTest::newRow(qPrintable(names.join(" + "))) << c;
    }
}

void tst_Phpbb3Renderer::composedPosts()
{
    QFETCH(QJsonObject, c);
    Phpbb3::Options options;
    options.limits.maxChars = 0;
    CheckCase(c, options);
}

void tst_Phpbb3Renderer::randomPosts_data()
{
    // Posts of random pieces (random-posts.json: tags, smilies, short codes,
    // addresses, emoji, punctuation), with a fixed seed.
    QTest::addColumn<QByteArray>("post");
    QFile in(QStringLiteral(QF_PHPBB3_CASES_DIR) + "random-posts.json");
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QJsonObject data = QJsonDocument::fromJson(in.readAll()).object();
    const QJsonArray tokens = data["tokens"].toArray();
    QVERIFY(!tokens.isEmpty());
    std::mt19937 random(uint32_t(data["seed"].toInteger()));
    for (int n = 0; n < data["posts"].toInt(); ++n) {
        QByteArray post;
        for (int k = int(random() % uint32_t(data["maxTokens"].toInt())); k >= 0; --k)
            post += tokens[qsizetype(random() % uint32_t(tokens.size()))].toString().toUtf8();
        QTest::newRow(qPrintable(QString("random post %1").arg(n))) << post;
    }
}

void tst_Phpbb3Renderer::randomPosts()
{
    // What holds for any post: HTML within a constant times the post, every
    // element closed, line anchors changing nothing else, and the same HTML
    // when rendered again after another post (the renderer keeps its
    // buffers between renders).
    QFETCH(QByteArray, post);
    const std::string_view text(post.constData(), size_t(post.size()));
    Phpbb3::Options options;
    options.limits.maxQuoteDepth = 0;
    const std::string html = Phpbb3::Render(text, options).html;
    QVERIFY(html.size() <= 64 * text.size() + 1024);
    const QByteArray out = Bytes(html);
    for (const auto& [open, close] : {std::pair{"<strong", "</strong>"}, {"<em", "</em>"}, {"<span", "</span>"},
                                      {"<a ", "</a>"}, {"<blockquote", "</blockquote>"}, {"<div", "</div>"},
                                      {"<li>", "</li>"}, {"<pre>", "</pre>"}, {"<cite>", "</cite>"}})
        QCOMPARE(out.count(open), out.count(close));
    QCOMPARE(out.count("<ul") + out.count("<ol"), out.count("</ul>") + out.count("</ol>"));
    CheckAnchors(text, options, html);
    std::string reversed(text.rbegin(), text.rend());
    Phpbb3::Render(reversed, options);
    QCOMPARE(Bytes(Phpbb3::Render(text, options).html), out);
}

void tst_Phpbb3Renderer::pathologicalInputs_data()
{
    // Posts that make a naive parser quadratic or its output explode. Each
    // must finish (CTest's time-out stands guard) with HTML within a
    // constant times the post; a few check what the HTML holds.
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("mustHold");
    auto row = [](const char* name, const std::string& in, const std::string& hold = {}) {
        QTest::newRow(name) << Bytes(in) << Bytes(hold);
    };
    for (const char* tag : {"[b]", "[quote]", "[url=x ", "[list][*]", "[color=red]", "[quote=\"a", "[code]", "[b a=1 "})
        row(qPrintable(QString("30,000 unclosed %1").arg(tag)), Repeat(tag, 30000));
    {
        std::string in;
        for (unsigned i = 0; i < 30000; ++i) {
            char piece[32];
            std::snprintf(piece, sizeof piece, "[color=#%06X]g[/color]", (i * 2654435761u) & 0xFFFFFF);
            in += piece;
        }
        row("gradient post, every letter its own colour", in, "<span style=\"color:#000000\">g</span>");
    }
    row("quotes nested 20,000 deep: three levels kept", Repeat("[quote]", 20000) + "x" + Repeat("[/quote]", 20000),
        Repeat("<blockquote class=\"uncited\"><div>", 3) + Repeat("</div></blockquote>", 3));
    row("20,000 quotes inside bold", Repeat("[b]x[quote]y", 20000));
    row("bold, italic and underline closed in the wrong order 10,000 times", Repeat("[b][i][u]x[/b]y[/i]z[/u]", 10000));
    row("30,000 items opened in nested lists", Repeat("[list][*]a[b]", 30000));
    row("[url= inside [url= 50,000 times, one closing tag", Repeat("[url=[url=", 50000) + "[/url]");
    row("default attributes running to the end 100,000 times", Repeat("[b=", 100000) + "]");
    row("100,000 opening parentheses after an address", "http://a.example/" + Repeat("(", 100000));
    row("100,000 at signs", Repeat("a@", 100000));
    row("30,000 combining marks after one letter", "e" + Repeat("\xCC\x81\xCC\xA3", 30000));
    row("50,000 smilies", Repeat(" :)", 50000), " <img class=\"smilies\"");
    row("100,000 colons before letters", Repeat(":ab", 100000));
    row("30,000 emoji short codes sharing their colons", Repeat(":thumbsup", 30000) + ":", "<img alt=\":thumbsup:\"");
}

void tst_Phpbb3Renderer::pathologicalInputs()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, mustHold);
    Phpbb3::Options options;
    options.limits.maxChars = 0;
    const Phpbb3::Result result = Phpbb3::Render(std::string_view(input.constData(), size_t(input.size())), options);
    QVERIFY(result.html.size() <= 64 * size_t(input.size()) + 1024);
    QVERIFY(Bytes(result.html).contains(mustHold));
}

void tst_Phpbb3Renderer::defaultSmilies()
{
    const std::vector<Phpbb3::Smiley> smilies = Phpbb3::DefaultSmilies();
    QCOMPARE(smilies.size(), size_t(42));
    QCOMPARE(QString::fromStdString(smilies.front().code), QString(":D"));
    QCOMPARE(QString::fromStdString(smilies.front().picture), QString("./images/smilies/icon_e_biggrin.gif"));
    QCOMPARE(QString::fromStdString(smilies.back().code), QString(":ugeek:"));
    QCOMPARE(smilies.back().height, 18);
    QCOMPARE(QString::fromStdString(Phpbb3::DefaultSmilies("").back().picture), QString("icon_e_ugeek.gif"));
}

QF_TEST_MAIN(tst_Phpbb3Renderer)
#include "tst_phpbb3renderer.moc"
