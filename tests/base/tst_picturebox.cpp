// SPDX-License-Identifier: MIT
// Picture controls as click targets: mouse and keyboard.

#include "base/PictureBox.h"
#include "support/TestMain.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>

class tst_PictureBox : public QObject {
    Q_OBJECT
private slots:
    void clicks_data();
    void clicks();
    void keyboardReachesClickTargetsOnly();
    void focusIsShown();
};

void tst_PictureBox::clicks_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Space clicks") << int(Qt::Key_Space) << int(Qt::NoModifier) << 1;
    QTest::newRow("Enter clicks") << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
    QTest::newRow("keypad Enter clicks") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
    QTest::newRow("a letter does not") << int(Qt::Key_A) << int(Qt::NoModifier) << 0;
    QTest::newRow("Ctrl+Space does not") << int(Qt::Key_Space) << int(Qt::ControlModifier) << 0;
}

void tst_PictureBox::clicks()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, clicks);
    PictureBox box;
    box.resize(40, 20);
    box.SetHandCursor();
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy clicked(&box, &PictureBox::clicked);
    QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicked.count(), clicks);
    QTest::mouseClick(&box, Qt::LeftButton);
    QCOMPARE(clicked.count(), clicks + 1);
    QTest::mouseClick(&box, Qt::RightButton);
    QCOMPARE(clicked.count(), clicks + 1);
}

void tst_PictureBox::keyboardReachesClickTargetsOnly()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* field = new QLineEdit;
    auto* banner = new PictureBox;  // shows a picture, does nothing
    auto* target = new PictureBox;
    target->SetHandCursor();
    layout->addWidget(field);
    layout->addWidget(banner);
    layout->addWidget(target);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Tab);
    QVERIFY(target->hasFocus());
    QCOMPARE(target->cursor().shape(), Qt::PointingHandCursor);
    QSignalSpy clicked(banner, &PictureBox::clicked);
    QTest::keyClick(banner, Qt::Key_Space);
    QCOMPARE(clicked.count(), 0);
}

void tst_PictureBox::focusIsShown()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* field = new QLineEdit;
    auto* target = new PictureBox;
    target->SetHandCursor();
    target->setFixedSize(60, 24);
    layout->addWidget(field);
    layout->addWidget(target);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    field->setFocus();
    const QImage without = target->grab().toImage();
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    QVERIFY(target->grab().toImage() != without);
}

QF_TEST_MAIN(tst_PictureBox)
#include "tst_picturebox.moc"
