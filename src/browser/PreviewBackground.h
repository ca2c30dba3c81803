// SPDX-License-Identifier: MIT
#pragma once
// The browser window's background picture, painted in code: the header band
// with a small icon and the words Preview post, and the blue band along the
// bottom edge with the word Close in its middle, and a thin frame around the
// page, wherever the window's layout puts it. Also paints the two banner
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
    // The room a banner's words and the word Close take.
    static QSize BannerSize(const QString& words);
    static QSize CloseSize(const QString& words);

    // The page, framed wherever it lies.
    void SetPage(const QWidget* page) { m_page = page; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QWidget* m_page = nullptr;
};
