// SPDX-License-Identifier: MIT
#pragma once
// The look of a post on a phpBB 3 board in its standard style, as the
// preview page's style sheet: the post box, its text, quotes, code boxes,
// lists, links, sizes, smilies and pictures. Written for the classes and
// elements the phpBB 3 renderer writes; nothing is loaded from elsewhere
// (the board's icon font is stood in for by plain characters). Qt-free.

#include <string_view>

namespace Phpbb3Style {

inline constexpr std::string_view StyleSheet = R"css(
html { background: #F5F7FA; }
body { margin: 0; padding: 10px; font-family: Verdana, Helvetica, Arial, sans-serif; font-size: 10px;
  color: #536482; background: #F5F7FA; }
.post { background: #E1EBF2; border-radius: 7px; padding: 5px 10px; margin-bottom: 4px; }
.postbody { color: #333333; }
.content { font-family: "Lucida Grande", "Trebuchet MS", Verdana, Helvetica, Arial, sans-serif;
  font-size: 13px; line-height: 1.4em; color: #333333; padding-bottom: 1px; overflow-x: auto;
  min-height: 3em; }
.content ol, .content ul { margin: 0.8em 0 0.9em 3em; padding: 0; }
.content li { list-style-type: inherit; }
.content ul ul, .content ol ol, .content ul ol, .content ol ul { margin-top: 0; margin-bottom: 0; }
.text-strong { font-weight: bold; }
.text-italics { font-style: italic; }
blockquote { background: #EBEADD; border: 1px solid #DBDBCE; font-size: 0.95em; margin: 1em 1px 1em 25px;
  padding: 5px; overflow: hidden; }
blockquote blockquote { background: #EFEED9; font-size: 1em; margin: 1em 1px 1em 15px; }
blockquote blockquote blockquote { background: #EBEADD; }
li blockquote { margin-left: 0; }
blockquote cite { display: block; font-style: normal; font-weight: bold; font-size: 0.9em; }
blockquote cite::before, .uncited::before { content: "\201C"; font-family: Georgia, "Times New Roman", serif;
  font-size: 14px; font-weight: bold; line-height: 1; margin-right: 5px; }
.uncited::before { display: block; }
blockquote cite span.responsive-hide { float: right; font-weight: normal; }
blockquote cite a { font-weight: bold; }
.icon.fa-arrow-circle-up { font-style: normal; }
.icon.fa-arrow-circle-up::before { content: "\2191"; display: inline-block; width: 11px; height: 11px;
  line-height: 11px; text-align: center; font-size: 9px; color: #FFFFFF; background: #105289; border-radius: 6px; }
.codebox { background: #FFFFFF; border: 1px solid #C9D2D8; margin: 1em 0 1.2em 0; padding: 3px;
  font-size: 1em; word-wrap: normal; }
blockquote .codebox { margin-left: 0; }
.codebox p { text-transform: uppercase; border-bottom: 1px solid #CCCCCC; margin-bottom: 3px; margin-top: 0;
  font-size: 0.8em; font-weight: bold; display: block; padding: 3px; }
.codebox pre { overflow: auto; max-height: 200px; margin: 0; }
.codebox code { color: #2E8B57; font: 0.9em Monaco, "Andale Mono", "Courier New", Courier, monospace;
  line-height: 1.3em; display: block; margin: 2px 0; padding: 5px 3px; white-space: pre; }
a { color: #105289; text-decoration: none; display: inline-block; }
a:hover { color: #D31141; text-decoration: underline; }
a.postlink { color: #368AD2; border-bottom: 1px solid #368AD2; padding-bottom: 0; text-decoration: none; }
a.postlink:visited { color: #5D8FBD; border-bottom-color: #5D8FBD; }
a.postlink:hover { background: #D0E4F6; color: #0D4473; text-decoration: none; }
.postimage { max-width: 100%; }
img.smilies { vertical-align: text-bottom; }
img.emoji { min-height: 18px; min-width: 18px; height: 1em; width: 1em; }
.inline-attachment { margin: 0; }
)css";

}  // namespace Phpbb3Style
