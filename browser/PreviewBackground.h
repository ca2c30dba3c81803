// SPDX-License-Identifier: MIT
#pragma once
// The browser window's background picture, painted in code: the header band
// with a small icon and the words Preview post, and the blue band along the
// bottom edge with the word Close in its middle. Also paints the two banner
// pictures that the submission and contact modes lay over the header.

#include <QPixmap>
#include <QWidget>

class PreviewBackground : public QWidget {
    Q_OBJECT
public:
    explicit PreviewBackground(QWidget* parent = nullptr);

    // A banner picture of `size` showing `words` in the header's colours
    // (Send Topic, Contact us).
    static QPixmap BannerPicture(const QString& words, QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;
};
