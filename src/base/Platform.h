// SPDX-License-Identifier: MIT
#pragma once
// The platform seams: message boxes, the post-file dialogs, the font dialog and
// the shell's "open" of a web address. The program reaches them only through
// this interface; QtPlatform is the real one, tests install a scripted one.

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QWidget;

enum class MsgButtons { OK, YesNo, YesNoCancel };
enum class MsgIcon { Critical, Question, Exclamation, Information };
enum class MsgAnswer { OK, Yes, No, Cancel };

// What the font command offers: the face, bold, italic and size of the font,
// and the text colour.
struct FontChoice {
    QFont font;
    QColor color;
};

class Platform {
public:
    static inline const QString ProgramTitle = QStringLiteral("Quillforge");

    virtual ~Platform() = default;

    // A message box owned by `owner`; returns the button the user chose.
    virtual MsgAnswer MsgBox(QWidget* owner, const QString& text, MsgButtons buttons, MsgIcon icon,
                             const QString& title = ProgramTitle) = 0;

    // The post-file dialog, for opening and for saving: filter entries
    // "BBCode File" (*.bbc) and "All files", default suffix "bbc", starting
    // from the name last chosen in it. An empty result means cancelled. The
    // save dialog does not ask before replacing a file: its caller does.
    virtual QString GetOpenFileName(QWidget* owner) = 0;
    virtual QString GetSaveFileName(QWidget* owner) = 0;

    // The font dialog, filled from `initial`; no value when cancelled.
    virtual std::optional<FontChoice> ChooseFont(QWidget* owner, const FontChoice& initial) = 0;

    // Asks the desktop to open a web address in the user's browser. The outcome
    // is not examined.
    virtual void ShellOpen(QWidget* owner, const QString& address) = 0;
};

class QtPlatform : public Platform {
public:
    MsgAnswer MsgBox(QWidget* owner, const QString& text, MsgButtons buttons, MsgIcon icon,
                     const QString& title = ProgramTitle) override;
    QString GetOpenFileName(QWidget* owner) override;
    QString GetSaveFileName(QWidget* owner) override;
    std::optional<FontChoice> ChooseFont(QWidget* owner, const FontChoice& initial) override;
    void ShellOpen(QWidget* owner, const QString& address) override;

private:
    QString RunFileDialog(QWidget* owner, bool forSaving);
    QString m_lastChosenName;  // the dialog starts from the name last chosen in it
};
