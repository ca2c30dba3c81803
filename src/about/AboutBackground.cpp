// SPDX-License-Identifier: MIT
#include "about/AboutBackground.h"

#include "about/AboutLayout.h"
#include "base/Look.h"

#include <QLinearGradient>
#include <QPainter>

AboutBackground::AboutBackground(QWidget* parent) : QWidget(parent) { setAutoFillBackground(false); }

const QStringList& AboutBackground::CreditLines()
{
    static const QStringList lines = {
        tr("Designed and written by the Quillforge developers"),
        tr("Tested by the Quillforge developers and our users"),
        tr("Thanks to everyone who reported a fault"),
    };
    return lines;
}

void AboutBackground::paintEvent(QPaintEvent*)
{
    using namespace AboutLayout;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The designed colours under a light palette, the palette's under a dark
    // one; the header keeps its light words on dark blue under any.
    const QPalette& colours = palette();
    p.fillRect(rect(), Look::Pick(colours, Qt::white, QPalette::Window));

    QLinearGradient header(0, Header.top(), 0, Header.bottom());
    header.setColorAt(0, QColor(38, 74, 140));
    header.setColorAt(1, QColor(22, 46, 96));
    p.fillRect(QRect(0, Header.top(), width(), Header.height()), header);
    QFont headerFont(QStringLiteral("Arial"));
    headerFont.setPixelSize(16);
    headerFont.setBold(true);
    p.setFont(headerFont);
    p.setPen(Qt::white);
    p.drawText(HeaderWords, Qt::AlignLeft | Qt::AlignVCenter, tr("About"));

    QFont name(QStringLiteral("Georgia"));
    name.setPixelSize(32);
    name.setBold(true);
    name.setItalic(true);
    p.setFont(name);
    p.setPen(Look::Pick(colours, QColor(22, 46, 96), QPalette::WindowText));
    p.drawText(ProgramName, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quillforge"));

    QFont credit(QStringLiteral("Arial"));
    credit.setPixelSize(12);
    p.setFont(credit);
    p.setPen(Look::Pick(colours, QColor(50, 50, 60), QPalette::WindowText));
    QRect line(Credits.left(), Credits.top(), Credits.width(), CreditLineHeight);
    for (const QString& text : CreditLines()) {
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text);
        line.translate(0, CreditLineHeight);
    }

    // The band keeps its height along the bottom edge, however tall the window.
    const QRect band(0, height() - BottomBand.height(), width(), BottomBand.height());
    p.fillRect(band, Look::Pick(colours, QColor(236, 240, 246), QPalette::Button));
    p.setPen(QPen(Look::Pick(colours, QColor(190, 200, 215), QPalette::Mid), 1));
    p.drawLine(band.topLeft(), band.topRight());
    QFont close(QStringLiteral("Arial"));
    close.setPixelSize(13);
    close.setBold(true);
    close.setUnderline(true);
    p.setFont(close);
    p.setPen(Look::Pick(colours, QColor(0, 0, 200), QPalette::Link));
    p.drawText(band.adjusted(0, CloseArea.top() - BottomBand.top(), 0, CloseArea.bottom() - BottomBand.bottom()),
               Qt::AlignCenter, tr("Close Window"));
}
