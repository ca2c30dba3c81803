// SPDX-License-Identifier: MIT
#pragma once
// At start-up, before the main window shows: the posts that editors which did
// not close properly left in the recovery folder are offered back.
//
// Every copy whose owner no longer runs is offered, newest first, with a
// question naming its title and time. Yes puts its title, post and file name
// back into the window and leaves the post changed, so the user saves it
// deliberately; the window's own copy replaces the old one, and no further
// copy is offered in this run (the others stay for the next start). No
// removes that copy and goes on to the next. A damaged copy is never offered
// and never deleted: a message names it and it is renamed aside. A copy whose
// owner still runs is left alone.

#include "recovery/RecoverySlot.h"

#include <QString>

class Platform;
class PostDocument;
class QWidget;
class RecoveryKeeper;

namespace RecoveryOffer {

// The question for one copy ("Quillforge was not closed properly. Restore
// the post you were writing?"), with its title and its time.
QString QuestionFor(const RecoveryFile::Copy& copy);

// Where a restored copy goes and who asks: the window's post document, its
// recovery keeper, the platform's message boxes, owned by `owner`.
struct Target {
    PostDocument& post;
    RecoveryKeeper& keeper;
    Platform& platform;
    QWidget* owner = nullptr;
};

// Offers the copies in `folder`; true when one was restored into `target`.
bool Run(const Target& target, const QString& folder = RecoverySlot::Folder());

}  // namespace RecoveryOffer
