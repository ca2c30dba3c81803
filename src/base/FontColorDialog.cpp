// SPDX-License-Identifier: MIT
#include "base/FontColorDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

FontColorDialog::FontColorDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FontColorDialog"));
    setWindowTitle(tr("Font"));

    m_fontPart = new QFontDialog(this);
    m_fontPart->setObjectName(QStringLiteral("fontPart"));
    m_fontPart->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fontPart->setWindowFlags(Qt::Widget);
    m_fontPart->setSizeGripEnabled(false);

    auto* colourLabel = new QLabel(QStringLiteral("&Colour:"), this);
    m_colourButton = new QPushButton(this);
    m_colourButton->setObjectName(QStringLiteral("colourButton"));
    m_colourButton->setAccessibleName(tr("Text colour"));
    colourLabel->setBuddy(m_colourButton);
    connect(m_colourButton, &QPushButton::clicked, this, &FontColorDialog::ChooseColour);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(m_colourButton);
    colourRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fontPart);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);

    connect(m_fontPart, &QFontDialog::currentFontChanged, this, [this] { m_fontTouched = true; });
}

void FontColorDialog::SetChoice(const FontChoice& choice)
{
    m_initial = choice;
    // The list of faces holds installed faces only; a face that this desktop
    // substitutes (Arial by Liberation Sans, say) is shown as the face really
    // drawn, so changing the size alone does not change the face too.
    QFont shown = choice.font;
    shown.setFamily(QFontInfo(choice.font).family());
    m_fontPart->setCurrentFont(shown);
    SetColour(choice.color);
    m_fontTouched = false;
}

FontChoice FontColorDialog::Choice() const
{
    // The font part lists the faces installed here; an initial face it could
    // not list exactly would otherwise come back as a neighbour.
    return {m_fontTouched ? m_fontPart->currentFont() : m_initial.font, m_colour};
}

void FontColorDialog::SetColour(const QColor& colour)
{
    m_colour = colour;
    QPixmap swatch(32, 16);
    swatch.fill(colour.isValid() ? colour : QColor(Qt::black));
    {
        QPainter painter(&swatch);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    }
    m_colourButton->setIcon(QIcon(swatch));
    m_colourButton->setIconSize(swatch.size());
    m_colourButton->setText(colour.name());
}

void FontColorDialog::ChooseColour()
{
    const QColor chosen = QColorDialog::getColor(m_colour, this, tr("Text colour"), QColorDialog::DontUseNativeDialog);
    if (chosen.isValid())
        SetColour(chosen);
}
