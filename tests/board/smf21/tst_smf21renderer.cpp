// SPDX-License-Identifier: MIT
// The SMF 2.1 renderer: the board's own output for 133 posts, our own cases
// for what that file does not reach, pathological posts with a bound, and
// quote openings the board reads back whole.
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
    void pathologicalInputs_data();
    void pathologicalInputs();
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
