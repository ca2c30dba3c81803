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

QFont CloseFont()
{
    QFont close(QStringLiteral("Arial"));
    close.setPixelSize(14);
    close.setBold(true);
    close.setUnderline(true);
    return close;
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

QSize PreviewBackground::BannerSize(const QString& words)
{
    const QFontMetrics metrics(HeaderFont());
    return {metrics.horizontalAdvance(words) + 4, metrics.height()};
}

QSize PreviewBackground::CloseSize(const QString& words)
{
    const QFontMetrics metrics(CloseFont());
    return {metrics.horizontalAdvance(words) + 6, metrics.height() + 4};
}

void PreviewBackground::paintEvent(QPaintEvent*)
{
    using namespace PreviewLayout;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The bands run across the whole width, as the picture did one column
    // beyond it; the bottom band keeps its height along the bottom edge.
    const int across = width() + Picture.width() - ClientWidth;
    p.fillRect(rect(), QColor(236, 240, 246));

    // Header band.
    const QRect header(0, Header.top(), across, Header.height());
    PaintHeaderGradient(p, header);
    p.setPen(QPen(QColor(170, 185, 210), 1));
    p.drawLine(header.bottomLeft(), header.bottomRight());
    PaintPreviewIcon(p, HeaderIcon);
    p.setFont(HeaderFont());
    p.setPen(HeaderInk);
    p.drawText(QRect(HeaderWords.topLeft(), QSize(width() - HeaderWords.left(), HeaderWords.height())),
               Qt::AlignLeft | Qt::AlignVCenter, tr("Preview post"));

    // A thin frame around the page.
    p.setPen(QPen(QColor(160, 175, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect((m_page ? m_page->geometry() : Browser).adjusted(-1, -1, 0, 0));

    // Bottom band with Close.
    const QRect bottom(0, height() - BottomBand.height(), across, BottomBand.height());
    QLinearGradient band(0, bottom.top(), 0, bottom.bottom());
    band.setColorAt(0, BandTop);
    band.setColorAt(1, BandBottom);
    p.fillRect(bottom, band);
    p.setFont(CloseFont());
    p.setPen(Qt::white);
    p.drawText(bottom.adjusted(0, CloseArea.top() - BottomBand.top(), 0, 0), Qt::AlignHCenter | Qt::AlignVCenter,
               tr("Close"));
}
