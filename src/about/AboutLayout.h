// SPDX-License-Identifier: MIT
#pragma once
// Where things stand in the about window's client area. The background
// picture paints its words at these places and the controls lie beside and
// over them, so both come from this one table.

#include <QRect>

namespace AboutLayout {

inline constexpr int ClientWidth = 381;
inline constexpr int ClientHeight = 317;

inline constexpr QRect Header{0, 0, 381, 30};  // the header band reading About
inline constexpr QRect HeaderWords{14, 0, 200, 30};
inline constexpr QRect ProgramName{20, 36, 340, 40};  // Quillforge, in large letters
inline constexpr QRect VersionText{24, 78, 200, 18};  // `versionLabel`
inline constexpr QRect Credits{24, 100, 340, 48};     // three painted credit lines, 16 pixels each
inline constexpr int CreditLineHeight = 16;

inline constexpr QRect FirstName{24, 156, 144, 22};    // `developersLabel`
inline constexpr QRect FirstMail{170, 156, 198, 22};   // `developersMail`
inline constexpr QRect SecondName{24, 182, 144, 22};   // `supportLabel`
inline constexpr QRect SecondMail{170, 182, 198, 22};  // `supportMail`
inline constexpr QRect WebAddress{24, 210, 338, 18};   // `webSiteLink`
inline constexpr QRect Legal{24, 230, 338, 32};        // `legalNotice`
inline constexpr QRect Graphics{24, 264, 338, 18};     // `graphicsCredit`

// The band along the bottom edge with the link-like words Close Window.
inline constexpr QRect BottomBand{0, 290, 381, 27};
inline constexpr QRect CloseArea{140, 292, 101, 23};  // the words; `closeHotSpot` lies over them

}  // namespace AboutLayout
