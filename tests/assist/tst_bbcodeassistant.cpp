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
    a.txtItem->setFocus();
    QTest::keyClicks(a.txtItem, typed);
    QTest::mouseClick(a.cmdAdd, Qt::LeftButton);
}

bool OptionsEnabled(const BBCodeAssistant& a)
{
    return a.Option1[1]->isEnabled() && a.Option1[2]->isEnabled() && a.Option1[3]->isEnabled();
}

bool OptionsDisabled(const BBCodeAssistant& a)
{
    return !a.Option1[1]->isEnabled() && !a.Option1[2]->isEnabled() && !a.Option1[3]->isEnabled();
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
    QTest::mouseClick(Controls(*m_w).chkAssist, Qt::LeftButton);
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
    QTest::mouseClick(Controls(*m_w).cmdBBcode[index], Qt::LeftButton);
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

    QTest::newRow("url with a selection") << UrlButton << "Home page" << "framUrl" << "txtLinkName" << "Home page"
                                          << "[url]Home page[/url]" << false;
    QTest::newRow("url without a selection") << UrlButton << "" << "framUrl" << "txtLinkName" << "" << "[url][/url]"
                                             << false;
    QTest::newRow("img without a selection: empty address")
        << ImgButton << "" << "framImg" << "txtImgAddress" << "" << "[img][/img]" << false;
    QTest::newRow("img with a selection") << ImgButton << "http://p.test/a.png" << "framImg" << "txtImgAddress"
                                          << "http://p.test/a.png" << "[img]http://p.test/a.png[/img]" << false;
    QTest::newRow("img with the designed address selected")
        << ImgButton << "http://" << "framImg" << "txtImgAddress" << "http://" << "[img]http://[/img]" << false;
    QTest::newRow("list: the selection is the title")
        << ListButton << "Fruit" << "framList" << "txtTitle" << "Fruit" << "[list]Fruit[/list]" << false;
    QTest::newRow("list without a selection") << ListButton << "" << "framList" << "txtTitle" << "" << "[list][/list]"
                                              << false;
    QTest::newRow("list= ticks Numbered") << NumberedListButton << "Fruit" << "framList" << "txtTitle" << "Fruit"
                                          << "[list=1]Fruit[/list]" << true;
    QTest::newRow("list= without a selection")
        << NumberedListButton << "" << "framList" << "txtTitle" << "" << "[list=1][/list]" << true;
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
        QCOMPARE(a.lblOutput->text(), output);
        QCOMPARE(a.findChild<QLineEdit*>(field)->text(), fieldText);
        for (QGroupBox* each : {a.framUrl, a.framImg, a.framList})
            QCOMPARE(each->isVisible(), each->objectName() == page);
        QCOMPARE(a.Check1->isChecked(), numbered);
        QCOMPARE(OptionsEnabled(a), numbered);
        QCOMPARE(OptionsDisabled(a), !numbered);
        QVERIFY(a.Option1[1]->isChecked());
        QCOMPARE(a.List1->count(), 0);
        if (page != "framImg")
            QCOMPARE(a.txtImgAddress->text(), QString("http://"));
    });
    QVERIFY(shown);
    // Nothing was inserted by the opening, and the post's selection is as it was.
    QCOMPARE(Controls(*m_w).txtPost->toPlainText(), "a " + selection + " b");
    QCOMPARE(Controls(*m_w).txtPost->textCursor().selectedText(), selection);
}

void tst_BBCodeAssistant::linkNameAndAddressTypedAndErased()
{
    QVERIFY(RunAssistant(UrlButton, [](BBCodeAssistant& a) {
        QTest::keyClicks(a.txtLinkName, "Docs");
        QCOMPARE(a.lblOutput->text(), QString("[url]Docs[/url]"));
        QCOMPARE(ToQString(a.LinkName), QString("Docs"));
        QTest::keyClicks(a.txtLinkAddress, "http://d.test/");
        QCOMPARE(a.lblOutput->text(), QString("[url=http://d.test/]Docs[/url]"));
        QCOMPARE(ToQString(a.LinkTarget), QString("=http://d.test/"));
        Erase(a.txtLinkAddress);
        QCOMPARE(a.lblOutput->text(), QString("[url]Docs[/url]"));
        QVERIFY(a.LinkTarget.empty());
        Erase(a.txtLinkName);
        QCOMPARE(a.lblOutput->text(), QString("[url][/url]"));
        QTest::keyClicks(a.txtLinkAddress, "x");
        QCOMPARE(a.lblOutput->text(), QString("[url=x][/url]"));
    }));
}

