// SPDX-License-Identifier: MIT
// The windows laid out as a user meets them: the main window grown (the body
// takes the room, nothing overlaps), every window under a larger font (no
// caption, label or list item cut), the sizes kept between runs, and every
// command the mouse reaches announced as a named button a screen reader and
// the keyboard can press.

#include "about/AboutWindow.h"
#include "assist/BBCodeAssistant.h"
#include "assist/MoreEmoticonsWindow.h"
#include "assist/QuoteManager.h"
#include "base/PictureBox.h"
#include "base/Settings.h"
#include "browser/BrowserWindow.h"
#include "editor/MainWindow.h"
#include "forums/ForumListFile.h"
#include "forums/OptionsDialog.h"
#include "support/PostControls.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

#include <functional>

namespace {

using WindowMaker = std::function<QWidget*(const AppContext&, MainWindow&)>;

// The texts of the visible captions, labels and list items of `window` that
// their control does not show whole, each as "control: text".
QStringList CutTexts(QWidget* window)
{
    QStringList cut;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window))
            continue;
        const QFontMetrics metrics(control->font());
        const auto check = [&](const QString& text, int room) {
            for (const QString& line : text.split(QLatin1Char('\n')))
                if (metrics.horizontalAdvance(line) > room || metrics.height() > control->height())
                    cut << control->objectName() + QStringLiteral(": ") + line;
        };
        if (auto* label = qobject_cast<QLabel*>(control);
            label && !label->text().isEmpty() && !Qt::mightBeRichText(label->text())) {
            const int room = label->contentsRect().width() - 2 * label->margin();
            if (!label->wordWrap())
                check(label->text(), room);
            else if (label->heightForWidth(label->width()) > label->height())
                cut << label->objectName() + QStringLiteral(": ") + label->text();
            else
                for (const QString& word : label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
                    check(word, room);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control); button && !button->text().isEmpty()
                   && !(qobject_cast<QToolButton*>(button)
                        && static_cast<QToolButton*>(button)->toolButtonStyle() == Qt::ToolButtonIconOnly)) {
            const QString text = QString(button->text()).remove(QLatin1Char('&'));
            int room = button->width() - 6;
            if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button))
                room = button->width() - button->style()->pixelMetric(QStyle::PM_IndicatorWidth)
                    - button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
            check(text, room);
        } else if (auto* list = qobject_cast<QComboBox*>(control); list && !list->isEditable()) {
            // Closed, the program's own lists hold any of their items; the
            // forum and site choosers hold their chosen name (names can be as
            // long as the site or the user makes them), and their open lists
            // every one.
            const int room = list->width() - list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 8;
            const bool forums = list->objectName() == QLatin1String("forumChooser")
                || list->objectName() == QLatin1String("siteChooser");
            for (int item = 0; item < list->count(); ++item)
                if (!forums || item == list->currentIndex())
                    check(list->itemText(item), room);
            if (!forums)
                continue;
            list->showPopup();
            for (int item = 0; item < list->count(); ++item) {
                const QModelIndex index = list->model()->index(item, list->modelColumn());
                if (list->view()->viewport()->width() < list->view()->sizeHintForIndex(index).width())
                    cut << list->objectName() + QStringLiteral(" (open): ") + list->itemText(item);
            }
            list->hidePopup();
        }
    }
    return cut;
}

// The named buttons a screen reader finds under `root`, by name.
void CollectButtons(QAccessibleInterface* root, QMap<QString, QAccessibleInterface*>& buttons)
{
    for (int child = 0; child < root->childCount(); ++child) {
        QAccessibleInterface* each = root->child(child);
        if (!each)
            continue;
        if (each->role() == QAccessible::Button && !each->text(QAccessible::Name).isEmpty())
            buttons.insert(each->text(QAccessible::Name), each);
        CollectButtons(each, buttons);
    }
}

}  // namespace

class tst_WindowLayout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void bodyTakesTheRoom_data();
    void bodyTakesTheRoom();
    void textsFitTheirControls_data();
    void textsFitTheirControls();
    void sizesKeptBetweenRuns_data();
    void sizesKeptBetweenRuns();
    void keptPlaceOnAScreenThatExists();
    void commandsAreNamedButtons();
    void emoticonsByKeyboard();

private:
    std::unique_ptr<MainWindow> MakeWindow();

    QTemporaryDir m_folder;
    Settings m_settings;
    ScriptedPlatform* m_platform = nullptr;
    AppContext m_context;
    QFont m_font;
    QString m_style;
};

void tst_WindowLayout::init()
{
    QSettings(Settings::AppName, Settings::AppName).clear();
    m_platform = new ScriptedPlatform;
    m_context = AppContext{m_folder.path() + "/", &m_settings, m_platform};
    m_font = QApplication::font();
    m_style = QApplication::style()->name();
}

