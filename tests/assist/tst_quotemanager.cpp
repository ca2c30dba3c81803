// SPDX-License-Identifier: MIT
// The quote manager driven as a user would: shown modeless from its button
// and modally from the Quote tag button, its fields typed into and pasted
// into, text selected and quoted into the post.

#include "base/PictureBox.h"
#include "base/Settings.h"
#include "board/BoardProfiles.h"
#include "assist/QuoteManager.h"
#include "post/PostDocument.h"
#include "editor/MainWindow.h"
#include "support/TestBoards.h"
#include "support/EditorFixture.h"
#include "support/ModalDriver.h"
#include "support/PostControls.h"
#include "support/TestMain.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextCursor>

namespace {

constexpr int QuoteButton = 3;

// The quoted-text field holds `text` (LF line breaks) with [start, end) selected.
void SetQuoted(QuoteManager& q, const QString& text, int start, int end)
{
    q.quotedTextEdit->setPlainText(text);
    QTextCursor cursor = q.quotedTextEdit->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    q.quotedTextEdit->setTextCursor(cursor);
}

}  // namespace

class tst_QuoteManager : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void twentySevenCharacters();
    void quote_data();
    void quote();
    void quotingTwiceKeepsTheWindowAndItsFields();
    void writesTheQuoteOfTheSitesBoard();
    void pasteTwice_data();
    void pasteTwice();
    void pasteWithoutTextAddsNothing();
    void reopenedEmpty();
    void escapeKeepsWhatWasTypedOrPasted_data();
    void escapeKeepsWhatWasTypedOrPasted();
    void buttonBringsTheOpenWindowForward();
    void openedFromTheTagButton();
    void tagButtonWhileOpenModeless();
    void goesWithTheMainWindow();
    void layoutAndNames();

private:
    QuoteManager* ShowFromButton();

    std::unique_ptr<EditorFixture> m_fx;
    std::unique_ptr<MainWindow> m_w;
};

void tst_QuoteManager::init()
{
    m_fx = std::make_unique<EditorFixture>();
    m_w = m_fx->MakeWindow();
}

void tst_QuoteManager::cleanup()
{
    m_w.reset();
    m_fx.reset();
    QVERIFY(!EditorFixture::OpenWindow<QuoteManager>());
}

QuoteManager* tst_QuoteManager::ShowFromButton()
{
    QTest::mouseClick(Controls(*m_w).quoteManagerButton, Qt::LeftButton);
    QuoteManager* q = EditorFixture::OpenWindow<QuoteManager>();
    if (q && !QTest::qWaitForWindowExposed(q))
        qWarning("quote manager not exposed");
    return q;
}

void tst_QuoteManager::twentySevenCharacters()
{
    QuoteManager* q = ShowFromButton();
    QVERIFY(q);
    QTest::keyClicks(q->posterEdit, "Anna");
    SetQuoted(*q, "Say Hello there", 4, 9);
    QTest::mouseClick(q->quoteHotSpot, Qt::LeftButton);
    const QString expected = QString("[quote=") + QChar('"') + "Anna" + QChar('"') + "]Hello[/quote]";
    QCOMPARE(expected.size(), 27);
    QCOMPARE(EditorFixture::PostText(*m_w), expected);
    QCOMPARE(Controls(*m_w).bodyEdit->textCursor().position(), 27);
    QVERIFY(m_w->Post().IsChanged());
    QVERIFY(m_fx->platform.messages.isEmpty());
}

