// SPDX-License-Identifier: MIT
// Pasted HTML as BBCode. The cases are files in tests/paste/cases: NAME.html
// is what the clipboard held (copied from the web engine, exported by the
// office suite, written in the word processors' clipboard format, or small
// pages of our own), each NAME[.kept][.BOARD].bbc the BBCode wanted with
// colours and sizes kept or not and for a site whose board is BOARD (its
// settings key: phpbb3, mybb18, smf21) or a classic one.
// Then a pasted megabyte, and pathological pages with a bound on the output.

#include "base/Utf8.h"
#include "base/HtmlNesting.h"
#include "paste/HtmlToBBCode.h"
#include "support/TestBoards.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>

namespace {

const QString CasesDir = QStringLiteral(QF_PASTE_CASES_DIR);

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string Convert(const QByteArray& html, const HtmlPaste::Dialect& dialect)
{
    return HtmlPaste::ToBBCode(std::string_view(html.constData(), size_t(html.size())), dialect);
}

std::string Repeat(std::string_view piece, size_t size)
{
    std::string text;
    text.reserve(size + piece.size());
    while (text.size() < size)
        text += piece;
    return text;
}

}  // namespace

class tst_HtmlToBBCode : public QObject {
    Q_OBJECT
private slots:
    void cases_data();
    void cases();
    void clipboardPagesPassTheNestingGuardUnchanged();
    void megabytePaste();
    void pathological_data();
    void pathological();
};

void tst_HtmlToBBCode::cases_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("bbcode");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("board");
    const QStringList expected = QDir(CasesDir).entryList({QStringLiteral("*.bbc")}, QDir::Files, QDir::Name);
    QVERIFY(expected.size() >= 20);
    for (const QString& name : expected) {
        const QStringList parts = name.chopped(4).split('.');
        QTest::newRow(qPrintable(name)) << CasesDir + parts[0] + QStringLiteral(".html") << CasesDir + name
                                        << parts.contains(QStringLiteral("kept"))
                                        << parts.last();
    }
}

void tst_HtmlToBBCode::cases()
{
    QFETCH(QString, html);
    QFETCH(QString, bbcode);
    QFETCH(bool, kept);
    QFETCH(QString, board);
    QVERIFY2(QFile::exists(html), qPrintable(html));
    QByteArray wanted = Read(bbcode);
    if (wanted.endsWith('\n'))
        wanted.chop(1);  // the file's own last line break
    const auto dialect = HtmlPaste::ForBoard(KindOf(board), kept);
    QCOMPARE(QString::fromStdString(Convert(Read(html), dialect)), QString::fromUtf8(wanted));
}

// Serialised pages nest a few dozen elements deep: the guard before the
// parser leaves them as they are.
void tst_HtmlToBBCode::clipboardPagesPassTheNestingGuardUnchanged()
{
    for (const QString& name : QDir(CasesDir).entryList({QStringLiteral("*.html")}, QDir::Files)) {
        const QByteArray html = Read(CasesDir + name);
        const std::string_view text(html.constData(), size_t(html.size()));
        QVERIFY2(HtmlNesting::Bounded(text) == text, qPrintable(name));
    }
}

void tst_HtmlToBBCode::megabytePaste()
{
    // A clipboard page with its offsets header and fragment markers.
    const std::string piece = "<p class=MsoNormal><b>Word</b> and <a href=\"https://x.example/n?a=1&amp;b=2\">a "
                              "link</a> &amp; <span style='mso-spacerun:yes'>&nbsp; </span>text<o:p></o:p></p>\r\n";
    const std::string pieces = Repeat(piece, 1 << 20);
    const std::string header = "Version:0.9\r\nStartHTML:0000000035\r\n";
    const std::string html =
        header + "<html><body>before<!--StartFragment-->" + pieces + "<!--EndFragment-->after</body></html>";
    QCOMPARE(header.size(), size_t(35));
    const std::string bbcode = HtmlPaste::ToBBCode(html, HtmlPaste::Dialect());
    // A space, a no-break space and a space show as three spaces.
    const std::string line = "[b]Word[/b] and [url=https://x.example/n?a=1&b=2]a link[/url] &   text";
    QCOMPARE(bbcode.size(), (line.size() + 2) * (pieces.size() / piece.size()) - 2);
    QCOMPARE(bbcode.substr(0, line.size() + 2), line + "\n\n");
    QCOMPARE(bbcode.substr(bbcode.size() - line.size()), line);
}

