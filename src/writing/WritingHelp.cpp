// SPDX-License-Identifier: MIT
#include "writing/WritingHelp.h"

#include "base/Settings.h"
#include "writing/BodyHighlighter.h"
#include "writing/SpellingMenu.h"
#include "writing/TitleSpelling.h"
#include "base/Utf8.h"

#include <QAction>
#include <QActionGroup>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>

#include <algorithm>

WritingHelp::WritingHelp(QPlainTextEdit* body, QLineEdit* title, Settings& settings,
                         std::function<void(int, int, const QString&)> replaceInBody, Speller::Filter offered,
                         QWidget* parent)
    : QObject(parent), m_bodyField(body), m_titleField(title), m_settings(settings),
      m_replaceInBody(std::move(replaceInBody)), m_offered(std::move(offered))
{
    m_body = new BodyHighlighter(body, this);
    m_title = new TitleSpelling(title, this);

    m_checkSpelling = new QAction(tr("Check &Spelling as You Type"), this);
    m_checkSpelling->setObjectName(QStringLiteral("checkSpellingAction"));
    m_checkSpelling->setCheckable(true);
    m_checkSpelling->setChecked(m_settings.checkSpelling());
    m_checkSpelling->setStatusTip(tr("Underline misspelt words in the title and the post as you type"));
    connect(m_checkSpelling, &QAction::triggered, this, &WritingHelp::CheckSpellingToggled);

    m_languages = new QMenu(tr("Spelling &Language"), parent);
    m_languages->setObjectName(QStringLiteral("spellingLanguageMenu"));
    m_languages->menuAction()->setObjectName(QStringLiteral("spellingLanguageItem"));
    m_languages->menuAction()->setStatusTip(tr("Choose the dictionary that spelling is checked with"));
    m_languages->setToolTipsVisible(true);
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusive(true);

    m_highlight = new QAction(tr("&Highlight BBCode"), this);
    m_highlight->setObjectName(QStringLiteral("highlightAction"));
    m_highlight->setCheckable(true);
    m_highlight->setChecked(m_settings.highlightBBCode());
    m_highlight->setStatusTip(
        tr("Colour tags, values, code, quotes and emoticons, and mark tags left open or closing nothing"));
    connect(m_highlight, &QAction::triggered, this, &WritingHelp::HighlightToggled);
    m_body->SetHighlighting(m_highlight->isChecked());

    // Until Enchant has started the spelling items wait, disabled. Loading a
    // dictionary takes some 100 ms of processor time: it waits until the
    // window has shown and painted, unless a menu needs it first.
    m_checkSpelling->setEnabled(false);
    m_languages->menuAction()->setEnabled(false);
    QTimer::singleShot(StartDelayMs, this, &WritingHelp::StartSpelling);
}

// The fields go before this object (they were made first); nothing here
// may touch them.
WritingHelp::~WritingHelp() = default;

void WritingHelp::StartSpelling()
{
    if (m_speller)
        return;
    m_speller = std::make_unique<Speller>(m_offered);
    const std::vector<std::string>& languages = m_speller->Languages();
    if (languages.empty()) {
        for (QAction* item : {m_checkSpelling, m_languages->menuAction()}) {
            item->setEnabled(false);
            item->setToolTip(NoDictionaryText());
        }
        return;
    }
    const std::string stored = ToUtf8(m_settings.spellingLanguage());
    if (stored.empty() || !m_speller->SetLanguage(stored))
        m_speller->SetLanguage(Speller::DefaultLanguage(languages, ToUtf8(QLocale().name())));
    FillLanguageMenu();
    m_checkSpelling->setEnabled(true);
    m_languages->menuAction()->setEnabled(true);
    ApplySpelling();
}

QString WritingHelp::LanguageName(const QString& tag) const
{
    const QLocale locale(tag);
    if (locale.language() == QLocale::C)
        return tag;
    QString name = QLocale::languageToString(locale.language());
    if (tag.contains(QLatin1Char('_')) || tag.contains(QLatin1Char('-')))
        name += QStringLiteral(" (%1)").arg(QLocale::territoryToString(locale.territory()));
    return name;
}

void WritingHelp::FillLanguageMenu()
{
    struct Entry {
        QString name, tag;
    };
    std::vector<Entry> entries;
    for (const std::string& tag : m_speller->Languages()) {
        const QString qtag = ToQString(tag);
        entries.push_back({LanguageName(qtag), qtag});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.name == b.name ? a.tag < b.tag : a.name.localeAwareCompare(b.name) < 0;
    });
    // Two dictionaries of one name (a tag Qt does not know) show their tags.
    for (size_t i = 0; i < entries.size(); ++i) {
        const bool twin = (i > 0 && entries[i - 1].name == entries[i].name)
            || (i + 1 < entries.size() && entries[i + 1].name == entries[i].name);
        auto* item = new QAction(
            twin ? QStringLiteral("%1 [%2]").arg(entries[i].name, entries[i].tag) : entries[i].name, m_languageGroup);
        item->setObjectName(QStringLiteral("languageAction_") + entries[i].tag);
        item->setData(entries[i].tag);
        item->setCheckable(true);
        item->setChecked(ToUtf8(entries[i].tag) == m_speller->Language());
        item->setStatusTip(tr("Check spelling in %1").arg(entries[i].name));
        connect(item, &QAction::triggered, this, [this, tag = entries[i].tag] { LanguageChosen(tag); });
        m_languages->addAction(item);
    }
}

void WritingHelp::ApplySpelling()
{
    Speller* speller =
        m_speller && !m_speller->Language().empty() && m_checkSpelling->isChecked() ? m_speller.get() : nullptr;
    m_body->SetSpeller(speller);
    m_title->SetSpeller(speller);
}

void WritingHelp::CheckSpellingToggled(bool checked)
{
    m_settings.setCheckSpelling(checked);
    ApplySpelling();
}

void WritingHelp::HighlightToggled(bool checked)
{
    m_settings.setHighlightBBCode(checked);
    m_body->SetHighlighting(checked);
}

void WritingHelp::LanguageChosen(const QString& tag)
{
    if (!m_speller->SetLanguage(ToUtf8(tag)))
        return;
    m_settings.setSpellingLanguage(tag);
    ApplySpelling();
}

void WritingHelp::AnswersChanged()
{
    m_body->Refresh();
    m_title->Refresh();
}

QMenu* WritingHelp::BodyMenu(const QPoint& pos)
{
    QMenu* menu = m_bodyField->createStandardContextMenu(pos);
    StartSpelling();
    if (const std::optional<MisspeltWord> word = m_body->MisspeltWordAt(m_bodyField->cursorForPosition(pos).position()))
        SpellingMenu::AddItems(
            menu, *word, *m_speller,
            [this](const MisspeltWord& w, const QString& text) { m_replaceInBody(w.start, w.length, text); },
            [this] { AnswersChanged(); });
    return menu;
}

QMenu* WritingHelp::TitleMenu(const QPoint& pos)
{
    QMenu* menu = m_titleField->createStandardContextMenu();
    StartSpelling();
    if (const std::optional<MisspeltWord> word = m_title->MisspeltWordAt(m_titleField->cursorPositionAt(pos)))
        SpellingMenu::AddItems(
            menu, *word, *m_speller,
            [this](const MisspeltWord& w, const QString& text) {
                m_titleField->setSelection(w.start, w.length);
                m_titleField->insert(text);
            },
            [this] { AnswersChanged(); });
    return menu;
}