void tst_QuoteManager::quote_data()
{
    QTest::addColumn<QString>("poster");
    QTest::addColumn<QString>("quoted");  // the field's text; "|" marks its selection
    QTest::addColumn<QList<MsgAnswer>>("answers");
    QTest::addColumn<QString>("before");  // the post; "|" marks its selection
    QTest::addColumn<QString>("after");   // post text (CR LF); "|" marks the caret

    const QList<MsgAnswer> none;
    QTest::newRow("empty poster: plain opening tag") << ""
                                                     << "a |Hello| b" << none << "||"
                                                     << "[quote]Hello[/quote]|";
    QTest::newRow("poster holding a double quote") << "A\"nna"
                                                   << "|x|" << none << "||"
                                                   << "[quote=\"A\"nna\"]x[/quote]|";
    QTest::newRow("poster holding a closing bracket") << "An]na"
                                                      << "|x|" << none << "||"
                                                      << "[quote=\"An]na\"]x[/quote]|";
    QTest::newRow("the post's selection stays in front") << ""
                                                         << "|q|" << none << "1 |abc| 2"
                                                         << "1 abc[quote]q[/quote]| 2";
    QTest::newRow("no selection, Yes: the whole field") << "Bo"
                                                        << "all of it||" << QList<MsgAnswer>{MsgAnswer::Yes} << "p||"
                                                        << "p[quote=\"Bo\"]all of it[/quote]|";
    QTest::newRow("no selection, No: nothing changes") << "Bo"
                                                       << "all of it||" << QList<MsgAnswer>{MsgAnswer::No} << "p|x|"
                                                       << "p|x|";
    QTest::newRow("empty field, Yes: the tags alone") << ""
                                                      << "||" << QList<MsgAnswer>{MsgAnswer::Yes} << "||"
                                                      << "[quote][/quote]|";
    QTest::newRow("line breaks in the quoted text") << ""
                                                    << "|one\ntwo|" << none << "||"
                                                    << "[quote]one\r\ntwo[/quote]|";
    QTest::newRow("whole field over two lines") << ""
                                                << "one\ntwo\n||" << QList<MsgAnswer>{MsgAnswer::Yes} << "||"
                                                << "[quote]one\r\ntwo\r\n[/quote]|";
    QTest::newRow("nothing trimmed") << " Bo "
                                     << "| x |" << none << "||"
                                     << "[quote=\" Bo \"] x [/quote]|";
}

void tst_QuoteManager::quote()
{
    QFETCH(QString, poster);
    QFETCH(QString, quoted);
    QFETCH(QList<MsgAnswer>, answers);
    QFETCH(QString, before);
    QFETCH(QString, after);

    const int postStart = int(before.indexOf('|'));
    EditorFixture::SetPost(*m_w, QString(before).remove('|'), postStart, int(before.indexOf('|', postStart + 1)) - 1);
    QuoteManager* q = ShowFromButton();
    QVERIFY(q);
    QTest::keyClicks(q->posterEdit, poster);
    const int start = int(quoted.indexOf('|'));
    SetQuoted(*q, QString(quoted).remove('|'), start, int(quoted.indexOf('|', start + 1)) - 1);
    m_fx->platform.answers = answers;
    QTest::mouseClick(q->quoteHotSpot, Qt::LeftButton);

    QCOMPARE(m_fx->platform.unexpectedMessages, 0);
    QCOMPARE(m_fx->platform.messages.size(), answers.size());
    if (!answers.isEmpty()) {
        const MsgBoxCall& box = m_fx->platform.messages.first();
        QCOMPARE(box.text, QString("No text selected, Do you want to Quote the whole post?"));
        QCOMPARE(box.buttons, MsgButtons::YesNo);
        QCOMPARE(box.icon, MsgIcon::Question);
        QCOMPARE(box.title, QString("Quillforge"));
        QCOMPARE(box.owner, static_cast<QWidget*>(q));
    }
    QCOMPARE(EditorFixture::PostText(*m_w), QString(after).remove('|'));
    const QString field = QString(after).remove('|').replace("\r\n", "\n");
    QCOMPARE(Controls(*m_w).bodyEdit->toPlainText(), field);
    const QString caret = QString(after.left(after.indexOf('|'))).replace("\r\n", "\n");
    if (after.count('|') == 2)  // nothing inserted: the selection is as it was
        QCOMPARE(Controls(*m_w).bodyEdit->textCursor().selectedText(), after.section('|', 1, 1));
    else
        QCOMPARE(Controls(*m_w).bodyEdit->textCursor().position(), int(caret.size()));
    // The window stays open with its fields as they were.
    QCOMPARE(EditorFixture::OpenWindow<QuoteManager>(), q);
    QCOMPARE(q->posterEdit->text(), poster);
    QCOMPARE(q->quotedTextEdit->toPlainText(), QString(quoted).remove('|'));
}

