// SPDX-License-Identifier: MIT
// The post-file format: the bytes written, what reading gives back, the files
// it refuses, and files written by older programs or other editors.

#include "base/TextFile.h"
#include "post/PostFile.h"
#include "support/TestMain.h"

#include <random>

using namespace std::string_view_literals;

namespace {
QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }
std::string Std(const QByteArray& b) { return std::string(b.constData(), static_cast<size_t>(b.size())); }

// Reads `bytes` as the editor reads a file from disk.
std::optional<PostFile::Parsed> ReadBytes(const QByteArray& bytes)
{
    return PostFile::Read(TextFile::DecodeFileBytes(Std(bytes)));
}
}  // namespace

class tst_PostFile : public QObject {
    Q_OBJECT
private slots:
    void writtenBytes_data();
    void writtenBytes();
    void roundTrip_data();
    void roundTrip();
    void generatedRoundTrips();
    void largePostRoundTrip();
    void refused_data();
    void refused();
    void legacyFiles_data();
    void legacyFiles();
    void titleHoldingThePostMarkerSplitsThere();
    void oddLayoutsFollowTheFixedPositions_data();
    void oddLayoutsFollowTheFixedPositions();
    void locateCopiesNothingFromOwnFiles();
};

void tst_PostFile::writtenBytes_data()
{
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("post");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("length");
    QTest::newRow("title and a two-line post: 40 bytes")
        << QByteArray("Hello") << QByteArray("one\r\ntwo")
        << QByteArray("{/Title\\}\r\nHello\r\n\r\n{/Post\\}\r\none\r\ntwo\r\n") << 40;
    QTest::newRow("empty title and post: 27 bytes")
        << QByteArray() << QByteArray() << QByteArray("{/Title\\}\r\n\r\n\r\n{/Post\\}\r\n\r\n") << 27;
    QTest::newRow("non-ASCII stays UTF-8 without a byte-order mark")
        << QByteArray("Caf\xC3\xA9") << QByteArray("\xE2\x82\xAC 5")
        << QByteArray("{/Title\\}\r\nCaf\xC3\xA9\r\n\r\n{/Post\\}\r\n\xE2\x82\xAC 5\r\n") << 37;
}

void tst_PostFile::writtenBytes()
{
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, post);
    QFETCH(QByteArray, file);
    QFETCH(int, length);
    const std::string written = PostFile::Write(Std(title), Std(post));
    QCOMPARE(Bytes(written), file);
    QCOMPARE(written.size(), size_t(length));
    // And it reads back to what was written.
    const auto parsed = ReadBytes(file);
    QVERIFY(parsed);
    QCOMPARE(Bytes(parsed->title), title);
    QCOMPARE(Bytes(parsed->post), post);
}

void tst_PostFile::roundTrip_data()
{
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("post");
    QTest::newRow("commas and double quotes")
        << QByteArray("Re: \"this\", that") << QByteArray("[quote=\"Ann, B\"]a, b, \"c\"[/quote]");
    QTest::newRow("leading blanks") << QByteArray("   indented title") << QByteArray("  one\r\n    two");
    QTest::newRow("empty lines inside and at the start")
        << QByteArray("t") << QByteArray("\r\n\r\nfirst\r\n\r\n\r\nsecond");
    QTest::newRow("one final line break is kept") << QByteArray("t") << QByteArray("line\r\n");
    QTest::newRow("several final line breaks are kept") << QByteArray("t") << QByteArray("line\r\n\r\n\r\n");
    QTest::newRow("a post that is only a line break") << QByteArray("t") << QByteArray("\r\n");
    QTest::newRow("the post marker inside the post")
        << QByteArray("t") << QByteArray("a {/Post\\} b\r\n{/Post\\}\r\n{/Title\\}");
    QTest::newRow("the title marker inside the title") << QByteArray("{/Title\\}") << QByteArray("x");
    QTest::newRow("non-ASCII title and post")
        << QByteArray("\xC3\x9C"
                      "ber Caf\xC3\xA9s \xE2\x80\x94 \xF0\x9F\x98\x80")
        << QByteArray("\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82\r\n\xE4\xB8\xAD\xE6\x96\x87");
    QTest::newRow("empty title, post given") << QByteArray() << QByteArray("body");
    QTest::newRow("title given, empty post") << QByteArray("title") << QByteArray();
    QTest::newRow("title with blanks at its end") << QByteArray("title   ") << QByteArray("p");
    QTest::newRow("tabs and braces") << QByteArray("\t{x}\t") << QByteArray("{\t}\\");
}

