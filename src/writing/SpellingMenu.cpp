// SPDX-License-Identifier: MIT
#include "writing/SpellingMenu.h"

#include "writing/Speller.h"
#include "base/Utf8.h"

#include <QCoreApplication>
#include <QAction>
#include <QMenu>

void SpellingMenu::AddItems(QMenu* menu, const MisspeltWord& word, Speller& speller,
                            const std::function<void(const MisspeltWord&, const QString&)>& replace,
                            const std::function<void()>& changed)
{
    QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().first();
    const std::string spelt = ToUtf8(word.text);
    QList<QAction*> items;
    for (const std::string& suggestion : speller.Suggestions(spelt, MostSuggestions)) {
        const QString text = ToQString(suggestion);
        auto* action = new QAction(text, menu);
        action->setObjectName(QStringLiteral("spellingSuggestion"));
        QFont font = action->font();
        font.setBold(true);
        action->setFont(font);
        QObject::connect(action, &QAction::triggered, menu, [replace, word, text] { replace(word, text); });
        items.append(action);
    }
    auto* add = new QAction(QCoreApplication::translate("SpellingMenu", "Add to Dictionary"), menu);
    add->setObjectName(QStringLiteral("spellingAdd"));
    QObject::connect(add, &QAction::triggered, menu, [&speller, changed, spelt] {
        speller.AddToPersonal(spelt);
        changed();
    });
    auto* ignore = new QAction(QCoreApplication::translate("SpellingMenu", "Ignore All"), menu);
    ignore->setObjectName(QStringLiteral("spellingIgnore"));
    QObject::connect(ignore, &QAction::triggered, menu, [&speller, changed, spelt] {
        speller.IgnoreAll(spelt);
        changed();
    });
    items.append({add, ignore});
    menu->insertActions(first, items);
    if (first)
        menu->insertSeparator(first);
}