void tst_BBCodeAssistant::imageAddressTypedAndErased()
{
    QVERIFY(RunAssistant(ImgButton, [](BBCodeAssistant& a) {
        QTest::keyClicks(a.txtImgAddress, "http://p.test/b.gif");
        QCOMPARE(a.lblOutput->text(), QString("[img]http://p.test/b.gif[/img]"));
        Erase(a.txtImgAddress);
        QCOMPARE(a.lblOutput->text(), QString("[img][/img]"));
    }));
}

void tst_BBCodeAssistant::listItemsAddedAndRemoved()
{
    QVERIFY(RunAssistant(ListButton, [](BBCodeAssistant& a) {
        QTest::keyClicks(a.txtTitle, "Fruit");
        QCOMPARE(a.lblOutput->text(), QString("[list]Fruit[/list]"));
        AddItem(a, "apple");
        QCOMPARE(a.txtItem->toPlainText(), QString());
        AddItem(a, "pear");
        AddItem(a, "plum");
        QCOMPARE(a.List1->count(), 3);
        QCOMPARE(a.lblOutput->text(), QString("[list]Fruit  [*]apple  [*]pear  [*]plum[/list]"));
        QCOMPARE(ToQString(a.ListBody), QString("  [*]apple  [*]pear  [*]plum"));

        // Add with an empty item box adds nothing; the output stays right.
        QTest::mouseClick(a.cmdAdd, Qt::LeftButton);
        QCOMPARE(a.List1->count(), 3);
        QCOMPARE(a.lblOutput->text(), QString("[list]Fruit  [*]apple  [*]pear  [*]plum[/list]"));

        // Remove with no item chosen removes nothing: neither before any
        // item was clicked, nor after the user unchose the one clicked (it
        // stays the list's current item).
        QTest::mouseClick(a.cmdRemove, Qt::LeftButton);
        QCOMPARE(a.List1->count(), 3);
        const QRect pear = a.List1->visualItemRect(a.List1->item(1));
        QTest::mouseClick(a.List1->viewport(), Qt::LeftButton, {}, pear.center());
        QTest::mouseClick(a.List1->viewport(), Qt::LeftButton, Qt::ControlModifier, pear.center());
        QCOMPARE(a.List1->selectedItems().size(), 0);
        QCOMPARE(a.List1->currentRow(), 1);
        QTest::mouseClick(a.cmdRemove, Qt::LeftButton);
        QCOMPARE(a.List1->count(), 3);

        // The chosen item goes; the others keep their order.
        QTest::mouseClick(a.List1->viewport(), Qt::LeftButton, {}, pear.center());
        QCOMPARE(a.List1->selectedItems().size(), 1);
        QTest::mouseClick(a.cmdRemove, Qt::LeftButton);
        QCOMPARE(a.List1->count(), 2);
        QCOMPARE(a.lblOutput->text(), QString("[list]Fruit  [*]apple  [*]plum[/list]"));

        // Emptying the title leaves the items.
        Erase(a.txtTitle);
        QCOMPARE(a.lblOutput->text(), QString("[list]  [*]apple  [*]plum[/list]"));

        // Remove until the list is empty, then once more on the empty list.
        for (int n = 0; n < 3; ++n) {
            if (a.List1->count() > 0)
                a.List1->item(0)->setSelected(true);
            QTest::mouseClick(a.cmdRemove, Qt::LeftButton);
        }
        QCOMPARE(a.List1->count(), 0);
        QCOMPARE(a.lblOutput->text(), QString("[list][/list]"));
    }));
}

