// SPDX-License-Identifier: MIT
#include "editor/BodyZoom.h"

#include "base/Settings.h"
#include "browser/LivePreviewPane.h"
#include "browser/LivePreviewView.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QWheelEvent>

#include <algorithm>

BodyZoom::BodyZoom(QPlainTextEdit* body, LivePreviewPane* preview, Settings& settings, QWidget* window)
    : QObject(window), m_body(body), m_preview(preview), m_settings(settings), m_chosen(body->font())
{
    auto make = [window](const char* name, const QString& text, const QList<QKeySequence>& keys) {
        auto* item = new QAction(text, window);
        item->setObjectName(QLatin1String(name));
        item->setShortcuts(keys);
        window->addAction(item);
        return item;
    };
    m_in = make("zoomInAction", tr("Zoom &In"),
                {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    m_out = make("zoomOutAction", tr("Zoom &Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    m_actual = make("actualSizeAction", tr("&Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)});
    connect(m_in, &QAction::triggered, this, &BodyZoom::ZoomIn);
    connect(m_out, &QAction::triggered, this, &BodyZoom::ZoomOut);
    connect(m_actual, &QAction::triggered, this, &BodyZoom::ActualSize);
    // The pane's page is made when it is first shown, and may be made anew.
    connect(m_preview, &LivePreviewPane::updated, this, &BodyZoom::ApplyToPreview);
    m_viewport = m_body->viewport();
    m_viewport->installEventFilter(this);
    m_level = std::clamp(m_settings.zoom(), Smallest, Largest);
    Apply();
}

void BodyZoom::SetChosenFont(const QFont& font)
{
    m_chosen = font;
    Apply();
}

void BodyZoom::SetLevel(int level)
{
    level = std::clamp(level, Smallest, Largest);
    if (level == m_level)
        return;
    m_level = level;
    m_settings.setZoom(level);
    Apply();
}

void BodyZoom::Apply()
{
    QFont shown = m_chosen;
    if (m_chosen.pointSizeF() > 0)
        shown.setPointSizeF(m_chosen.pointSizeF() * Factor());
    else if (m_chosen.pixelSize() > 0)
        shown.setPixelSize(std::max(1, int(m_chosen.pixelSize() * Factor() + 0.5)));
    m_body->setFont(shown);
    m_in->setEnabled(m_level < Largest);
    m_out->setEnabled(m_level > Smallest);
    ApplyToPreview();
}

void BodyZoom::ApplyToPreview()
{
    // The page's view is a web view loaded with the web module: its zoom is
    // set through its property, without linking the web engine here.
    if (const LivePreviewView* page = m_preview->PageView())
        page->View()->setProperty("zoomFactor", Factor());
}

bool BodyZoom::eventFilter(QObject* watched, QEvent* event)
{
    // The viewport kept from the start: while the body is being destroyed
    // its events still arrive, and the body may no longer be asked.
    if (watched != m_viewport || event->type() != QEvent::Wheel)
        return false;
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    // One step per notch (120); a touchpad's small turns add up to one.
    m_wheel += wheel->angleDelta().y();
    while (m_wheel >= 120) {
        m_wheel -= 120;
        ZoomIn();
    }
    while (m_wheel <= -120) {
        m_wheel += 120;
        ZoomOut();
    }
    return true;
}
