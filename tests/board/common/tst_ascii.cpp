// SPDX-License-Identifier: MIT
// The ASCII helpers of the board renderers: which bytes each white-space set
// holds, the case-insensitive comparisons at the text's end, and PHP's
// trim().

#include "board/common/Ascii.h"
#include "support/TestMain.h"

class tst_Ascii : public QObject {
    Q_OBJECT
private slots:
    void whiteSpaceSets_data();
    void whiteSpaceSets();
    void comparisonsIgnoreTheCaseOfTheText_data();
    void comparisonsIgnoreTheCaseOfTheText();
    void phpTrimKeepsFormFeeds();
};

void tst_Ascii::whiteSpaceSets_data()
{
    // Whether a byte is in IsSpace, IsPhpTrimmed and IsHtmlSpace, as "SPH".
    QTest::addColumn<char>("c");
    QTest::addColumn<QString>("sets");
    QTest::newRow("space") << ' ' << "SPH";
    QTest::newRow("tab") << '\t' << "SPH";
    QTest::newRow("line feed") << '\n' << "SPH";
    QTest::newRow("carriage return") << '\r' << "SPH";
    QTest::newRow("vertical tab: not HTML's") << '\v' << "SP-";
    QTest::newRow("form feed: not trimmed by PHP") << '\f' << "S-H";
    QTest::newRow("NUL: trimmed by PHP only") << '\0' << "-P-";
    QTest::newRow("no-break space byte") << '\xA0' << "---";
    QTest::newRow("letter") << 'a' << "---";
}

void tst_Ascii::whiteSpaceSets()
{
    QFETCH(char, c);
    QFETCH(QString, sets);
    const QString found = QString(Ascii::IsSpace(c) ? "S" : "-") + (Ascii::IsPhpTrimmed(c) ? "P" : "-")
        + (Ascii::IsHtmlSpace(c) ? "H" : "-");
    QCOMPARE(found, sets);
}

void tst_Ascii::comparisonsIgnoreTheCaseOfTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("at");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<bool>("has");
    QTest::newRow("any case in the text") << "[URL=x]" << 1 << "url=" << true;
    QTest::newRow("at the very end") << "ab" << 2 << "" << true;
    QTest::newRow("running past the end") << "[ur" << 1 << "url" << false;
    QTest::newRow("starting past the end") << "ab" << 3 << "" << false;
    QTest::newRow("upper case in what is looked for never matches") << "URL" << 0 << "URL" << false;
}

void tst_Ascii::comparisonsIgnoreTheCaseOfTheText()
{
    QFETCH(QString, text);
    QFETCH(int, at);
    QFETCH(QString, lower);
    QFETCH(bool, has);
    const std::string s = text.toStdString(), l = lower.toStdString();
    QCOMPARE(Ascii::HasIgnoringCase(s, size_t(at), l), has);
    if (at == 0) {
        QCOMPARE(Ascii::StartsWithIgnoringCase(s, l), has);
        QCOMPARE(Ascii::EqualsIgnoringCase(s, l), has && s.size() == l.size());
    }
}

void tst_Ascii::phpTrimKeepsFormFeeds()
{
    QCOMPARE(Ascii::TrimPhp(std::string_view("\0\v\t x y\r\n", 9)), std::string_view("x y"));
    QCOMPARE(Ascii::TrimPhp("\fx\f"), std::string_view("\fx\f"));
    QCOMPARE(Ascii::TrimPhp(" \n "), std::string_view());
}

QF_TEST_MAIN(tst_Ascii)
#include "tst_ascii.moc"
