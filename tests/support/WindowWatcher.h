#pragma once
// Watches for windows of one class being shown, modal ones included, so a test
// can look at a window while the code that opened it waits for it to close.
// Each window shown is counted and handed to `inspect` once its own event loop
// runs; the window is closed afterwards, whatever happened inside `inspect`
// (a failed comparison returns from it early), so a test never hangs on a
// modal window.

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

class WindowWatcher : public QObject {
    Q_OBJECT
public:
    explicit WindowWatcher(const char* className, std::function<void(QWidget*)> inspect = {});
    ~WindowWatcher() override;

    int shown = 0;
    QPointer<QWidget> last;  // the window shown last, while it exists

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const char* m_className;
    std::function<void(QWidget*)> m_inspect;
};
