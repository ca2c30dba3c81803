// SPDX-License-Identifier: MIT
// Reading and writing text as the program's files hold it.

#include "base/TextFile.h"
#include "base/Utf8.h"
#include "post/LineBreaks.h"
#include "support/TestMain.h"

using namespace std::string_literals;

class tst_TextFile : public QObject {
    Q_OBJECT
private slots:
    void utf8Validity_data();
    void utf8Validity();
    void legacyBytesDecodeAsWindows1252();
    void splitLines_data();
    void splitLines();
    void lineBreakBoundary_data();
    void lineBreakBoundary();
    void piecesSplitNoBreakAndNoLetter_data();
    void piecesSplitNoBreakAndNoLetter();
    void piecesGiveBackTheWholeText();
};

void tst_TextFile::utf8Validity_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("ascii") << QByteArray("plain text\r\n") << true;
    QTest::newRow("two-byte letter") << QByteArray("caf\xC3\xA9") << true;
    QTest::newRow("three-byte euro") << QByteArray("\xE2\x82\xAC") << true;
    QTest::newRow("four-byte emoji") << QByteArray("\xF0\x9F\x98\x80") << true;
    QTest::newRow("lone Windows-1252 e-acute") << QByteArray("caf\xE9") << false;
    QTest::newRow("truncated sequence at end") << QByteArray("\xE2\x82") << false;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
    QTest::newRow("stray continuation") << QByteArray("a\x80"
                                                      "b")
                                        << false;
}

void tst_TextFile::utf8Validity()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(TextFile::IsValidUtf8(std::string_view(bytes.constData(), size_t(bytes.size()))), valid);
    // Qt's own decoder agrees on every row.
    QCOMPARE(QString::fromUtf8(bytes).toUtf8() == bytes, valid);
}

void tst_TextFile::legacyBytesDecodeAsWindows1252()
{
    // Every byte of Windows-1252 decodes as Qt's own codec decodes it.
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string decoded = TextFile::DecodeFileBytes(all);
    QVERIFY(TextFile::IsValidUtf8(decoded));
    const QString text = ToQString(decoded);
    QCOMPARE(text.size(), 255);
    QCOMPARE(text.at(0x80 - 1), QChar(0x20AC));  // euro sign
    QCOMPARE(text.at(0x92 - 1), QChar(0x2019));  // right single quote
    QCOMPARE(text.at(0xE9 - 1), QChar(0xE9));    // e acute
    QCOMPARE(text.at(0x81 - 1), QChar(0x81));    // undefined byte kept as its control
    // Valid UTF-8 is taken as it is.
    QCOMPARE(TextFile::DecodeFileBytes("caf\xC3\xA9"s), "caf\xC3\xA9"s);
}

void tst_TextFile::splitLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QByteArray() << QStringList{};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("no final break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\na\r\n\r\n") << QStringList{"", "", "a", ""};
    QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("blanks and quotes kept") << QByteArray("  \"x\", y \r\n") << QStringList{"  \"x\", y "};
}

void tst_TextFile::splitLines()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, lines);
    QStringList got;
    for (std::string_view line : TextFile::SplitLines(std::string_view(text.constData(), size_t(text.size()))))
        got.append(ToQString(line));
    QCOMPARE(got, lines);
}

void tst_TextFile::lineBreakBoundary_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("post");
    QTest::addColumn<QString>("backInField");
    QTest::newRow("no breaks") << "one" << QByteArray("one") << "one";
    QTest::newRow("LF to CR LF") << "one\ntwo\n" << QByteArray("one\r\ntwo\r\n") << "one\ntwo\n";
    QTest::newRow("selection separator") << QString("one") + QChar(0x2029) + "two" << QByteArray("one\r\ntwo")
                                         << "one\ntwo";
    QTest::newRow("soft line break") << QString("one") + QChar(0x2028) + "two" << QByteArray("one\r\ntwo")
                                     << "one\ntwo";
    QTest::newRow("lone CR and CR LF") << "a\rb\r\nc" << QByteArray("a\r\nb\r\nc") << "a\nb\nc";
    QTest::newRow("other characters of the separators' block stay")
        << QString("a") + QChar(0x2026) + QChar(0x2027) + QChar(0x202A)
        << QByteArray("a\xE2\x80\xA6\xE2\x80\xA7\xE2\x80\xAA")
        << QString("a") + QChar(0x2026) + QChar(0x2027) + QChar(0x202A);
    QTest::newRow("non-ASCII around breaks")
        << QString::fromUtf8("\xC3\xA9\n\xE2\x82\xAC") << QByteArray("\xC3\xA9\r\n\xE2\x82\xAC")
        << QString::fromUtf8("\xC3\xA9\n\xE2\x82\xAC");
}

