// SPDX-License-Identifier: MIT
#pragma once
// The quote manager: the user pastes another member's post into
// `quotedTextEdit`, names its poster in `posterEdit`, selects the part to quote
// and presses Quote; the quote block goes into the post right after the
// post's selection. The window stays open for more quotes; closing it
// discards its fields (the window deletes itself). It can be resized (the
// quoted text takes the room), and keeps its size and place between runs.

#include "board/Boards.h"
#include "base/AppContext.h"

#include <QDialog>

class DialogBackground;
class PictureBox;
class PostDocument;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

class QuoteManager : public QDialog {
    Q_OBJECT
public:
    // Without an owner the window is a modeless window of its own; with the
    // main window as owner it is shown modally.
    QuoteManager(const AppContext& context, PostDocument& post, QWidget* owner = nullptr);

    // The controls (their object names are the same).
    DialogBackground* background = nullptr;
    QLabel* posterLabel = nullptr;  // "Posted by:"
    QLineEdit* posterEdit = nullptr;
    QLabel* quotedTextLabel = nullptr;  // "Select the text you want to quote then press Quote"
    QPlainTextEdit* quotedTextEdit = nullptr;
    PictureBox* pasteHotSpot = nullptr;  // over the painted word Paste
    PictureBox* closeHotSpot = nullptr;  // over the painted word Close
    PictureBox* quoteHotSpot = nullptr;  // over the painted words Quote >>

    // `quotedTextEdit` as the opener fills it: post text, CR LF line breaks.
    void SetQuotedText(std::string_view postText);
    // The board of the chosen site, whose quote opening Quote writes (a
    // kind of the registry, which outlives this window).
    void SetBoard(const Board& board);

public slots:
    // Paste: the clipboard's text at the end of the quoted text.
    void pasteClipboard();
    void closeWindow();
    // Quote >>: the selected part of the quoted text (or, confirmed, all of
    // it) as a quote block after the post's selection.
    void quote();

protected:
    // Escape closes the window only while both fields are empty: what the
    // user typed or pasted is never dropped by a key.
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls();
    void LayOut();

    AppContext m_context;
    PostDocument& m_post;
    const Board* m_board = &Boards::Classic();
};
