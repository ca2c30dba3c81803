// SPDX-License-Identifier: MIT
#pragma once
// The extra emoticons window: 29 pictures, each adding a blank, its emoticon
// code and a blank right after the post's selection. For a board whose
// posting page gave its own smilies, it shows all of those instead, in rows.
// It stays open for more insertions; Close Window or the system's close
// discards it (the window deletes itself).

#include "base/AppContext.h"
#include "board/BoardProfile.h"

#include <QWidget>
#include <array>
#include <vector>

class DialogBackground;
class PictureBox;
class PostDocument;

class MoreEmoticonsWindow : public QWidget {
    Q_OBJECT
public:
    MoreEmoticonsWindow(const AppContext& context, PostDocument& post, std::vector<BoardSmiley> boardSmilies = {},
                        QWidget* parent = nullptr);

    // The controls (their object names are the same).
    DialogBackground* background = nullptr;
    std::array<PictureBox*, 29> emoticonPictures{};  // the program's own pictures, by index
    std::vector<PictureBox*> boardPictures;          // the board's own smilies, in its order
    PictureBox* closeHotSpot = nullptr;              // over the painted words Close Window

public slots:
    // Picture `index`: its emoticon code after the post's selection.
    void insertEmoticon(int index);

private:
    void CreateControls();
    // The board's smilies in a scrolled grid, on a sheet the size of the pictures'.
    QWidget* CreateBoardPictures();

    AppContext m_context;
    PostDocument& m_post;
    std::vector<BoardSmiley> m_boardSmilies;
};
