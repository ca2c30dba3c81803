// SPDX-License-Identifier: MIT
// The recovery copy's format: what it gives back byte for byte, that its tail
// is an ordinary post file, and that no damaged copy ever reads as a post.

#include "post/PostFile.h"
#include "recovery/RecoveryFile.h"
#include "support/TestMain.h"

using RecoveryFile::Copy;

Q_DECLARE_METATYPE(Copy)

namespace {
std::string Std(const QByteArray& b) { return std::string(b.constData(), static_cast<size_t>(b.size())); }
QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

Copy Sample()
{
    return {"Caf\xC3\xA9 {/Post\\} title", "line one\r\n\r\n  [quote=\"a, b\"]x[/quote]\r\n", "/home/u/my posts/a.bbc",
            1700000000123};
}

// FNV-1a, 64 bits, as lower-case hex: the check sum the format is defined with.
QByteArray Fnv1aHex(const QByteArray& bytes)
{
    quint64 hash = 0xcbf29ce484222325ull;
    for (char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    return QByteArray::number(hash, 16).rightJustified(16, '0');
}

// The header lines of a copy, up to the line with the check sum.
QList<QByteArray> HeaderLines(const QByteArray& bytes) { return bytes.left(bytes.indexOf("\r\n\r\n")).split('\n'); }
}  // namespace

class tst_RecoveryFile : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void largePostRoundTrip();
    void tailIsThePostFile();
    void headerSaysWhatItHolds();
    void everyTruncationIsRefused();
    void everyChangedByteIsRefused();
    void refused_data();
    void refused();
};

void tst_RecoveryFile::roundTrip_data()
{
    QTest::addColumn<Copy>("copy");
    QTest::newRow("empty title, post and file name") << Copy{"", "", "", 0};
    QTest::newRow("title holding the post marker") << Copy{"a {/Post\\} b", "body", "/x.bbc", 1};
    QTest::newRow("title holding the title marker and line breaks") << Copy{"{/Title\\}\r\n\r\n", "body", "", 2};
    QTest::newRow("post holding both markers and a recovery header")
        << Copy{"t", "QUILLFORGE-RECOVERY 1\r\n{/Title\\}\r\n{/Post\\}\r\n", "", 3};
    QTest::newRow("post ending in line breaks") << Copy{"t", "one\r\n\r\n\r\n", "", 4};
    QTest::newRow("post starting with blanks and line breaks") << Copy{"t", "\r\n  x", "", 5};
    QTest::newRow("file name with backslashes, CR, LF and blanks")
        << Copy{"t", "p", "/tmp/a\\b\\\\c\r\nd e\\r\\n.bbc", 6};
    QTest::newRow("file name ending in a backslash") << Copy{"t", "p", "/tmp/a\\", 7};
    QTest::newRow("non-ASCII everywhere")
        << Copy{"\xF0\x9F\x98\x80 \xC3\xBC", "\xE2\x82\xAC\xC2\xA0nbsp\r\n\xF0\x9F\x98\x80", "/h/\xC3\xA9.bbc", 8};
    QTest::newRow("the latest time there is") << Copy{"t", "p", "", std::numeric_limits<int64_t>::max()};
}

void tst_RecoveryFile::roundTrip()
{
    QFETCH(Copy, copy);
    const std::optional<Copy> read = RecoveryFile::Read(RecoveryFile::Write(copy));
    QVERIFY(read);
    QCOMPARE(Bytes(read->title), Bytes(copy.title));
    QCOMPARE(Bytes(read->post), Bytes(copy.post));
    QCOMPARE(Bytes(read->fileName), Bytes(copy.fileName));
    QCOMPARE(read->savedAtMs, copy.savedAtMs);
}

void tst_RecoveryFile::largePostRoundTrip()
{
    Copy copy{"big", std::string(), "", 9};
    for (int i = 0; copy.post.size() < 4 * 1024 * 1024; ++i)
        copy.post += "line " + std::to_string(i) + " with [b]tags[/b] and {/Post\\}\r\n";
    const std::optional<Copy> read = RecoveryFile::Read(RecoveryFile::Write(copy));
    QVERIFY(read);
    QVERIFY(*read == copy);
}

// Cut off its header, a copy is the post file of its title and post, so it
// can be rescued by hand even without this program.
void tst_RecoveryFile::tailIsThePostFile()
{
    const Copy copy{"Hello", "one\r\ntwo", "", 10};
    const QByteArray bytes = Bytes(RecoveryFile::Write(copy));
    const QByteArray postFile = Bytes(PostFile::Write(copy.title, copy.post));
    QVERIFY(bytes.endsWith(postFile));
    QVERIFY(bytes.chopped(postFile.size()).endsWith("\r\n\r\n"));
    const auto parsed = PostFile::Read(Std(postFile));
    QVERIFY(parsed);
    QCOMPARE(Bytes(parsed->title), QByteArray("Hello"));
    QCOMPARE(Bytes(parsed->post), QByteArray("one\r\ntwo"));
}

