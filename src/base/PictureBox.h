// SPDX-License-Identifier: MIT
#pragma once
// A picture control that can be clicked: an emoticon, a banner, or (without a
// picture) a transparent click area over words painted in a background.

#include <QLabel>

class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Makes the control a click target: the hand-shaped pointer over it, and
    // the keyboard reaches it too (Tab gives it the focus, which it shows with
    // a focus frame; Space or Enter clicks it), since words painted in a
    // background are otherwise out of a keyboard user's reach.
    void SetHandCursor();

public slots:
    // What a click does: emits `clicked`.
    void click();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
