// SPDX-License-Identifier: MIT
#pragma once
// The clipboard and font commands of the main window: Copy, Cut, Paste, Copy
// post to clipboard and Font. They work on the post body only, whichever field
// has the keyboard focus; the title is never read or changed here.
//
// The clipboard carries plain text with this desktop's line breaks (LF), as
// the text fields' own copy and paste do; pasted text may hold any line breaks.
// Paste takes rich text (HTML) as BBCode, as the body field's own paste does.

#include <string>
#include <string_view>

class Platform;
class PostDocument;
class QWidget;

class EditCommands {
public:
    // `owner` owns the font dialog.
    EditCommands(PostDocument& post, Platform& platform, QWidget* owner);

    // Clipboard := the selection of the post (empty text when nothing is selected).
    void Copy();
    // Copy, then the selection is deleted.
    void Cut();
    // The selection := the clipboard's rich text as BBCode, else its text; a
    // clipboard without either deletes it. One undo step.
    void Paste();
    // The selection := the clipboard's plain text, whatever else it holds.
    void PastePlainText();
    // Clipboard := the whole post body.
    void CopyPost();
    // The font dialog, filled from the post field; a confirmed choice of face,
    // bold, italic, size and text colour is applied to the post field for this
    // run. Cancel changes nothing.
    void Font();

private:
    static void PutOnClipboard(std::string_view postText);
    void ReplaceSelection(const std::string& text);

    PostDocument& m_post;
    Platform& m_platform;
    QWidget* m_owner;
};
