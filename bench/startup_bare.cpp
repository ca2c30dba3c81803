// SPDX-License-Identifier: MIT
// A child of bench_startup: the baseline, a bare Qt window that shows one
// QPlainTextEdit, and exits as soon as it has been shown and painted.

#include "StartupProbe.h"

#include <QApplication>
#include <QPlainTextEdit>

int main(int argc, char** argv)
{
    StartupProbe app(argc, argv);
    QPlainTextEdit window;
    window.resize(824, 525);
    app.ExitOncePainted(&window);
    window.show();
    return app.exec();
}
