// SPDX-License-Identifier: MIT
#pragma once
// The main window's forum chooser `forumChooser`: its entries come from the forum
// list file, and its chosen entry gives the forum number a new topic is sent
// to. The main window's `ReloadForums` and `forumChosen` call this class.

#include "base/AppContext.h"
#include "forums/ForumList.h"
#include "base/Utf8.h"

#include <QString>
#include <optional>

class QComboBox;
class QWidget;

class ForumChooser {
public:
    static inline const QString Placeholder = ToQString(ForumList::Placeholder);

    // `owner` owns the messages about a file that cannot be read.
    ForumChooser(const AppContext& context, QComboBox* list, QWidget* owner);

    // Refills the list from the file: its entries in file order, shown with
    // their character references decoded, or only the placeholder when there
    // is no file. A file that cannot be read leaves
    // the list as it was, after a message. True when the first entry was
    // chosen, so the caller runs the selection handling. The open list is
    // made wide enough for the longest name.
    // The site `siteId`'s forum list file is read; the first site's when empty.
    bool Reload(const QString& siteId = QString());

    // The forum number of the chosen entry, as the file holds it; no value when the list is empty or
    // shows the placeholder, which leave the number as it was.
    std::optional<QString> ChosenNumber() const;

    // Chooses the entry of forum `number`; false when the list has none.
    bool Choose(const QString& number);

private:
    AppContext m_context;
    QComboBox* m_list;
    QWidget* m_owner;
};
