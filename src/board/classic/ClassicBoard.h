// SPDX-License-Identifier: MIT
#pragma once
// The classic behaviour: a site whose board is not known yet, and phpBB 2,
// which reads the classic dialect (pixel sizes, the classic renderer's
// preview, posting.php with mode=post or mode=newtopic). Qt-free.

#include "board/Board.h"

// A site whose board is not known: the classic dialect, nothing converted.
class ClassicBoard final : public Board {
public:
    std::string_view Name() const override { return {}; }
    std::string_view Key() const override { return {}; }
    std::span<const std::string_view> PageMarkers() const override { return {}; }
};

// phpBB 2.0.
class Phpbb2Board final : public Board {
public:
    std::string_view Name() const override { return "phpBB 2"; }
    std::string_view Key() const override { return "phpbb2"; }
    std::span<const std::string_view> PageMarkers() const override;
    std::optional<SizeScale::Unit> ConvertsSizesTo() const override { return SizeScale::Unit::Pixels; }
};