void tst_BBCodeAssistant::itemsAndTitleKeepTheirLineBreaks()
{
    // A title taken from a two-line selection, an item typed over two lines.
    EditorFixture::SetPost(*m_w, "Top\nBottom", 0, 10);
    QVERIFY(RunAssistant(ListButton, [](BBCodeAssistant& a) {
        QCOMPARE(a.txtTitle->text(), QString("Top\nBottom"));
        a.txtItem->setFocus();
        QTest::keyClicks(a.txtItem, "one");
        QTest::keyClick(a.txtItem, Qt::Key_Return);
        QTest::keyClicks(a.txtItem, "two");
        QTest::mouseClick(a.cmdAdd, Qt::LeftButton);
        QCOMPARE(a.List1->item(0)->text(), QString("one\ntwo"));
        QCOMPARE(a.lblOutput->text(), QString("[list]Top\nBottom  [*]one\ntwo[/list]"));
        QTest::mouseClick(a.imgAgree, Qt::LeftButton);
    }));
    QCOMPARE(EditorFixture::PostText(*m_w), QString("[list]Top\r\nBottom  [*]one\r\ntwo[/list]"));
}

void tst_BBCodeAssistant::numberedBoxAndTheThreeKinds()
{
    QVERIFY(RunAssistant(ListButton, [](BBCodeAssistant& a) {
        QTest::keyClicks(a.txtTitle, "T");
        AddItem(a, "x");
        QCOMPARE(a.AssistCommand, QString("list"));
        QVERIFY(OptionsDisabled(a));

        QTest::mouseClick(a.Check1, Qt::LeftButton);
        QVERIFY(OptionsEnabled(a));
        QCOMPARE(a.AssistCommand, QString("list="));
        QCOMPARE(a.lblOutput->text(), QString("[list=1]T  [*]x[/list]"));

        const QString kinds[] = {"", "1", "a", "i"};
        for (int index : {3, 2, 1, 3}) {
            QTest::mouseClick(a.Option1[index], Qt::LeftButton);
            QVERIFY(a.Option1[index]->isChecked());
            QCOMPARE(a.lblOutput->text(), "[list=" + kinds[index] + "]T  [*]x[/list]");
        }

        // Unticking keeps the title and items and disables the choices.
        QTest::mouseClick(a.Check1, Qt::LeftButton);
        QCOMPARE(a.AssistCommand, QString("list"));
        QCOMPARE(a.lblOutput->text(), QString("[list]T  [*]x[/list]"));
        QVERIFY(OptionsDisabled(a));
        // A disabled choice cannot be made.
        QTest::mouseClick(a.Option1[2], Qt::LeftButton);
        QVERIFY(a.Option1[3]->isChecked());
        QCOMPARE(a.lblOutput->text(), QString("[list]T  [*]x[/list]"));

        // Ticking again restores the numbering chosen before.
        QTest::mouseClick(a.Check1, Qt::LeftButton);
        QCOMPARE(a.lblOutput->text(), QString("[list=i]T  [*]x[/list]"));
        QTest::mouseClick(a.imgAgree, Qt::LeftButton);
    }));
    QCOMPARE(EditorFixture::PostText(*m_w), QString("[list=i]T  [*]x[/list]"));
}

