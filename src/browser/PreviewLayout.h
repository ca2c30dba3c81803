// SPDX-License-Identifier: MIT
#pragma once
// Where things stand in the browser window's client area. The background
// picture paints its header and its Close band at these places and the
// controls lie over them, so both come from this one table.

#include <QRect>

namespace PreviewLayout {

inline constexpr int ClientWidth = 760;
inline constexpr int ClientHeight = 541;

// The background picture is one column wider than the client area.
inline constexpr QRect Picture{0, 0, 761, 541};

// The header band: a small icon, then the words Preview post.
inline constexpr QRect Header{0, 0, 761, 32};
inline constexpr QRect HeaderIcon{14, 4, 22, 22};
// The words sit high in the band, where the banners cover them whole.
inline constexpr QRect HeaderWords{44, 0, 300, 21};

// The banners of the submission and contact modes, over the header's words.
inline constexpr QRect SendTopicBanner{44, 0, 120, 20};  // `sendTopicBanner`
inline constexpr QRect ContactUsBanner{44, 0, 104, 21};  // `contactUsBanner`

inline constexpr QRect Browser{8, 36, 745, 469};  // `pageView`

// The blue band along the bottom edge, with the word Close in its middle.
inline constexpr QRect BottomBand{0, 510, 761, 31};
inline constexpr QRect CloseArea{356, 516, 49, 25};  // the word Close; `closeHotSpot` lies over it

}  // namespace PreviewLayout
