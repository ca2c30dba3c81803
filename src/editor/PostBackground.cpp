// SPDX-License-Identifier: MIT
#include "editor/PostBackground.h"

#include "base/Look.h"
#include "editor/PostLayout.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
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

QFont PostBackground::HeadingFont()
{
    QFont heading(QStringLiteral("Arial"));
    heading.setPixelSize(16);
    heading.setBold(true);
    return heading;
}

QFont PostBackground::LabelFont()
{
    QFont label(QStringLiteral("Arial"));
    label.setPixelSize(13);
    label.setBold(true);
    return label;
}

void PostBackground::SetWords(QLabel* heading, const QList<QLabel*>& words)
{
    m_heading = heading;
    m_words = words;
    ColourWords();
}

void PostBackground::SetEmoticonPanel(QLayout* pictures) { m_emoticons = pictures; }

void PostBackground::ColourWords()
{
    const auto colour = [this](QLabel* label, const QColor& designed) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Look::Pick(this->palette(), designed, QPalette::WindowText));
        label->setPalette(palette);
    };
    if (m_heading)
        colour(m_heading, QColor(22, 46, 96));
    for (QLabel* label : std::as_const(m_words))
        colour(label, QColor(30, 30, 40));
}

void PostBackground::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        ColourWords();
    QWidget::changeEvent(event);
}

void PostBackground::paintEvent(QPaintEvent*)
{
    using namespace PostLayout;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Window surface.
    p.fillRect(rect(), Look::Pick(palette(), QColor(236, 240, 246), QPalette::Window));

    // Banner: light words on its own dark blue under any palette.
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
    PaintLabel(p, OpenForumWords, tr("Open forum"), Qt::AlignHCenter | Qt::AlignVCenter);
    QFont title(QStringLiteral("Georgia"));
    title.setPixelSize(30);
    title.setBold(true);
    title.setItalic(true);
    p.setFont(title);
    PaintLabel(p, QRect(AppNameWords.topLeft(), QSize(width() - AppNameWords.left(), AppNameWords.height())),
               QStringLiteral("Quillforge"));
    QFont tagline(QStringLiteral("Arial"));
    tagline.setPixelSize(12);
    p.setFont(tagline);
    p.setPen(QColor(200, 215, 240));
    PaintLabel(p, QRect(TaglineWords.topLeft(), QSize(width() - TaglineWords.left(), TaglineWords.height())),
               tr("Write, preview and send your forum posts"));

    // The rule under the heading, across the window.
    if (m_heading) {
        const QRect heading = m_heading->geometry();
        p.setPen(QPen(Look::Pick(palette(), QColor(160, 175, 200), QPalette::Mid), 1));
        p.drawLine(heading.left(), heading.bottom() + 2, width() - 12, heading.bottom() + 2);
    }

    // A light panel behind the emoticon grid.
    if (m_emoticons) {
        p.setPen(QPen(QColor(190, 200, 215), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(m_emoticons->geometry().adjusted(-8, -6, 8, 6), 4, 4);
    }
}