void tst_BBCodeAssistant::agreeReplacesExactlyTheSelection_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("typed");  // into the page's first field
    QTest::addColumn<QString>("before"); // "|" marks the selection
    QTest::addColumn<QString>("after");  // "|" marks the caret

    QTest::newRow("link around the selected words")
        << UrlButton << "" << "see |the docs| now" << "see [url]the docs[/url]| now";
    QTest::newRow("link at the caret") << UrlButton << "Docs" << "a || b" << "a [url]Docs[/url]| b";
    QTest::newRow("image replaces the selected address")
        << ImgButton << "" << "x |http://p.test/a.png| y" << "x [img]http://p.test/a.png[/img]| y";
    QTest::newRow("list, selection as the title") << ListButton << "" << "|Fruit|" << "[list]Fruit[/list]|";
    QTest::newRow("numbered list at the caret") << NumberedListButton << "" << "ab||" << "ab[list=1][/list]|";
    QTest::newRow("selection over two lines") << UrlButton << "" << "1|2\n3|4" << "1[url]2\n3[/url]|4";
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
    m_w->Post().PostChanged = false;
    QString agreed;
    QVERIFY(RunAssistant(button, [&](BBCodeAssistant& a) {
        if (!typed.isEmpty())
            QTest::keyClicks(button == UrlButton ? a.txtLinkName : a.txtTitle, typed);
        agreed = a.lblOutput->text();
        QTest::mouseClick(a.imgAgree, Qt::LeftButton);
        QVERIFY(!a.isVisible());
    }));
    QVERIFY(!agreed.isEmpty());
    QCOMPARE(Controls(*m_w).txtPost->toPlainText(), QString(after).remove('|'));
    QCOMPARE(Controls(*m_w).txtPost->textCursor().position(), int(after.indexOf('|')));
    QVERIFY(!Controls(*m_w).txtPost->textCursor().hasSelection());
    QVERIFY(m_w->Post().PostChanged);
    // One undo takes the whole insertion back.
    Controls(*m_w).txtPost->undo();
    QCOMPARE(Controls(*m_w).txtPost->toPlainText(), QString(before).remove('|'));
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
    m_w->Post().PostChanged = false;
    QVERIFY(RunAssistant(UrlButton, [&](BBCodeAssistant& a) {
        QTest::keyClicks(a.txtLinkAddress, "http://x.test/");
        if (how == "Close")
            QTest::mouseClick(a.imgClose, Qt::LeftButton);
        else if (how == "frame")
            a.close();
        else
            QTest::keyClick(&a, Qt::Key_Escape);
        QVERIFY(!a.isVisible());
        QVERIFY(a.LinkName.empty() && a.LinkTarget.empty() && a.ListBody.empty());
    }));
    QCOMPARE(Controls(*m_w).txtPost->toPlainText(), QString("keep me"));
    QCOMPARE(Controls(*m_w).txtPost->textCursor().selectedText(), QString("keep"));
    QVERIFY(!m_w->Post().PostChanged);
}

void tst_BBCodeAssistant::reopeningShowsNothingOfThePreviousUse()
{
    EditorFixture::SetPost(*m_w, "old", 0, 3);
    BBCodeAssistant* first = nullptr;
    QVERIFY(RunAssistant(NumberedListButton, [&](BBCodeAssistant& a) {
        first = &a;
        AddItem(a, "item");
        QTest::mouseClick(a.Option1[2], Qt::LeftButton);
        QTest::keyClicks(a.txtItem, "left in the box");
        QTest::mouseClick(a.imgClose, Qt::LeftButton);
    }));
    QVERIFY(RunAssistant(UrlButton, [&](BBCodeAssistant& a) {
        QTest::keyClicks(a.txtLinkName, "name");
        QTest::keyClicks(a.txtLinkAddress, "http://x.test/");
        QTest::mouseClick(a.imgAgree, Qt::LeftButton);
    }));
    EditorFixture::SetPost(*m_w, "", 0);
    QVERIFY(RunAssistant(ListButton, [&](BBCodeAssistant& a) {
        QCOMPARE(&a, first);  // the same window, its controls as designed
        QCOMPARE(a.List1->count(), 0);
        QCOMPARE(a.txtItem->toPlainText(), QString());
        QCOMPARE(a.txtTitle->text(), QString());
        QVERIFY(!a.Check1->isChecked());
        QVERIFY(a.Option1[1]->isChecked());
        QVERIFY(OptionsDisabled(a));
        QCOMPARE(a.lblOutput->text(), QString("[list][/list]"));
        QVERIFY(a.ListBody.empty());
    }));
    QVERIFY(RunAssistant(UrlButton, [&](BBCodeAssistant& a) {
        QCOMPARE(a.txtLinkName->text(), QString());
        QCOMPARE(a.txtLinkAddress->text(), QString());
        QCOMPARE(a.lblOutput->text(), QString("[url][/url]"));
        QVERIFY(a.LinkName.empty() && a.LinkTarget.empty());
    }));
    QVERIFY(RunAssistant(ImgButton, [&](BBCodeAssistant& a) {
        QCOMPARE(a.lblOutput->text(), QString("[img][/img]"));
        QCOMPARE(a.lblOutput->toolTip(), QString());
    }));
}

