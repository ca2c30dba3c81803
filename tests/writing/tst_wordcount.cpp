// SPDX-License-Identifier: MIT
// The words of a post as a reader sees them: tags not counted, nor smilies
// and dashes standing alone, nor a picture's address.

#include "writing/WordCount.h"

#include <QtTest>

class tst_WordCount : public QObject {
    Q_OBJECT
private slots:
    void count_data();
    void count();
    void unclosedPicturesStayLinear();
};

void tst_WordCount::count_data()
{
    QTest::addColumn<QString>("post");
    QTest::addColumn<int>("words");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blanks and line breaks") << "  one\ttwo\r\nthree  " << 3;
    QTest::newRow("punctuation belongs to its word") << "Hello, world! (really)" << 3;
    QTest::newRow("a dash or a smiley alone is no word") << "this - that :) ;-)" << 2;
    QTest::newRow("tags are not counted") << "[b]bold[/b] [i]and[/i] [size=18]big[/size]" << 3;
    QTest::newRow("a tag inside a word does not split it") << "un[b]believ[/b]able" << 1;
    QTest::newRow("tags between words leave them apart") << "one[br]\ntwo [*] three" << 3;
    QTest::newRow("quote with a name: the name is not shown") << "[quote=\"Ann Lee\"]yes[/quote]" << 1;
    QTest::newRow("a picture's address is not text") << "see [img]http://a.b/c d.png[/img] here" << 2;
    QTest::newRow("an unclosed picture tag: the rest is text") << "[img] a b" << 2;
    QTest::newRow("a bracket that opens no tag is text") << "[1] note [ x ]" << 3;
    QTest::newRow("a tag is never longer than a line") << "[url=a\nb] c" << 3;
    QTest::newRow("letters beyond ASCII") << "\u00e9t\u00e9 \u65e5\u672c \u2014 na\u00efve" << 3;
}

void tst_WordCount::count()
{
    QFETCH(QString, post);
    QFETCH(int, words);
    QCOMPARE(WordCount::Count(post.toStdString()), size_t(words));
}

void tst_WordCount::unclosedPicturesStayLinear()
{
    // Every [img] with no [/img] after it: one search, not one per tag.
    std::string post;
    for (int i = 0; i < 200000; ++i)
        post += "[img]x ";
    QCOMPARE(WordCount::Count(post), size_t(200000));
}

QTEST_APPLESS_MAIN(tst_WordCount)
#include "tst_wordcount.moc"
