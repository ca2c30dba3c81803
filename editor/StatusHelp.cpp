#include "editor/StatusHelp.h"

#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

StatusHelp::StatusHelp(QLabel* panel, QWidget* surface, QObject* parent)
    : QObject(parent), m_panel(panel), m_surface(surface)
{
    // Movements without a pressed button reach only widgets that track the mouse.
    m_surface->setMouseTracking(true);
    m_surface->installEventFilter(this);
}

void StatusHelp::SetHelp(QWidget* control, const QString& text)
{
    m_help.insert(control, text);
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

bool StatusHelp::eventFilter(QObject* watched, QEvent* event)
{
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
