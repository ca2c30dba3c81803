// SPDX-License-Identifier: MIT
#include "editor/StatusHelp.h"

#include <QLabel>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QWidget>

StatusHelp::StatusHelp(QLabel* panel, QWidget* surface, QObject* parent)
    : QObject(parent), m_panel(panel), m_surface(surface)
{
    // Movements without a pressed button reach only widgets that track the mouse.
    m_surface->setMouseTracking(true);
    m_surface->installEventFilter(this);
    // Menu items send their status tips up to the window; the status bar's
    // own message would hide the help panel, so the tip goes into the panel.
    m_window = m_surface->window();
    m_window->installEventFilter(this);
}

void StatusHelp::SetHelp(QWidget* control, const QString& text)
{
    m_help.insert(control, text);
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

bool StatusHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::StatusTip) {
        // An empty tip (the menu closed) takes away only a tip shown here,
        // never another message of the panel.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (tip.isEmpty() && (m_shownTip.isEmpty() || m_panel->text() != m_shownTip))
            return false;
        m_shownTip = tip;
        m_panel->setText(tip);
        return true;
    }
    if (event->type() != QEvent::MouseMove)
        return false;
    if (watched == m_surface) {
        // A movement that a control did not take travels on to the surface
        // beneath it; only a pointer over no control is over the bare surface.
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (!m_surface->childAt(at))
            m_panel->setText(QString());
        return false;
    }
    const auto help = m_help.constFind(watched);
    if (help != m_help.constEnd())
        m_panel->setText(*help);
    return false;
}