void tst_HtmlToBBCode::pathological_data()
{
    QTest::addColumn<QByteArray>("html");
    const size_t MB = 1 << 20;
    const auto row = [](const char* name, const std::string& html) {
        QTest::newRow(name) << QByteArray(html.data(), qsizetype(html.size()));
    };
    row("200,000 nested divs", Repeat("<div>", MB) + "end");
    row("100,000 nested quotes, then their ends", Repeat("<blockquote>", MB / 2) + Repeat("</blockquote>x", MB / 2));
    row("nested lists", Repeat("<ul><li>x", MB));
    row("thousands of distinct fonts left open, then paragraphs", [&] {
        std::string html;
        for (int i = 0; i < 30000; ++i)
            html += "<font color=" + std::to_string(i) + ">";
        return html + Repeat("<p>x</p>", MB / 2);
    }());
    row("bold left open in every paragraph", [&] {
        std::string html;
        for (int i = 0; html.size() < MB; ++i)
            html += "<p><b id=" + std::to_string(i) + ">x</p>";
        return html;
    }());
    row("formatting end tags across blocks", Repeat("<b><div>x</b>", MB));
    row("divs closed across table cells", Repeat("<div><table><tr><td></div>", MB));
    row("stray end tags under deep nesting", Repeat("<div>", MB / 4) + Repeat("</p></b></span>", MB));
    row("svg with a style element", "<svg><style>" + Repeat("<div>", MB));
    row("a long link across many paragraphs",
        "<a href=\"https://x.example/" + std::string(4000, 'y') + "\">" + Repeat("<p>x</p>", MB));
    row("a long link of characters written percent-encoded, across paragraphs",
        "<a href=\"https://x.example/" + Repeat("&gt;", 12000) + "\">" + Repeat("<p>x</p>", MB));
    row("an unclosed comment", "<p>a<!--" + Repeat("<b>x", MB));
    row("an unclosed tag", "<p>a<b title=\"" + Repeat("x>", MB));
    row("a megabyte attribute", "<p style=\"" + Repeat("color:red;", MB) + "\">text</p>");
    row("nested tables", Repeat("<table><tr><td>", MB));
    row("one megabyte of text", Repeat("word ", MB));
}

// Any page converts, to BBCode within a constant times its size, and every
// inline tag opened is closed. The benchmark gives the times.
void tst_HtmlToBBCode::pathological()
{
    QFETCH(QByteArray, html);
    for (bool kept : {false, true}) {
        const std::string bbcode = Convert(html, HtmlPaste::ForBoard(KindOf("phpbb3"), kept));
        QVERIFY2(bbcode.size() <= 4 * size_t(html.size()) + 4096, qPrintable(QString::number(bbcode.size())));
        for (std::string_view tag : {"b]", "i]", "u]", "url", "quote]", "list", "code]"}) {
            size_t opened = 0, closed = 0;
            for (size_t at = bbcode.find('['); at != std::string::npos; at = bbcode.find('[', at + 1)) {
                opened += bbcode.compare(at + 1, tag.size(), tag) == 0;
                closed += bbcode.compare(at + 1, tag.size() + 1, "/" + std::string(tag)) == 0;
            }
            QCOMPARE(opened, closed);
        }
    }
}

QF_TEST_MAIN(tst_HtmlToBBCode)
#include "tst_htmltobbcode.moc"
