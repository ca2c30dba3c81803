// SPDX-License-Identifier: MIT
// A child of bench_startup: the baseline, a bare Qt window that shows one
// QPlainTextEdit, and exits as soon as it has been shown and painted.

#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QPlainTextEdit window;
    window.resize(824, 525);
    window.show();
    QTimer::singleShot(0, [&] {
        window.repaint();
        QCoreApplication::exit(0);  // straight out: quit() would run the close sequence
    });
    return app.exec();
}
