// SPDX-License-Identifier: MIT
// The SMF 2.1 renderer: the board's own output for 133 posts, our own cases
// for what that file does not reach, posts made at random from both (see
// generated-posts.json), pathological posts with a bound, and quote
// openings the board reads back whole.
//
// Both case files are JSON lines: "name", "bbcode", "html" (null: the board
// refused before rendering; not compared), "errors", and optionally
// "characters". They were rendered on a board at http://127.0.0.1:8797.

#include "base/PagePolicy.h"
#include "board/smf21/Smf21Page.h"
#include "board/smf21/Smf21Renderer.h"
#include "support/CaseRows.h"
#include "support/TestMain.h"
#include "support/TestText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

namespace {

QByteArray Bytes(std::string_view s) { return QByteArray(s.data(), qsizetype(s.size())); }

// The options of the board the reference cases come from.
Smf21::Options BoardOptions()
{
    static const std::vector<Smf21::Smiley> smilies = Smf21::DefaultSmilies("http://127.0.0.1:8797/Smileys/fugue/");
    Smf21::Options options;
    options.smilies = &smilies;
    options.scriptUrl = "http://127.0.0.1:8797/index.php";
    options.siteOrigin = "http://127.0.0.1";
    return options;
}

QString RenderHtml(const QString& post)
{
    const QByteArray input = post.toUtf8();
    return QString::fromUtf8(
        Bytes(Smf21::Render(std::string_view(input.constData(), size_t(input.size())), BoardOptions()).html));
}

QJsonObject LoadJson(const QString& file)
{
    QFile in(QStringLiteral(QF_SMF21_CASES_DIR) + file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(in.readAll()).object();
}

QList<QJsonObject> LoadLines(const QString& file)
{
    QList<QJsonObject> cases;
    QFile in(QStringLiteral(QF_SMF21_CASES_DIR) + file);
    if (in.open(QIODevice::ReadOnly))
        while (!in.atEnd())
            cases << QJsonDocument::fromJson(in.readLine()).object();
    return cases;
}

void AddCasesOf(const QString& file)
{
    QTest::addColumn<QJsonObject>("c");
    ::AddCaseRows(QStringLiteral(QF_SMF21_CASES_DIR) + file);
}

void CheckCase(const QJsonObject& c)
{
    const QByteArray input = c["bbcode"].toString().toUtf8();
    const std::string_view post(input.constData(), size_t(input.size()));
    const Smf21::Result result = Smf21::Render(post, BoardOptions());
    if (!c["html"].isNull())
        QCOMPARE(QString::fromUtf8(Bytes(result.html)), c["html"].toString());
    QStringList errors, expectedErrors;
    for (const std::string& e : result.errors)
        errors << QString::fromStdString(e);
    for (const QJsonValue& e : c["errors"].toArray())
        expectedErrors << e.toString();
    QCOMPARE(errors, expectedErrors);
    QCOMPARE(Smf21::CountCharacters(post), result.characters);
    if (c.contains("characters"))
        QCOMPARE(qint64(result.characters), c["characters"].toInteger());
}

}  // namespace

class tst_Smf21Renderer : public QObject {
    Q_OBJECT
private slots:
    void boardCases_data() { AddCasesOf("render-cases.jsonl"); }
    void boardCases();
    void extraCases_data() { AddCasesOf("extra-cases.jsonl"); }
    void extraCases();
    void joinedReferencePosts();
    void randomPosts();
    void pathologicalInputs_data();
    void pathologicalInputs();
    void longPostEnding_data();
    void longPostEnding();
    void quoteOpeningReadBack_data();
    void quoteOpeningReadBack();
    void defaultSmilies();
    void previewPage();
};

void tst_Smf21Renderer::boardCases()
{
    QFETCH(QJsonObject, c);
    CheckCase(c);
}

void tst_Smf21Renderer::extraCases()
{
    QFETCH(QJsonObject, c);
    CheckCase(c);
}

void tst_Smf21Renderer::joinedReferencePosts()
{
    // The board renders what stands between two rules independently of
    // the rest (the rule closes what is open and starts afresh), so
    // reference posts joined by one give their reference HTML joined by the
    // rule's.
    const QJsonObject generator = LoadJson("generated-posts.json");
    const QJsonObject joined = generator["joined"].toObject();
    const QJsonObject excluded = joined["excluded"].toObject();
    QList<QJsonObject> pieces;
    for (const QJsonObject& c : LoadLines("render-cases.jsonl"))
        if (!c["html"].isNull() && c["errors"].toArray().isEmpty() && !excluded.contains(c["name"].toString()))
            pieces << c;
    QVERIFY(pieces.size() > 100);
    const QString separator = joined["separator"].toObject()["bbcode"].toString();
    const QString separatorHtml = joined["separator"].toObject()["html"].toString();
    QRandomGenerator random(quint32(generator["seed"].toInt()));
    for (int post = 0; post < generator["posts"].toInt(); ++post) {
        QStringList bbcode, html, names;
        const int count = 2 + random.bounded(joined["pieces"].toInt() - 1);
        for (int i = 0; i < count; ++i) {
            const QJsonObject& c = pieces[random.bounded(int(pieces.size()))];
            bbcode << c["bbcode"].toString();
            html << c["html"].toString();
            names << c["name"].toString();
        }
        QVERIFY2(RenderHtml(bbcode.join(separator)) == html.join(separatorHtml), qPrintable(names.join(" + ")));
    }
}

void tst_Smf21Renderer::randomPosts()
{
    // Posts made of tag pieces, addresses, white space and invisible
    // characters: each renders to valid UTF-8 within the size bound, the
    // same every time, and the same as the post with its line breaks (or
    // other characters the board treats alike) written another way.
    const QJsonObject generator = LoadJson("generated-posts.json");
    QStringList fragments;
    for (const QJsonValue& f : generator["fragments"].toArray())
        fragments << f.toString();
    QVERIFY(!fragments.isEmpty());
    QRandomGenerator random(quint32(generator["seed"].toInt()));
    for (int post = 0; post < generator["posts"].toInt(); ++post) {
        QString text;
        const int count = 1 + random.bounded(40);
        for (int i = 0; i < count; ++i)
            text += fragments[random.bounded(int(fragments.size()))];
        const QByteArray input = text.toUtf8();
        const std::string_view view(input.constData(), size_t(input.size()));
        const Smf21::Result result = Smf21::Render(view, BoardOptions());
        const QByteArray html = Bytes(result.html);
        QVERIFY2(size_t(html.size()) <= 64 * size_t(input.size()) + 1024, input.constData());
        QVERIFY2(QString::fromUtf8(html).toUtf8() == html, input.constData());
        QVERIFY2(Smf21::Render(view, BoardOptions()).html == result.html, input.constData());
        for (const QJsonValue& pair : generator["sameAs"].toArray()) {
            const QString from = pair["from"].toString(), to = pair["to"].toString();
            if (!text.contains(from))
                continue;
            QVERIFY2(RenderHtml(QString(text).replace(from, to)) == QString::fromUtf8(html),
                     qPrintable(QString("%1 as %2 in: %3").arg(from.toUtf8().toHex(), to.toUtf8().toHex(), text)));
        }
    }
}

void tst_Smf21Renderer::pathologicalInputs_data()
{
    // Posts that make the board's regular expressions quadratic or the
    // output explode. Each must finish (CTest's time-out stands guard) with
    // HTML within a constant times the post; some check what it holds.
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("mustHold");
    auto row = [](const char* name, const std::string& in, const std::string& hold = {}) {
        QTest::newRow(name) << Bytes(in) << Bytes(hold);
    };
    for (const char* tag : {"[b]", "[quote]", "[url=x ", "[list][*]", "[color=red]", "[quote author=", "[code]",
                            "[img]", "[url]", "[*]x\n", "[td]", "[li]", "[nobbc]", "[b][/u]", "[html]"})
        row(qPrintable(QString("30,000 times %1").arg(tag)), Repeat(tag, 30000));
    row("an item on every line, each with an unclosed link", Repeat("[*]a [url=b\nc]", 30000));
    row("an item on every line, each with an unclosed picture", Repeat("[*][img]\n", 30000));
    row("quotes nested 20,000 deep", Repeat("[quote]", 20000) + "x" + Repeat("[/quote]", 20000),
        "<blockquote class=\"bbc_alternate_quote\"><cite>Quote</cite>");
    row("bold, italic and underline closed in the wrong order 10,000 times", Repeat("[b][i][u]x[/b]y[/i]z[/u]", 10000));
    row("hyphenated word of 100,000 letters", Repeat("a-", 100000));
    row("100,000 dotted labels", Repeat("a.", 100000));
    row("mail addresses run together", Repeat("mailto:a@", 30000));
    row("100,000 at signs", Repeat("a@", 100000));
    row("100,000 opening parentheses after an address", "http://a.example.org/" + Repeat("(", 100000));
    row("empty pairs nested 20,000 deep", "x" + Repeat("[b]", 20000) + Repeat("[/b]", 20000) + "y", "xy");
    row("50,000 smilies", Repeat(" :)", 50000), " <img src=\"Smileys/fugue/smiley.png\"");
    row("30,000 schemes without a host or a dot", Repeat("news:a", 30000));
    row("30,000 addresses with ports", Repeat("http://a.example.com:1", 30000));
    row("30,000 javascript addresses", Repeat("javascript://a.example.com/x ", 30000));
    row("30,000 tabs in a PHP string", "[php]'" + Repeat("\t", 30000) + "'[/php]", "\t</pre>");
    row("100,000 soft hyphens and joiners", Repeat("a\xC2\xAD\xE2\x80\x8D", 100000), "a\xEF\xBF\xBD");
}

void tst_Smf21Renderer::pathologicalInputs()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, mustHold);
    Smf21::Options options;
    options.maxLength = 0;
    const Smf21::Result result = Smf21::Render(std::string_view(input.constData(), size_t(input.size())), options);
    QVERIFY(result.html.size() <= 64 * size_t(input.size()) + 1024);
    QVERIFY(Bytes(result.html).contains(mustHold));
}

