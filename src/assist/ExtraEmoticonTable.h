// SPDX-License-Identifier: MIT
#pragma once
// The pictures of the extra emoticons window: the code each one inserts and
// its place and size in the window's client area. Qt-free.

#include <array>
#include <string_view>

namespace ExtraEmoticons {

struct Area {
    int left;
    int top;
    int width;
    int height;
};

struct Picture {
    std::string_view code;  // a click inserts a blank, this code and a blank
    Area area;              // in pixels, within the client area
};

// The window's fixed client area.
inline constexpr int ClientWidth = 382;
inline constexpr int ClientHeight = 318;

// The transparent click area over the painted Close Window label.
inline constexpr Area CloseWindowArea = {144, 292, 105, 25};

// The pictures by index 0 to 28. Each shows the emoticon table's picture for
// its code, which is drawn at exactly this size.
inline constexpr std::array<Picture, 29> Pictures = {{
    {":|", {10, 32, 15, 15}},           {":mrgreen:", {46, 32, 15, 15}},   {":party:", {268, 52, 112, 80}},
    {":heyes:", {88, 64, 19, 19}},      {":dizzy:", {186, 32, 15, 15}},    {":wpn:", {228, 31, 50, 16}},
    {":dontsee:", {44, 100, 19, 19}},   {":loser:", {88, 100, 19, 19}},    {":ooh:", {136, 100, 19, 19}},
    {":nana:", {308, 30, 19, 19}},      {":love:", {8, 100, 19, 19}},      {":thumb:", {78, 29, 38, 20}},
    {":crying:", {88, 144, 61, 50}},    {":bravo:", {4, 136, 66, 66}},     {":blessed:", {164, 147, 50, 45}},
    {":emotive:", {224, 144, 56, 46}},  {":jumpy:", {304, 146, 51, 46}},   {":pleased:", {92, 216, 60, 57}},
    {":disapprove:", {8, 216, 50, 50}}, {":patient:", {232, 220, 50, 45}}, {":sleep:", {160, 216, 60, 54}},
    {":thanks:", {284, 200, 70, 66}},   {":verysad:", {232, 64, 19, 19}},  {":sidesmile:", {184, 100, 19, 19}},
    {":rlaugh:", {184, 64, 19, 19}},    {":dont:", {44, 64, 19, 19}},      {":bad:", {8, 64, 19, 19}},
    {":scream:", {138, 32, 15, 15}},    {":proud:", {136, 64, 19, 19}},
}};

}  // namespace ExtraEmoticons