void tst_WindowLayout::cleanup()
{
    QApplication::setFont(m_font);
    QApplication::setStyle(m_style);
    delete m_platform;
    m_platform = nullptr;
}

std::unique_ptr<MainWindow> tst_WindowLayout::MakeWindow()
{
    auto window = std::make_unique<MainWindow>(m_context);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("window not exposed");
    return window;
}

void tst_WindowLayout::bodyTakesTheRoom_data()
{
    QTest::addColumn<QSize>("grownBy");
    QTest::newRow("wider") << QSize(300, 0);
    QTest::newRow("taller") << QSize(0, 250);
    QTest::newRow("both") << QSize(500, 400);
}

void tst_WindowLayout::bodyTakesTheRoom()
{
    QFETCH(QSize, grownBy);
    auto w = MakeWindow();
    QVERIFY(w->minimumSize() != w->maximumSize());
    QVERIFY(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    // At its first size the body has its designed size.
    QCOMPARE(Controls(*w).bodyEdit->size(), QSize(540, 218));
    const QSize body = Controls(*w).bodyEdit->size();
    const QSize subject = Controls(*w).subjectEdit->size();
    const QSize list = Controls(*w).sizeList->size();
    const QSize submit = Controls(*w).submitButton->size();
    w->resize(w->size() + grownBy);
    QTRY_COMPARE(Controls(*w).bodyEdit->size(), body + grownBy);
    QCOMPARE(Controls(*w).subjectEdit->size(), subject + QSize(grownBy.width(), 0));
    QCOMPARE(Controls(*w).sizeList->size(), list);
    QCOMPARE(Controls(*w).submitButton->size(), submit);
    // Nothing overlaps, and everything stays inside the central area (the
    // submission frame lies behind its controls).
    const QRect area = w->centralWidget()->rect();
    QList<QWidget*> controls;
    for (QWidget* child : w->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && child->objectName() != QLatin1String("submitFrame"))
            controls << child;
    for (QWidget* control : controls) {
        QVERIFY2(area.contains(control->geometry()), qPrintable(control->objectName()));
        for (QWidget* other : controls)
            QVERIFY2(control == other || !control->geometry().intersects(other->geometry()),
                     qPrintable(control->objectName() + " / " + other->objectName()));
    }
}

void tst_WindowLayout::textsFitTheirControls_data()
{
    QTest::addColumn<int>("points");  // 0: the default font
    QTest::addColumn<WindowMaker>("make");
    QTest::addColumn<QString>("style");  // empty: the desktop's
    QTest::addColumn<bool>("twoSites");  // the site chooser beside the forum chooser
    const QList<QPair<const char*, WindowMaker>> windows = {
        {"main window", [](const AppContext&, MainWindow& main) -> QWidget* { return &main; }},
        {"about", [](const AppContext& c, MainWindow& main) -> QWidget* { return new AboutWindow(c, &main); }},
        {"assistant, link",
         [](const AppContext&, MainWindow& main) -> QWidget* {
             auto* assistant = new BBCodeAssistant(main.Post(), &main);
             assistant->AssistCommand = QStringLiteral("url");
             return assistant;
         }},
        {"assistant, list",
         [](const AppContext&, MainWindow& main) -> QWidget* {
             auto* assistant = new BBCodeAssistant(main.Post(), &main);
             assistant->AssistCommand = QStringLiteral("list=");
             return assistant;
         }},
        {"quote manager",
         [](const AppContext& c, MainWindow& main) -> QWidget* { return new QuoteManager(c, main.Post(), &main); }},
        {"more emoticons",
         [](const AppContext& c, MainWindow& main) -> QWidget* {
             return new MoreEmoticonsWindow(c, main.Post(), {}, &main);
         }},
        {"options",
         [](const AppContext& c, MainWindow& main) -> QWidget* {
             return new OptionsDialog(
                 c, [] {}, &main);
         }},
        {"browser window", [](const AppContext&, MainWindow& main) -> QWidget* { return new BrowserWindow(&main); }},
    };
    for (int points : {0, 14})
        for (const auto& [name, make] : windows)
            QTest::addRow("%s, %s", name, points ? "14 points" : "default font")
                << points << make << QString() << false;
    // A style whose lists open no wider than their closed box.
    for (int points : {0, 14})
        QTest::addRow("main window, Windows style, %s", points ? "14 points" : "default font")
            << points << windows.first().second << QStringLiteral("Windows") << false;
    for (int points : {0, 14})
        QTest::addRow("main window, two sites, %s", points ? "14 points" : "default font")
            << points << windows.first().second << QString() << true;
}

void tst_WindowLayout::textsFitTheirControls()
{
    QFETCH(int, points);
    QFETCH(WindowMaker, make);
    QFETCH(QString, style);
    QFETCH(bool, twoSites);
    if (twoSites)
        m_settings.setSites({{Settings::FirstSiteId, "http://one.test/", "One"},
                             {"2", "http://two.test/", "A second site, named at length by its user"}});
    if (!style.isEmpty())
        QApplication::setStyle(style);
    // The site's forums, the first chosen: names as boards give them, and one
    // longer than any closed box.
    QVERIFY(WriteAll(ForumListFile::PathOf(m_context),
                     "3- General discussion and news\r\n7- Help\r\n"
                     "12- Questions about the site, its rules, its moderators and anything else\r\n"));
    if (points) {
        QFont larger = QApplication::font();
        larger.setPointSize(points);
        QApplication::setFont(larger);
    }
    auto main = MakeWindow();
    QWidget* window = make(m_context, *main);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QStringList cut = CutTexts(window);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    if (window != main.get())
        delete window;
}

void tst_WindowLayout::sizesKeptBetweenRuns_data()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::addColumn<QSize>("grownBy");
    QTest::newRow("main window") << WindowMaker([](const AppContext& c, MainWindow&) -> QWidget* {
        return new MainWindow(c);
    }) << QSize(200, 150);
    QTest::newRow("quote manager") << WindowMaker([](const AppContext& c, MainWindow& main) -> QWidget* {
        return new QuoteManager(c, main.Post());
    }) << QSize(120, 90);
    QTest::newRow("browser window") << WindowMaker([](const AppContext&, MainWindow& main) -> QWidget* {
        return new BrowserWindow(&main);
    }) << QSize(100, 60);
}