// The last white-space rules run over the HTML a block at a time, so the
// bytes one rule reads may come in two blocks. Letters put before a short
// post, as many as make the post's HTML fall on a block's end, must leave
// that HTML as it is alone.
void tst_Smf21Renderer::longPostEnding_data()
{
    QTest::addColumn<QByteArray>("post");
    QTest::newRow("space after a [br] tag") << QByteArray("[b]x[/b][br] y");
    QTest::newRow("space after a [br] tag at the end") << QByteArray("[u]x[/u][br] ");
    QTest::newRow("line break and a space after a tag") << QByteArray("[b]x[/b]\n y");
}

void tst_Smf21Renderer::longPostEnding()
{
    QFETCH(QByteArray, post);
    Smf21::Options options;
    options.maxLength = 0;
    const std::string tail(post.constData(), size_t(post.size()));
    const std::string alone = Smf21::Render(tail, options).html;
    for (size_t letters = 64 * 1024 - 24; letters <= 64 * 1024 + 8; ++letters) {
        const std::string before(letters, 'a');
        QCOMPARE(Bytes(Smf21::Render(before + tail, options).html), Bytes(before + alone));
    }
}

void tst_Smf21Renderer::quoteOpeningReadBack_data()
{
    // Names a quote may carry: the board must show each whole in the quote's
    // heading, with the link and date when they are given.
    QTest::addColumn<QString>("author");
    QTest::addColumn<qint64>("message");
    QTest::addColumn<QString>("heading");
    QTest::newRow("plain name, full form") << "Alice" << qint64(2) << "Quote from: Alice on Nov 14, 2023, 10:13 PM";
    QTest::newRow("name with spaces and an ampersand")
        << "Bob & Co" << qint64(2) << "Quote from: Bob &amp; Co on Nov 14, 2023, 10:13 PM";
    QTest::newRow("name that looks like a parameter")
        << "x link=msg=9 date=5" << qint64(2) << "Quote from: x link＝msg=9 date＝5 on Nov 14, 2023, 10:13 PM";
    QTest::newRow("brackets that would end the tag") << "[b]Eve]" << qint64(0) << "Quote from: ［b］Eve］";
    QTest::newRow("quotes around the name") << "\"Dan\"" << qint64(0) << "Quote from: &quot;Dan&quot;";
    QTest::newRow("line break in the name") << "Ann\nLee" << qint64(0) << "Quote from: Ann Lee";
    QTest::newRow("no name") << "" << qint64(2) << "<cite>Quote</cite>";
}

