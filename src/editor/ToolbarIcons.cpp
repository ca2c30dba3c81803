// SPDX-License-Identifier: MIT
#include "editor/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ToolbarIcons {

namespace {

const char* const kThemeNames[Count] = {
    "document-new", "document-open",   "document-save",          "edit-copy", "edit-cut",
    "edit-paste",   "edit-undo",       "edit-redo",              "edit-select-all",
    "document-print-preview",          "view-dual",              "preferences-system", "help-about",
};

void Page(QPainter& p, QRectF r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 5, r.top());
    path.lineTo(r.right(), r.top() + 5);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void Lines(QPainter& p, QRectF r)
{
    for (qreal y = r.top() + 6; y < r.bottom() - 2; y += 3.5)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

// A small drawing for each command, for desktops without an icon theme.
QPixmap Drawn(int index)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 80), 1.2));
    switch (index) {
    case 0:  // New: a blank page with a star
        Page(p, {5, 2, 14, 19});
        p.setBrush(QColor(250, 200, 40));
        p.drawEllipse(QPointF(17, 17), 4, 4);
        break;
    case 1:  // Open: a folder
        p.setBrush(QColor(240, 190, 80));
        p.drawRect(QRectF(2, 7, 20, 13));
        p.drawRect(QRectF(2, 5, 8, 3));
        break;
    case 2:  // Save: a diskette
        p.setBrush(QColor(70, 110, 190));
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 4, 10, 6));
        break;
    case 3:  // Copy: two pages
        Page(p, {3, 2, 12, 15});
        Page(p, {9, 7, 12, 15});
        break;
    case 4:  // Cut: scissors
        p.drawLine(QPointF(6, 3), QPointF(15, 15));
        p.drawLine(QPointF(18, 3), QPointF(9, 15));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(7, 18), 3.5, 3.5);
        p.drawEllipse(QPointF(17, 18), 3.5, 3.5);
        break;
    case 5:  // Paste: a clipboard with a page
        p.setBrush(QColor(190, 140, 80));
        p.drawRoundedRect(QRectF(3, 4, 14, 18), 2, 2);
        Page(p, {10, 9, 11, 13});
        break;
    case 6:  // Undo: an arrow bending back to the left
    case 7: {  // Redo: the same, to the right
        const bool back = index == 6;
        QPainterPath arc;
        arc.moveTo(back ? 19 : 5, 18);
        arc.cubicTo(back ? 19 : 5, 8, 12, 7, back ? 6 : 18, 9);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(60, 90, 160), 2.4));
        p.drawPath(arc);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 90, 160));
        const qreal tip = back ? 2 : 22, base = back ? 9 : 15;
        p.drawPolygon(QPolygonF({QPointF(tip, 9.5), QPointF(base, 4), QPointF(base, 15)}));
        break;
    }
    case 8:  // Copy post to clipboard: a page of text on a clipboard
        p.setBrush(QColor(190, 140, 80));
        p.drawRoundedRect(QRectF(3, 3, 18, 19), 2, 2);
        Page(p, {6, 6, 12, 14});
        Lines(p, {6, 6, 12, 14});
        break;
    case 9:  // Preview post: a magnifier over a page
        Page(p, {3, 2, 14, 19});
        Lines(p, {3, 2, 14, 19});
        p.setBrush(QColor(200, 230, 255, 200));
        p.drawEllipse(QPointF(15, 14), 5, 5);
        p.setPen(QPen(QColor(60, 60, 80), 2.5));
        p.drawLine(QPointF(18.5, 17.5), QPointF(22, 21));
        break;
    case 10:  // Live preview: a page of text beside a page of lines
        Page(p, {2, 3, 9, 18});
        p.setPen(QPen(QColor(60, 60, 80), 1));
        for (qreal y = 6; y < 19; y += 3)
            p.drawLine(QPointF(4, y), QPointF(9, y));
        p.setPen(QPen(QColor(60, 60, 80), 1.2));
        Page(p, {13, 3, 9, 18});
        p.setPen(QPen(QColor(70, 110, 190), 2));
        for (qreal y = 7; y < 19; y += 4)
            p.drawLine(QPointF(15, y), QPointF(20, y));
        break;
    case 11:  // Options: a gear
        p.setBrush(QColor(150, 150, 160));
        for (int k = 0; k < 8; ++k) {
            p.save();
            p.translate(12, 12);
            p.rotate(45.0 * k);
            p.drawRect(QRectF(-2, -10, 4, 5));
            p.restore();
        }
        p.drawEllipse(QPointF(12, 12), 6.5, 6.5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
        break;
    default:  // About: an "i" in a circle
        p.setBrush(QColor(60, 120, 210));
        p.drawEllipse(QPointF(12, 12), 10, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(12, 7), 1.8, 1.8);
        p.drawRect(QRectF(10.5, 10, 3, 8));
        break;
    }
    return pixmap;
}

}  // namespace

QIcon Picture(int index)
{
    if (index < 0 || index >= Count)
        return {};
    // Desktops without a theme of their own still find the common one.
    if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == QLatin1String("hicolor"))
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    const QIcon themed = QIcon::fromTheme(QString::fromLatin1(kThemeNames[index]));
    if (!themed.isNull() && !themed.availableSizes().isEmpty())
        return themed;
    return QIcon(Drawn(index));
}

}  // namespace ToolbarIcons
