// SPDX-License-Identifier: MIT
#pragma once
// The main window's background picture, painted in code: the banner with the
// program's name and the house icon captioned Open forum, the heading Post a
// new topic, and the labels Subject, Message body, Emoticons, Font colour and
// Font size beside their controls.

#include <QWidget>

class PostBackground : public QWidget {
    Q_OBJECT
public:
    explicit PostBackground(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
