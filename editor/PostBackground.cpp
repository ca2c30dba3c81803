// SPDX-License-Identifier: MIT
#include "editor/PostBackground.h"

#include "editor/PostLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

PostBackground::PostBackground(QWidget* parent) : QWidget(parent) { setAutoFillBackground(false); }

namespace {

void PaintHouse(QPainter& p, const QRect& r)
{
    QPainterPath roof;
    roof.moveTo(r.left(), r.top() + r.height() * 0.48);
    roof.lineTo(r.center().x() + 0.5, r.top());
    roof.lineTo(r.right() + 1, r.top() + r.height() * 0.48);
    roof.closeSubpath();
    p.setPen(QPen(QColor(120, 30, 20), 1));
    p.setBrush(QColor(200, 60, 40));
    p.drawPath(roof);
    const QRectF walls(r.left() + r.width() * 0.15, r.top() + r.height() * 0.45, r.width() * 0.7, r.height() * 0.55);
    p.setPen(QPen(QColor(90, 70, 40), 1));
    p.setBrush(QColor(250, 235, 200));
    p.drawRect(walls);
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(walls.center().x() - 3, walls.bottom() - 10, 7, 10));
}

void PaintLabel(QPainter& p, const QRect& r, const QString& text,
                Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    p.drawText(r, static_cast<int>(align) | Qt::TextWordWrap, text);
}

}  // namespace

void PostBackground::paintEvent(QPaintEvent*)
{
    using namespace PostLayout;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Window surface.
    p.fillRect(rect(), QColor(236, 240, 246));

    // Banner.
    QLinearGradient banner(Banner.topLeft(), Banner.bottomLeft());
    banner.setColorAt(0, QColor(38, 74, 140));
    banner.setColorAt(1, QColor(22, 46, 96));
    p.fillRect(QRect(Banner.left(), Banner.top(), width(), Banner.height()), banner);
    PaintHouse(p, HouseIcon);
    p.setPen(Qt::white);
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(11);
    small.setBold(true);
    p.setFont(small);
    PaintLabel(p, OpenForumWords, QStringLiteral("Open forum"), Qt::AlignHCenter | Qt::AlignVCenter);
    QFont title(QStringLiteral("Georgia"));
    title.setPixelSize(30);
    title.setBold(true);
    title.setItalic(true);
    p.setFont(title);
    PaintLabel(p, AppNameWords, QStringLiteral("Quillforge"));
    QFont tagline(QStringLiteral("Arial"));
    tagline.setPixelSize(12);
    p.setFont(tagline);
    p.setPen(QColor(200, 215, 240));
    PaintLabel(p, TaglineWords, QStringLiteral("Write, preview and send your forum posts"));

    // Heading.
    QFont heading(QStringLiteral("Arial"));
    heading.setPixelSize(16);
    heading.setBold(true);
    p.setFont(heading);
    p.setPen(QColor(22, 46, 96));
    PaintLabel(p, Heading, QStringLiteral("Post a new topic"));
    p.setPen(QPen(QColor(160, 175, 200), 1));
    p.drawLine(Heading.left(), Heading.bottom() + 2, width() - 12, Heading.bottom() + 2);

    // Labels beside the controls.
    QFont label(QStringLiteral("Arial"));
    label.setPixelSize(13);
    label.setBold(true);
    p.setFont(label);
    p.setPen(QColor(30, 30, 40));
    PaintLabel(p, EmoticonsWords, QStringLiteral("Emoticons"));
    PaintLabel(p, FontSizeWords, QStringLiteral("Font size"));
    PaintLabel(p, FontColourWords, QStringLiteral("Font colour"));
    PaintLabel(p, SubjectWords, QStringLiteral("Subject"));
    PaintLabel(p, MessageBodyWords, QStringLiteral("Message body"), Qt::AlignLeft | Qt::AlignTop);

    // A light panel behind the emoticon grid.
    p.setPen(QPen(QColor(190, 200, 215), 1));
    p.setBrush(Qt::white);
    const QRect grid(IconLeft - 8, IconTop - 6, IconColumnStep * 3 + IconSize + 16, IconRowStep * 4 + IconSize + 12);
    p.drawRoundedRect(grid, 4, 4);
}