void tst_RecoveryFile::headerSaysWhatItHolds()
{
    const Copy copy = Sample();
    const QList<QByteArray> lines = HeaderLines(Bytes(RecoveryFile::Write(copy)));
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0], QByteArray("QUILLFORGE-RECOVERY 1\r"));
    QCOMPARE(lines[1], QByteArray("saved 1700000000123\r"));
    QCOMPARE(lines[2], QByteArray("file /home/u/my posts/a.bbc\r"));
    QCOMPARE(lines[3], "title " + QByteArray::number(qsizetype(copy.title.size())) + "\r");
    QCOMPARE(lines[4], "post " + QByteArray::number(qsizetype(copy.post.size())) + "\r");
    QVERIFY(QRegularExpression("^check [0-9a-f]{16}$").match(QString::fromLatin1(lines[5])).hasMatch());
}

// A copy cut short anywhere, as by a full disk or a write that never ended,
// never reads as a post.
void tst_RecoveryFile::everyTruncationIsRefused()
{
    const std::string bytes = RecoveryFile::Write(Sample());
    for (size_t length = 0; length < bytes.size(); ++length)
        QVERIFY2(!RecoveryFile::Read(std::string_view(bytes).substr(0, length)), qPrintable(QString::number(length)));
}

// Any single byte changed, in the header or the body, is caught.
void tst_RecoveryFile::everyChangedByteIsRefused()
{
    const std::string original = RecoveryFile::Write(Sample());
    for (unsigned char flip : {0x01, 0x20, 0x80}) {
        for (size_t at = 0; at < original.size(); ++at) {
            std::string bytes = original;
            bytes[at] = static_cast<char>(static_cast<unsigned char>(bytes[at]) ^ flip);
            QVERIFY2(!RecoveryFile::Read(bytes), qPrintable(QStringLiteral("byte %1 ^ %2").arg(at).arg(flip)));
        }
    }
}

void tst_RecoveryFile::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("reads");
    const QByteArray good = Bytes(RecoveryFile::Write(Sample()));
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("a plain post file") << Bytes(PostFile::Write("t", "p")) << false;
    QTest::newRow("a newer format version") << QByteArray(good).replace("RECOVERY 1\r\n", "RECOVERY 2\r\n") << false;
    QTest::newRow("magic word in other letter case") << QByteArray(good).replace("QUILLFORGE-", "Quillforge-") << false;
    QTest::newRow("bytes after the post file") << good + "\r\n" << false;
    QTest::newRow("LF line breaks in the header") << QByteArray(good).replace("\r\ns", "\ns") << false;

    // Copies sealed with a correct check sum, wrong in one field only: the
    // field itself must be refused.
    const QByteArray body = Bytes(PostFile::Write("t", "p"));
    auto sealed = [&body](const QByteArray& fields) {
        const QByteArray header = "QUILLFORGE-RECOVERY 1\r\n" + fields;
        return header + "check " + Fnv1aHex(header + body) + "\r\n\r\n" + body;
    };
    QTest::newRow("control: sealed correctly, read") << sealed("saved 1\r\nfile \r\ntitle 1\r\npost 1\r\n") << true;
    QTest::newRow("length that overflows")
        << sealed("saved 1\r\nfile \r\ntitle 99999999999999999999999\r\npost 1\r\n") << false;
    QTest::newRow("length with a sign") << sealed("saved 1\r\nfile \r\ntitle +1\r\npost 1\r\n") << false;
    QTest::newRow("negative time") << sealed("saved -1\r\nfile \r\ntitle 1\r\npost 1\r\n") << false;
    QTest::newRow("unknown escape in the file name")
        << sealed("saved 1\r\nfile a\\tb\r\ntitle 1\r\npost 1\r\n") << false;
    QTest::newRow("file name ending in a lone escape")
        << sealed("saved 1\r\nfile a\\\r\ntitle 1\r\npost 1\r\n") << false;
    QTest::newRow("lengths that do not add up") << sealed("saved 1\r\nfile \r\ntitle 2\r\npost 0\r\n") << false;
    QTest::newRow("lengths that add up but cut elsewhere")
        << sealed("saved 1\r\nfile \r\ntitle 0\r\npost 2\r\n") << false;
    QTest::newRow("fields in another order") << sealed("file \r\nsaved 1\r\ntitle 1\r\npost 1\r\n") << false;
    QTest::newRow("a field missing") << sealed("saved 1\r\ntitle 1\r\npost 1\r\n") << false;
}

void tst_RecoveryFile::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, reads);
    QCOMPARE(RecoveryFile::Read(Std(bytes)).has_value(), reads);
}

QF_TEST_MAIN(tst_RecoveryFile)
#include "tst_recoveryfile.moc"
