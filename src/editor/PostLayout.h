// SPDX-License-Identifier: MIT
#pragma once
// Where things stand in the main window's central area at its first size and
// the default font. The window's layouts keep these places and gaps; the
// background paints the banner at its places.

#include <QRect>
#include <QSize>

namespace PostLayout {

inline constexpr int ClientWidth = 824;   // the window's client area at its first showing
inline constexpr int ClientHeight = 525;  // toolbar, central area and status bar

// The banner along the top, with the house icon and "Open forum" at its left.
inline constexpr QRect Banner{0, 0, 824, 58};
inline constexpr QRect HouseIcon{18, 5, 36, 30};
inline constexpr QRect OpenForumWords{4, 36, 64, 18};
inline constexpr QRect HotSpot{4, 3, 64, 52};  // `openForumHotSpot`: over the icon and its words
inline constexpr QRect AppNameWords{84, 4, 360, 36};
inline constexpr QRect TaglineWords{86, 37, 420, 18};

inline constexpr QRect Heading{14, 64, 300, 22};  // "Post a new topic"

// The left column: emoticons and the two lists.
inline constexpr QRect EmoticonsWords{16, 94, 150, 18};
inline constexpr int IconLeft = 26;
inline constexpr int IconTop = 116;
inline constexpr int IconColumnStep = 34;
inline constexpr int IconRowStep = 26;
inline constexpr int IconSize = 15;
inline constexpr QRect MoreEmoticons{16, 244, 150, 18};  // `moreEmoticonsLink`
inline constexpr QRect FontSizeWords{16, 272, 150, 18};
inline constexpr QRect SizeList{16, 290, 150, 24};
inline constexpr QRect FontColourWords{16, 322, 150, 18};
inline constexpr QRect ColourList{16, 340, 150, 24};
inline constexpr QRect AssistBox{16, 378, 160, 22};

// The right column: title, tag buttons, post body, commands and submission.
inline constexpr QRect SubjectWords{186, 93, 80, 20};
inline constexpr QRect TitleField{270, 90, 540, 26};
inline constexpr int TagRowTop = 122;
inline constexpr int TagRowLeft = 270;
inline constexpr int TagRowHeight = 26;
inline constexpr int TagRowGap = 6;
inline constexpr QRect MessageBodyWords{186, 156, 80, 40};
inline constexpr QRect PostField{270, 154, 540, 218};
inline constexpr QRect QuoteButton{270, 378, 120, 26};
inline constexpr QRect PreviewButton{398, 378, 100, 26};
inline constexpr QRect SubmitFrame{186, 408, 626, 54};
inline constexpr QRect NewTopicOption{270, 412, 160, 22};
inline constexpr QRect ForumChoice{432, 411, 262, 24};
// The characters the closed forum chooser holds at the default font; under a
// larger one it widens to hold as many.
inline constexpr int ForumChoiceCharacters = 26;
// The characters of a site name the site chooser shows closed.
inline constexpr int SiteChoiceCharacters = 12;
inline constexpr QRect ReplyOption{270, 437, 160, 22};
inline constexpr QRect TopicNumber{432, 436, 90, 22};
inline constexpr QRect SubmitButton{702, 411, 108, 48};
inline constexpr int BottomMargin = 3;  // below the submission frame

// The smallest the body becomes; the window's minimum size follows from it.
inline constexpr QSize BodyMinimum{320, 120};

inline QRect IconRect(int index)
{
    const int column = index % 4;
    const int row = index / 4;
    return {IconLeft + column * IconColumnStep, IconTop + row * IconRowStep, IconSize, IconSize};
}

}  // namespace PostLayout