void tst_QuoteManager::writesTheQuoteOfTheSitesBoard()
{
    // An SMF site, as an extraction found it: SMF's own author parameter.
    m_fx->settings.setSiteAddress("https://forum.example.org/");
    BoardProfiles::SaveFound(m_fx->settings, "https://forum.example.org/", &KindOf("smf21"), FoundOn::IndexPage);
    m_w->RefreshBoard();
    QuoteManager* q = ShowFromButton();
    QVERIFY(q);
    QTest::keyClicks(q->posterEdit, "Cy Young");
    SetQuoted(*q, "first second", 0, 5);
    QTest::mouseClick(q->quoteHotSpot, Qt::LeftButton);
    QCOMPARE(EditorFixture::PostText(*m_w), QString("[quote author=Cy Young]first[/quote]"));
}

void tst_QuoteManager::quotingTwiceKeepsTheWindowAndItsFields()
{
    QuoteManager* q = ShowFromButton();
    QVERIFY(q);
    QTest::keyClicks(q->posterEdit, "Cy");
    SetQuoted(*q, "first second", 0, 5);
    QTest::mouseClick(q->quoteHotSpot, Qt::LeftButton);
    // The user places the caret in the post between the two quotes.
    QTest::keyClick(Controls(*m_w).bodyEdit, Qt::Key_Return);
    SetQuoted(*q, "first second", 6, 12);
    QTest::mouseClick(q->quoteHotSpot, Qt::LeftButton);
    QCOMPARE(EditorFixture::PostText(*m_w), QString("[quote=\"Cy\"]first[/quote]\r\n[quote=\"Cy\"]second[/quote]"));
    QCOMPARE(EditorFixture::OpenWindow<QuoteManager>(), q);
    QCOMPARE(q->posterEdit->text(), QString("Cy"));
}

void tst_QuoteManager::pasteTwice_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one line") << "clip"
                              << "oldclipclip";
    QTest::newRow("CR LF line breaks become the field's own") << "a\r\nb"
                                                              << "olda\nba\nb";
}

void tst_QuoteManager::pasteTwice()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, expected);
    QGuiApplication::clipboard()->setText(clipboard);
    QuoteManager* q = ShowFromButton();
    QVERIFY(q);
    // A selection in the field does not matter: the text goes to the end.
    SetQuoted(*q, "old", 0, 2);
    QTest::mouseClick(q->pasteHotSpot, Qt::LeftButton);
    QTest::mouseClick(q->pasteHotSpot, Qt::LeftButton);
    QCOMPARE(q->quotedTextEdit->toPlainText(), expected);
    QVERIFY(Controls(*m_w).bodyEdit->toPlainText().isEmpty());
    QCOMPARE(q->quotedTextEdit->textCursor().selectedText(), QString("ol"));
}

