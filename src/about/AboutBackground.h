// SPDX-License-Identifier: MIT
#pragma once
// The about window's background picture, painted in code: a white field under
// a header band reading About, the program's name in large letters, three
// credit lines, and the link-like words Close Window along the bottom edge.

#include <QWidget>

class AboutBackground : public QWidget {
    Q_OBJECT
public:
    explicit AboutBackground(QWidget* parent = nullptr);

    // The painted credit lines, top to bottom.
    static const QStringList& CreditLines();

protected:
    void paintEvent(QPaintEvent* event) override;
};
