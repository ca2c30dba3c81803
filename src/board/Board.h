// SPDX-License-Identifier: MIT
#pragma once
// Everything the program knows about one kind of board software, behind one
// object per kind: its names, how its pages are told apart, the BBCode its
// editor writes (sizes, emoticon codes, quote openings, tags in any letter
// case), how its index page lists its forums, where its posting pages are,
// and, for one site, how it renders and checks a post (BoardDialect). The
// kinds are listed in board/Boards.cpp; the rest of the program asks the
// object and never tests which kind it holds. Qt-free.

#include "board/classic/ForumScan.h"
#include "board/LivePreview.h"
#include "board/SizeScale.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct BoardProfile;
struct BoardSmiley;

// A tag of the board's own beside the program's tag buttons: one its
// software always has ("s", "align="), or one its posting page's buttons
// add (a custom tag such as "spoiler").
struct BoardTag {
    std::string name;     // "spoiler", or "spoiler=" when it takes a value
    std::string help;     // the button's tooltip, when the board gives one
    bool single = false;  // a tag that stands alone, without a closing tag ("hr")

    // The opening tag its button inserts, "[spoiler]" or "[spoiler=]".
    std::string Opening() const { return "[" + name + "]"; }
    // The closing tag, "[/spoiler]"; empty for a tag that stands alone.
    std::string Closing() const;
};

// The posting pages a board may have: phpBB's two new-topic modes
// (mode=post, the current one, and mode=newtopic, the older one) and the
// reply page.
enum class PostingMode { Post, NewTopic, Reply };

// What a site gives the renderers beyond its profile: where the pictures
// are. Filled in by board/SitePictures (which knows files and the cache).
struct SiteFacts {
    std::string address;        // the site's address as stored, ending in "/"; empty: none chosen
    std::string origin;         // its scheme, host and port ("https://example.org"); empty with it
    std::string pictureFolder;  // the program's folder holding emo/
    // The program's own picture of a board's default smiley, named by the
    // board's file name ("icon_e_biggrin.gif"), as a file address; empty
    // when the program has none.
    std::function<std::string(std::string_view file)> ownPicture;
    // The cached copy of a picture read from the board, as a file address;
    // empty until it was fetched.
    std::function<std::string(std::string_view address)> cachedPicture;

    // A board's default smilies (`Smiley` has a `picture`, a bare file
    // name) with the program's own picture of each face where it has one,
    // else the file in `folder` of the site (of the page, `folder` alone,
    // when no site is chosen).
    // The picture of a smiley read from the board: its cached copy once
    // fetched, else its address on the board.
    std::string Picture(const std::string& address) const
    {
        std::string cached = cachedPicture ? cachedPicture(address) : std::string();
        return cached.empty() ? address : cached;
    }

    // The smilies a renderer shows: `offered` (read from the board's
    // posting page, made by `make` from each with its picture), then those
    // of `defaults` whose code none of them has.
    template <class Smiley, class Offered, class Make>
    std::vector<Smiley> Offering(const std::vector<Offered>& offered, std::vector<Smiley> defaults,
                                 const Make& make) const
    {
        std::vector<Smiley> smilies;
        for (const Offered& own : offered)
            smilies.push_back(make(own, Picture(own.picture)));
        for (Smiley& smiley : defaults) {
            bool shown = false;
            for (const Offered& own : offered)
                shown = shown || own.code == smiley.code;
            if (!shown)
                smilies.push_back(std::move(smiley));
        }
        return smilies;
    }

    template <class Smiley>
    std::vector<Smiley> Pictured(std::vector<Smiley> smilies, std::string_view folder) const
    {
        for (Smiley& smiley : smilies) {
            std::string own = ownPicture ? ownPicture(smiley.picture) : std::string();
            smiley.picture = own.empty() ? address + std::string(folder) + smiley.picture : std::move(own);
        }
        return smilies;
    }
};

// What the board would do with a post: its own messages (which may hold
// "<br />"), and whether it would silently drop quotes nested deeper than
// `maxQuoteDepth`.
struct BoardVerdict {
    std::vector<std::string> errors;
    bool quotesRemoved = false;
    int maxQuoteDepth = 0;
};

// The renderer's HTML fragment for a post, and the messages with which the
// board would refuse the post itself (which may hold "<br />").
struct BoardRendering {
    std::string html;
    std::vector<std::string> refusals;
};

// How a board renders and checks posts for one site (its smilies, limits
// and addresses). Built by Board::DialectFor; shared with the live preview
// pane's thread, so every function is const and thread-safe.
class BoardDialect {
public:
    virtual ~BoardDialect() = default;
    // The board's HTML for `post` as its topic page shows it.
    virtual BoardRendering Render(std::string_view post) const = 0;
    // The preview window's page (base/PagePolicy.h keeps its scripts off).
    virtual std::string PreviewPage(std::string_view post) const = 0;
    // The live preview pane's page, loaded once, and the post rendered for
    // its container (board/LivePreview.h).
    virtual std::string LivePage() const = 0;
    virtual LivePreview::Rendered LivePost(std::string_view post) const = 0;
    // What the board would refuse in a post with `title` and `body` (as
    // the browser sends them), or drop from it; `reply` when it answers a
    // topic. Empty when the board takes it as it is.
    virtual BoardVerdict Check(bool reply, std::string_view title, std::string_view body) const = 0;
    // The length the board counts for `body` and the most it takes (0: no
    // limit); no value when the board shows no counter.
    struct Length {
        size_t length = 0;
        size_t most = 0;
    };
    virtual std::optional<Length> Count(std::string_view /*body*/) const { return std::nullopt; }
};

