// SPDX-License-Identifier: MIT
#pragma once
// The registry's board kinds by their settings key, for tests.

#include "board/Boards.h"

#include <QString>
#include <string_view>

// The kind kept under `key`; the classic behaviour for any other key ("").
inline const Board& KindOf(std::string_view key)
{
    const Board* board = Boards::Named(key);
    return board ? *board : Boards::Classic();
}
inline const Board& KindOf(const char* key) { return KindOf(std::string_view(key)); }
inline const Board& KindOf(const QString& key)
{
    const std::string utf8 = key.toStdString();
    return KindOf(std::string_view(utf8));
}
