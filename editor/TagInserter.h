#pragma once
// The main window's tag commands: the ten tag buttons, the size and colour
// lists and the emoticon pictures. Each reads the selection of the post field,
// takes its text from the core (TagCommands) and replaces the selection
// through the post document, so every insertion is one undo step, leaves the
// caret after the inserted text and passes the changed-flag rule.

#include <string_view>

class frmPost;

class TagInserter {
public:
    explicit TagInserter(frmPost& window);

    // Tag button `index` (0 to 9). With assistance on, buttons 3 and 5 to 8
    // hand over to the window's quote manager or assistant and insert nothing.
    void ButtonClick(int index);
    // The item chosen in the size list or the colour list.
    void SizeChosen();
    void ColourChosen();
    // Emoticon picture `index` (0 to 19).
    void EmoticonClick(int index);

private:
    void Insert(std::string_view text);

    frmPost& m_window;
};
