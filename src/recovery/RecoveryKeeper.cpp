// SPDX-License-Identifier: MIT
#include "recovery/RecoveryKeeper.h"

#include "base/Utf8.h"
#include "post/PostDocument.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include <algorithm>
#include <utility>

RecoveryKeeper::RecoveryKeeper(PostDocument& post, QLabel* messagePanel, const QString& folder, QObject* parent)
    : QObject(parent), m_post(post), m_messagePanel(messagePanel), m_slot(RecoverySlot::Fresh(folder))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::WriteNow);
    connect(&m_post, &PostDocument::edited, this, &RecoveryKeeper::Schedule);
    connect(&m_post, &PostDocument::unchanged, this, &RecoveryKeeper::Discard);
}

// The lock is released with the slot; the copy stays for the next start.
RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::SetActive(bool active)
{
    if (!active)
        Discard();
    m_active = active;
    if (active && m_post.IsChanged())
        Schedule();
}

// On the keystroke path: no text is read here.
void RecoveryKeeper::Schedule()
{
    if (!m_active)
        return;
    if (!m_waiting.isValid())
        m_waiting.start();
    const qint64 left = m_timing.longestWait.count() - m_waiting.elapsed();
    m_timer.start(static_cast<int>(std::clamp<qint64>(left, 0, m_timing.pause.count())));
}

bool RecoveryKeeper::WriteNow()
{
    m_timer.stop();
    m_waiting.invalidate();
    if (!m_active)
        return false;
    if (!m_post.IsChanged()) {
        Discard();
        return true;
    }
    const RecoveryFile::Copy copy{m_post.Title(), m_post.Post(), ToUtf8(m_post.FileName()),
                                  QDateTime::currentMSecsSinceEpoch()};
    QString error;
    if (!m_slot.Write(copy, &error)) {
        ReportFailure(error);
        return false;
    }
    m_hasCopy = true;
    m_failureShown = false;
    emit copyWritten(m_slot.CopyPath());
    return true;
}

void RecoveryKeeper::Discard()
{
    m_timer.stop();
    m_waiting.invalidate();
    if (!m_hasCopy && !m_slot.Locked())
        return;
    m_slot.Remove();
    m_hasCopy = false;
}

void RecoveryKeeper::TakeOver(RecoverySlot& left)
{
    m_restoredFrom = left.CopyPath();
    if (WriteNow())
        left.Remove();
    else
        left.Unlock();
}

void RecoveryKeeper::ReportFailure(const QString& reason)
{
    emit copyFailed(reason);
    if (std::exchange(m_failureShown, true))
        return;
    QString why = reason.trimmed();
    while (why.endsWith(QLatin1Char('.')))
        why.chop(1);
    m_messagePanel->setText(tr("No recovery copy of the post can be kept in \"%1\" (%2). "
                               "Save your post to keep it safe.")
                                .arg(QDir::toNativeSeparators(QFileInfo(m_slot.CopyPath()).path()), why));
}
