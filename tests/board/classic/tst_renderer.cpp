// SPDX-License-Identifier: MIT
// The BBCode renderer: conformance files, the emoticon table.

#include "ConformanceFile.h"
#include "PostGenerator.h"
#include "ReferenceRenderer.h"
#include "board/classic/BBCodeRenderer.h"
#include "board/classic/EmoticonTable.h"
#include "support/TestMain.h"
#include "support/TestText.h"
#include "base/Utf8.h"

#include <cstdio>
#include <random>

using namespace std::string_literals;

namespace {

QByteArray Bytes(std::string_view s) { return QByteArray(s.data(), qsizetype(s.size())); }

}  // namespace

class tst_Renderer : public QObject {
    Q_OBJECT
private slots:
    void conformance_data();
    void conformance();
    void referenceAgreesWithConformance_data() { conformance_data(); }
    void referenceAgreesWithConformance();
    void generatedPostsMatchReference_data();
    void generatedPostsMatchReference();
    void pathologicalInputs_data();
    void pathologicalInputs();
    void emoticonTableIsTheOneTable();
    void replaceEmoticon_data();
    void replaceEmoticon();
    void emoticonsInLongTexts_data();
    void emoticonsInLongTexts();
};

void tst_Renderer::conformance_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    const QString dir = QStringLiteral(QF_CONFORMANCE_DIR);
    for (const char* family : {"tags", "lists", "links", "quotes", "emoticons", "regressions"}) {
        const std::string path = ToUtf8(dir + family + ".txt");
        std::vector<Conformance::Example> examples;
        try {
            examples = Conformance::Load(path);
        } catch (const std::exception& e) {
            QFAIL(e.what());
        }
        QVERIFY2(!examples.empty(), path.c_str());
        for (const Conformance::Example& ex : examples)
            QTest::newRow(qPrintable(QString("%1:%2 %3").arg(family).arg(ex.line).arg(ToQString(ex.title))))
                << Bytes(ex.input) << Bytes(ex.expected);
    }
}

void tst_Renderer::conformance()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    const std::string html =
        bbcode::RenderBBCode(std::string_view(input.constData(), size_t(input.size())), Conformance::AppFolder);
    QCOMPARE(Bytes(html), expected);
}

void tst_Renderer::referenceAgreesWithConformance()
{
    // The reference is the other half of every comparison below, so it must
    // get the examples right too.
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    if (input.size() > 4000)
        QSKIP("too long for the quadratic reference");
    const std::string html =
        Reference::RenderBBCode(std::string_view(input.constData(), size_t(input.size())), Conformance::AppFolder);
    QCOMPARE(Bytes(html), expected);
}

void tst_Renderer::generatedPostsMatchReference_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("posts");
    QTest::addColumn<int>("maxTokens");
    QTest::addColumn<QByteArray>("appFolder");
    QTest::newRow("short posts") << 1u << 4000 << 8 << QByteArray("/opt/quillforge/");
    QTest::newRow("longer posts") << 2u << 1500 << 40 << QByteArray("/opt/quillforge/");
    QTest::newRow("program folder holding emoticon codes") << 3u << 500 << 20 << QByteArray("/home/a:)b/8)/");
    QTest::newRow("root program folder") << 4u << 300 << 20 << QByteArray("/");
}

void tst_Renderer::generatedPostsMatchReference()
{
    QFETCH(unsigned, seed);
    QFETCH(int, posts);
    QFETCH(int, maxTokens);
    QFETCH(QByteArray, appFolder);
    const std::string_view folder(appFolder.constData(), size_t(appFolder.size()));
    PostGenerator::Generator generator(seed);
    for (int n = 0; n < posts; ++n) {
        const std::string post = generator.Post(size_t(maxTokens));
        const std::string fast = bbcode::RenderBBCode(post, folder);
        const std::string reference = Reference::RenderBBCode(post, folder);
        if (fast != reference)
            QFAIL(qPrintable(QString("post %1 differs: %2").arg(n).arg(QString(Bytes(post).toPercentEncoding()))));
    }
}

namespace {

std::string Wrapped(std::string_view fragment) { return "<font face=\"Arial\">" + std::string(fragment) + "</font>"; }

const std::string QuoteBox = Conformance::Expand("{quote-box}");

}  // namespace

