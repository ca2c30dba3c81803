// SPDX-License-Identifier: MIT
// The BBCode assistant driven as a user would: opened modally by the tag
// buttons with assistance on, its fields typed into and erased, items added
// and removed, the numbering switched, and Agree or Close pressed.

#include "base/PictureBox.h"
#include "assist/BBCodeAssistant.h"
#include "post/PostDocument.h"
#include "editor/MainWindow.h"
#include "base/Utf8.h"
#include "support/EditorFixture.h"
#include "support/ModalDriver.h"
#include "support/PostControls.h"
#include "support/TestMain.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

#include <functional>

namespace {

constexpr int ListButton = 5;
constexpr int NumberedListButton = 6;
constexpr int ImgButton = 7;
constexpr int UrlButton = 8;

void Erase(QLineEdit* field)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_End);
    for (qsizetype n = field->text().size(); n > 0; --n)
        QTest::keyClick(field, Qt::Key_Backspace);
}

void AddItem(BBCodeAssistant& a, const QString& typed)
{
    a.itemEdit->setFocus();
    QTest::keyClicks(a.itemEdit, typed);
    QTest::mouseClick(a.addButton, Qt::LeftButton);
}

bool OptionsEnabled(const BBCodeAssistant& a)
{
    return a.numberingOptions[1]->isEnabled() && a.numberingOptions[2]->isEnabled()
        && a.numberingOptions[3]->isEnabled();
}

bool OptionsDisabled(const BBCodeAssistant& a)
{
    return !a.numberingOptions[1]->isEnabled() && !a.numberingOptions[2]->isEnabled()
        && !a.numberingOptions[3]->isEnabled();
}

}  // namespace

class tst_BBCodeAssistant : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opening_data();
    void opening();
    void linkNameAndAddressTypedAndErased();
    void imageAddressTypedAndErased();
    void listItemsAddedAndRemoved();
    void itemsAndTitleKeepTheirLineBreaks();
    void numberedBoxAndTheThreeKinds();
    void agreeReplacesExactlyTheSelection_data();
    void agreeReplacesExactlyTheSelection();
    void closeInsertsNothing_data();
    void closeInsertsNothing();
    void reopeningShowsNothingOfThePreviousUse();
    void outputTooltip_data();
    void outputTooltip();
    void layoutAndNames();

private:
    // Clicks tag button `index` with assistance on and runs `drive` on the
    // assistant it shows; true when the assistant was shown.
    bool RunAssistant(int index, const std::function<void(BBCodeAssistant&)>& drive);

    std::unique_ptr<EditorFixture> m_fx;
    std::unique_ptr<MainWindow> m_w;
};

void tst_BBCodeAssistant::init()
{
    m_fx = std::make_unique<EditorFixture>();
    m_w = m_fx->MakeWindow();
    QTest::mouseClick(Controls(*m_w).assistanceBox, Qt::LeftButton);
    QVERIFY(m_w->AssistMode());
}

void tst_BBCodeAssistant::cleanup()
{
    m_w.reset();
    m_fx.reset();
}

bool tst_BBCodeAssistant::RunAssistant(int index, const std::function<void(BBCodeAssistant&)>& drive)
{
    bool shown = false;
    ModalDriver driver([&](QWidget* window) {
        auto* assistant = qobject_cast<BBCodeAssistant*>(window);
        QVERIFY2(assistant, qPrintable(window->objectName()));
        shown = true;
        drive(*assistant);
    });
    QTest::mouseClick(Controls(*m_w).tagButtons[index], Qt::LeftButton);
    return shown && driver.Driven() == 1;
}

