// SPDX-License-Identifier: MIT
#pragma once
// The main window's controls and menu items for tests, found by their object
// names: `Controls(window).bodyEdit`. Arrays follow the names `tagButton_<i>`
// and `emoticonPicture_<i>`. A control that cannot be found stops the test at
// once.

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
    QLineEdit* subjectEdit = nullptr;
    QPlainTextEdit* bodyEdit = nullptr;
    std::array<QPushButton*, 10> tagButtons{};
    QComboBox* sizeList = nullptr;
    QComboBox* colourList = nullptr;
    std::array<PictureBox*, 20> emoticonPictures{};
    PictureBox* moreEmoticonsLink = nullptr;  // "View More Emoticons"
    QCheckBox* assistanceBox = nullptr;
    QPushButton* quoteManagerButton = nullptr;
    QPushButton* previewButton = nullptr;
    QPushButton* submitButton = nullptr;
    QRadioButton* newTopicOption = nullptr;
    QRadioButton* replyOption = nullptr;
    QComboBox* forumChooser = nullptr;
    QLineEdit* topicNumberEdit = nullptr;
    PictureBox* openForumHotSpot = nullptr;
    QToolBar* toolBar = nullptr;
    QStatusBar* statusBar = nullptr;
    QLabel* helpPanel = nullptr;
    QLabel* statePanel = nullptr;  // whether the post has changed
    QLabel* timePanel = nullptr;
    QLabel* datePanel = nullptr;

    QAction* newPostAction = nullptr;
    QAction* openPostAction = nullptr;
    QAction* savePostAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* exitAction = nullptr;
    QAction* copyAction = nullptr;
    QAction* cutAction = nullptr;
    QAction* pasteAction = nullptr;
    QAction* copyPostAction = nullptr;
    QAction* previewAction = nullptr;
    QAction* fontAction = nullptr;
    QAction* checkSpellingAction = nullptr;
    QMenu* spellingLanguageMenu = nullptr;
    QAction* highlightAction = nullptr;
    QAction* optionsAction = nullptr;
    QAction* contactAction = nullptr;
    QAction* aboutAction = nullptr;
};

// The controls of the main window `window`, in one pass over its children;
// the windows it owns (dialogs, the browser window) are not searched.
PostControls Controls(const QObject& window);
