// SPDX-License-Identifier: MIT
#include "browser/PreviewBackground.h"

#include "browser/PreviewLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor HeaderTop(244, 247, 252);
const QColor HeaderBottom(214, 224, 240);
const QColor HeaderInk(22, 46, 96);
const QColor BandTop(48, 92, 170);
const QColor BandBottom(24, 52, 112);

QFont HeaderFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(true);
    return font;
}

void PaintHeaderGradient(QPainter& p, const QRect& r)
{
    QLinearGradient header(0, 0, 0, PreviewLayout::Header.height());
    header.setColorAt(0, HeaderTop);
    header.setColorAt(1, HeaderBottom);
    p.fillRect(r, header);
}

// A sheet of paper with a magnifying glass: the page as it will be seen.
void PaintPreviewIcon(QPainter& p, const QRect& r)
{
    p.setPen(QPen(QColor(90, 100, 120), 1));
    p.setBrush(Qt::white);
    const QRectF sheet(r.left() + 1.5, r.top() + 0.5, r.width() * 0.62, r.height() - 1.0);
    p.drawRect(sheet);
    p.setPen(QPen(QColor(150, 160, 180), 1));
    for (int line = 0; line < 4; ++line) {
        const qreal y = sheet.top() + 4 + line * 4;
        p.drawLine(QPointF(sheet.left() + 3, y), QPointF(sheet.right() - 3, y));
    }
    const QPointF lens(r.left() + r.width() * 0.62, r.top() + r.height() * 0.58);
    p.setPen(QPen(HeaderInk, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + QPointF(4, 4), lens + QPointF(9, 9));
    p.setPen(QPen(HeaderInk, 1.8));
    p.setBrush(QColor(200, 220, 250, 180));
    p.drawEllipse(lens, 5.5, 5.5);
}

}  // namespace

PreviewBackground::PreviewBackground(QWidget* parent) : QWidget(parent) { setAutoFillBackground(false); }

QPixmap PreviewBackground::BannerPicture(const QString& words, QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    PaintHeaderGradient(p, picture.rect());
    p.setFont(HeaderFont());
    p.setPen(QColor(160, 30, 30));
    p.drawText(picture.rect(), Qt::AlignLeft | Qt::AlignVCenter, words);
    return picture;
}

void PreviewBackground::paintEvent(QPaintEvent*)
{
    using namespace PreviewLayout;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.fillRect(Picture, QColor(236, 240, 246));

    // Header band.
    PaintHeaderGradient(p, Header);
    p.setPen(QPen(QColor(170, 185, 210), 1));
    p.drawLine(Header.bottomLeft(), Header.bottomRight());
    PaintPreviewIcon(p, HeaderIcon);
    p.setFont(HeaderFont());
    p.setPen(HeaderInk);
    p.drawText(HeaderWords, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Preview post"));

    // A thin frame around the page.
    p.setPen(QPen(QColor(160, 175, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(Browser.adjusted(-1, -1, 0, 0));

    // Bottom band with Close.
    QLinearGradient band(0, BottomBand.top(), 0, BottomBand.bottom());
    band.setColorAt(0, BandTop);
    band.setColorAt(1, BandBottom);
    p.fillRect(BottomBand, band);
    QFont close(QStringLiteral("Arial"));
    close.setPixelSize(14);
    close.setBold(true);
    close.setUnderline(true);
    p.setFont(close);
    p.setPen(Qt::white);
    p.drawText(CloseArea, Qt::AlignCenter, QStringLiteral("Close"));
}
