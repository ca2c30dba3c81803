// SPDX-License-Identifier: MIT
#pragma once
// The main window's three composition assistants: the BBCode assistant and
// the quote manager shown modally by the tag buttons, the quote manager shown
// modeless from its own button, and the extra emoticons window.
//
// The modeless windows have no owner, so the user can keep working in the
// main window; they still work on its post, so they close when the main
// window goes.

#include "base/AppContext.h"
#include "board/BoardProfile.h"
#include "board/Boards.h"

#include <QPointer>
#include <QString>
#include <vector>

class BBCodeAssistant;
class MoreEmoticonsWindow;
class QuoteManager;
class PostDocument;
class QWidget;

class AssistWindows {
public:
    AssistWindows(const AppContext& context, PostDocument& post, QWidget* owner);
    ~AssistWindows();
    AssistWindows(const AssistWindows&) = delete;
    AssistWindows& operator=(const AssistWindows&) = delete;

    // The quote manager, modal over the owner, with `quotedText` (post text)
    // in its `quotedTextEdit`. When it is already open modeless it cannot be
    // made modal: it takes the text and comes forward instead.
    void OpenQuoteManager(const QString& quotedText);
    // The quote manager, modeless and ownerless; brought forward with its
    // fields kept when already open.
    void ShowQuoteManager();
    // The assistant, modal over the owner, building `command`.
    void OpenAssistant(const QString& command);
    // The extra emoticons window, modeless and ownerless; brought forward
    // when already open. It shows the board's own smilies when `smilies`
    // holds some, else the program's extra pictures.
    void ShowExtraEmoticons(const std::vector<BoardSmiley>& smilies);
    // The board of the chosen site, for the quote manager, open or not.
    void SetBoard(const Board& board);

private:
    static void BringForward(QWidget* window);

    AppContext m_context;
    PostDocument& m_post;
    QWidget* m_owner;
    const Board* m_board = &Boards::Classic();
    QPointer<BBCodeAssistant> m_assist;
    QPointer<QuoteManager> m_quote;
    QPointer<MoreEmoticonsWindow> m_emo;
};
