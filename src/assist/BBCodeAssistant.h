// SPDX-License-Identifier: MIT
#pragma once
// The BBCode assistant: builds a link, an image, a plain list or a numbered
// list from the fields the user fills in, shows the result live in
// `outputText`, and on Agree puts it into the post in place of the selection.
//
// The main window keeps one assistant and shows it modally for each use,
// after setting `AssistCommand`. Every showing starts from the designed state
// of the controls and then runs `StartForCommand`; closing runs `ClearState`.

#include "board/Boards.h"

#include <QDialog>
#include <QString>
#include <array>
#include <string>

class DialogBackground;
class PictureBox;
class PostDocument;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class BBCodeAssistant : public QDialog {
    Q_OBJECT
public:
    BBCodeAssistant(PostDocument& post, QWidget* owner);
    // The chosen site's board, whose numbered lists the output writes (a
    // kind of the registry, which outlives this window).
    void SetBoard(const Board& board) { m_board = &board; }

    // Which construct is built: "url", "img", "list" or "list="; set before
    // showing, switched between "list" and "list=" by "Numbered:".
    QString AssistCommand;

    // The window state the output is built from (UTF-8, the fields' LF line
    // breaks); emptied when the window closes.
    std::string LinkName;    // a copy of `linkNameEdit`
    std::string LinkTarget;  // "=" + `linkAddressEdit`, or empty
    std::string ListBody;    // "  [*]" + item, for every item of `itemList`

    // Rebuilds `ListBody` from `itemList`, then runs `UpdateOutput`.
    void UpdateList();
    // Recomputes `outputText` from the state.
    void UpdateOutput();

    // The controls (their object names are the same).
    DialogBackground* background = nullptr;
    QGroupBox* linkPage = nullptr;
    QLabel* linkNameLabel = nullptr;
    QLineEdit* linkNameEdit = nullptr;
    QLabel* linkAddressLabel = nullptr;
    QLineEdit* linkAddressEdit = nullptr;
    QGroupBox* imagePage = nullptr;
    QLabel* imageAddressLabel = nullptr;
    QLineEdit* imageAddressEdit = nullptr;
    QGroupBox* listPage = nullptr;
    QLabel* listTitleLabel = nullptr;
    QLineEdit* listTitleEdit = nullptr;
    QLabel* itemLabel = nullptr;  // "add List item:"
    QPlainTextEdit* itemEdit = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* removeButton = nullptr;
    QListWidget* itemList = nullptr;
    QCheckBox* numberedBox = nullptr;  // "Numbered:"
    QFrame* numberingFrame = nullptr;
    // 1. 2. 3., a. b. c. and i. ii. iii. as elements 1 to 3; element 0 does not exist.
    std::array<QRadioButton*, 4> numberingOptions{};
    QLabel* outputLabel = nullptr;       // "Output:"
    QLabel* outputText = nullptr;        // the BBCode built
    PictureBox* agreeHotSpot = nullptr;  // over the painted word Agree
    PictureBox* closeHotSpot = nullptr;  // over the painted word Close

public slots:
    void linkNameEdited();
    void linkAddressEdited();
    void imageAddressEdited();
    void listTitleEdited();
    // "Numbered:" switches between a plain and a numbered list.
    void numberedToggled();
    void numberingChosen(int index);
    // Add >>: the item typed goes to the end of the list.
    void addItem();
    // Remove: the item chosen in the list goes.
    void removeItem();
    // Agree: the output replaces the post's selection, and the window closes.
    void agree();
    // Close: the window closes and the post stays as it was.
    void discard();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void LayOut();
    QGroupBox* CreatePage(const QString& name, const QString& caption);
    void ResetControls();
    void BringToFront(QGroupBox* page);
    void SetOutput(const QString& text);
    // The page and the fields for `AssistCommand`, filled from the post's selection.
    void StartForCommand();
    // Empties the window state when the window closes.
    void ClearState();
    // The output's tooltip shows it as text, even when it looks like markup.
    void ShowOutputTooltip();

    PostDocument& m_post;
    const Board* m_board = &Boards::Classic();
    bool m_loaded = false;  // StartForCommand has run for the current showing
};
