// SPDX-License-Identifier: MIT
#include "forums/ForumChooser.h"

#include "forums/ForumList.h"
#include "forums/ForumListFile.h"
#include "base/Look.h"
#include "base/Utf8.h"

#include <QComboBox>
#include <QCoreApplication>

ForumChooser::ForumChooser(const AppContext& context, QComboBox* list, QWidget* owner)
    : m_context(context), m_list(list), m_owner(owner)
{
}

bool ForumChooser::Reload(const QString& siteId)
{
    QStringList entries;
    switch (ForumListFile::Read(m_context, m_owner, &entries, siteId)) {
    case ForumListFile::Found::Unreadable:
        return false;
    case ForumListFile::Found::Missing:
        // The placeholder shows in the user's language and stays itself as the item's entry.
        m_list->clear();
        m_list->addItem(QCoreApplication::translate("ForumList", ForumList::Placeholder.data()), Placeholder);
        m_list->setCurrentIndex(0);
        Look::FitOpenList(m_list);
        return true;
    case ForumListFile::Found::Read:
        break;
    }
    m_list->clear();
    // The list shows the names readable; each item keeps its entry as the
    // file holds it, which gives the forum number.
    for (const QString& entry : entries)
        m_list->addItem(ToQString(ForumList::ShownText(ToUtf8(entry))), entry);
    Look::FitOpenList(m_list);
    if (m_list->count() == 0)
        return false;
    m_list->setCurrentIndex(0);
    return true;
}

std::optional<QString> ForumChooser::ChosenNumber() const
{
    const QString entry = m_list->currentData().toString();
    if (m_list->count() == 0 || m_list->currentIndex() < 0 || entry == Placeholder)
        return std::nullopt;
    return ToQString(ForumList::NumberOf(ToUtf8(entry)));
}

bool ForumChooser::Choose(const QString& number)
{
    for (int index = 0; index < m_list->count(); ++index) {
        const QString entry = m_list->itemData(index).toString();
        if (entry != Placeholder && ToQString(ForumList::NumberOf(ToUtf8(entry))) == number) {
            m_list->setCurrentIndex(index);
            return true;
        }
    }
    return false;
}
