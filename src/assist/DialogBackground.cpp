// SPDX-License-Identifier: MIT
#include "assist/DialogBackground.h"

#include "base/Look.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor HeaderTop(38, 74, 140);
const QColor HeaderBottom(22, 46, 96);
const QColor LinkColour(0, 0, 238);

QFont LinkFont()
{
    QFont link(QStringLiteral("Arial"));
    link.setPixelSize(13);
    link.setBold(true);
    link.setUnderline(true);
    return link;
}

// A smiling face.
void PaintFace(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(150, 100, 0), 1));
    p.setBrush(QColor(255, 210, 40));
    p.drawEllipse(r);
    p.setBrush(QColor(60, 40, 0));
    p.setPen(Qt::NoPen);
    const qreal eye = r.width() * 0.12;
    p.drawEllipse(QRectF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.3, eye, eye * 1.4));
    p.drawEllipse(QRectF(r.left() + r.width() * 0.58, r.top() + r.height() * 0.3, eye, eye * 1.4));
    p.setPen(QPen(QColor(60, 40, 0), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(r.adjusted(r.width() * 0.22, r.height() * 0.25, -r.width() * 0.22, -r.height() * 0.2), 200 * 16,
              140 * 16);
}

// A speech bubble; with `quoteMarks` it holds a pair of quotation marks,
// otherwise a pair of square brackets.
void PaintBubble(QPainter& p, const QRectF& r, bool quoteMarks)
{
    QPainterPath bubble;
    const QRectF body(r.left(), r.top(), r.width(), r.height() * 0.78);
    bubble.addRoundedRect(body, 3, 3);
    QPainterPath tail;
    tail.moveTo(r.left() + r.width() * 0.25, body.bottom() - 1);
    tail.lineTo(r.left() + r.width() * 0.2, r.bottom());
    tail.lineTo(r.left() + r.width() * 0.5, body.bottom() - 1);
    tail.closeSubpath();
    p.setPen(QPen(QColor(200, 215, 240), 1));
    p.setBrush(Qt::white);
    p.drawPath(bubble.united(tail));
    QFont font(QStringLiteral("Georgia"));
    font.setPixelSize(static_cast<int>(body.height() * (quoteMarks ? 1.1 : 0.7)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(HeaderBottom);
    const QRectF words = quoteMarks ? body.translated(0, body.height() * 0.25) : body;
    p.drawText(words, Qt::AlignCenter, quoteMarks ? QStringLiteral("\u201C\u201D") : QStringLiteral("[ ]"));
}

}  // namespace

DialogBackground::DialogBackground(Icon icon, const QString& title, int headerHeight, QWidget* parent)
    : QWidget(parent), m_icon(icon), m_title(title), m_headerHeight(headerHeight), m_surface(236, 240, 246)
{
}

QSize DialogBackground::LinkSize(const QString& words)
{
    const QFontMetrics metrics(LinkFont());
    return {metrics.horizontalAdvance(words) + 8, metrics.height() + 4};
}

void DialogBackground::SetSurface(const QColor& colour)
{
    m_surface = colour;
    update();
}

void DialogBackground::SetBottomBar(int barHeight)
{
    m_barHeight = barHeight;
    update();
}

void DialogBackground::AddLink(const QWidget* clickArea, const QString& words)
{
    m_links.append({clickArea, words});
    update();
}

void DialogBackground::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QPalette& colours = palette();
    p.fillRect(rect(), Look::Pick(colours, m_surface, QPalette::Window));

    // The header: the icon, then the title words.
    const QRect header(0, 0, width(), m_headerHeight);
    QLinearGradient shade(header.topLeft(), header.bottomLeft());
    shade.setColorAt(0, HeaderTop);
    shade.setColorAt(1, HeaderBottom);
    p.fillRect(header, shade);
    const int iconSize = std::min(24, m_headerHeight - 8);
    const QRectF icon(8, (m_headerHeight - iconSize) / 2.0, iconSize, iconSize);
    if (m_icon == Icon::Emoticons)
        PaintFace(p, icon);
    else
        PaintBubble(p, icon, m_icon == Icon::Quote);
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(std::max(12, m_headerHeight / 2));
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(static_cast<int>(icon.right()) + 8, 0, width(), m_headerHeight), Qt::AlignLeft | Qt::AlignVCenter,
               m_title);

    if (m_barHeight > 0) {
        const int top = height() - m_barHeight;
        p.fillRect(QRect(0, top, width(), m_barHeight), Look::Pick(colours, QColor(218, 226, 238), QPalette::Button));
        p.setPen(QPen(Look::Pick(colours, QColor(170, 185, 210), QPalette::Mid), 1));
        p.drawLine(0, top, width(), top);
    }

    // The link-like words, underlined as on a web page.
    p.setFont(LinkFont());
    p.setPen(Look::Pick(colours, LinkColour, QPalette::Link));
    for (const Link& l : m_links)
        p.drawText(l.area->geometry(), Qt::AlignCenter, l.words);
}
