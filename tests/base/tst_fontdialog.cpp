// SPDX-License-Identifier: MIT
// The real font dialog behind the platform seam: font face, style, size and
// text colour in one dialog; OK gives the choice, Cancel gives none, and a
// dialog confirmed untouched gives back exactly what it was filled with.

#include "base/FontColorDialog.h"
#include "base/Platform.h"
#include "support/TestMain.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {
// Runs `act` on the modal dialog of type D once it is shown (the dialog runs
// its own event loop, so the test acts from inside it).
template <class D>
void WhenShown(std::function<void(D*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start();
}

void Press(QDialog* dialog, QDialogButtonBox::StandardButton which)
{
    auto* box = dialog->findChild<QDialogButtonBox*>();
    QVERIFY(box);
    QTest::mouseClick(box->button(which), Qt::LeftButton);
}
}  // namespace

class tst_FontDialog : public QObject {
    Q_OBJECT
private slots:
    void cancelGivesNothing();
    void untouchedGivesBackTheInitialChoice_data();
    void untouchedGivesBackTheInitialChoice();
    void chosenFontAndColour();
    void colourChooserCancelledKeepsTheColour();

private:
    QtPlatform m_platform;
};

void tst_FontDialog::cancelGivesNothing()
{
    bool shown = false;
    WhenShown<FontColorDialog>([&](FontColorDialog* d) {
        shown = true;
        d->FontPart()->setCurrentFont(QFont("Liberation Serif", 30));
        Press(d, QDialogButtonBox::Cancel);
    });
    const auto choice = m_platform.ChooseFont(nullptr, {QFont("Liberation Sans", 12), Qt::black});
    QVERIFY(shown);
    QVERIFY(!choice);
}

void tst_FontDialog::untouchedGivesBackTheInitialChoice_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("the post field's Arial 12") << QFont("Arial", 12) << QColor(Qt::black);
    QFont bold("Liberation Mono", 9);
    bold.setBold(true);
    QTest::newRow("bold mono, teal") << bold << QColor(0, 128, 128);
    QTest::newRow("a face not installed here") << QFont("No Such Face", 11) << QColor(Qt::blue);
}

void tst_FontDialog::untouchedGivesBackTheInitialChoice()
{
    QFETCH(QFont, font);
    QFETCH(QColor, colour);
    WhenShown<FontColorDialog>([](FontColorDialog* d) { Press(d, QDialogButtonBox::Ok); });
    const auto choice = m_platform.ChooseFont(nullptr, {font, colour});
    QVERIFY(choice);
    QCOMPARE(choice->font, font);
    QCOMPARE(choice->color, colour);
}

void tst_FontDialog::chosenFontAndColour()
{
    QStringList shownIn;
    WhenShown<FontColorDialog>([&](FontColorDialog* d) {
        shownIn << d->FontPart()->currentFont().family() << QString::number(d->FontPart()->currentFont().pointSize());
        QFont next("Liberation Serif", 18);
        next.setItalic(true);
        d->FontPart()->setCurrentFont(next);
        // The colour chooser opens over the font dialog.
        WhenShown<QColorDialog>([&](QColorDialog* colours) {
            colours->setCurrentColor(QColor(128, 0, 0));
            colours->accept();
            // Back in the font dialog, its swatch shows the new colour.
            WhenShown<FontColorDialog>([&](FontColorDialog* back) {
                shownIn << back->ColourButton()->text();
                Press(back, QDialogButtonBox::Ok);
            });
        });
        QTest::mouseClick(d->ColourButton(), Qt::LeftButton);
    });
    const auto choice = m_platform.ChooseFont(nullptr, {QFont("Arial", 12), Qt::black});
    QVERIFY(choice);
    // A substituted face is shown as the face really drawn.
    const QString drawn = QFontInfo(QFont("Arial", 12)).family();
    QCOMPARE(shownIn, (QStringList{drawn, "12", "#800000"}));
    QCOMPARE(choice->font.family(), QString("Liberation Serif"));
    QCOMPARE(choice->font.pointSize(), 18);
    QVERIFY(choice->font.italic());
    QCOMPARE(choice->color, QColor(128, 0, 0));
}

void tst_FontDialog::colourChooserCancelledKeepsTheColour()
{
    WhenShown<FontColorDialog>([](FontColorDialog* d) {
        WhenShown<QColorDialog>([](QColorDialog* colours) {
            colours->setCurrentColor(Qt::green);
            colours->reject();
            WhenShown<FontColorDialog>([](FontColorDialog* back) { Press(back, QDialogButtonBox::Ok); });
        });
        QTest::mouseClick(d->ColourButton(), Qt::LeftButton);
    });
    const auto choice = m_platform.ChooseFont(nullptr, {QFont("Liberation Sans", 12), QColor(Qt::darkBlue)});
    QVERIFY(choice);
    QCOMPARE(choice->color, QColor(Qt::darkBlue));
}

QF_TEST_MAIN(tst_FontDialog)
#include "tst_fontdialog.moc"