void tst_PostFile::roundTrip()
{
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, post);
    const auto parsed = ReadBytes(Bytes(PostFile::Write(Std(title), Std(post))));
    QVERIFY(parsed);
    QCOMPARE(Bytes(parsed->title), title);
    QCOMPARE(Bytes(parsed->post), post);
}

void tst_PostFile::generatedRoundTrips()
{
    // Titles and posts drawn from the characters that have tripped post
    // formats before: separators, quotes, blanks, braces and backslashes,
    // marker pieces, line breaks in the post, and multi-byte letters.
    const std::vector<std::string> titlePieces = {
        "a", "Z", " ", ",", "\"", "'", "{", "}", "\\", "/", "{/Title\\}", "Post", "\xC3\xA9", "\xE2\x82\xAC", "\t"};
    std::vector<std::string> postPieces = titlePieces;
    postPieces.insert(postPieces.end(), {"\r\n", "\r\n\r\n", "{/Post\\}", "[b]", "[/b]"});
    std::mt19937 random(20240601);
    for (int round = 0; round < 500; ++round) {
        std::string title, post;
        const int titleLength = static_cast<int>(random() % 12);
        for (int i = 0; i < titleLength; ++i)
            title += titlePieces[random() % titlePieces.size()];
        const int postLength = static_cast<int>(random() % 40);
        for (int i = 0; i < postLength; ++i)
            post += postPieces[random() % postPieces.size()];
        const auto parsed = PostFile::Read(TextFile::DecodeFileBytes(PostFile::Write(title, post)));
        QVERIFY2(parsed, title.c_str());
        QCOMPARE(Bytes(parsed->title), Bytes(title));
        QCOMPARE(Bytes(parsed->post), Bytes(post));
    }
}

void tst_PostFile::largePostRoundTrip()
{
    // 5 MB of post: lines of varied length, some empty, non-ASCII text.
    std::string post;
    std::mt19937 random(7);
    while (post.size() < 5'000'000) {
        const size_t length = random() % 120;
        for (size_t i = 0; i < length; ++i)
            post += (i % 17 == 5) ? "\xC3\xA9" : std::string(1, static_cast<char>('a' + random() % 26));
        post += "\r\n";
    }
    post += "no final break";
    const std::string file = PostFile::Write("Large", post);
    QCOMPARE(file.size(), post.size() + 32);
    const auto parsed = PostFile::Read(TextFile::DecodeFileBytes(file));
    QVERIFY(parsed);
    QCOMPARE(parsed->title, std::string("Large"));
    QVERIFY(parsed->post == post);
}

void tst_PostFile::refused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("lower-case t in the title marker") << QByteArray("{/title\\}\r\nT\r\n\r\n{/Post\\}\r\nP\r\n");
    QTest::newRow("upper-case post marker") << QByteArray("{/Title\\}\r\nT\r\n\r\n{/POST\\}\r\nP\r\n");
    QTest::newRow("no post marker") << QByteArray("{/Title\\}\r\nT\r\n\r\nP\r\n");
    QTest::newRow("no title marker") << QByteArray("T\r\n\r\n{/Post\\}\r\nP\r\n");
    QTest::newRow("slashes the wrong way") << QByteArray("{\\Title/}\r\nT\r\n\r\n{\\Post/}\r\nP\r\n");
    QTest::newRow("a marker broken by a line break") << QByteArray("{/Title\\}\r\nT\r\n\r\n{/Po\r\nst\\}\r\nP\r\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("ordinary text file") << QByteArray("Dear diary,\nToday I wrote a post.\n");
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 131 + 7) % 256);
    QTest::newRow("binary file") << binary;
}

void tst_PostFile::refused()
{
    QFETCH(QByteArray, file);
    QVERIFY(!ReadBytes(file));
}

void tst_PostFile::legacyFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("post");
    QTest::newRow("Windows-1252 letters")
        << QByteArray("{/Title\\}\r\nCaf\xE9 \x80\r\n\r\n{/Post\\}\r\n\x93quoted\x94 na\xEFve\r\n")
        << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC") << QByteArray("\xE2\x80\x9Cquoted\xE2\x80\x9D na\xC3\xAFve");
    QTest::newRow("lone LF line breaks") << QByteArray("{/Title\\}\nT\n\n{/Post\\}\none\ntwo\n") << QByteArray("T")
                                         << QByteArray("one\r\ntwo");
    QTest::newRow("lone CR line breaks") << QByteArray("{/Title\\}\rT\r\r{/Post\\}\rone\rtwo\r") << QByteArray("T")
                                         << QByteArray("one\r\ntwo");
    QTest::newRow("last line without a line break")
        << QByteArray("{/Title\\}\r\nT\r\n\r\n{/Post\\}\r\none\r\ntwo") << QByteArray("T") << QByteArray("one\r\ntwo");
    QTest::newRow("mixed breaks, empty lines kept") << QByteArray("{/Title\\}\nT\r\n\r{/Post\\}\r\none\n\r\r\ntwo\r\n")
                                                    << QByteArray("T") << QByteArray("one\r\n\r\n\r\ntwo");
    QTest::newRow("title without the empty line after it")
        << QByteArray("{/Title\\}\r\nT\r\n{/Post\\}\r\nP\r\n") << QByteArray("T") << QByteArray("P");
    QTest::newRow("marker line as the last line, no break")
        << QByteArray("{/Title\\}\r\nT\r\n\r\n{/Post\\}") << QByteArray("T") << QByteArray();
}

