#pragma once
// The main window's controls and menu items for tests, found by their object
// names (the names users' documentation knows): `Controls(window).txtPost`.
// Arrays follow the names `cmdBBcode_<i>`, `imgIcon_<i>` and
// `StatusPanel<n>`. A control that cannot be found stops the test at once.

#include "base/PictureBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <array>

struct PostControls {
    QLineEdit* txtTitle = nullptr;
    QPlainTextEdit* txtPost = nullptr;
    std::array<QPushButton*, 10> cmdBBcode{};
    QComboBox* cmbSize = nullptr;
    QComboBox* cmbColor = nullptr;
    std::array<PictureBox*, 20> imgIcon{};
    PictureBox* Label1 = nullptr;  // "View More Emoticons"
    QCheckBox* chkAssist = nullptr;
    QPushButton* cmdQuote = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdPost = nullptr;
    QRadioButton* OptNew = nullptr;
    QRadioButton* optReply = nullptr;
    QComboBox* cmbForum = nullptr;
    QLineEdit* txtPostNo = nullptr;
    PictureBox* Image1 = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QStatusBar* Status = nullptr;
    std::array<QLabel*, 4> StatusPanels{};  // help, document state, time, date

    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuCut = nullptr;
    QAction* mnuPaste = nullptr;
    QAction* mnuCopyClip = nullptr;
    QAction* mnuPreview = nullptr;
    QAction* mnuFont = nullptr;
    QAction* mnuCheckSpelling = nullptr;
    QMenu* mnuSpellingLanguage = nullptr;
    QAction* mnuHighlight = nullptr;
    QAction* mnuOptions = nullptr;
    QAction* mnuContact = nullptr;
    QAction* mnuAbout = nullptr;
};

// The controls of the main window `window`, in one pass over its children;
// the windows it owns (dialogs, the browser window) are not searched.
PostControls Controls(const QObject& window);
