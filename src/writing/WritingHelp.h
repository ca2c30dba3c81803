// SPDX-License-Identifier: MIT
#pragma once
// Writing help in the post editor: spell checking as you type in the title
// and the body, and BBCode highlighting in the body. It owns the Edit menu's
// items for them ("Check Spelling as You Type", the "Spelling Language"
// submenu, "Highlight BBCode"), keeps their choices in the user's settings,
// and builds the fields' context menus.
//
// Enchant is started half a second after the window is built, so the window
// shows as fast as without it. With no
// dictionary installed, the spelling items are disabled with a tooltip
// saying why, and nothing else changes.

#include "writing/Speller.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class BodyHighlighter;
class QAction;
class QActionGroup;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPoint;
class QWidget;
class Settings;
class TitleSpelling;

class WritingHelp : public QObject {
    Q_OBJECT
public:
    static constexpr int StartDelayMs = 500;
    static QString NoDictionaryText()
    {
        return tr("No spelling dictionary is installed (Debian's hunspell-en-us package is one)");
    }

    // `replaceInBody` replaces the body's text from `start` for `length`
    // characters with a word, as one step of its undo, as any edit of the
    // post does. `offered` picks which installed dictionaries are offered
    // (empty: all).
    WritingHelp(QPlainTextEdit* body, QLineEdit* title, Settings& settings,
                std::function<void(int start, int length, const QString& text)> replaceInBody, Speller::Filter offered,
                QWidget* parent);
    ~WritingHelp() override;

    QAction* CheckSpellingItem() const { return m_checkSpelling; }
    QMenu* LanguageMenu() const { return m_languages; }
    QAction* HighlightItem() const { return m_highlight; }

    // The context menus of the fields at `pos` (field coordinates): the
    // spelling items for a misspelt word there, above the field's usual
    // commands. The caller owns the menu.
    QMenu* BodyMenu(const QPoint& pos);
    QMenu* TitleMenu(const QPoint& pos);

    // Starts Enchant now if it has not started yet (the Edit menu's language
    // list and the context menus start it when they need it).
    void StartSpelling();
    BodyHighlighter& Body() const { return *m_body; }
    TitleSpelling& Title() const { return *m_title; }

private:
    void CheckSpellingToggled(bool checked);
    void HighlightToggled(bool checked);
    void LanguageChosen(const QString& tag);
    void FillLanguageMenu();
    void ApplySpelling();
    void AnswersChanged();
    QString LanguageName(const QString& tag) const;

    QPlainTextEdit* m_bodyField;
    QLineEdit* m_titleField;
    Settings& m_settings;
    std::function<void(int, int, const QString&)> m_replaceInBody;
    Speller::Filter m_offered;
    std::unique_ptr<Speller> m_speller;
    BodyHighlighter* m_body;
    TitleSpelling* m_title;
    QAction* m_checkSpelling;
    QMenu* m_languages;
    QActionGroup* m_languageGroup;
    QAction* m_highlight;
};