void tst_Renderer::pathologicalInputs_data()
{
    // Inputs that make the passes, taken literally, quadratic or worse, or
    // that once hung or exploded. Each finishes (CTest's time-out stands
    // guard) and gives the result worked out here independently.
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    auto row = [](const char* name, const std::string& in, const std::string& out) {
        QTest::newRow(name) << Bytes(in) << Bytes(out);
    };
    for (const char* tag : {"[color=red", "[url=x", "[size=2", "[quote=\"a\"", "[url]x"}) {
        const std::string in = Repeat(std::string(tag) + " ", 30000);
        row(qPrintable(QString("30,000 unclosed %1").arg(tag)), in, Wrapped(in));
    }
    {
        std::string in, out;
        for (int i = 0; i < 30000; ++i) {
            char colour[8];
            std::snprintf(colour, sizeof colour, "#%06X", (i * 2654435761u) & 0xFFFFFF);
            in += "[color=" + std::string(colour) + "]g[/color]";
            out += "<font color=\"" + std::string(colour) + "\">g</font>";
        }
        row("gradient post, every letter its own colour", in, Wrapped(out));
    }
    {
        std::string in, out;
        for (int i = 0; i < 20000; ++i) {
            const std::string name = "Poster" + std::to_string(i);
            in += "[quote=\"" + name + "\"]t[/quote]";
            out += QuoteBox + "<b>" + name + " Wrote:</b><br />t</p>";
        }
        row("20,000 distinct named quotes", in, Wrapped(out));
    }
    row("quotes nested 20,000 deep", Repeat("[quote]", 20000) + "x" + Repeat("[/quote]", 20000),
        Wrapped(Repeat(QuoteBox, 20000) + "x" + Repeat("</p>", 20000)));
    row("colours nested 20,000 deep", Repeat("[color=red]", 20000) + "x" + Repeat("[/color]", 20000),
        Wrapped(Repeat("<font color=\"red\">", 20000) + "x" + Repeat("</font>", 20000)));
    row("prefixes nested in one value", Repeat("[color=", 30000) + "a]",
        Wrapped(Repeat("<font color=\"", 30000) + "a\">"));
    row("30,000 opening prefixes then 30,000 brackets", Repeat("[size=", 30000) + Repeat("]", 30000),
        Wrapped(Repeat("<span style=\"font-size:", 30000) + "px\">" + Repeat("]", 29999)));
    row("quote names left open 3,000 times", Repeat("[quote=\"Anna]hi ", 3000) + "\"",
        Wrapped(Repeat(QuoteBox + "hi ", 3000) + "\""));
    row("bare link around 2,000 bold words", "[url]" + Repeat("[b]w[/b] ", 2000) + "[/url]",
        Wrapped("[url]" + Repeat("<b>w</b> ", 2000) + "</a>"));
    row("16 bytes that once ran away", Repeat("[url][url]</</a>", 2000), Wrapped(Repeat("[url][url]</</a>", 2000)));
    row("unclosed [url] before a bold word and a bare link, 5,000 times",
        Repeat("[url]a\r\n[b]n[/b] [url]b[/url] ", 5000),
        Wrapped(Repeat("[url]a<br />\n<b>n</b> <a href=\"b\">b</a> ", 5000)));
    row("links nested inside bare links", "[url]x[/url]" + Repeat("[url]", 3000) + "x[/url]",
        Wrapped("<a href=\"x\">x</a>" + Repeat("[url]", 2999) + "<a href=\"x\">x</a>"));
    row("100,000 colons", Repeat(":", 100000), Wrapped(Repeat(":", 100000)));
    row("50,000 overlapping :?:)", Repeat(":?:)", 50000),
        Wrapped(Repeat(bbcode::PictureTag("confused", Conformance::AppFolder)
                           + bbcode::PictureTag("smile", Conformance::AppFolder),
                       50000)));
}

void tst_Renderer::pathologicalInputs()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    const std::string html =
        bbcode::RenderBBCode(std::string_view(input.constData(), size_t(input.size())), Conformance::AppFolder);
    QVERIFY(html.size() <= 40 * size_t(input.size()) + 64);
    QCOMPARE(Bytes(html), expected);
}

