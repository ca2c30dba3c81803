// SPDX-License-Identifier: MIT
#pragma once
// The main window's tag commands: the ten tag buttons, the size and colour
// lists, the emoticon pictures and the Board Tags menu. Each reads the
// selection of the body field, takes its text from the core (TagCommands) and
// replaces the selection through the post document, so every insertion is
// one undo step, leaves the caret after the inserted text and passes the
// change rule. With assistance on, the quote and list, image and link
// buttons open the assistant windows instead.

#include "board/Boards.h"
#include "board/BoardProfile.h"

#include <array>
#include <string_view>
#include <vector>

class AssistWindows;
class PostDocument;
class QAbstractButton;
class QComboBox;
class QPushButton;

class TagInserter {
public:
    // The buttons change their captions, the lists and the assistance switch
    // are read, the body field takes the focus back.
    TagInserter(PostDocument& post, AssistWindows& assistants, const QAbstractButton* assistance,
                const std::array<QPushButton*, 10>& buttons, QComboBox* sizes, QComboBox* colours);

    // The board of the site the post is for (a kind of the registry, which
    // outlives this): it gives the size values and the emoticon codes; its
    // own smilies, when its posting page gave some, are what the pictures
    // insert.
    void SetBoard(const Board& board, std::vector<BoardSmiley> smilies);

    // Tag button `index` (0 to 9). With assistance on, buttons 3 and 5 to 8
    // hand over to the quote manager or the assistant and insert nothing.
    void ButtonClick(int index);
    // The item chosen in the size list or the colour list.
    void SizeChosen();
    void ColourChosen();
    // Emoticon picture `index` (0 to 19): the board's own smiley of that
    // place when the site's posting page gave a list, else the program's.
    void EmoticonClick(int index);
    // A tag of the Board Tags menu around the selection; with nothing
    // selected the caret ends between its opening and closing tags.
    void BoardTagChosen(const BoardTag& tag);

private:
    void Insert(std::string_view text);

    PostDocument& m_post;
    AssistWindows& m_assistants;
    const QAbstractButton* m_assistance;
    std::array<QPushButton*, 10> m_buttons;
    QComboBox* m_sizes;
    QComboBox* m_colours;
    const Board* m_board = &Boards::Classic();
    std::vector<BoardSmiley> m_smilies;
};