void tst_BBCodeAssistant::opening_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("field");  // the field the selection goes into
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("numbered");

    QTest::newRow("url with a selection") << UrlButton << "Home page"
                                          << "linkPage"
                                          << "linkNameEdit"
                                          << "Home page"
                                          << "[url]Home page[/url]" << false;
    QTest::newRow("url without a selection") << UrlButton << ""
                                             << "linkPage"
                                             << "linkNameEdit"
                                             << ""
                                             << "[url][/url]" << false;
    QTest::newRow("img without a selection: empty address") << ImgButton << ""
                                                            << "imagePage"
                                                            << "imageAddressEdit"
                                                            << ""
                                                            << "[img][/img]" << false;
    QTest::newRow("img with a selection") << ImgButton << "http://p.test/a.png"
                                          << "imagePage"
                                          << "imageAddressEdit"
                                          << "http://p.test/a.png"
                                          << "[img]http://p.test/a.png[/img]" << false;
    QTest::newRow("img with the designed address selected") << ImgButton << "http://"
                                                            << "imagePage"
                                                            << "imageAddressEdit"
                                                            << "http://"
                                                            << "[img]http://[/img]" << false;
    QTest::newRow("list: the selection is the title") << ListButton << "Fruit"
                                                      << "listPage"
                                                      << "listTitleEdit"
                                                      << "Fruit"
                                                      << "[list]Fruit[/list]" << false;
    QTest::newRow("list without a selection") << ListButton << ""
                                              << "listPage"
                                              << "listTitleEdit"
                                              << ""
                                              << "[list][/list]" << false;
    QTest::newRow("list= ticks Numbered") << NumberedListButton << "Fruit"
                                          << "listPage"
                                          << "listTitleEdit"
                                          << "Fruit"
                                          << "[list=1]Fruit[/list]" << true;
    QTest::newRow("list= without a selection") << NumberedListButton << ""
                                               << "listPage"
                                               << "listTitleEdit"
                                               << ""
                                               << "[list=1][/list]" << true;
}

void tst_BBCodeAssistant::opening()
{
    QFETCH(int, button);
    QFETCH(QString, selection);
    QFETCH(QString, page);
    QFETCH(QString, field);
    QFETCH(QString, fieldText);
    QFETCH(QString, output);
    QFETCH(bool, numbered);
    EditorFixture::SetPost(*m_w, "a " + selection + " b", 2, 2 + int(selection.size()));
    const bool shown = RunAssistant(button, [&](BBCodeAssistant& a) {
        QCOMPARE(a.windowTitle(), QString("BBCode Assistant"));
        QVERIFY(a.isModal());
        QCOMPARE(a.parentWidget(), static_cast<QWidget*>(m_w.get()));
        QCOMPARE(a.outputText->text(), output);
        QCOMPARE(a.findChild<QLineEdit*>(field)->text(), fieldText);
        for (QGroupBox* each : {a.linkPage, a.imagePage, a.listPage})
            QCOMPARE(each->isVisible(), each->objectName() == page);
        QCOMPARE(a.numberedBox->isChecked(), numbered);
        QCOMPARE(OptionsEnabled(a), numbered);
        QCOMPARE(OptionsDisabled(a), !numbered);
        QVERIFY(a.numberingOptions[1]->isChecked());
        QCOMPARE(a.itemList->count(), 0);
        if (page != "imagePage")
            QCOMPARE(a.imageAddressEdit->text(), QString("http://"));
    });
    QVERIFY(shown);
    // Nothing was inserted by the opening, and the post's selection is as it was.
    QCOMPARE(Controls(*m_w).bodyEdit->toPlainText(), "a " + selection + " b");
    QCOMPARE(Controls(*m_w).bodyEdit->textCursor().selectedText(), selection);
}

void tst_BBCodeAssistant::linkNameAndAddressTypedAndErased()
{
    QVERIFY(RunAssistant(UrlButton, [](BBCodeAssistant& a) {
        QTest::keyClicks(a.linkNameEdit, "Docs");
        QCOMPARE(a.outputText->text(), QString("[url]Docs[/url]"));
        QCOMPARE(ToQString(a.LinkName), QString("Docs"));
        QTest::keyClicks(a.linkAddressEdit, "http://d.test/");
        QCOMPARE(a.outputText->text(), QString("[url=http://d.test/]Docs[/url]"));
        QCOMPARE(ToQString(a.LinkTarget), QString("=http://d.test/"));
        Erase(a.linkAddressEdit);
        QCOMPARE(a.outputText->text(), QString("[url]Docs[/url]"));
        QVERIFY(a.LinkTarget.empty());
        Erase(a.linkNameEdit);
        QCOMPARE(a.outputText->text(), QString("[url][/url]"));
        QTest::keyClicks(a.linkAddressEdit, "x");
        QCOMPARE(a.outputText->text(), QString("[url=x][/url]"));
    }));
}

