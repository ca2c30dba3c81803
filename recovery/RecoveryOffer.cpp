#include "recovery/RecoveryOffer.h"

#include "base/Platform.h"
#include "post/PostDocument.h"
#include "recovery/RecoveryKeeper.h"
#include "editor/frmPost.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>

#include <algorithm>
#include <vector>

namespace RecoveryOffer {

namespace {

constexpr qsizetype LongestTitleShown = 80;

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A copy whose owner has ended, locked by us while we decide about it.
struct LeftCopy {
    RecoverySlot slot;
    RecoveryFile::Copy copy;
};

void Tell(frmPost& window, const QString& text)
{
    window.Context().platform->MsgBox(&window, text, MsgButtons::OK, MsgIcon::Exclamation);
}

void ReportDamaged(frmPost& window, RecoverySlot& slot)
{
    const QString path = QDir::toNativeSeparators(slot.CopyPath());
    const QString keptAs = slot.SetAside();
    const QString where = keptAs.isEmpty()
                              ? QStringLiteral("It was left where it is.")
                              : QStringLiteral("It was kept as \"%1\".").arg(QDir::toNativeSeparators(keptAs));
    Tell(window, QStringLiteral("The recovery copy \"%1\" is damaged and cannot be restored.\r\n%2").arg(path, where));
}

void ReportUnreadable(frmPost& window, RecoverySlot& slot, const QString& reason)
{
    Tell(window, QStringLiteral("The recovery copy \"%1\" cannot be read.\r\n%2")
                     .arg(QDir::toNativeSeparators(slot.CopyPath()), reason));
    slot.Unlock();
}

// The copies in `folder` that no running editor owns, each locked, newest
// first; the damaged and unreadable ones are reported on the way.
std::vector<LeftCopy> CollectLeftCopies(frmPost& window, const QString& folder)
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
            ReportDamaged(window, slot);
            break;
        case RecoverySlot::ReadResult::Unreadable:
            ReportUnreadable(window, slot, error);
            break;
        }
    }
    std::stable_sort(left.begin(), left.end(),
                     [](const LeftCopy& a, const LeftCopy& b) { return a.copy.savedAtMs > b.copy.savedAtMs; });
    return left;
}

void Restore(frmPost& window, LeftCopy& left)
{
    PostDocument& post = window.Post();
    post.SetTitle(left.copy.title);
    post.SetPost(left.copy.post);
    post.PostFileName = FromUtf8(left.copy.fileName);
    post.PostChanged = true;
    post.ShowState(PostDocument::ChangedText);
    window.Recovery().TakeOver(left.slot);
}

}  // namespace

QString QuestionFor(const RecoveryFile::Copy& copy)
{
    QString title = FromUtf8(copy.title);
    if (title.isEmpty())
        title = QStringLiteral("(no title)");
    else if (title.size() > LongestTitleShown) {
        qsizetype cut = LongestTitleShown - 3;
        if (title.at(cut - 1).isHighSurrogate())
            --cut;
        title = title.left(cut) + QStringLiteral("...");
    }
    const QString time =
        QLocale().toString(QDateTime::fromMSecsSinceEpoch(copy.savedAtMs), QLocale::ShortFormat);
    return Question + QStringLiteral("\r\n\r\nTitle: %1\r\nWritten: %2").arg(title, time);
}

bool Run(frmPost& window, const QString& folder)
{
    RecoverySlot::ClearLeftovers(folder);
    std::vector<LeftCopy> left = CollectLeftCopies(window, folder);
    for (LeftCopy& one : left) {
        const MsgAnswer answer =
            window.Context().platform->MsgBox(&window, QuestionFor(one.copy), MsgButtons::YesNo, MsgIcon::Question);
        if (answer == MsgAnswer::Yes) {
            // The copies not yet offered are unlocked as `left` goes, and
            // stay for the next start.
            Restore(window, one);
            return true;
        }
        one.slot.Remove();
    }
    return false;
}

}  // namespace RecoveryOffer
