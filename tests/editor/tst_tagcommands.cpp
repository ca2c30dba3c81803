// SPDX-License-Identifier: MIT
// The texts of the tag buttons, the size and colour lists and the emoticon
// pictures, and the open-tag marker of the captions, without a window.

#include "support/TestBoards.h"
#include "editor/TagCommands.h"
#include "base/Utf8.h"
#include "support/TestMain.h"

namespace {
}  // namespace

class tst_TagCommands : public QObject {
    Q_OBJECT
private slots:
    void tagButton_data();
    void tagButton();
    void markerCycle_data();
    void markerCycle();
    void dialogsWithAssistance_data();
    void dialogsWithAssistance();
    void shortcutLetters_data();
    void shortcutLetters();
    void sizeTag_data();
    void sizeTag();
    void colourTag_data();
    void colourTag();
    void emoticonCode_data();
    void emoticonCode();
    void outOfRangeInsertsNothing();
};

void tst_TagCommands::tagButton_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("captionAfter");
    QTest::addColumn<bool>("focusPost");

    // Every paired button, with a selection and with none (no marker yet).
    const QStringList captions = {"B", "i", "u", "Quote", "Code", "List", "List=", "Img", "URL"};
    const QStringList opening = {"b", "i", "u", "quote", "code", "list", "list=1", "img", "url"};
    const QStringList closing = {"b", "i", "u", "quote", "code", "list", "list", "img", "url"};
    for (int i = 0; i <= 8; ++i) {
        const QString& caption = captions[i];
        QTest::addRow("button %d wraps the selection", i)
            << i << "hello" << caption << "[" + opening[i] + "]hello[/" + closing[i] + "]" << caption << true;
        QTest::addRow("button %d opens and marks the caption", i)
            << i << "" << caption << "[" + opening[i] + "]" << caption + " *" << true;
        QTest::addRow("button %d closes and clears the marker", i) << i << "" << caption + " *"
                                                                   << "[/" + closing[i] + "]" << caption << true;
    }
    QTest::newRow("selection with the marker set: full pair, marker kept") << 0 << "x"
                                                                           << "B *"
                                                                           << "[b]x[/b]"
                                                                           << "B *" << true;
    QTest::newRow("button 6 opens with list=1") << 6 << ""
                                                << "List="
                                                << "[list=1]"
                                                << "List= *" << true;
    QTest::newRow("button 6 always closes with [/list]") << 6 << ""
                                                         << "List= *"
                                                         << "[/list]"
                                                         << "List=" << true;
    QTest::newRow("button 6 around a selection") << 6 << "a"
                                                 << "List="
                                                 << "[list=1]a[/list]"
                                                 << "List=" << true;
    QTest::newRow("button 9 alone") << 9 << ""
                                    << "[*]"
                                    << "[*]"
                                    << "[*]" << false;
    QTest::newRow("button 9 goes in front of the selection") << 9 << "item"
                                                             << "[*]"
                                                             << "[*]item"
                                                             << "[*]" << false;
    QTest::newRow("line breaks inside the selection are kept") << 0 << "one\r\ntwo"
                                                               << "B"
                                                               << "[b]one\r\ntwo[/b]"
                                                               << "B" << true;
    QTest::newRow("UTF-8 selection") << 1 << "grüße ✓"
                                     << "i"
                                     << "[i]grüße ✓[/i]"
                                     << "i" << true;
}

void tst_TagCommands::tagButton()
{
    QFETCH(int, index);
    QFETCH(QString, selection);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(QString, captionAfter);
    QFETCH(bool, focusPost);
    const TagCommands::TagClick click = TagCommands::ClickTagButton(index, ToUtf8(selection), ToUtf8(caption));
    QCOMPARE(ToQString(click.text), text);
    QCOMPARE(ToQString(click.caption), captionAfter);
    QCOMPARE(click.focusPost, focusPost);
}

void tst_TagCommands::markerCycle_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("pair");   // what an open and a close insert
    QTest::addColumn<QString>("board");  // the site's board; the classic one when empty
    QTest::newRow("Code") << 4 << "Code"
                          << "[code][/code]" << "";
    QTest::newRow("Quote") << 3 << "Quote"
                           << "[quote][/quote]" << "";
    QTest::newRow("List=") << 6 << "List="
                           << "[list=1][/list]" << "";
    QTest::newRow("List= on MyBB") << 6 << "List="
                                   << "[list=1][/list]" << "mybb18";
    QTest::newRow("List= on SMF, which has no [list=1]") << 6 << "List="
                                                         << "[list type=decimal][/list]" << "smf21";
    QTest::newRow("Code on SMF") << 4 << "Code"
                                 << "[code][/code]" << "smf21";
}

