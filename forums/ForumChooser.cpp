#include "forums/ForumChooser.h"

#include "forums/ForumList.h"
#include "forums/ForumListFile.h"

#include <QComboBox>

ForumChooser::ForumChooser(const AppContext& context, QComboBox* list, QWidget* owner)
    : m_context(context), m_list(list), m_owner(owner)
{
}

bool ForumChooser::Reload()
{
    QStringList entries;
    switch (ForumListFile::Read(m_context, m_owner, &entries)) {
    case ForumListFile::Found::Unreadable:
        return false;
    case ForumListFile::Found::Missing:
        entries = QStringList{Placeholder};
        break;
    case ForumListFile::Found::Read:
        break;
    }
    m_list->clear();
    m_list->addItems(entries);
    if (m_list->count() == 0)
        return false;
    m_list->setCurrentIndex(0);
    return true;
}

std::optional<QString> ForumChooser::ChosenNumber() const
{
    const QString shown = m_list->currentText();
    if (m_list->count() == 0 || shown == Placeholder)
        return std::nullopt;
    return QString::fromStdString(ForumList::NumberOf(shown.toStdString()));
}
