// SPDX-License-Identifier: MIT
#include "support/ModalDriver.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

ModalDriver::ModalDriver(Drive drive) : m_drive(std::move(drive)) { qApp->installEventFilter(this); }

ModalDriver::~ModalDriver() { qApp->removeEventFilter(this); }

bool ModalDriver::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        // A modal window is shown before its event loop starts; the loop runs
        // the queued call.
        if (widget->isWindow() && widget->isModal()) {
            QPointer<QWidget> window(widget);
            QTimer::singleShot(0, this, [this, window] { Run(window); });
        }
    }
    return QObject::eventFilter(watched, event);
}

void ModalDriver::Run(QPointer<QWidget> window)
{
    if (!window || !window->isVisible())
        return;
    ++m_driven;
    if (m_drive)
        m_drive(window);
    if (window && window->isVisible())
        window->close();
}