void tst_TextFile::lineBreakBoundary()
{
    QFETCH(QString, field);
    QFETCH(QByteArray, post);
    QFETCH(QString, backInField);
    const std::string toPost = LineBreaks::FieldToPost(ToUtf8(field));
    QCOMPARE(QByteArray::fromStdString(toPost), post);
    QCOMPARE(ToQString(LineBreaks::PostToField(toPost)), backInField);
    // Lone CR in post text becomes a field line break too.
    QCOMPARE(LineBreaks::PostToField("a\rb"), "a\nb"s);
}

void tst_TextFile::piecesSplitNoBreakAndNoLetter_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("end");
    QTest::newRow("what is left fits: to the end") << QByteArray("abc") << 0 << 10 << 3;
    QTest::newRow("at the end: the end") << QByteArray("abc") << 3 << 4 << 3;
    QTest::newRow("plain text splits at the size") << QByteArray("abcdef") << 1 << 4 << 5;
    QTest::newRow("never between CR and LF") << QByteArray("ab\r\ncd") << 0 << 3 << 4;
    QTest::newRow("a lone CR may end a piece") << QByteArray("ab\rcd") << 0 << 3 << 3;
    QTest::newRow("a piece may end before an LF") << QByteArray("ab\ncd") << 0 << 2 << 2;
    QTest::newRow("never inside a two-byte letter") << QByteArray("ab\xC3\xA9 z") << 0 << 3 << 2;
    QTest::newRow("never inside a four-byte letter") << QByteArray("a\xF0\x9F\x98\x80"
                                                                   "bcdef")
                                                     << 0 << 4 << 1;
    QTest::newRow("a whole letter at the edge stays whole") << QByteArray("a\xF0\x9F\x98\x80"
                                                                          "bcdef")
                                                            << 1 << 4 << 5;
}

void tst_TextFile::piecesSplitNoBreakAndNoLetter()
{
    QFETCH(QByteArray, text);
    QFETCH(int, from);
    QFETCH(int, size);
    QFETCH(int, end);
    QCOMPARE(LineBreaks::PieceEnd(std::string_view(text.constData(), size_t(text.size())), size_t(from), size_t(size)),
             size_t(end));
}

void tst_TextFile::piecesGiveBackTheWholeText()
{
    // Every alignment of CR LF pairs, lone breaks and letters of every length
    // against the piece edges: each piece holds whole letters and whole line
    // breaks, so decoding piece by piece gives the whole text.
    std::string text;
    const char* parts[] = {"a", "\r\n", "\xC3\xA9", "\r", "\xE2\x82\xAC", "\n", "\xF0\x9F\x98\x80", "bc"};
    for (int i = 0; i < 400; ++i)
        text += parts[(i * 7 + i / 8) % 8];
    for (size_t size = 4; size <= 13; ++size) {
        QString joined;
        size_t pieces = 0;
        for (size_t at = 0; at < text.size(); ++pieces) {
            const size_t end = LineBreaks::PieceEnd(text, at, size);
            QVERIFY(end > at);
            QVERIFY(end - at <= size + 1);
            QVERIFY2(!(text[end - 1] == '\r' && end < text.size() && text[end] == '\n'), "split a CR LF pair");
            QString piece = ToQString(std::string_view(text).substr(at, end - at));
            QVERIFY2(!piece.contains(QChar::ReplacementCharacter), "split a letter");
            joined += piece;
            at = end;
        }
        QVERIFY(pieces > text.size() / (size + 1));
        QCOMPARE(joined, ToQString(text));
    }
}

QF_TEST_MAIN(tst_TextFile)
#include "tst_textfile.moc"
