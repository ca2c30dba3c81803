// SPDX-License-Identifier: MIT
#pragma once
// The look of a post in the preview box of a MyBB 1.8 board's posting page
// in its default theme, as the preview page's style sheet: the box and its
// blue header, the post's text, quotes with their header line, code boxes,
// lists, links, sizes, smilies and pictures. Written for the classes and
// elements the MyBB 1.8 renderer writes; nothing is loaded from elsewhere
// (the theme's arrow picture for a quote's link is stood in for by a plain
// character). Qt-free.

#include <string_view>

namespace Mybb18Style {

inline constexpr std::string_view StyleSheet = R"css(
html, body { background: #fff; }
body { margin: 0; padding: 10px; color: #000; font-family: Tahoma, Verdana, Arial, Sans-Serif; font-size: 13px;
  line-height: 1.4; }
table.tborder { background: #fff; width: 100%; margin: auto; border: 1px solid #ccc; padding: 1px;
  border-radius: 6px; border-spacing: 0; }
.thead { background: #0066a2 linear-gradient(#0f7fc3, #0066a2); color: #fff; border-bottom: 1px solid #263c30;
  padding: 8px; border-radius: 6px 6px 0 0; }
.trow1 { background: #f5f5f5; border: 1px solid; border-color: #fff #ddd #ddd #fff; padding: 0; }
.post_content { padding: 9px 10px 5px 10px; }
.post_body { font-size: 14px; padding: 12px 0; overflow-wrap: break-word; }
a:link, a:visited { color: #0072BC; text-decoration: none; }
a:hover, a:active { color: #0072BC; text-decoration: underline; }
hr { background-color: #000; color: #000; height: 1px; border: 0; }
blockquote { border: 1px solid #ccc; margin: 0; background: #fff; padding: 10px; }
blockquote cite { font-weight: bold; border-bottom: 1px solid #ccc; font-style: normal; display: block;
  padding-bottom: 3px; margin: 0 0 10px 0; }
blockquote cite > span { float: right; font-weight: normal; font-size: 12px; color: #666; }
a.quick_jump { display: inline-block; width: 13px; height: 13px; vertical-align: middle; text-decoration: none; }
a.quick_jump::after { content: "\2192"; font-size: 11px; line-height: 13px; color: #0072BC; }
.codeblock { background: #fff; border: 1px solid #ccc; padding: 10px; }
.codeblock .title { border-bottom: 1px solid #ccc; font-weight: bold; padding-bottom: 3px; margin: 0 0 10px 0; }
.codeblock code { overflow: auto; height: auto; max-height: 200px; display: block;
  font-family: Monaco, Consolas, Courier, monospace; font-size: 13px; }
.smilie { vertical-align: middle; }
.scaleimages img { max-width: 100%; }
.clear { clear: both; }
iframe { max-width: 100%; border: 0; }
)css";

}  // namespace Mybb18Style
