// SPDX-License-Identifier: MIT
#pragma once
// The look of a post on an SMF 2.1 board in its default theme (Curve2), as
// the preview page's style sheet: the post box, its text, quotes, code
// boxes, lists, links, sizes, smilies, pictures and videos. Written for the
// classes and elements the SMF 2.1 renderer writes; nothing is loaded from
// elsewhere. Qt-free.

#include <string_view>

namespace Smf21Style {

inline constexpr std::string_view StyleSheet = R"css(
html { background: #e9eef2; }
body { margin: 0; padding: 10px; font: 87.5%/150% "Segoe UI", "Helvetica Neue", "Nimbus Sans L", Arial,
  "Liberation Sans", sans-serif; color: #4d4d4d; background: #e9eef2; }
.windowbg { background: #f0f4f7; border: 1px solid #ddd; border-radius: 7px; padding: 12px 16px;
  box-shadow: 0 1px 2px #c2c2c2; color: #000; }
.inner { line-height: 1.4em; overflow: auto; word-wrap: break-word; min-height: 2em; }
a { color: #346; text-decoration: none; }
a:hover { text-decoration: underline; }
.bbc_link { border-bottom: 1px solid #a8b6cf; }
.bbc_link:hover { text-decoration: none; border-bottom: 1px solid #346; }
.mention { color: #a70; }
blockquote.bbc_standard_quote, blockquote.bbc_alternate_quote { font-size: 0.9em; color: #000;
  line-height: 1.4em; margin: 10px 0; padding: 8px 12px; overflow: auto; border: 1px solid #bfcbd6;
  border-left: 4px solid #6f8ead; border-radius: 4px; }
.bbc_standard_quote { background: #e9eef2; }
.bbc_alternate_quote { background: #f6f8fa; }
blockquote cite { display: block; border-bottom: 1px solid #aaa; font-size: 0.9em; margin-bottom: 3px;
  font-style: normal; color: #555; }
blockquote cite::before { color: #aaa; font-size: 22px; content: "\275D"; margin-right: 3px;
  vertical-align: middle; }
.codeheader { color: #666; font-size: 0.9em; padding: 0 2px; margin-top: 6px; }
.codeoperation { font-weight: normal; margin-left: 4px; }
.hidden { display: none; }
code.bbc_code { display: block; font-family: "dejavu sans mono", monaco, "lucida console", "courier new",
  monospace; font-size: 0.78rem; background: #fff; border: 1px solid #ccc; border-top: 2px solid #999;
  line-height: 1.5em; padding: 3px 1em; overflow: auto; white-space: nowrap; max-height: 25em; margin: 2px 0 8px; }
.phpcode { font-family: monospace; }
pre { font-family: "dejavu sans mono", monaco, "lucida console", "courier new", monospace; white-space: pre-wrap; }
.bbc_size { line-height: 1.4em; }
.bbc_color a { color: inherit; }
.bbc_img { border: 0; max-width: 100%; }
.bbc_table { font: inherit; color: inherit; border-collapse: collapse; }
.bbc_table td { font: inherit; color: inherit; vertical-align: top; padding: 2px 6px; }
.bbc_list { text-align: left; padding: 0 0 0 35px; list-style-type: inherit; }
.bbc_float { margin-bottom: 1em; }
.floatleft { float: left; }
.floatright { float: right; }
.bbc_float.floatleft { margin-right: 1em; clear: left; }
.bbc_float.floatright { margin-left: 1em; clear: right; }
.centertext { text-align: center; }
.lefttext { text-align: left; }
.righttext { text-align: right; }
.justifytext { text-align: justify; }
.meaction { color: #c00; }
.smiley { vertical-align: bottom; }
.bbc_time { font-style: italic; }
.videocontainer { max-width: 560px; width: 100%; }
.videocontainer > div { position: relative; padding-top: 56.25%; }
.videocontainer iframe { position: absolute; top: 0; left: 0; width: 100%; height: 100%; border: 0; }
hr { border: none; border-top: 1px solid #ccc; }
)css";

}  // namespace Smf21Style
