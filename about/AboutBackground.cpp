// SPDX-License-Identifier: MIT
#include "about/AboutBackground.h"

#include "about/AboutLayout.h"

#include <QLinearGradient>
#include <QPainter>

AboutBackground::AboutBackground(QWidget* parent) : QWidget(parent) { setAutoFillBackground(false); }

const QStringList& AboutBackground::CreditLines()
{
    static const QStringList lines = {
        QStringLiteral("Designed and written by the Quillforge developers"),
        QStringLiteral("Tested by the Quillforge developers and our users"),
        QStringLiteral("Thanks to everyone who reported a fault"),
    };
    return lines;
}

void AboutBackground::paintEvent(QPaintEvent*)
{
    using namespace AboutLayout;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.fillRect(rect(), Qt::white);

    QLinearGradient header(0, Header.top(), 0, Header.bottom());
    header.setColorAt(0, QColor(38, 74, 140));
    header.setColorAt(1, QColor(22, 46, 96));
    p.fillRect(Header, header);
    QFont headerFont(QStringLiteral("Arial"));
    headerFont.setPixelSize(16);
    headerFont.setBold(true);
    p.setFont(headerFont);
    p.setPen(Qt::white);
    p.drawText(HeaderWords, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("About"));

    QFont name(QStringLiteral("Georgia"));
    name.setPixelSize(32);
    name.setBold(true);
    name.setItalic(true);
    p.setFont(name);
    p.setPen(QColor(22, 46, 96));
    p.drawText(ProgramName, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quillforge"));

    QFont credit(QStringLiteral("Arial"));
    credit.setPixelSize(12);
    p.setFont(credit);
    p.setPen(QColor(50, 50, 60));
    QRect line(Credits.left(), Credits.top(), Credits.width(), CreditLineHeight);
    for (const QString& text : CreditLines()) {
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text);
        line.translate(0, CreditLineHeight);
    }

    p.fillRect(BottomBand, QColor(236, 240, 246));
    p.setPen(QPen(QColor(190, 200, 215), 1));
    p.drawLine(BottomBand.topLeft(), BottomBand.topRight());
    QFont close(QStringLiteral("Arial"));
    close.setPixelSize(13);
    close.setBold(true);
    close.setUnderline(true);
    p.setFont(close);
    p.setPen(QColor(0, 0, 200));
    p.drawText(CloseArea, Qt::AlignCenter, QStringLiteral("Close Window"));
}