void tst_Smf21Renderer::quoteOpeningReadBack()
{
    QFETCH(QString, author);
    QFETCH(qint64, message);
    QFETCH(QString, heading);
    const std::string opening = Smf21::QuoteOpening(author.toStdString(), message, message ? 1700000000 : 0);
    const Smf21::Result result = Smf21::Render(opening + "text[/quote]", BoardOptions());
    QVERIFY2(QString::fromStdString(result.html).contains(heading), result.html.c_str());
    QVERIFY2(QString::fromStdString(result.html).endsWith("text</blockquote>"), result.html.c_str());
    QCOMPARE(QString::fromStdString(result.html).contains("index.php?msg=2"), message != 0 && !author.isEmpty());
}

void tst_Smf21Renderer::defaultSmilies()
{
    const std::vector<Smf21::Smiley> smilies = Smf21::DefaultSmilies("");
    QCOMPARE(smilies.size(), size_t(22));
    QCOMPARE(std::count_if(smilies.begin(), smilies.end(), [](const Smf21::Smiley& s) { return !s.hidden; }), 16);
    QCOMPARE(QString::fromStdString(smilies.front().picture), QString("smiley.png"));
    QCOMPARE(Smf21::Sizes().size(), size_t(7));
    QCOMPARE(QString::fromUtf8(Smf21::Sizes()[1].fontSize), QString("1em"));
}

void tst_Smf21Renderer::previewPage()
{
    // The policy leads the head, so a post's own script never runs; the
    // post's HTML sits in the board's preview box.
    const std::string post = "[b]x[/b]<script>alert(1)</script>";
    const QByteArray page = Bytes(Smf21::PreviewPage(post, BoardOptions()));
    QVERIFY(page.startsWith("<!DOCTYPE html>\r\n<html><head>" + Bytes(PagePolicy::NoScripts)));
    QVERIFY(page.contains("<div id=\"preview_body\" class=\"windowbg\"><div class=\"inner\">"
                          + Bytes(Smf21::Render(post, BoardOptions()).html) + "</div></div></body></html>"));
    QVERIFY(!page.contains("<script>"));
}

QF_TEST_MAIN(tst_Smf21Renderer)
#include "tst_smf21renderer.moc"
