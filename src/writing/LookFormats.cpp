// SPDX-License-Identifier: MIT
#include "writing/LookFormats.h"

#include <QFont>
#include <QFontDatabase>
#include <QPalette>

#include <cmath>

namespace {
double Linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c)
{
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

// `hue`, turned away from the text's own hue when the text is a colour close to it.
int AwayFrom(int hue, const QColor& text)
{
    const int textHue = text.hslHue();
    if (textHue < 0 || text.hslSaturationF() < 0.25)
        return hue;
    const int distance = std::abs(hue - textHue) % 360;
    return std::min(distance, 360 - distance) < 45 ? (hue + 120) % 360 : hue;
}

QColor Mix(const QColor& a, const QColor& b, double share)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - share) + b.redF() * share),
                            static_cast<float>(a.greenF() * (1 - share) + b.greenF() * share),
                            static_cast<float>(a.blueF() * (1 - share) + b.blueF() * share));
}
}  // namespace

double LookFormats::Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor LookFormats::Readable(int hue, const QColor& background, double ratio)
{
    const bool dark = Luminance(background) < 0.18;
    // From a clearly coloured lightness towards black (or white) in small
    // steps; black and white themselves always pass against a mid grey.
    for (int step = 0; step <= 50; ++step) {
        const double lightness = dark ? 0.55 + step * 0.01 : 0.45 - step * 0.01;
        const QColor colour = QColor::fromHslF(static_cast<float>(hue) / 360.0f, 0.85f,
                                               static_cast<float>(std::clamp(lightness, 0.0, 1.0)));
        if (Contrast(colour, background) >= ratio)
            return colour;
    }
    return dark ? QColor(Qt::white) : QColor(Qt::black);
}

LookFormats LookFormats::For(const QPalette& palette, const QFont& font)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    LookFormats looks;
    looks.tag.setForeground(Readable(AwayFrom(215, text), base));
    looks.value.setForeground(Readable(AwayFrom(25, text), base));
    looks.emoticon.setForeground(Readable(AwayFrom(130, text), base));
    looks.emoticon.setFontWeight(QFont::Bold);

    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    looks.code.setFontFamilies({fixed.family()});
    looks.code.setFontFixedPitch(true);
    looks.code.setFontPointSize(font.pointSizeF() > 0 ? font.pointSizeF() : fixed.pointSizeF());
    looks.code.setBackground(Mix(base, text, 0.06));

    // A quote is a tinted background, so the quoted text keeps its colours.
    looks.quote.setBackground(Mix(base, Readable(AwayFrom(275, text), base), 0.14));

    looks.problem.setUnderlineStyle(QTextCharFormat::DashUnderline);
    looks.problem.setUnderlineColor(Readable(AwayFrom(35, text), base, 3.0));
    looks.misspelt.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    looks.misspelt.setUnderlineColor(Readable(0, base, 3.0));
    return looks;
}
