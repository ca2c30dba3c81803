// SPDX-License-Identifier: MIT
// Addresses as the boards' PHP code reads them: the scheme of an address,
// and urldecode().

#include "board/common/UrlText.h"
#include "support/TestMain.h"

class tst_UrlText : public QObject {
    Q_OBJECT
private slots:
    void schemeOf_data();
    void schemeOf();
    void decode_data();
    void decode();
};

void tst_UrlText::schemeOf_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("scheme");
    QTest::newRow("lower case") << "javascript:alert(1)"
                                << "javascript";
    QTest::newRow("in any case, given in lower case") << "JavaScript:x"
                                                      << "javascript";
    QTest::newRow("letters, digits, plus, minus and dots") << "a+b.c-9:x"
                                                           << "a+b.c-9";
    QTest::newRow("a host and its port is none") << "example.com:8080"
                                                 << "";
    QTest::newRow("a host, its port and a path is none") << "example.com:80/a"
                                                         << "";
    QTest::newRow("a port with more after it is one") << "example.com:80x"
                                                      << "example.com";
    QTest::newRow("an empty port: a scheme") << "mailto:"
                                             << "mailto";
    QTest::newRow("starting with a digit is none") << "1a:b"
                                                   << "";
    QTest::newRow("no colon") << "www.example.com"
                              << "";
    QTest::newRow("nothing before the colon") << ":x"
                                              << "";
    QTest::newRow("a letter beyond ASCII is none") << "\u00e9:x"
                                                   << "";
}

void tst_UrlText::schemeOf()
{
    QFETCH(QString, url);
    QFETCH(QString, scheme);
    QCOMPARE(QString::fromStdString(UrlText::SchemeOf(url.toStdString())), scheme);
}

void tst_UrlText::decode_data()
{
    QTest::addColumn<QByteArray>("encoded");
    QTest::addColumn<QByteArray>("decoded");
    QTest::newRow("plus is a space") << QByteArray("a+b") << QByteArray("a b");
    QTest::newRow("hex digits in either case") << QByteArray("%41%4a%4A") << QByteArray("AJJ");
    QTest::newRow("an escape at the end") << QByteArray("x%2F") << QByteArray("x/");
    QTest::newRow("one digit only stays") << QByteArray("%4") << QByteArray("%4");
    QTest::newRow("not hex stays") << QByteArray("%zz%4g") << QByteArray("%zz%4g");
    QTest::newRow("a byte beyond ASCII and NUL") << QByteArray("%C3%A9%00") << QByteArray("\xC3\xA9\0", 3);
    QTest::newRow("an encoded plus is a plus") << QByteArray("%2B+") << QByteArray("+ ");
}

void tst_UrlText::decode()
{
    QFETCH(QByteArray, encoded);
    QFETCH(QByteArray, decoded);
    const std::string out = UrlText::Decode(encoded.toStdString());
    QCOMPARE(QByteArray(out.data(), qsizetype(out.size())), decoded);
}

QF_TEST_MAIN(tst_UrlText)
#include "tst_urltext.moc"
