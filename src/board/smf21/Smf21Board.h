// SPDX-License-Identifier: MIT
#pragma once
// SMF 2.1: sizes on its own scale, its own quote opening, boards linked as
// board=N.0, one posting action, and its own renderer and checks. Qt-free.

#include "board/Board.h"

class Smf21Board final : public Board {
public:
    std::string_view Name() const override { return "SMF 2.1"; }
    std::string_view Key() const override { return "smf21"; }
    std::span<const std::string_view> PageMarkers() const override;
    std::string SizeValue(size_t item) const override;
    std::optional<std::string> EmoticonCode(std::string_view classicCode) const override;
    bool OffersPostingPageSmilies() const override { return true; }
    std::vector<BoardSmiley> PostingPageSmilies(std::string_view html) const override;
    bool TagsTakeAttributes() const override { return true; }
    std::span<const BoardTag> OwnTags() const override;
    std::string PosterName(std::string_view html) const override;
    std::string QuoteOpening(std::string_view poster) const override;
    std::string OpeningTag(std::string_view word) const override;
    ForumScan::Result ForumsOf(std::string_view page) const override;
    std::vector<PostingMode> ModesToTry(bool reply, std::optional<PostingMode> remembered) const override;
    std::string PostingAddressStart(PostingMode mode) const override;
    // The start offset of the topic's or board's first page.
    std::string_view PostingAddressEnd() const override { return ".0"; }
    std::shared_ptr<const BoardDialect> DialectFor(const BoardProfile& profile, const SiteFacts& site) const override;
};
