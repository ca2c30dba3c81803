// SPDX-License-Identifier: MIT
#pragma once
// What the windows share for their layouts and colours. A control laid out
// with `Fit` keeps the size it was designed with at the default font and
// grows only as far as its text needs under a larger one; colours picked
// with `Pick` are the designed ones under a light palette and the palette's
// own under a dark one, so painted surfaces and the controls on them stay
// readable together.

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSize>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace Look {

// Whether `palette` is a dark one: light text on a dark window.
inline bool IsDark(const QPalette& palette) { return palette.color(QPalette::Window).lightness() < 128; }

// `designed` under a light palette, the palette's colour for `role` under a dark one.
inline QColor Pick(const QPalette& palette, const QColor& designed, QPalette::ColorRole role)
{
    return IsDark(palette) ? palette.color(role) : designed;
}

// The widest word of a label's text: a label that wraps its words needs that much.
inline int LongestWord(const QLabel* label)
{
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& word : label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    const QMargins margins = label->contentsMargins();
    return widest + margins.left() + margins.right() + 2 * label->margin() + 2;
}

// What a control's text needs: a push button its caption with a margin (the
// style's own size hint would make every button at least 80 pixels wide), a
// line field the height of its text (it scrolls sideways), a label that wraps
// its words its longest word and the lines it then takes, any other control
// its size hint.
inline QSize TextNeeds(const QWidget* control, int designedWidth)
{
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const QFontMetrics metrics(button->font());
        return {metrics.horizontalAdvance(button->text()) + 16, metrics.height() + 10};
    }
    if (qobject_cast<const QLineEdit*>(control))
        return {0, control->sizeHint().height()};
    if (const auto* label = qobject_cast<const QLabel*>(control); label && label->wordWrap()) {
        const int width = std::max(designedWidth, LongestWord(label));
        return {width, label->heightForWidth(width)};
    }
    return control->sizeHint();
}

// Fixes `control` at its designed size, or larger where its text needs more.
inline void Fit(QWidget* control, QSize designed)
{
    control->setFixedSize(designed.expandedTo(TextNeeds(control, designed.width())));
}

// The same for the height alone; the width is the layout's.
inline void FitHeight(QWidget* control, int designed)
{
    control->setFixedHeight(std::max(designed, control->sizeHint().height()));
}

// Lays `content` over `background` on `window`: the background fills the
// window whatever its size, the controls lie over it. Returns the layout.
inline QGridLayout* OverBackground(QWidget* window, QWidget* background, QLayout* content)
{
    auto* stack = new QGridLayout(window);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    stack->addWidget(background, 0, 0);
    stack->addLayout(content, 0, 0);
    background->lower();
    return stack;
}

// Makes the open list of `list` wide enough for its longest entry, however
// narrow the closed box.
inline void FitOpenList(QComboBox* list)
{
    QAbstractItemView* view = list->view();
    int width = view->sizeHintForColumn(0) + 2 * view->frameWidth();
    if (list->count() > list->maxVisibleItems())
        width += view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    view->setMinimumWidth(width);
}

}  // namespace Look
