#include "writing/SpellingMenu.h"

#include "writing/Speller.h"

#include <QAction>
#include <QMenu>

void SpellingMenu::AddItems(QMenu* menu, const MisspeltWord& word, Speller& speller,
                            const std::function<void(const MisspeltWord&, const QString&)>& replace,
                            const std::function<void()>& changed)
{
    QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().first();
    const QByteArray utf8 = word.text.toUtf8();
    const std::string_view spelt(utf8.constData(), static_cast<size_t>(utf8.size()));
    QList<QAction*> items;
    for (const std::string& suggestion : speller.Suggestions(spelt, MostSuggestions)) {
        const QString text = QString::fromStdString(suggestion);
        auto* action = new QAction(text, menu);
        action->setObjectName(QStringLiteral("spellingSuggestion"));
        QFont font = action->font();
        font.setBold(true);
        action->setFont(font);
        QObject::connect(action, &QAction::triggered, menu, [replace, word, text] { replace(word, text); });
        items.append(action);
    }
    auto* add = new QAction(QStringLiteral("Add to Dictionary"), menu);
    add->setObjectName(QStringLiteral("spellingAdd"));
    QObject::connect(add, &QAction::triggered, menu, [&speller, changed, spelt = std::string(spelt)] {
        speller.AddToPersonal(spelt);
        changed();
    });
    auto* ignore = new QAction(QStringLiteral("Ignore All"), menu);
    ignore->setObjectName(QStringLiteral("spellingIgnore"));
    QObject::connect(ignore, &QAction::triggered, menu, [&speller, changed, spelt = std::string(spelt)] {
        speller.IgnoreAll(spelt);
        changed();
    });
    items.append({add, ignore});
    menu->insertActions(first, items);
    if (first)
        menu->insertSeparator(first);
}
