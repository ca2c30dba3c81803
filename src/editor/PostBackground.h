// SPDX-License-Identifier: MIT
#pragma once
// The main window's background, painted in code: the window surface, the
// banner with the program's name and the house icon captioned Open forum, the
// rule under the heading and the light panel behind the emoticons. The
// words beside the controls are labels in the window's layout; the background
// gives them their colour. Under a dark palette the surface and the words take
// the palette's colours, so the controls on it stay readable.

#include <QFont>
#include <QList>
#include <QWidget>

class QLabel;
class QLayout;

class PostBackground : public QWidget {
    Q_OBJECT
public:
    explicit PostBackground(QWidget* parent = nullptr);

    // The fonts of the heading and of the words beside the controls.
    static QFont HeadingFont();
    static QFont LabelFont();

    // The heading, underlined by a rule across the window, and the words
    // beside the controls, whose colours the background sets.
    void SetWords(QLabel* heading, const QList<QLabel*>& words);
    // The emoticon pictures' layout; the panel is painted around it.
    void SetEmoticonPanel(QLayout* pictures);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ColourWords();

    QLabel* m_heading = nullptr;
    QList<QLabel*> m_words;
    QLayout* m_emoticons = nullptr;
};
