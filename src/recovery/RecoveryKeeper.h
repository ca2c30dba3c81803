// SPDX-License-Identifier: MIT
#pragma once
// Keeps the main window's recovery copy: while the post has unsaved changes,
// a copy of its title, post and file name sits in the recovery folder
// (RecoverySlot), so a crash or a killed process loses nothing typed before
// the last pause.
//
// An edit only restarts one single-shot timer; the text is read and written
// when the timer fires, two seconds after the last edit (or, for a user who
// types without pausing, at the latest thirty seconds after the first edit
// that no copy holds yet). Nothing on the keystroke path copies or scans the
// post. The copy is removed when the post becomes unchanged (an open, a save,
// New) and when the close sequence ends the program; an end outside the close
// sequence leaves it for the next start.
//
// When the folder cannot be written, the editor carries on and says so once
// in the first panel of the status bar; after a later successful write a new
// failure is reported again.

#include "recovery/RecoverySlot.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

class PostDocument;
class QLabel;

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    struct Timing {
        // The pause after the last edit before the copy is written.
        std::chrono::milliseconds pause{2000};
        // The longest a copy waits after the first edit it does not hold,
        // for a user who types without pausing.
        std::chrono::milliseconds longestWait{30000};
    };

    // `messagePanel` shows a failure to write; the copy lives in `folder`.
    RecoveryKeeper(PostDocument& post, QLabel* messagePanel, const QString& folder = RecoverySlot::Folder(),
                   QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    // Inactive, no copy is kept (the old one is removed). Active by default.
    void SetActive(bool active);
    bool Active() const { return m_active; }

    // Takes effect from the next edit.
    void SetTiming(Timing timing) { m_timing = timing; }
    // True while a copy waits for the pause to end.
    bool Scheduled() const { return m_timer.isActive(); }

    QString CopyPath() const { return m_slot.CopyPath(); }
    // The copy of an earlier run last restored by TakeOver; empty when none.
    QString RestoredFrom() const { return m_restoredFrom; }
    // True when a copy of the post is written and not removed.
    bool HasCopy() const { return m_hasCopy; }

    // Writes the copy now when the post has unsaved changes, and removes it
    // when it has none. True when the copy on disk matches that state.
    bool WriteNow();
    // Removes the copy; the post has nothing left to recover.
    void Discard();

    // A copy left by an earlier run was restored into the post: this window's
    // own copy is written at once, and only then is the old one, still locked
    // by `left`, removed; if the write fails, it is kept for the next start.
    void TakeOver(RecoverySlot& left);

signals:
    void copyWritten(const QString& path);
    void copyFailed(const QString& reason);

private:
    void Schedule();
    void ReportFailure(const QString& reason);

    PostDocument& m_post;
    QLabel* m_messagePanel;
    RecoverySlot m_slot;
    QTimer m_timer;
    Timing m_timing;
    QElapsedTimer m_waiting;  // since the first edit that no copy holds
    bool m_active = true;
    bool m_hasCopy = false;
    QString m_restoredFrom;
    bool m_failureShown = false;
};
