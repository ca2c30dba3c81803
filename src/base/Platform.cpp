// SPDX-License-Identifier: MIT
#include "base/Platform.h"

#include "base/FontColorDialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

MsgAnswer QtPlatform::MsgBox(QWidget* owner, const QString& text, MsgButtons buttons, MsgIcon icon,
                             const QString& title)
{
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (buttons) {
    case MsgButtons::OK:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Ok:
        return MsgAnswer::OK;
    default:
        break;
    }
    // The close box of a Yes/No/Cancel question counts as Cancel, of a Yes/No one as No.
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : buttons == MsgButtons::OK ? MsgAnswer::OK : MsgAnswer::Cancel;
}

QString QtPlatform::RunFileDialog(QWidget* owner, bool forSaving)
{
    QFileDialog dialog(owner);
    dialog.setNameFilters({QCoreApplication::translate("Platform", "BBCode File (*.bbc)"),
                           QCoreApplication::translate("Platform", "All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("bbc"));
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The caller asks before replacing a file, for the name it writes (which
    // may still gain the default suffix); the dialog asking as well would ask twice.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, forSaving);
    if (!m_lastChosenName.isEmpty())
        dialog.selectFile(m_lastChosenName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    m_lastChosenName = dialog.selectedFiles().constFirst();
    return m_lastChosenName;
}

QString QtPlatform::GetOpenFileName(QWidget* owner) { return RunFileDialog(owner, false); }

QString QtPlatform::GetSaveFileName(QWidget* owner) { return RunFileDialog(owner, true); }

std::optional<FontChoice> QtPlatform::ChooseFont(QWidget* owner, const FontChoice& initial)
{
    FontColorDialog dialog(owner);
    dialog.SetChoice(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

void QtPlatform::ShellOpen(QWidget* /*owner*/, const QString& address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}
