// SPDX-License-Identifier: MIT
#pragma once
// phpBB 3.0 to 3.3: percentage sizes, tags in any letter case, its own
// smilies and tags read from its posting page, its forum rows marked by
// class, and its own renderer and checks. Qt-free.

#include "board/Board.h"

class Phpbb3Board final : public Board {
public:
    std::string_view Name() const override { return "phpBB 3"; }
    std::string_view Key() const override { return "phpbb3"; }
    std::span<const std::string_view> PageMarkers() const override;
    std::string SizeValue(size_t item) const override;
    std::optional<SizeScale::Unit> ConvertsSizesTo() const override { return SizeScale::Unit::Percent; }
    bool TagsInAnyCase() const override { return true; }
    std::optional<std::string> EmoticonCode(std::string_view classicCode) const override;
    bool OffersPostingPageSmilies() const override { return true; }
    ForumScan::Result ForumsOf(std::string_view page) const override;
    std::shared_ptr<const BoardDialect> DialectFor(const BoardProfile& profile, const SiteFacts& site) const override;
};
