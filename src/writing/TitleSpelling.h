// SPDX-License-Identifier: MIT
#pragma once
// Spell checking as you type in a one-line field (the title). The underline
// is a display format given to the field as an input-method format, which
// never reaches the field's text, its undo history or its change signal. The
// word the caret touches is not marked while it is being typed.

#include "writing/MisspeltWord.h"

#include <QObject>
#include <optional>

class QLineEdit;
class QTimer;
class Speller;

class TitleSpelling : public QObject {
    Q_OBJECT
public:
    explicit TitleSpelling(QLineEdit* field, QObject* parent = nullptr);

    // The dictionary to check with; null: no checking, no marks.
    void SetSpeller(Speller* speller);
    // Checks the field again (the dictionary's answers changed).
    void Refresh();

    std::optional<MisspeltWord> MisspeltWordAt(int position) const;
    // The words marked now, in order.
    QStringList MarkedWords() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Check();

    QLineEdit* m_field;
    QTimer* m_check;
    Speller* m_speller = nullptr;
    QList<MisspeltWord> m_marked;
};