// A board's codes for the faces of the classic emoticons: the classic code
// and the board's, empty where the board has no such face.
struct FaceCode {
    std::string_view classic;
    std::string_view own;
};

// The board's code for the face of `classicCode` (blanks around it kept)
// from `faces`; the classic code itself when `faces` does not list it.
std::optional<std::string> CodeForFace(std::string_view classicCode, std::span<const FaceCode> faces);

class Board {
public:
    virtual ~Board() = default;

    // The name a user reads ("phpBB 3"); empty for the classic behaviour of
    // a site whose board is not known.
    virtual std::string_view Name() const = 0;
    // The name the settings keep ("phpbb3"); empty likewise.
    virtual std::string_view Key() const = 0;
    bool Known() const { return !Key().empty(); }
    // What only this kind writes into its pages (addresses, fields,
    // classes); Boards::FromPage counts them.
    virtual std::span<const std::string_view> PageMarkers() const = 0;

    // The value the Font size list's `item` (0 to 4, Tiny to Huge) writes
    // into [size=...].
    virtual std::string SizeValue(size_t item) const;
    // The phpBB scale this kind reads [size=N] in, when a post written for
    // the other phpBB generation is offered to be converted on Submit.
    virtual std::optional<SizeScale::Unit> ConvertsSizesTo() const { return std::nullopt; }
    // Whether its tags may be typed in any letter case ([B] as [b]).
    virtual bool TagsInAnyCase() const { return false; }
    // Whether its quotes and lists take attributes after a blank
    // ([quote author=Ann], [list type=decimal]).
    virtual bool TagsTakeAttributes() const { return false; }
    // What a main-window emoticon picture inserts, from its classic code
    // (" 8) ", blanks around it): this kind's own code for the same face,
    // with the same blanks; no value when this kind has no such face (the
    // picture is then not offered).
    virtual std::optional<std::string> EmoticonCode(std::string_view classicCode) const
    {
        return std::string(classicCode);
    }
    // Whether the smilies and tags read from its posting page replace the
    // program's own emoticons and add a board-tags menu.
    virtual bool OffersPostingPageSmilies() const { return false; }
    // The smilies its posting page (the body HTML as the browser serialises
    // it) offers, picture addresses as the page writes them; phpBB's smiley
    // box by default.
    virtual std::vector<BoardSmiley> PostingPageSmilies(std::string_view html) const;
    // The tags this kind always has beyond the program's tag buttons, which
    // the Board Tags menu offers.
    virtual std::span<const BoardTag> OwnTags() const { return {}; }
    // The name of the account logged in, as a page of this kind (the body
    // HTML as the browser serialises it) shows it; empty when the page
    // shows none (a guest's page, or a kind whose posts never need it).
    virtual std::string PosterName(std::string_view /*html*/) const { return {}; }
    // The opening of a quote of `poster` (not empty), written so this kind
    // reads the name back whole.
    virtual std::string QuoteOpening(std::string_view poster) const;
    // How this kind writes the opening tag the program writes as `[word]`
    // ("list=1", a numbered list; "list=a", "list=i", "list=" for the
    // assistant's numberings): "[word]" on the phpBB boards and MyBB.
    virtual std::string OpeningTag(std::string_view word) const { return "[" + std::string(word) + "]"; }

    // The forums and sub-forums its index page lists (the body HTML as the
    // browser serialises it), in page order.
    virtual ForumScan::Result ForumsOf(std::string_view page) const;

    // The posting pages to try, in order: a reply has one; a new topic
    // the `remembered` mode first when there is a choice.
    virtual std::vector<PostingMode> ModesToTry(bool reply, std::optional<PostingMode> remembered) const;
    // For a kind with one page per kind of post: that page.
    static std::vector<PostingMode> OnePagePerKind(bool reply)
    {
        return {reply ? PostingMode::Reply : PostingMode::Post};
    }
    // The posting page's address is the site's address, this text, the
    // topic's or forum's number and PostingAddressEnd.
    virtual std::string PostingAddressStart(PostingMode mode) const;
    virtual std::string_view PostingAddressEnd() const { return {}; }
    // The posting page for the forum or topic `number` (blanks around it
    // dropped, the rest percent-encoded) of the site at `siteAddress`.
    std::string PostingAddress(std::string_view siteAddress, PostingMode mode, std::string_view number) const;

    // How it renders and checks posts for a site with `profile` (its limits,
    // its smilies, the name of the account logged in there). With an empty
    // profile and site: as a board of this kind with its installer's
    // settings shows a post, its smilies under the board's own folders.
    virtual std::shared_ptr<const BoardDialect> DialectFor(const BoardProfile& profile, const SiteFacts& site) const;

protected:
    // The first text after the first `marker` in `html`: the tags right
    // after it skipped, up to the next tag, its references decoded and the
    // blanks around it dropped; empty when `marker` is missing.
    static std::string TextAfter(std::string_view html, std::string_view marker);
};