void tst_TagCommands::markerCycle()
{
    // Clicks with no selection alternate open and close, the caption carrying the state.
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QString, pair);
    QFETCH(QString, board);
    std::string current = ToUtf8(caption);
    std::string inserted;
    for (int click = 0; click < 4; ++click) {
        const TagCommands::TagClick result = TagCommands::ClickTagButton(index, "", current, KindOf(board));
        inserted += result.text;
        current = result.caption;
        QCOMPARE(ToQString(current), click % 2 == 0 ? caption + " *" : caption);
    }
    QCOMPARE(ToQString(inserted), pair + pair);
}

void tst_TagCommands::dialogsWithAssistance_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("dialog");
    QTest::addColumn<QString>("command");
    using D = TagCommands::Dialog;
    const int none = int(D::None);
    QTest::newRow("B inserts") << 0 << none << "";
    QTest::newRow("i inserts") << 1 << none << "";
    QTest::newRow("u inserts") << 2 << none << "";
    QTest::newRow("Quote: quote manager") << 3 << int(D::QuoteManager) << "";
    QTest::newRow("Code inserts") << 4 << none << "";
    QTest::newRow("List: assistant with list") << 5 << int(D::Assistant) << "list";
    QTest::newRow("List=: assistant with list=") << 6 << int(D::Assistant) << "list=";
    QTest::newRow("Img: assistant with img") << 7 << int(D::Assistant) << "img";
    QTest::newRow("URL: assistant with url") << 8 << int(D::Assistant) << "url";
    QTest::newRow("[*] inserts") << 9 << none << "";
}

void tst_TagCommands::dialogsWithAssistance()
{
    QFETCH(int, index);
    QFETCH(int, dialog);
    QFETCH(QString, command);
    QCOMPARE(int(TagCommands::DialogFor(index, true)), dialog);
    QCOMPARE(int(TagCommands::DialogFor(index, false)), int(TagCommands::Dialog::None));
    if (dialog == int(TagCommands::Dialog::Assistant))
        QCOMPARE(ToQString(TagCommands::AssistCommandFor(index)), command);
}

void tst_TagCommands::shortcutLetters_data()
{
    QTest::addColumn<char>("letter");
    QTest::addColumn<int>("button");
    QTest::newRow("B") << 'B' << 0;
    QTest::newRow("I") << 'I' << 1;
    QTest::newRow("U") << 'U' << 2;
    QTest::newRow("Q") << 'Q' << 3;
    QTest::newRow("C") << 'C' << 4;
    QTest::newRow("M") << 'M' << 7;
    QTest::newRow("R") << 'R' << 8;
    QTest::newRow("no shortcut for List") << 'L' << -1;
    QTest::newRow("A is not a tag button") << 'A' << -1;
    QTest::newRow("lower case is not a key") << 'b' << -1;
}

void tst_TagCommands::shortcutLetters()
{
    QFETCH(char, letter);
    QFETCH(int, button);
    QCOMPARE(TagCommands::ButtonForShortcut(letter), button);
}

void tst_TagCommands::sizeTag_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    const QString unknown, two = QStringLiteral("phpbb2"), three = QStringLiteral("phpbb3");
    QTest::newRow("Tiny") << 0 << "x" << unknown << "[size=7]x[/size]";
    QTest::newRow("Small") << 1 << "x" << unknown << "[size=9]x[/size]";
    QTest::newRow("Normal, no selection (as at load)") << 2 << "" << unknown << "[size=12][/size]";
    QTest::newRow("Large") << 3 << "x" << unknown << "[size=18]x[/size]";
    QTest::newRow("Huge") << 4 << "two\r\nlines" << unknown << "[size=24]two\r\nlines[/size]";
    QTest::newRow("phpBB 2: Large in pixels") << 3 << "x" << two << "[size=18]x[/size]";
    QTest::newRow("phpBB 3: Tiny is a percentage") << 0 << "x" << three << "[size=50]x[/size]";
    QTest::newRow("phpBB 3: Large is 150 %") << 3 << "x" << three << "[size=150]x[/size]";
    QTest::newRow("phpBB 3: Huge is its maximum") << 4 << "x" << three << "[size=200]x[/size]";
    QTest::newRow("MyBB: Tiny as its editor names it")
        << 0 << "x" << QStringLiteral("mybb18") << "[size=x-small]x[/size]";
    QTest::newRow("MyBB: Huge") << 4 << "x" << QStringLiteral("mybb18") << "[size=xx-large]x[/size]";
    QTest::newRow("SMF: Normal writes size 3") << 2 << "x" << QStringLiteral("smf21") << "[size=3]x[/size]";
    QTest::newRow("SMF: Large writes size 5") << 3 << "x" << QStringLiteral("smf21") << "[size=5]x[/size]";
}

