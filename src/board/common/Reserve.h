// SPDX-License-Identifier: MIT
#pragma once
// Room in the buffers that the renderer's passes reuse one after the other.
// Qt-free.

#include <string>

namespace bbcode {

// Room for exactly `needed` bytes, the contents kept. A string asked to
// grow by reserve() may take twice its old room; a new one takes what it is
// asked for.
inline void ReserveExactly(std::string& buffer, size_t needed)
{
    if (needed <= buffer.capacity())
        return;
    if (buffer.empty())
        std::string().swap(buffer);  // its old room is let go first, not held beside the new
    std::string grown;
    grown.reserve(needed);
    grown.append(buffer);
    buffer.swap(grown);
}

// Room for `needed` bytes: when the buffer must grow it grows by an eighth
// again, so the next pass, whose result is usually a little longer, and the
// next render of a post typed on a little do not move it again. More would
// be memory held for nothing by every render.
inline void ReserveFor(std::string& buffer, size_t needed)
{
    if (needed > buffer.capacity())
        ReserveExactly(buffer, needed + needed / 8);
}

}  // namespace bbcode