void tst_BBCodeAssistant::imageAddressTypedAndErased()
{
    QVERIFY(RunAssistant(ImgButton, [](BBCodeAssistant& a) {
        QTest::keyClicks(a.imageAddressEdit, "http://p.test/b.gif");
        QCOMPARE(a.outputText->text(), QString("[img]http://p.test/b.gif[/img]"));
        Erase(a.imageAddressEdit);
        QCOMPARE(a.outputText->text(), QString("[img][/img]"));
    }));
}

void tst_BBCodeAssistant::listItemsAddedAndRemoved()
{
    QVERIFY(RunAssistant(ListButton, [](BBCodeAssistant& a) {
        QTest::keyClicks(a.listTitleEdit, "Fruit");
        QCOMPARE(a.outputText->text(), QString("[list]Fruit[/list]"));
        AddItem(a, "apple");
        QCOMPARE(a.itemEdit->toPlainText(), QString());
        AddItem(a, "pear");
        AddItem(a, "plum");
        QCOMPARE(a.itemList->count(), 3);
        QCOMPARE(a.outputText->text(), QString("[list]Fruit  [*]apple  [*]pear  [*]plum[/list]"));
        QCOMPARE(ToQString(a.ListBody), QString("  [*]apple  [*]pear  [*]plum"));

        // Add with an empty item box adds nothing; the output stays right.
        QTest::mouseClick(a.addButton, Qt::LeftButton);
        QCOMPARE(a.itemList->count(), 3);
        QCOMPARE(a.outputText->text(), QString("[list]Fruit  [*]apple  [*]pear  [*]plum[/list]"));

        // Remove with no item chosen removes nothing: neither before any
        // item was clicked, nor after the user unchose the one clicked (it
        // stays the list's current item).
        QTest::mouseClick(a.removeButton, Qt::LeftButton);
        QCOMPARE(a.itemList->count(), 3);
        const QRect pear = a.itemList->visualItemRect(a.itemList->item(1));
        QTest::mouseClick(a.itemList->viewport(), Qt::LeftButton, {}, pear.center());
        QTest::mouseClick(a.itemList->viewport(), Qt::LeftButton, Qt::ControlModifier, pear.center());
        QCOMPARE(a.itemList->selectedItems().size(), 0);
        QCOMPARE(a.itemList->currentRow(), 1);
        QTest::mouseClick(a.removeButton, Qt::LeftButton);
        QCOMPARE(a.itemList->count(), 3);

        // The chosen item goes; the others keep their order.
        QTest::mouseClick(a.itemList->viewport(), Qt::LeftButton, {}, pear.center());
        QCOMPARE(a.itemList->selectedItems().size(), 1);
        QTest::mouseClick(a.removeButton, Qt::LeftButton);
        QCOMPARE(a.itemList->count(), 2);
        QCOMPARE(a.outputText->text(), QString("[list]Fruit  [*]apple  [*]plum[/list]"));

        // Emptying the title leaves the items.
        Erase(a.listTitleEdit);
        QCOMPARE(a.outputText->text(), QString("[list]  [*]apple  [*]plum[/list]"));

        // Remove until the list is empty, then once more on the empty list.
        for (int n = 0; n < 3; ++n) {
            if (a.itemList->count() > 0)
                a.itemList->item(0)->setSelected(true);
            QTest::mouseClick(a.removeButton, Qt::LeftButton);
        }
        QCOMPARE(a.itemList->count(), 0);
        QCOMPARE(a.outputText->text(), QString("[list][/list]"));
    }));
}

void tst_BBCodeAssistant::itemsAndTitleKeepTheirLineBreaks()
{
    // A title taken from a two-line selection, an item typed over two lines.
    EditorFixture::SetPost(*m_w, "Top\nBottom", 0, 10);
    QVERIFY(RunAssistant(ListButton, [](BBCodeAssistant& a) {
        QCOMPARE(a.listTitleEdit->text(), QString("Top\nBottom"));
        a.itemEdit->setFocus();
        QTest::keyClicks(a.itemEdit, "one");
        QTest::keyClick(a.itemEdit, Qt::Key_Return);
        QTest::keyClicks(a.itemEdit, "two");
        QTest::mouseClick(a.addButton, Qt::LeftButton);
        QCOMPARE(a.itemList->item(0)->text(), QString("one\ntwo"));
        QCOMPARE(a.outputText->text(), QString("[list]Top\nBottom  [*]one\ntwo[/list]"));
        QTest::mouseClick(a.agreeHotSpot, Qt::LeftButton);
    }));
    QCOMPARE(EditorFixture::PostText(*m_w), QString("[list]Top\r\nBottom  [*]one\r\ntwo[/list]"));
}

