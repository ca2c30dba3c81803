// SPDX-License-Identifier: MIT
// The emoticon pictures: one GIF file per picture name of the emoticon table,
// in the source tree's emo/ and beside the built program, each drawn at the
// size of the window that shows it, no two alike.

#include "assist/ExtraEmoticonTable.h"
#include "editor/TagTable.h"
#include "board/classic/EmoticonTable.h"
#include "base/Utf8.h"
#include "support/TestMain.h"

#include <QHash>
#include <QImageReader>
#include <QSet>

#include <map>
#include <vector>

namespace {

// Every picture of the main window's grid is this many pixels square.
constexpr int MainPictureSize = 15;

// The picture names of the emoticon table, each with the sizes at which the
// two windows show it (one entry per window offering its code).
std::map<std::string_view, std::vector<QSize>> SizesByPicture()
{
    std::map<std::string_view, std::vector<QSize>> sizes;
    for (const bbcode::Emoticon& e : bbcode::EmoticonTable)
        sizes[e.name];
    for (const TagTable::EmoticonPicture& p : TagTable::Emoticons)
        sizes[bbcode::PictureNameOf(p.code)].push_back(QSize(MainPictureSize, MainPictureSize));
    for (const ExtraEmoticons::Picture& p : ExtraEmoticons::Pictures)
        sizes[bbcode::PictureNameOf(p.code)].push_back(QSize(p.area.width, p.area.height));
    return sizes;
}

QString SourceFolder()
{
    const QString root = qEnvironmentVariable("QF_SOURCE_DIR");
    return root.isEmpty() ? QString() : root + QStringLiteral("/src/emo/");
}

QString BuiltFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/emo/"); }

QRect ToRect(const ExtraEmoticons::Area& a) { return QRect(a.left, a.top, a.width, a.height); }

}  // namespace

class tst_Emoticons : public QObject {
    Q_OBJECT
private slots:
    void extraWindowPicturesFitWithoutOverlap();
    void pictureFile_data();
    void pictureFile();
    void builtCopiesMatchTheSources();
    void picturesArePairwiseDistinct();
};

void tst_Emoticons::extraWindowPicturesFitWithoutOverlap()
{
    const QRect client(0, 0, ExtraEmoticons::ClientWidth, ExtraEmoticons::ClientHeight);
    std::vector<QRect> taken = {ToRect(ExtraEmoticons::CloseWindowArea)};
    QVERIFY(client.contains(taken.front()));
    for (size_t i = 0; i < ExtraEmoticons::Pictures.size(); ++i) {
        const QRect r = ToRect(ExtraEmoticons::Pictures[i].area);
        QVERIFY2(client.contains(r), qPrintable(QStringLiteral("picture %1 leaves the window").arg(i)));
        for (const QRect& other : taken)
            QVERIFY2(!r.intersects(other), qPrintable(QStringLiteral("picture %1 covers another").arg(i)));
        taken.push_back(r);
    }
}

void tst_Emoticons::pictureFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QVERIFY2(!SourceFolder().isEmpty(), "QF_SOURCE_DIR names the source tree");
    for (const auto& [name, shown] : SizesByPicture()) {
        QVERIFY(!shown.empty());
        const QString file = ToQString(name) + QStringLiteral(".gif");
        QTest::addRow("%s in the source tree", qPrintable(file)) << SourceFolder() + file << shown.front();
        QTest::addRow("%s beside the program", qPrintable(file)) << BuiltFolder() + file << shown.front();
    }
}

void tst_Emoticons::pictureFile()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path + QStringLiteral(": ") + file.errorString()));
    const QByteArray magic = file.read(6);
    QVERIFY2(magic == "GIF89a" || magic == "GIF87a", magic.constData());
    file.close();

    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("gif"));
    QCOMPARE(reader.size(), size);

    // The first frame is what a window shows: a drawn picture, not a blank.
    const QImage first = reader.read().convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!first.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(first.size(), size);
    QSet<QRgb> colours;
    int opaque = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x) {
            const QRgb pixel = first.pixel(x, y);
            if (qAlpha(pixel) == 255) {
                ++opaque;
                colours.insert(pixel);
            }
        }
    QVERIFY2(opaque >= first.width() * first.height() / 8, "the picture is mostly empty");
    QVERIFY2(colours.size() >= 8, "the picture has hardly any colours");
}

void tst_Emoticons::builtCopiesMatchTheSources()
{
    QVERIFY(!SourceFolder().isEmpty());
    for (const bbcode::Emoticon& e : bbcode::EmoticonTable) {
        const QString file = ToQString(e.name) + QStringLiteral(".gif");
        QFile source(SourceFolder() + file);
        QFile built(BuiltFolder() + file);
        QVERIFY2(source.open(QIODevice::ReadOnly), qPrintable(source.fileName()));
        QVERIFY2(built.open(QIODevice::ReadOnly), qPrintable(built.fileName()));
        QVERIFY2(source.readAll() == built.readAll(), qPrintable(file + QStringLiteral(" is out of date")));
    }
}

void tst_Emoticons::picturesArePairwiseDistinct()
{
    QVERIFY(!SourceFolder().isEmpty());
    QHash<QByteArray, QString> seen;  // size and pixels of a first frame -> its file
    for (const bbcode::Emoticon& e : bbcode::EmoticonTable) {
        const QString file = ToQString(e.name) + QStringLiteral(".gif");
        const QImage first = QImageReader(SourceFolder() + file).read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!first.isNull(), qPrintable(file));
        QByteArray key = QByteArray::number(first.width()) + 'x' + QByteArray::number(first.height()) + ':';
        for (int y = 0; y < first.height(); ++y)
            key.append(reinterpret_cast<const char*>(first.constScanLine(y)), first.width() * 4);
        const auto twin = seen.constFind(key);
        if (twin != seen.constEnd())
            QFAIL(qPrintable(file + QStringLiteral(" looks exactly like ") + twin.value()));
        seen.insert(key, file);
    }
    QCOMPARE(seen.size(), qsizetype(bbcode::EmoticonTable.size()));
}

QF_TEST_MAIN(tst_Emoticons)
#include "tst_emoticons.moc"
