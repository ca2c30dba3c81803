// SPDX-License-Identifier: MIT
#pragma once
// View > Zoom In, Zoom Out and Actual Size (Ctrl+= or Ctrl++, Ctrl+-,
// Ctrl+0, and Ctrl with the wheel over the body): the text of the body and
// of the live preview grows or shrinks together, in steps of a tenth of the
// chosen size, from half to three times it. The font chosen for the body
// stays its font; the zoom only scales its size for showing, so the font
// dialog still shows and changes the chosen one. The level is kept in the
// settings and taken again at the next start.

#include <QFont>
#include <QObject>

class LivePreviewPane;
class QAction;
class QPlainTextEdit;
class QWidget;
class Settings;

class BodyZoom : public QObject {
    Q_OBJECT
public:
    static constexpr int Smallest = -5;  // half the size
    static constexpr int Largest = 20;   // three times the size

    // The items are made here, owned by `window`.
    BodyZoom(QPlainTextEdit* body, LivePreviewPane* preview, Settings& settings, QWidget* window);

    QAction* ZoomInItem() const { return m_in; }
    QAction* ZoomOutItem() const { return m_out; }
    QAction* ActualSizeItem() const { return m_actual; }

    void ZoomIn() { SetLevel(m_level + 1); }
    void ZoomOut() { SetLevel(m_level - 1); }
    void ActualSize() { SetLevel(0); }
    int Level() const { return m_level; }
    // How much larger than chosen the text is shown (1 at actual size).
    double Factor() const { return 1.0 + m_level / 10.0; }

    // The body's font as chosen, and a new choice, shown at the zoom.
    QFont ChosenFont() const { return m_chosen; }
    void SetChosenFont(const QFont& font);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetLevel(int level);
    void Apply();
    void ApplyToPreview();

    QPlainTextEdit* m_body;
    QObject* m_viewport = nullptr;  // the body's viewport, whose wheel turns zoom
    LivePreviewPane* m_preview;
    Settings& m_settings;
    QFont m_chosen;
    int m_level = 0;
    int m_wheel = 0;  // the wheel's turn not yet taken as a step
    QAction* m_in;
    QAction* m_out;
    QAction* m_actual;
};
