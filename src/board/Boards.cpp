// SPDX-License-Identifier: MIT
#include "board/Boards.h"

#include "board/classic/ClassicBoard.h"
#include "board/mybb18/Mybb18Board.h"
#include "board/phpbb3/Phpbb3Board.h"
#include "board/smf21/Smf21Board.h"

namespace Boards {

namespace {

constinit const ClassicBoard classic;
constinit const Phpbb3Board phpbb3;
constinit const Phpbb2Board phpbb2;
constinit const Mybb18Board mybb18;
constinit const Smf21Board smf21;

// The known kinds. A new kind brings its folder and one entry here.
const Board* const List[] = {&phpbb3, &phpbb2, &mybb18, &smf21};

}  // namespace

const Board& Classic() { return classic; }

std::span<const Board* const> Known() { return List; }

const Board* Named(std::string_view key)
{
    for (const Board* board : List)
        if (!key.empty() && key == board->Key())
            return board;
    return nullptr;
}

const Board* ReadingSizesIn(SizeScale::Unit unit)
{
    for (const Board* board : List)
        if (board->ConvertsSizesTo() == unit)
            return board;
    return nullptr;
}

const Board* FromPage(std::string_view html)
{
    // The kind with the most markers; none when two share the lead.
    const Board* best = nullptr;
    size_t most = 0;
    bool shared = false;
    for (const Board* board : List) {
        size_t found = 0;
        for (std::string_view marker : board->PageMarkers())
            if (html.find(marker) != std::string_view::npos)
                ++found;
        if (found > most) {
            best = board;
            most = found;
            shared = false;
        } else if (found == most && found > 0) {
            shared = true;
        }
    }
    return shared ? nullptr : best;
}

}  // namespace Boards