void tst_BBCodeAssistant::numberedBoxAndTheThreeKinds()
{
    QVERIFY(RunAssistant(ListButton, [](BBCodeAssistant& a) {
        QTest::keyClicks(a.listTitleEdit, "T");
        AddItem(a, "x");
        QCOMPARE(a.AssistCommand, QString("list"));
        QVERIFY(OptionsDisabled(a));

        QTest::mouseClick(a.numberedBox, Qt::LeftButton);
        QVERIFY(OptionsEnabled(a));
        QCOMPARE(a.AssistCommand, QString("list="));
        QCOMPARE(a.outputText->text(), QString("[list=1]T  [*]x[/list]"));

        const QString kinds[] = {"", "1", "a", "i"};
        for (int index : {3, 2, 1, 3}) {
            QTest::mouseClick(a.numberingOptions[index], Qt::LeftButton);
            QVERIFY(a.numberingOptions[index]->isChecked());
            QCOMPARE(a.outputText->text(), "[list=" + kinds[index] + "]T  [*]x[/list]");
        }

        // Unticking keeps the title and items and disables the choices.
        QTest::mouseClick(a.numberedBox, Qt::LeftButton);
        QCOMPARE(a.AssistCommand, QString("list"));
        QCOMPARE(a.outputText->text(), QString("[list]T  [*]x[/list]"));
        QVERIFY(OptionsDisabled(a));
        // A disabled choice cannot be made.
        QTest::mouseClick(a.numberingOptions[2], Qt::LeftButton);
        QVERIFY(a.numberingOptions[3]->isChecked());
        QCOMPARE(a.outputText->text(), QString("[list]T  [*]x[/list]"));

        // Ticking again restores the numbering chosen before.
        QTest::mouseClick(a.numberedBox, Qt::LeftButton);
        QCOMPARE(a.outputText->text(), QString("[list=i]T  [*]x[/list]"));
        QTest::mouseClick(a.agreeHotSpot, Qt::LeftButton);
    }));
    QCOMPARE(EditorFixture::PostText(*m_w), QString("[list=i]T  [*]x[/list]"));
}

void tst_BBCodeAssistant::agreeReplacesExactlyTheSelection_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("typed");   // into the page's first field
    QTest::addColumn<QString>("before");  // "|" marks the selection
    QTest::addColumn<QString>("after");   // "|" marks the caret

    QTest::newRow("link around the selected words") << UrlButton << ""
                                                    << "see |the docs| now"
                                                    << "see [url]the docs[/url]| now";
    QTest::newRow("link at the caret") << UrlButton << "Docs"
                                       << "a || b"
                                       << "a [url]Docs[/url]| b";
    QTest::newRow("image replaces the selected address") << ImgButton << ""
                                                         << "x |http://p.test/a.png| y"
                                                         << "x [img]http://p.test/a.png[/img]| y";
    QTest::newRow("list, selection as the title") << ListButton << ""
                                                  << "|Fruit|"
                                                  << "[list]Fruit[/list]|";
    QTest::newRow("numbered list at the caret") << NumberedListButton << ""
                                                << "ab||"
                                                << "ab[list=1][/list]|";
    QTest::newRow("selection over two lines") << UrlButton << ""
                                              << "1|2\n3|4"
                                              << "1[url]2\n3[/url]|4";
}

