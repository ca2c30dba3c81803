#pragma once
// The main window's tag commands: the ten tag buttons, the size and colour
// lists and the emoticon pictures. Each reads the selection of the post field,
// takes its text from the core (TagCommands) and replaces the selection
// through the post document, so every insertion is one undo step, leaves the
// caret after the inserted text and passes the changed-flag rule.

#include <array>
#include <string_view>

struct BoardTag;
class MainWindow;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

class TagInserter {
public:
    // `window` gives the post document, the assistance switch and the
    // assistants; the buttons change their captions, the lists are read, the
    // post field takes the focus back.
    TagInserter(MainWindow& window, QPlainTextEdit* postField, const std::array<QPushButton*, 10>& buttons,
                QComboBox* sizes, QComboBox* colours);

    // Tag button `index` (0 to 9). With assistance on, buttons 3 and 5 to 8
    // hand over to the window's quote manager or assistant and insert nothing.
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

    MainWindow& m_window;
    QPlainTextEdit* m_postField;
    std::array<QPushButton*, 10> m_buttons;
    QComboBox* m_sizes;
    QComboBox* m_colours;
};
