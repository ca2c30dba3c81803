#include "support/WindowWatcher.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

WindowWatcher::WindowWatcher(const char* className, std::function<void(QWidget*)> inspect)
    : m_className(className), m_inspect(std::move(inspect))
{
    qApp->installEventFilter(this);
}

WindowWatcher::~WindowWatcher() { qApp->removeEventFilter(this); }

bool WindowWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType() && watched->inherits(m_className)) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow()) {
            ++shown;
            last = window;
            QTimer::singleShot(0, window, [this, window] {
                QPointer<QWidget> guard(window);
                if (m_inspect)
                    m_inspect(window);
                if (guard)
                    guard->close();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}
