#pragma once
// Room for `needed` bytes in a buffer that the renderer's passes reuse one
// after the other: when it must grow it grows by half again, so the next
// pass, whose result is usually a little longer, does not move it again.
// Qt-free.

#include <string>

namespace Module2 {

inline void ReserveFor(std::string& buffer, size_t needed)
{
    if (needed > buffer.capacity())
        buffer.reserve(needed + needed / 2);
}

}  // namespace Module2