void tst_WindowLayout::sizesKeptBetweenRuns()
{
    QFETCH(WindowMaker, make);
    QFETCH(QSize, grownBy);
    auto main = MakeWindow();
    QWidget* first = make(m_context, *main);
    first->show();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    const QSize designed = first->size();
    first->resize(designed + grownBy);
    QTRY_COMPARE(first->size(), designed + grownBy);
    // Closing: the main window asks first, and the user says yes.
    m_platform->answers = {MsgAnswer::Yes};
    first->close();
    QVERIFY(!first->isVisible());
    delete first;

    std::unique_ptr<QWidget> second(make(m_context, *main));
    QCOMPARE(second->size(), designed + grownBy);
}

void tst_WindowLayout::keptPlaceOnAScreenThatExists()
{
    // A place kept on a screen that is gone (far beyond the one there is).
    QWidget elsewhere;
    elsewhere.setGeometry(QRect(QPoint(20000, 15000), QSize(500, 400)));
    m_settings.setWindowGeometry(QStringLiteral("QuoteManager"), elsewhere.saveGeometry());
    auto main = MakeWindow();
    QuoteManager quote(m_context, main->Post());
    quote.show();
    QVERIFY(QTest::qWaitForWindowExposed(&quote));
    QVERIFY(quote.screen()->availableGeometry().intersects(quote.frameGeometry()));
}

void tst_WindowLayout::commandsAreNamedButtons()
{
    auto w = MakeWindow();
    QMap<QString, QAccessibleInterface*> buttons;
    CollectButtons(QAccessible::queryAccessibleInterface(w.get()), buttons);
    // The toolbar, the ten tag buttons, the three commands, the twenty
    // emoticons, View More Emoticons, Open forum, and the find bar's
    // Previous, Next, Close, Replace and Replace All (hidden until used).
    QCOMPARE(buttons.size(), 52);
    for (const char* name : {"Very happy", "Smile", "Arrow", "View More Emoticons", "Open forum", "Submit", "Undo", "Redo",
                             "Replace", "Replace All"})
        QVERIFY2(buttons.contains(QString::fromLatin1(name)), name);
    buttons.value(QStringLiteral("Smile"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString(" :) "));

    // The pictures of More Emoticons are named by their emoticon.
    buttons.value(QStringLiteral("View More Emoticons"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    MoreEmoticonsWindow* more = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* each = qobject_cast<MoreEmoticonsWindow*>(window))
            more = each;
    QVERIFY(more);
    QMap<QString, QAccessibleInterface*> pictures;
    CollectButtons(QAccessible::queryAccessibleInterface(more), pictures);
    QCOMPARE(pictures.size(), 30);  // 29 pictures and Close
    pictures.value(QStringLiteral("party"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString(" :)  :party: "));
    more->close();
}

void tst_WindowLayout::emoticonsByKeyboard()
{
    auto w = MakeWindow();
    // Tab goes from the colour list through the twenty pictures to View More Emoticons.
    Controls(*w).colourList->setFocus();
    for (int index = 0; index < 20; ++index) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("emoticonPicture_%1").arg(index));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("moreEmoticonsLink"));
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString(" :arrow: "));
}

QF_TEST_MAIN(tst_WindowLayout)
#include "tst_windowlayout.moc"
