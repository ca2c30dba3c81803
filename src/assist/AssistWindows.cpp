// SPDX-License-Identifier: MIT
#include "assist/AssistWindows.h"

#include "base/Utf8.h"
#include "assist/BBCodeAssistant.h"
#include "assist/MoreEmoticonsWindow.h"
#include "assist/QuoteManager.h"

AssistWindows::AssistWindows(const AppContext& context, PostDocument& post, QWidget* owner)
    : m_context(context), m_post(post), m_owner(owner)
{
}

AssistWindows::~AssistWindows()
{
    // The assistant is the owner's child and goes with it.
    delete m_quote.data();
    delete m_emo.data();
}

void AssistWindows::BringForward(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void AssistWindows::OpenQuoteManager(const QString& quotedText)
{
    if (m_quote) {
        m_quote->SetQuotedText(ToUtf8(quotedText));
        BringForward(m_quote);
        return;
    }
    m_quote = new QuoteManager(m_context, m_post, m_owner);
    m_quote->SetBoard(*m_board);
    m_quote->SetQuotedText(ToUtf8(quotedText));
    m_quote->exec();  // the window deletes itself when it closes
}

void AssistWindows::ShowQuoteManager()
{
    if (!m_quote) {
        m_quote = new QuoteManager(m_context, m_post);
        m_quote->SetBoard(*m_board);
    }
    BringForward(m_quote);
}

void AssistWindows::SetBoard(const Board& board)
{
    m_board = &board;
    if (m_quote)
        m_quote->SetBoard(board);
    if (m_assist)
        m_assist->SetBoard(board);
}

void AssistWindows::OpenAssistant(const QString& command)
{
    if (!m_assist)
        m_assist = new BBCodeAssistant(m_post, m_owner);
    m_assist->SetBoard(*m_board);
    m_assist->AssistCommand = command;
    m_assist->exec();
}

void AssistWindows::ShowExtraEmoticons(const std::vector<BoardSmiley>& smilies)
{
    if (!m_emo)
        m_emo = new MoreEmoticonsWindow(m_context, m_post, smilies);
    BringForward(m_emo);
}