void tst_BBCodeAssistant::outputTooltip_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("output");
    QTest::newRow("plain output") << "a long link text" << "[url]a long link text[/url]";
    QTest::newRow("output that looks like markup") << "<b>bold</b>" << "[url]<b>bold</b>[/url]";
}

void tst_BBCodeAssistant::outputTooltip()
{
    QFETCH(QString, typed);
    QFETCH(QString, output);
    QVERIFY(RunAssistant(UrlButton, [&](BBCodeAssistant& a) {
        QTest::keyClicks(a.txtLinkName, typed);
        QCOMPARE(a.lblOutput->text(), output);
        QCOMPARE(a.lblOutput->toolTip(), QString());
        // Moved within the assistant's own window (headless, the pointer's
        // screen position would find the main window beneath it), in two
        // steps: a move to where the pointer already is makes no event.
        QTest::mouseMove(a.windowHandle(), a.lblOutput->mapTo(&a, QPoint(5, 5)));
        QTest::mouseMove(a.windowHandle(), a.lblOutput->mapTo(&a, QPoint(6, 6)));
        QTRY_VERIFY(!a.lblOutput->toolTip().isEmpty());
        // The tooltip shows the output's own characters, never markup made of them.
        QTextDocument shown;
        if (Qt::mightBeRichText(a.lblOutput->toolTip()))
            shown.setHtml(a.lblOutput->toolTip());
        else
            shown.setPlainText(a.lblOutput->toolTip());
        QCOMPARE(shown.toPlainText(), output);
        QCOMPARE(a.lblOutput->textFormat(), Qt::PlainText);
    }));
}

void tst_BBCodeAssistant::layoutAndNames()
{
    QVERIFY(RunAssistant(ListButton, [](BBCodeAssistant& a) {
        QVERIFY(a.minimumSize() == a.maximumSize());
        QVERIFY(!(a.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(a.framUrl->title(), QString("URL"));
        QCOMPARE(a.framImg->title(), QString("Image "));
        QCOMPARE(a.framList->title(), QString("List  "));
        QCOMPARE(a.framUrl->geometry(), a.framList->geometry());
        QCOMPARE(a.framImg->geometry(), a.framList->geometry());
        QCOMPARE(a.cmdAdd->text(), QString("Add >>"));
        QCOMPARE(a.cmdRemove->text(), QString("Remove"));
        QCOMPARE(a.Check1->text(), QString("Numbered:"));
        QCOMPARE(a.Option1[1]->text(), QString("1. 2. 3."));
        QCOMPARE(a.Option1[2]->text(), QString("a. b. c."));
        QCOMPARE(a.Option1[3]->text(), QString("i. ii. iii."));
        QCOMPARE(a.Option1[2]->objectName(), QString("Option1_2"));
        for (PictureBox* area : {a.imgAgree, a.imgClose}) {
            QCOMPARE(area->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(area->pixmap().isNull());  // the words are painted beneath
        }
        const QList<QPair<QString, QString>> names = {
            {"txtLinkName", "Link Name"},   {"txtLinkAddress", "Link Address"},   {"txtImgAddress", "Image Address"},
            {"txtTitle", "List Title"},     {"txtItem", "add List item"},         {"cmdAdd", "Add >>"},
            {"cmdRemove", "Remove"},        {"Check1", "Numbered"},               {"Option1_3", "i. ii. iii."},
            {"imgAgree", "Agree"},          {"imgClose", "Close"},
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
