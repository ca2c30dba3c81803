// SPDX-License-Identifier: MIT
#pragma once
// MyBB 1.8: named sizes, its own quote opening, forums linked by fid, one
// page for a new thread and one for a reply, and its own renderer and
// checks. Qt-free.

#include "board/Board.h"

class Mybb18Board final : public Board {
public:
    std::string_view Name() const override { return "MyBB 1.8"; }
    std::string_view Key() const override { return "mybb18"; }
    std::span<const std::string_view> PageMarkers() const override;
    std::string SizeValue(size_t item) const override;
    std::optional<std::string> EmoticonCode(std::string_view classicCode) const override;
    bool OffersPostingPageSmilies() const override { return true; }
    std::vector<BoardSmiley> PostingPageSmilies(std::string_view html) const override;
    std::span<const BoardTag> OwnTags() const override;
    std::string PosterName(std::string_view html) const override;
    std::string QuoteOpening(std::string_view poster) const override;
    ForumScan::Result ForumsOf(std::string_view page) const override;
    std::vector<PostingMode> ModesToTry(bool reply, std::optional<PostingMode> remembered) const override;
    std::string PostingAddressStart(PostingMode mode) const override;
    std::shared_ptr<const BoardDialect> DialectFor(const BoardProfile& profile, const SiteFacts& site) const override;
};