void tst_BBCodeAssistant::agreeReplacesExactlyTheSelection()
{
    QFETCH(int, button);
    QFETCH(QString, typed);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const int start = int(before.indexOf('|'));
    const int end = int(before.indexOf('|', start + 1)) - 1;
    EditorFixture::SetPost(*m_w, QString(before).remove('|'), start, end);
    m_w->Post().SetState(PostDocument::State::Unchanged);
    QString agreed;
    QVERIFY(RunAssistant(button, [&](BBCodeAssistant& a) {
        if (!typed.isEmpty())
            QTest::keyClicks(button == UrlButton ? a.linkNameEdit : a.listTitleEdit, typed);
        agreed = a.outputText->text();
        QTest::mouseClick(a.agreeHotSpot, Qt::LeftButton);
        QVERIFY(!a.isVisible());
    }));
    QVERIFY(!agreed.isEmpty());
    QCOMPARE(Controls(*m_w).bodyEdit->toPlainText(), QString(after).remove('|'));
    QCOMPARE(Controls(*m_w).bodyEdit->textCursor().position(), int(after.indexOf('|')));
    QVERIFY(!Controls(*m_w).bodyEdit->textCursor().hasSelection());
    QVERIFY(m_w->Post().IsChanged());
    // One undo takes the whole insertion back.
    Controls(*m_w).bodyEdit->undo();
    QCOMPARE(Controls(*m_w).bodyEdit->toPlainText(), QString(before).remove('|'));
}

void tst_BBCodeAssistant::closeInsertsNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close") << "Close";
    QTest::newRow("the window frame") << "frame";
    QTest::newRow("Escape") << "Escape";
}

void tst_BBCodeAssistant::closeInsertsNothing()
{
    QFETCH(QString, how);
    EditorFixture::SetPost(*m_w, "keep me", 0, 4);
    m_w->Post().SetState(PostDocument::State::Unchanged);
    QVERIFY(RunAssistant(UrlButton, [&](BBCodeAssistant& a) {
        QTest::keyClicks(a.linkAddressEdit, "http://x.test/");
        if (how == "Close")
            QTest::mouseClick(a.closeHotSpot, Qt::LeftButton);
        else if (how == "frame")
            a.close();
        else
            QTest::keyClick(&a, Qt::Key_Escape);
        QVERIFY(!a.isVisible());
        QVERIFY(a.LinkName.empty() && a.LinkTarget.empty() && a.ListBody.empty());
    }));
    QCOMPARE(Controls(*m_w).bodyEdit->toPlainText(), QString("keep me"));
    QCOMPARE(Controls(*m_w).bodyEdit->textCursor().selectedText(), QString("keep"));
    QVERIFY(!m_w->Post().IsChanged());
}

void tst_BBCodeAssistant::reopeningShowsNothingOfThePreviousUse()
{
    EditorFixture::SetPost(*m_w, "old", 0, 3);
    BBCodeAssistant* first = nullptr;
    QVERIFY(RunAssistant(NumberedListButton, [&](BBCodeAssistant& a) {
        first = &a;
        AddItem(a, "item");
        QTest::mouseClick(a.numberingOptions[2], Qt::LeftButton);
        QTest::keyClicks(a.itemEdit, "left in the box");
        QTest::mouseClick(a.closeHotSpot, Qt::LeftButton);
    }));
    QVERIFY(RunAssistant(UrlButton, [&](BBCodeAssistant& a) {
        QTest::keyClicks(a.linkNameEdit, "name");
        QTest::keyClicks(a.linkAddressEdit, "http://x.test/");
        QTest::mouseClick(a.agreeHotSpot, Qt::LeftButton);
    }));
    EditorFixture::SetPost(*m_w, "", 0);
    QVERIFY(RunAssistant(ListButton, [&](BBCodeAssistant& a) {
        QCOMPARE(&a, first);  // the same window, its controls as designed
        QCOMPARE(a.itemList->count(), 0);
        QCOMPARE(a.itemEdit->toPlainText(), QString());
        QCOMPARE(a.listTitleEdit->text(), QString());
        QVERIFY(!a.numberedBox->isChecked());
        QVERIFY(a.numberingOptions[1]->isChecked());
        QVERIFY(OptionsDisabled(a));
        QCOMPARE(a.outputText->text(), QString("[list][/list]"));
        QVERIFY(a.ListBody.empty());
    }));
    QVERIFY(RunAssistant(UrlButton, [&](BBCodeAssistant& a) {
        QCOMPARE(a.linkNameEdit->text(), QString());
        QCOMPARE(a.linkAddressEdit->text(), QString());
        QCOMPARE(a.outputText->text(), QString("[url][/url]"));
        QVERIFY(a.LinkName.empty() && a.LinkTarget.empty());
    }));
    QVERIFY(RunAssistant(ImgButton, [&](BBCodeAssistant& a) {
        QCOMPARE(a.outputText->text(), QString("[img][/img]"));
        QCOMPARE(a.outputText->toolTip(), QString());
    }));
}

