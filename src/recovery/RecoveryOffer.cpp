// SPDX-License-Identifier: MIT
#include "recovery/RecoveryOffer.h"

#include "base/Platform.h"
#include "base/Utf8.h"
#include "post/PostDocument.h"
#include "recovery/RecoveryKeeper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>

#include <algorithm>
#include <vector>

namespace RecoveryOffer {

namespace {

constexpr qsizetype LongestTitleShown = 80;

// A copy whose owner has ended, locked by us while we decide about it.
struct LeftCopy {
    RecoverySlot slot;
    RecoveryFile::Copy copy;
};

void Tell(const Target& target, const QString& text)
{
    target.platform.MsgBox(target.owner, text, MsgButtons::OK, MsgIcon::Exclamation);
}

void ReportDamaged(const Target& target, RecoverySlot& slot)
{
    const QString path = QDir::toNativeSeparators(slot.CopyPath());
    const QString keptAs = slot.SetAside();
    const QString where = keptAs.isEmpty()
        ? QCoreApplication::translate("RecoveryOffer", "It was left where it is.")
        : QCoreApplication::translate("RecoveryOffer", "It was kept as \"%1\".").arg(QDir::toNativeSeparators(keptAs));
    Tell(target,
         QCoreApplication::translate("RecoveryOffer",
                                     "The recovery copy \"%1\" is damaged and cannot be restored.\r\n%2")
             .arg(path, where));
}

void ReportUnreadable(const Target& target, RecoverySlot& slot, const QString& reason)
{
    Tell(target,
         QCoreApplication::translate("RecoveryOffer", "The recovery copy \"%1\" cannot be read.\r\n%2")
             .arg(QDir::toNativeSeparators(slot.CopyPath()), reason));
    slot.Unlock();
}

// The copies in `folder` that no running editor owns, each locked, newest
// first; the damaged and unreadable ones are reported on the way.
std::vector<LeftCopy> CollectLeftCopies(const Target& target, const QString& folder)
{
    std::vector<LeftCopy> left;
    for (const QString& path : RecoverySlot::CopiesIn(folder)) {
        RecoverySlot slot(path);
        if (!slot.Lock())
            continue;  // its owner still runs
        RecoveryFile::Copy copy;
        QString error;
        switch (slot.Read(&copy, &error)) {
        case RecoverySlot::ReadResult::Read:
            left.push_back({std::move(slot), std::move(copy)});
            break;
        case RecoverySlot::ReadResult::Damaged:
            ReportDamaged(target, slot);
            break;
        case RecoverySlot::ReadResult::Unreadable:
            ReportUnreadable(target, slot, error);
            break;
        }
    }
    std::stable_sort(left.begin(), left.end(),
                     [](const LeftCopy& a, const LeftCopy& b) { return a.copy.savedAtMs > b.copy.savedAtMs; });
    return left;
}

void Restore(const Target& target, LeftCopy& left)
{
    PostDocument& post = target.post;
    post.SetTitle(left.copy.title);
    post.SetPost(left.copy.post);
    post.SetFileName(ToQString(left.copy.fileName));
    post.SetState(PostDocument::State::Changed);
    target.keeper.TakeOver(left.slot);
}

}  // namespace

QString QuestionFor(const RecoveryFile::Copy& copy)
{
    QString title = ToQString(copy.title);
    if (title.isEmpty())
        title = QCoreApplication::translate("RecoveryOffer", "(no title)");
    else if (title.size() > LongestTitleShown) {
        qsizetype cut = LongestTitleShown - 3;
        if (title.at(cut - 1).isHighSurrogate())
            --cut;
        title = title.left(cut) + QStringLiteral("...");
    }
    const QString time = QLocale().toString(QDateTime::fromMSecsSinceEpoch(copy.savedAtMs), QLocale::ShortFormat);
    return QCoreApplication::translate("RecoveryOffer",
                                       "Quillforge was not closed properly. Restore the post you "
                                       "were writing?\r\n\r\nTitle: %1\r\nWritten: %2")
        .arg(title, time);
}

bool Run(const Target& target, const QString& folder)
{
    RecoverySlot::ClearLeftovers(folder);
    std::vector<LeftCopy> left = CollectLeftCopies(target, folder);
    for (LeftCopy& one : left) {
        const MsgAnswer answer =
            target.platform.MsgBox(target.owner, QuestionFor(one.copy), MsgButtons::YesNo, MsgIcon::Question);
        if (answer == MsgAnswer::Yes) {
            // The copies not yet offered are unlocked as `left` goes, and
            // stay for the next start.
            Restore(target, one);
            return true;
        }
        one.slot.Remove();
    }
    return false;
}

}  // namespace RecoveryOffer
