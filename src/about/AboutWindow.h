// SPDX-License-Identifier: MIT
#pragma once
// The about window: the program's name and version, the credits and the
// makers' web address, which opens in the user's web browser. Created each
// time it is shown and discarded when closed.

#include "base/AppContext.h"

#include <QDialog>

class AboutBackground;
class PictureBox;
class QLabel;
class QLineEdit;

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // Creates the window with its caption and version text; not shown.
    explicit AboutWindow(const AppContext& context, QWidget* owner = nullptr);

    // Creates the window over `owner`, shows it modally and discards it once
    // the user has closed it.
    static void ShowModal(const AppContext& context, QWidget* owner);

    // The controls (their object names are the same).
    AboutBackground* background = nullptr;
    QLabel* versionLabel = nullptr;
    QLabel* developersLabel = nullptr;    // the first credited name
    QLineEdit* developersMail = nullptr;  // its e-mail address
    QLabel* supportLabel = nullptr;       // the second credited name
    QLineEdit* supportMail = nullptr;     // its e-mail address
    PictureBox* webSiteLink = nullptr;    // the makers' web address, as a link
    QLabel* legalNotice = nullptr;
    QLabel* graphicsCredit = nullptr;
    PictureBox* closeHotSpot = nullptr;  // over the words Close Window

public slots:
    // Opens the makers' web address in the user's web browser.
    void openWebSite();

private:
    void CreateControls();
    void LayOut();
    // The caption and the version text.
    void ShowVersion();

    AppContext m_context;
};