void tst_BBCodeAssistant::outputTooltip_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("output");
    QTest::newRow("plain output") << "a long link text"
                                  << "[url]a long link text[/url]";
    QTest::newRow("output that looks like markup") << "<b>bold</b>"
                                                   << "[url]<b>bold</b>[/url]";
}

void tst_BBCodeAssistant::outputTooltip()
{
    QFETCH(QString, typed);
    QFETCH(QString, output);
    QVERIFY(RunAssistant(UrlButton, [&](BBCodeAssistant& a) {
        QTest::keyClicks(a.linkNameEdit, typed);
        QCOMPARE(a.outputText->text(), output);
        QCOMPARE(a.outputText->toolTip(), QString());
        // Moved within the assistant's own window (headless, the pointer's
        // screen position would find the main window beneath it), in two
        // steps: a move to where the pointer already is makes no event.
        QTest::mouseMove(a.windowHandle(), a.outputText->mapTo(&a, QPoint(5, 5)));
        QTest::mouseMove(a.windowHandle(), a.outputText->mapTo(&a, QPoint(6, 6)));
        QTRY_VERIFY(!a.outputText->toolTip().isEmpty());
        // The tooltip shows the output's own characters, never markup made of them.
        QTextDocument shown;
        if (Qt::mightBeRichText(a.outputText->toolTip()))
            shown.setHtml(a.outputText->toolTip());
        else
            shown.setPlainText(a.outputText->toolTip());
        QCOMPARE(shown.toPlainText(), output);
        QCOMPARE(a.outputText->textFormat(), Qt::PlainText);
    }));
}

void tst_BBCodeAssistant::layoutAndNames()
{
    QVERIFY(RunAssistant(ListButton, [](BBCodeAssistant& a) {
        QVERIFY(a.minimumSize() == a.maximumSize());
        QVERIFY(!(a.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(a.linkPage->title(), QString("URL"));
        QCOMPARE(a.imagePage->title(), QString("Image "));
        QCOMPARE(a.listPage->title(), QString("List  "));
        QCOMPARE(a.linkPage->geometry(), a.listPage->geometry());
        QCOMPARE(a.imagePage->geometry(), a.listPage->geometry());
        QCOMPARE(a.addButton->text(), QString("Add >>"));
        QCOMPARE(a.removeButton->text(), QString("Remove"));
        QCOMPARE(a.numberedBox->text(), QString("Numbered:"));
        QCOMPARE(a.numberingOptions[1]->text(), QString("1. 2. 3."));
        QCOMPARE(a.numberingOptions[2]->text(), QString("a. b. c."));
        QCOMPARE(a.numberingOptions[3]->text(), QString("i. ii. iii."));
        QCOMPARE(a.numberingOptions[2]->objectName(), QString("numberingOption_2"));
        for (PictureBox* area : {a.agreeHotSpot, a.closeHotSpot}) {
            QCOMPARE(area->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(area->pixmap().isNull());  // the words are painted beneath
        }
        const QList<QPair<QString, QString>> names = {
            {"linkNameEdit", "Link Name"},   {"linkAddressEdit", "Link Address"}, {"imageAddressEdit", "Image Address"},
            {"listTitleEdit", "List Title"}, {"itemEdit", "add List item"},       {"addButton", "Add >>"},
            {"removeButton", "Remove"},      {"numberedBox", "Numbered"},         {"numberingOption_3", "i. ii. iii."},
            {"agreeHotSpot", "Agree"},       {"closeHotSpot", "Close"},
        };
        for (const auto& [name, accessible] : names) {
            auto* widget = a.findChild<QWidget*>(name);
            QVERIFY2(widget, qPrintable(name));
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(iface, qPrintable(name));
            QCOMPARE(iface->text(QAccessible::Name), accessible);
        }
    }));
}

QF_TEST_MAIN(tst_BBCodeAssistant)
#include "tst_bbcodeassistant.moc"
