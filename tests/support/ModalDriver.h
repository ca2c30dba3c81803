// SPDX-License-Identifier: MIT
#pragma once
// Drives modal windows from inside their own event loop, so a test can press
// a button that shows a window modally and still go on. While a driver lives,
// every modal window that is shown is handed to `drive` once its event loop
// runs; whatever `drive` leaves open is closed afterwards, so no modal loop
// outlives the test step.

#include <QObject>
#include <QPointer>
#include <functional>

class ModalDriver : public QObject {
    Q_OBJECT
public:
    using Drive = std::function<void(QWidget* window)>;

    // `drive` empty: every modal window is closed untouched.
    explicit ModalDriver(Drive drive = {});
    ~ModalDriver() override;

    // How many modal windows were driven.
    int Driven() const { return m_driven; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Run(QPointer<QWidget> window);

    Drive m_drive;
    int m_driven = 0;
};