void tst_PostFile::legacyFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, post);
    const auto parsed = ReadBytes(file);
    QVERIFY(parsed);
    QCOMPARE(Bytes(parsed->title), title);
    QCOMPARE(Bytes(parsed->post), post);
}

void tst_PostFile::titleHoldingThePostMarkerSplitsThere()
{
    // The title ends before the first post marker; the post starts with the
    // third character after that marker's end and runs to the end of the file,
    // taking the rest of the title, the layout's line breaks and the real marker.
    const std::string file = PostFile::Write("Re: {/Post\\}xyz tips", "body");
    const auto parsed = PostFile::Read(file);
    QVERIFY(parsed);
    QCOMPARE(Bytes(parsed->title), QByteArray("Re: "));
    QCOMPARE(Bytes(parsed->post), QByteArray("z tips\r\n\r\n{/Post\\}\r\nbody"));
}

void tst_PostFile::oddLayoutsFollowTheFixedPositions_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("post");
    // The title is always taken from the twelfth character, the post from the
    // tenth after the start of its marker, wherever the title marker stands.
    QTest::newRow("post marker before the title's start")
        << QByteArray("{/Post\\}\r\nbody\r\n{/Title\\}\r\n") << QByteArray() << QByteArray("body\r\n{/Title\\}");
    QTest::newRow("title marker only later in the file")
        << QByteArray("Xxxxxxxxx\r\nT\r\n\r\n{/Post\\}\r\nP {/Title\\}\r\n") << QByteArray("T")
        << QByteArray("P {/Title\\}");
    QTest::newRow("text after the post marker on its line")
        << QByteArray("{/Title\\}\r\nT\r\n\r\n{/Post\\}abc\r\nP\r\n") << QByteArray("T") << QByteArray("c\r\nP");
    QTest::newRow("one character after the post marker, nothing else")
        << QByteArray("{/Title\\}\r\nT\r\n\r\n{/Post\\}a") << QByteArray("T") << QByteArray();
    QTest::newRow("title line with blanks before the empty line")
        << QByteArray("{/Title\\}\r\nT\r\n  \r\n{/Post\\}\r\nP\r\n") << QByteArray("T\r\n  ") << QByteArray("P");
}

void tst_PostFile::oddLayoutsFollowTheFixedPositions()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, post);
    const auto parsed = ReadBytes(file);
    QVERIFY(parsed);
    QCOMPARE(Bytes(parsed->title), title);
    QCOMPARE(Bytes(parsed->post), post);
}

QF_TEST_MAIN(tst_PostFile)
void tst_PostFile::locateCopiesNothingFromOwnFiles()
{
    auto within = [](std::string_view part, std::string_view whole) {
        return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
    };
    // A file this program wrote: the views point into it, nothing is rebuilt.
    const std::string own = PostFile::Write("Title", "line one\r\nline two");
    std::string rebuilt;
    std::optional<PostFile::Located> located = PostFile::Locate(own, rebuilt);
    QVERIFY(located);
    QCOMPARE(located->title, "Title"sv);
    QCOMPARE(located->post, "line one\r\nline two"sv);
    QVERIFY(within(located->title, own) && within(located->post, own));
    QVERIFY(rebuilt.empty());
    // Lone LF breaks: the text is rebuilt and the views point into that.
    const std::string lf = "{/Title\\}\nT\n\n{/Post\\}\na\nb\n";
    located = PostFile::Locate(lf, rebuilt);
    QVERIFY(located);
    QCOMPARE(located->title, "T"sv);
    QCOMPARE(located->post, "a\r\nb"sv);
    QVERIFY(within(located->title, rebuilt) && within(located->post, rebuilt));
    // A refused file gives nothing, as Read does.
    QVERIFY(!PostFile::Locate("{/title\\}\r\n{/Post\\}\r\n", rebuilt));
}

#include "tst_postfile.moc"
