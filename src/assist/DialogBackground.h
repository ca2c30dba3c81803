// SPDX-License-Identifier: MIT
#pragma once
// The background picture of the assistant windows, painted in code: a header
// with a small icon and the window's title words, an optional bottom bar, and
// link-like words (Close, Paste, Quote >>, Agree, Close Window) under the
// transparent click areas the windows lay out. The words follow their click
// areas and the bar the bottom edge, so the window can grow. Under a dark
// palette the surface and the words take the palette's colours.

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

class DialogBackground : public QWidget {
    Q_OBJECT
public:
    enum class Icon { Assistant, Quote, Emoticons };

    // A background whose header, at the top, is `headerHeight` pixels high;
    // the window lets it fill its whole client area.
    DialogBackground(Icon icon, const QString& title, int headerHeight, QWidget* parent = nullptr);

    // The colour of the area below the header (light grey unless set).
    void SetSurface(const QColor& colour);
    // The room link-like `words` take when painted.
    static QSize LinkSize(const QString& words);

    // A bar `barHeight` pixels high along the bottom edge, behind the links.
    void SetBottomBar(int barHeight);
    // Link-like words painted centred under `clickArea`, a child of the background.
    void AddLink(const QWidget* clickArea, const QString& words);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Link {
        const QWidget* area;
        QString words;
    };

    Icon m_icon;
    QString m_title;
    int m_headerHeight;
    QColor m_surface;
    int m_barHeight = 0;
    QList<Link> m_links;
};
