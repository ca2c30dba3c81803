// SPDX-License-Identifier: MIT
#pragma once
// The font dialog of the font command: face, bold and italic (the style), size
// and text colour in one dialog. The font part is Qt's own font dialog,
// embedded without its buttons; the colour is a swatch button beneath it that
// opens a colour chooser.

#include "base/Platform.h"

#include <QDialog>

class QFontDialog;
class QPushButton;

class FontColorDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontColorDialog(QWidget* parent = nullptr);

    // Fills the dialog. What the user leaves untouched comes back from
    // Choice() exactly as it was given.
    void SetChoice(const FontChoice& choice);
    FontChoice Choice() const;

    // The colour shown by the swatch (what Choice() will give).
    void SetColour(const QColor& colour);

    QFontDialog* FontPart() const { return m_fontPart; }
    QPushButton* ColourButton() const { return m_colourButton; }

private:
    void ChooseColour();

    QFontDialog* m_fontPart = nullptr;
    QPushButton* m_colourButton = nullptr;
    FontChoice m_initial;
    QColor m_colour;
    bool m_fontTouched = false;
};
