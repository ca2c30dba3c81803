// The BBCode renderer: conformance files, the emoticon table.

#include "ConformanceFile.h"
#include "PostGenerator.h"
#include "ReferenceRenderer.h"
#include "render/BBCodeRenderer.h"
#include "render/EmoticonTable.h"
#include "support/TestMain.h"

using namespace std::string_literals;

namespace {

QByteArray Bytes(std::string_view s)
{
    return QByteArray(s.data(), qsizetype(s.size()));
}

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
    void emoticonTableIsTheOneTable();
    void replaceEmoticon_data();
    void replaceEmoticon();
};

void tst_Renderer::conformance_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    const QString dir = QStringLiteral(QF_CONFORMANCE_DIR);
    for (const char* family : {"tags", "lists", "links", "quotes", "emoticons", "regressions"}) {
        const std::string path = (dir + family + ".txt").toStdString();
        std::vector<Conformance::Example> examples;
        try {
            examples = Conformance::Load(path);
        } catch (const std::exception& e) {
            QFAIL(e.what());
        }
        QVERIFY2(!examples.empty(), path.c_str());
        for (const Conformance::Example& ex : examples)
            QTest::newRow(qPrintable(QString("%1:%2 %3").arg(family).arg(ex.line).arg(QString::fromStdString(ex.title))))
                << Bytes(ex.input) << Bytes(ex.expected);
    }
}

void tst_Renderer::conformance()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    const std::string html = Module2::RenderBBCode(std::string_view(input.constData(), size_t(input.size())),
                                                   Conformance::AppFolder);
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
    const std::string html = Reference::RenderBBCode(std::string_view(input.constData(), size_t(input.size())),
                                                     Conformance::AppFolder);
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
        const std::string fast = Module2::RenderBBCode(post, folder);
        const std::string reference = Reference::RenderBBCode(post, folder);
        if (fast != reference)
            QFAIL(qPrintable(QString("post %1 differs: %2").arg(n).arg(QString(Bytes(post).toPercentEncoding()))));
    }
}

void tst_Renderer::emoticonTableIsTheOneTable()
{
    // 49 distinct codes; where one code starts another, the longer one is
    // applied first, except for the pairs whose order the table fixes
    // (":o" is replaced after ":ooh:" and ":oops:" but before ":shock:").
    QCOMPARE(Module2::EmoticonTable.size(), size_t(49));
    for (size_t i = 0; i < Module2::EmoticonTable.size(); ++i)
        for (size_t j = i + 1; j < Module2::EmoticonTable.size(); ++j)
            QVERIFY(Module2::EmoticonTable[i].code != Module2::EmoticonTable[j].code);
    QCOMPARE(Module2::PictureTag("smile", "C:/"), "<img border=\"0\"src=\"C:/emo/smile.gif\">"s);
}

void tst_Renderer::replaceEmoticon_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray tag = Bytes(Module2::PictureTag("x", "/p/"));
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
    const std::string out = Module2::ReplaceEmoticon(std::string_view(text.constData(), size_t(text.size())),
                                                     std::string_view(code.constData(), size_t(code.size())),
                                                     "x", "/p/");
    QCOMPARE(Bytes(out), expected);
}

QF_TEST_MAIN(tst_Renderer)
#include "tst_renderer.moc"