void tst_QuoteManager::pasteWithoutTextAddsNothing()
{
    auto* data = new QMimeData;
    data->setImageData(QImage(2, 2, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(data);
    QuoteManager* q = ShowFromButton();
    QVERIFY(q);
    SetQuoted(*q, "old", 0, 0);
    QTest::mouseClick(q->pasteHotSpot, Qt::LeftButton);
    QCOMPARE(q->quotedTextEdit->toPlainText(), QString("old"));
}

void tst_QuoteManager::reopenedEmpty()
{
    QPointer<QuoteManager> q = ShowFromButton();
    QVERIFY(q);
    QTest::keyClicks(q->posterEdit, "Anna");
    QTest::keyClicks(q->quotedTextEdit, "some text");
    QTest::mouseClick(q->closeHotSpot, Qt::LeftButton);
    QTRY_VERIFY(!q);  // discarded, fields and all
    QuoteManager* again = ShowFromButton();
    QVERIFY(again);
    QCOMPARE(again->posterEdit->text(), QString());
    QCOMPARE(again->quotedTextEdit->toPlainText(), QString());
    // Closed by the system it is discarded too.
    QPointer<QuoteManager> guard = again;
    again->close();
    QTRY_VERIFY(!guard);
    QVERIFY(ShowFromButton()->posterEdit->text().isEmpty());
}

void tst_QuoteManager::escapeKeepsWhatWasTypedOrPasted_data()
{
    QTest::addColumn<bool>("modal");
    QTest::addColumn<QString>("typedName");  // typed into the poster's field
    QTest::addColumn<QString>("pasted");     // pasted into the quoted text with Paste
    QTest::addColumn<QString>("escapeIn");   // the field that has the focus when Escape is pressed
    QTest::addColumn<bool>("closes");
    for (const bool modal : {false, true}) {
        const char* how = modal ? "modal" : "modeless";
        QTest::addRow("%s: a typed name, Escape in the name field", how) << modal << "Anna"
                                                                         << ""
                                                                         << "poster" << false;
        QTest::addRow("%s: a pasted post, Escape in the text field", how) << modal << ""
                                                                          << "Quoted\nwords"
                                                                          << "quoted" << false;
        QTest::addRow("%s: both, Escape in the text field", how) << modal << "Anna"
                                                                 << "Quoted"
                                                                 << "quoted" << false;
        QTest::addRow("%s: nothing typed or pasted, Escape closes it", how) << modal << ""
                                                                            << ""
                                                                            << "poster" << true;
    }
}

void tst_QuoteManager::escapeKeepsWhatWasTypedOrPasted()
{
    QFETCH(bool, modal);
    QFETCH(QString, typedName);
    QFETCH(QString, pasted);
    QFETCH(QString, escapeIn);
    QFETCH(bool, closes);
    QGuiApplication::clipboard()->setText(pasted);
    bool stillOpen = false;
    QString nameAfter;
    QString textAfter;
    const auto drive = [&](QuoteManager* q) {
        QPointer<QuoteManager> guard = q;
        QTest::keyClicks(q->posterEdit, typedName);
        if (!pasted.isEmpty())
            QTest::mouseClick(q->pasteHotSpot, Qt::LeftButton);
        QWidget* field = escapeIn == "poster" ? static_cast<QWidget*>(q->posterEdit) : q->quotedTextEdit;
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Escape);
        stillOpen = guard && guard->isVisible();
        if (stillOpen) {
            nameAfter = guard->posterEdit->text();
            textAfter = guard->quotedTextEdit->toPlainText();
        }
    };
    if (modal) {
        QTest::mouseClick(Controls(*m_w).assistanceBox, Qt::LeftButton);
        ModalDriver driver([&](QWidget* window) {
            auto* q = qobject_cast<QuoteManager*>(window);
            QVERIFY(q);
            drive(q);
        });
        QTest::mouseClick(Controls(*m_w).tagButtons[QuoteButton], Qt::LeftButton);
        QCOMPARE(driver.Driven(), 1);
    } else {
        QuoteManager* q = ShowFromButton();
        QVERIFY(q);
        drive(q);
    }
    QCOMPARE(stillOpen, !closes);
    if (!closes) {
        QCOMPARE(nameAfter, typedName);
        QCOMPARE(textAfter, pasted);
    }
    QVERIFY(m_fx->platform.messages.isEmpty());
}

void tst_QuoteManager::buttonBringsTheOpenWindowForward()
{
    QuoteManager* q = ShowFromButton();
    QVERIFY(q);
    QVERIFY(!q->isModal());
    QVERIFY(!q->parentWidget());
    QTest::keyClicks(q->posterEdit, "Anna");
    QTest::keyClicks(q->quotedTextEdit, "kept");
    // The main window still takes input while the quote manager is open.
    m_w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
    QTest::keyClicks(Controls(*m_w).bodyEdit, "typed");
    QCOMPARE(Controls(*m_w).bodyEdit->toPlainText(), QString("typed"));
    QTest::mouseClick(Controls(*m_w).quoteManagerButton, Qt::LeftButton);
    QCOMPARE(EditorFixture::OpenWindow<QuoteManager>(), q);
    QTRY_VERIFY(q->isActiveWindow());
    QCOMPARE(q->posterEdit->text(), QString("Anna"));
    QCOMPARE(q->quotedTextEdit->toPlainText(), QString("kept"));
}

void tst_QuoteManager::openedFromTheTagButton()
{
    QTest::mouseClick(Controls(*m_w).assistanceBox, Qt::LeftButton);
    EditorFixture::SetPost(*m_w, "x abc y", 2, 5);
    m_fx->platform.answers = {MsgAnswer::Yes};
    QPointer<QuoteManager> shown;
    ModalDriver driver([&](QWidget* window) {
        shown = qobject_cast<QuoteManager*>(window);
        QVERIFY(shown);
        QVERIFY(shown->isModal());
        QCOMPARE(shown->parentWidget(), static_cast<QWidget*>(m_w.get()));
        QCOMPARE(shown->windowTitle(), QString("Quote Manager"));
        QCOMPARE(shown->quotedTextEdit->toPlainText(), QString("abc"));
        QVERIFY(!shown->quotedTextEdit->textCursor().hasSelection());
        QTest::mouseClick(shown->quoteHotSpot, Qt::LeftButton);
        QCOMPARE(Controls(*m_w).bodyEdit->toPlainText(), QString("x abc[quote]abc[/quote] y"));
        QTest::mouseClick(shown->closeHotSpot, Qt::LeftButton);
    });
    QTest::mouseClick(Controls(*m_w).tagButtons[QuoteButton], Qt::LeftButton);
    QCOMPARE(driver.Driven(), 1);
    QCOMPARE(m_fx->platform.messages.size(), 1);
    QCOMPARE(Controls(*m_w).bodyEdit->toPlainText(), QString("x abc[quote]abc[/quote] y"));
    QTRY_VERIFY(!shown);
    QCOMPARE(Controls(*m_w).tagButtons[QuoteButton]->text(), QString("Quote"));
}

void tst_QuoteManager::tagButtonWhileOpenModeless()
{
    QuoteManager* q = ShowFromButton();
    QVERIFY(q);
    QTest::keyClicks(q->posterEdit, "Anna");
    QTest::keyClicks(q->quotedTextEdit, "earlier");
    QTest::mouseClick(Controls(*m_w).assistanceBox, Qt::LeftButton);
    EditorFixture::SetPost(*m_w, "line one\nline two", 5, 13);
    const ModalDriver driver;
    Controls(*m_w).bodyEdit->setFocus();
    QTest::keyClick(Controls(*m_w).bodyEdit, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(driver.Driven(), 0);  // it could not be made modal
    QCOMPARE(EditorFixture::OpenWindow<QuoteManager>(), q);
    QVERIFY(!q->isModal());
    QCOMPARE(q->quotedTextEdit->toPlainText(), QString("one\nline"));
    QCOMPARE(q->posterEdit->text(), QString("Anna"));
    QTRY_VERIFY(q->isActiveWindow());
}

void tst_QuoteManager::goesWithTheMainWindow()
{
    QPointer<QuoteManager> q = ShowFromButton();
    QVERIFY(q);
    m_w.reset();
    QVERIFY(!q);
}

void tst_QuoteManager::layoutAndNames()
{
    QuoteManager* q = ShowFromButton();
    QVERIFY(q);
    QCOMPARE(q->windowTitle(), QString("Quote Manager"));
    // It opens at its designed size and can be resized (tst_windowlayout keeps the size).
    QCOMPARE(q->size(), QSize(445, 539));
    QVERIFY(q->minimumSize().width() < 445 && q->maximumSize().width() > 445);
    QCOMPARE(q->posterLabel->text(), QString("Posted by:"));
    QCOMPARE(q->quotedTextLabel->text(), QString("Select the text you want to quote then press Quote"));
    QVERIFY(q->posterEdit->y() < q->quotedTextEdit->y());
    // Paste, Close and Quote from left to right along the bottom edge.
    QVERIFY(q->pasteHotSpot->x() < q->closeHotSpot->x() && q->closeHotSpot->x() < q->quoteHotSpot->x());
    for (PictureBox* area : {q->pasteHotSpot, q->closeHotSpot, q->quoteHotSpot}) {
        QCOMPARE(area->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(area->pixmap().isNull());
        QVERIFY(area->geometry().bottom() < 539 && area->y() > q->quotedTextEdit->geometry().bottom());
    }
    const QList<QPair<QString, QString>> names = {
        {"posterEdit", "Posted by"}, {"quotedTextEdit", "Select the text you want to quote then press Quote"},
        {"pasteHotSpot", "Paste"},   {"closeHotSpot", "Close"},
        {"quoteHotSpot", "Quote"},
    };
    for (const auto& [name, accessible] : names) {
        auto* widget = q->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), accessible);
    }
}

QF_TEST_MAIN(tst_QuoteManager)
#include "tst_quotemanager.moc"