void tst_Renderer::emoticonTableIsTheOneTable()
{
    // 49 distinct codes; where one code starts another, the longer one is
    // applied first, except for the pairs whose order the table fixes
    // (":o" is replaced after ":ooh:" and ":oops:" but before ":shock:").
    QCOMPARE(bbcode::EmoticonTable.size(), size_t(49));
    for (size_t i = 0; i < bbcode::EmoticonTable.size(); ++i)
        for (size_t j = i + 1; j < bbcode::EmoticonTable.size(); ++j)
            QVERIFY(bbcode::EmoticonTable[i].code != bbcode::EmoticonTable[j].code);
    QCOMPARE(bbcode::PictureTag("smile", "C:/"), "<img border=\"0\"src=\"C:/emo/smile.gif\">"s);
}

void tst_Renderer::replaceEmoticon_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray tag = Bytes(bbcode::PictureTag("x", "/p/"));
    QTest::newRow("empty text stays empty") << QByteArray() << QByteArray(":)") << QByteArray();
    QTest::newRow("every occurrence") << QByteArray(":):):)") << QByteArray(":)") << tag + tag + tag;
    QTest::newRow("no overlap, scanning from the start") << QByteArray("8))") << QByteArray("8)") << tag + ")";
    QTest::newRow("case counts") << QByteArray(":d :D") << QByteArray(":D") << ":d " + tag;
    QTest::newRow("empty code changes nothing") << QByteArray("abc") << QByteArray() << QByteArray("abc");
}

void tst_Renderer::replaceEmoticon()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, expected);
    const std::string out =
        bbcode::ReplaceEmoticon(std::string_view(text.constData(), size_t(text.size())),
                                std::string_view(code.constData(), size_t(code.size())), "x", "/p/");
    QCOMPARE(Bytes(out), expected);
}

void tst_Renderer::emoticonsInLongTexts_data()
{
    // The emoticon pass works on pieces of some 64 KB, cut after a byte that
    // no code holds. Long texts with codes, parts of codes and overlapping
    // codes everywhere, and cuts rare or impossible, must come out as the
    // rows replaced one after the other over the whole text.
    QTest::addColumn<QByteArray>("text");
    auto mixed = [](unsigned seed, size_t bytes, int blankEvery) {
        static const char* const pieces[] = {":)",    ":",   "8",  ")",  ":?:", ":?",    ":o",   "ops:", ":oops:",
                                             ":lol:", "lol", ":|", ":x", "8)",  ":dont", "see:", "o",    "?"};
        std::mt19937 random(seed);
        std::string text;
        while (text.size() < bytes) {
            text += pieces[random() % (sizeof pieces / sizeof *pieces)];
            if (blankEvery > 0 && int(random() % unsigned(blankEvery)) == 0)
                text += random() % 2 ? " " : "<br />\n";
        }
        return text;
    };
    QTest::newRow("codes everywhere, cuts often possible") << Bytes(mixed(7, 300000, 20));
    QTest::newRow("codes everywhere, cuts rare") << Bytes(mixed(8, 300000, 5000));
    QTest::newRow("codes everywhere, no cut possible") << Bytes(mixed(9, 200000, 0));
    QTest::newRow(":lol: overlapping itself across 150 KB") << Bytes(Repeat(":lol", 40000) + ":");
    QTest::newRow("one code at every piece edge")
        << Bytes(Repeat(Repeat("x", 65535) + " :)", 4) + ":?:" + Repeat(" ", 65535) + "8)");
}

void tst_Renderer::emoticonsInLongTexts()
{
    QFETCH(QByteArray, text);
    const std::string_view in(text.constData(), size_t(text.size()));
    const std::string_view folder = Conformance::AppFolder;
    std::string expected(in);
    for (const bbcode::Emoticon& e : bbcode::EmoticonTable)
        expected = bbcode::ReplaceEmoticon(expected, e.code, e.name, folder);
    // The pass on its own, with text written before and after.
    std::string inPlace(in);
    bbcode::ReplaceEmoticonsInPlace(inPlace, folder, "<p>", "</p>");
    QVERIFY(inPlace == "<p>" + expected + "</p>");
    // Through the renderer, where the pass also writes the wrapping.
    QVERIFY(bbcode::RenderBBCode(in, folder) == Wrapped(expected));
}

QF_TEST_MAIN(tst_Renderer)
#include "tst_renderer.moc"
