// SPDX-License-Identifier: MIT
#pragma once
// The background picture of the assistant windows, painted in code: a header
// with a small icon and the window's title words, an optional bottom bar, and
// link-like words (Close, Paste, Quote >>, Agree, Close Window) on which the
// windows lay transparent click areas.

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

class DialogBackground : public QWidget {
    Q_OBJECT
public:
    enum class Icon { Assistant, Quote, Emoticons };

    // A background whose header, at the top, is `headerHeight` pixels high;
    // the window places it over its whole client area.
    DialogBackground(Icon icon, const QString& title, int headerHeight, QWidget* parent = nullptr);

    // The colour of the area below the header (light grey unless set).
    void SetSurface(const QColor& colour);
    // A bar from `top` down to the bottom edge, behind the links.
    void SetBottomBar(int top);
    // Link-like words painted centred in `area`.
    void AddLink(const QRect& area, const QString& words);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Link {
        QRect area;
        QString words;
    };

    Icon m_icon;
    QString m_title;
    int m_headerHeight;
    QColor m_surface;
    int m_barTop = -1;
    QList<Link> m_links;
};
