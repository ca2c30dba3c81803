#pragma once
// A picture control that can be clicked: an emoticon, a banner, or (without a
// picture) a transparent click area over words painted in a background.

#include <QLabel>

class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Shows the hand-shaped pointer over the control.
    void SetHandCursor();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