void tst_TagCommands::sizeTag()
{
    QFETCH(int, item);
    QFETCH(QString, selection);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    const auto result = TagCommands::SizeTag(item, ToUtf8(selection), KindOf(kind));
    QVERIFY(result);
    QCOMPARE(ToQString(*result), text);
}

void tst_TagCommands::colourTag_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("value");
    // The colour list's entries as shown, and the values they insert.
    const QStringList shown = {"Default", "Dark Red", "Red",       "Orange", "Brown",  "Yellow", "Green", "Olive",
                               "Cyan",    "Blue",     "Dark Blue", "Indigo", "Violet", "White",  "Black"};
    const QStringList values = {"Default", "DarkRed", "Red",      "Orange", "Brown",  "Yellow", "Green", "Olive",
                                "Cyan",    "Blue",    "DarkBlue", "Indigo", "Violet", "White",  "Black"};
    for (int i = 0; i < shown.size(); ++i)
        QTest::newRow(qPrintable(shown[i])) << shown[i] << values[i];
    QTest::newRow("every blank goes") << " a b  c "
                                      << "abc";
}

void tst_TagCommands::colourTag()
{
    QFETCH(QString, item);
    QFETCH(QString, value);
    QCOMPARE(ToQString(TagCommands::ColourValue(ToUtf8(item))), value);
    QCOMPARE(ToQString(TagCommands::ColourTag(ToUtf8(item), "x")), "[color=" + value + "]x[/color]");
    QCOMPARE(ToQString(TagCommands::ColourTag(ToUtf8(item), "")), "[color=" + value + "][/color]");
}

void tst_TagCommands::emoticonCode_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    const QString unknown, three = QStringLiteral("phpbb3");
    // Each picture's text, shown by the preview as that picture: tst_moreemoticonswindow.
    QTest::newRow("the first picture at the caret") << 0 << "" << unknown << " :D ";
    QTest::newRow("the last picture at the caret") << 19 << "" << unknown << " :arrow: ";
    QTest::newRow("the selection stays in front of the code") << 0 << "abc" << unknown << "abc :D ";
    QTest::newRow("Mad keeps its two trailing blanks") << 8 << "grr" << unknown << "grr :x  ";
    QTest::newRow("Cool, classic code") << 6 << "" << unknown << " 8) ";
    QTest::newRow("Cool on phpBB 3, whose code has a nose") << 6 << "" << three << " 8-) ";
    QTest::newRow("a code both know stays on phpBB 3") << 0 << "" << three << " :D ";
    QTest::newRow("Confused on MyBB is its :s") << 5 << "" << QStringLiteral("mybb18") << " :s ";
    QTest::newRow("Rolling eyes on SMF") << 14 << "a" << QStringLiteral("smf21") << "a ::) ";
}

void tst_TagCommands::emoticonCode()
{
    QFETCH(int, index);
    QFETCH(QString, selection);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    const auto result = TagCommands::EmoticonCode(index, ToUtf8(selection), KindOf(kind));
    QVERIFY(result);
    QCOMPARE(ToQString(*result), text);
}

void tst_TagCommands::outOfRangeInsertsNothing()
{
    // An index outside the controls must not turn into deleting the selection.
    QVERIFY(!TagCommands::SizeTag(-1, "keep", KindOf("phpbb3")));
    QVERIFY(!TagCommands::SizeTag(5, "keep", KindOf("")));
    QVERIFY(!TagCommands::EmoticonCode(20, "keep", KindOf("")));
    QVERIFY(!TagCommands::EmoticonCode(-1, "keep", KindOf("phpbb3")));
    // A face the board has not: nothing to insert.
    QVERIFY(!TagCommands::EmoticonCode(7, "keep", KindOf("mybb18")));
    QVERIFY(!TagCommands::EmoticonCode(13, "keep", KindOf("smf21")));
    const TagCommands::TagClick click = TagCommands::ClickTagButton(10, "keep", "X");
    QCOMPARE(ToQString(click.caption), QString("X"));
    QCOMPARE(ToQString(click.text), QString("keep"));
    QCOMPARE(int(TagCommands::DialogFor(-1, true)), int(TagCommands::Dialog::None));
}

QF_TEST_MAIN(tst_TagCommands)
#include "tst_tagcommands.moc"
