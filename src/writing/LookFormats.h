// SPDX-License-Identifier: MIT
#pragma once
// How the post field shows tags, values, code, quotes, emoticon codes, tag
// problems and misspelt words. The colours are worked out from the field's
// own text and background colours, so they read well with the text colour
// the user chose and on a dark palette: each look keeps a hue of its own,
// turned away from the text's hue when the two are close, at a lightness
// that stands out from the background (a contrast ratio of at least 4.5).

#include <QColor>
#include <QTextCharFormat>

class QFont;
class QPalette;

struct LookFormats {
    QTextCharFormat tag, value, code, quote, emoticon, problem, misspelt;

    static LookFormats For(const QPalette& palette, const QFont& font);

    // The contrast ratio of two colours (1 to 21).
    static double Contrast(const QColor& a, const QColor& b);
    // A colour of `hue` that stands out from `background` with a contrast
    // ratio of at least `ratio`, as saturated as that allows.
    static QColor Readable(int hue, const QColor& background, double ratio = 4.5);
};
