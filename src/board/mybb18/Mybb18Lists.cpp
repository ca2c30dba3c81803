// SPDX-License-Identifier: MIT
// The MyBB 1.8 renderer's lists.
//
// The board numbers every [list] and its [/list] (a stack), then replaces
// "\s?\[list(=T)?&N\](.*?)(\[/list&N\]|$)\n?" for N from the last list to
// the first: inner and later lists first, an unclosed list running to the
// end of the text (less a last newline, which "\n?" takes). A list's items
// come from replacing "[^\S\n\r]*\[\*\]\s*" in its content. Written here
// from the inside out in the same order, each list as pieces of its own
// text and the lists inside it, so that nothing is copied twice however
// deep the lists nest; the characters the board's patterns take from a
// neighbouring list (the newline that starts an ordered list, the one that
// ends a list) are marked on that list and left out when the pieces are
// joined.
#include "board/mybb18/Mybb18Lists.h"

#include "board/mybb18/Mybb18Text.h"
#include "board/common/Ascii.h"
#include "board/common/Reserve.h"

#include <algorithm>
#include <vector>

namespace Mybb18::Passes {

namespace {

using Ascii::HasIgnoringCase;
constexpr size_t npos = std::string_view::npos;

struct ListTag {
    size_t at, end;
    bool open;
    char type;         // 0, '1', 'a', 'A', 'i' or 'I'
    int partner = -1;  // the closing tag of an opening one
};

struct Piece {
    std::string text;
    int list = -1;  // a list's number instead of text
};

struct ListHtml {
    std::vector<Piece> pieces;
    bool dropFirst = false, dropLast = false;
    // Whether the list's HTML starts with a newline still (an ordered list).
    bool StartsWithNewline(const std::vector<ListTag>& tags, size_t self) const
    {
        return tags[self].type != 0 && !dropFirst;
    }
};

bool IsHorizontalSpace(char c) { return c == ' ' || c == '\t' || c == '\x0B' || c == '\f'; }

// The list's HTML from its content's pieces.
void WriteList(std::vector<Piece> content, char type, size_t self, const std::vector<ListTag>& tags,
               std::vector<ListHtml>& lists)
{
    const bool hasItem = std::any_of(content.begin(), content.end(), [](const Piece& p) {
        return p.list < 0 && p.text.find("[*]") != std::string::npos;
    });
    if (!hasItem) {
        if (content.empty() || content.front().list >= 0)
            content.insert(content.begin(), Piece{});
        content.front().text.insert(0, "[*]");
    }
    ListHtml& html = lists[self];
    html.pieces.push_back(
        {type ? "\n<ol type=\"" + std::string(1, type) + "\" class=\"mycode_list\">" : "<ul class=\"mycode_list\">"});
    // Whether all before the first item is blank: then it is left out.
    bool beforeFirst = true, blank = true;
    std::string pending;  // text before the first item, kept until it is known to be blank or not
    for (size_t k = 0; k < content.size(); ++k) {
        Piece& piece = content[k];
        if (piece.list >= 0) {
            if (beforeFirst) {
                blank = false;
                html.pieces.push_back({"<li>" + pending});
                pending.clear();
                beforeFirst = false;
            }
            html.pieces.push_back(std::move(piece));
            continue;
        }
        const std::string_view s = piece.text;
        std::string out;
        size_t from = 0;
        for (size_t at = s.find("[*]"); at != npos; at = s.find("[*]", from)) {
            size_t start = at;
            while (start > from && IsHorizontalSpace(s[start - 1]))
                --start;
            if (beforeFirst) {
                pending.append(s, from, start - from);
                blank = blank && std::all_of(pending.begin(), pending.end(), Ascii::IsSpace);
                if (!blank)
                    out += "<li>" + pending + "</li>\n";
                out += "<li>";
                pending.clear();
                beforeFirst = false;
            } else {
                out.append(s, from, start - from);
                out += "</li>\n<li>";
            }
            from = at + 3;
            while (from < s.size() && Ascii::IsSpace(s[from]))
                ++from;
            // "\s*" runs on into an ordered list's first newline.
            if (from == s.size() && k + 1 < content.size() && content[k + 1].list >= 0) {
                ListHtml& next = lists[size_t(content[k + 1].list)];
                if (next.StartsWithNewline(tags, size_t(content[k + 1].list)))
                    next.dropFirst = true;
            }
        }
        if (beforeFirst)
            pending.append(s, from);
        else
            out.append(s, from);
        html.pieces.push_back({std::move(out)});
    }
    html.pieces.push_back({std::string("</li>\n") + (type ? "</ol>\n" : "</ul>\n")});
}

}  // namespace

bool Lists(std::string_view in, std::string& out)
{
    std::vector<ListTag> tags;
    std::vector<int> open;
    for (size_t at = Text::FindByte(in, 0, '['); at != npos; at = Text::FindByte(in, at + 1, '[')) {
        if (HasIgnoringCase(in, at, "[/list]")) {
            if (open.empty())
                continue;
            tags[size_t(open.back())].partner = int(tags.size());
            open.pop_back();
            tags.push_back({at, at + 7, false, 0});
        } else if (HasIgnoringCase(in, at, "[list]")) {
            open.push_back(int(tags.size()));
            tags.push_back({at, at + 6, true, 0});
        } else if (HasIgnoringCase(in, at, "[list=") && at + 7 < in.size() && in[at + 7] == ']'
                   && std::string_view("1aAiI").find(in[at + 6]) != npos) {
            open.push_back(int(tags.size()));
            tags.push_back({at, at + 8, true, in[at + 6]});
        }
    }
    if (tags.empty())
        return false;

    // The white space before an opening tag that its pattern takes, and the
    // first tag after each list.
    std::vector<size_t> start(tags.size()), spanEnd(tags.size()), nextTag(tags.size());
    for (size_t k = 0; k < tags.size(); ++k) {
        const size_t previousEnd = k > 0 ? tags[k - 1].end : 0;
        start[k] = tags[k].at;
        if (tags[k].open && tags[k].at > previousEnd && Ascii::IsSpace(in[tags[k].at - 1]))
            --start[k];
        nextTag[k] = tags[k].partner >= 0 ? size_t(tags[k].partner) + 1 : tags.size();
    }
    // The text from `from` to `to` as pieces, the lists opening in it (from
    // tag k on, each already written) as references.
    auto piecesOf = [&](size_t k, size_t from, size_t to) {
        std::vector<Piece> pieces;
        for (size_t j = k; j < tags.size() && tags[j].at < to;) {
            if (!tags[j].open) {
                ++j;
                continue;
            }
            pieces.push_back({std::string(in.substr(from, start[j] - from))});
            pieces.push_back({{}, int(j)});
            from = spanEnd[j];
            j = nextTag[j];
        }
        if (from < to)
            pieces.push_back({std::string(in.substr(from, to - from))});
        return pieces;
    };
    std::vector<ListHtml> lists(tags.size());
    for (size_t k = tags.size(); k-- > 0;) {
        if (!tags[k].open)
            continue;
        const bool closed = tags[k].partner >= 0;
        const size_t contentEnd = closed ? tags[size_t(tags[k].partner)].at : in.size();
        std::vector<Piece> content = piecesOf(k + 1, tags[k].end, contentEnd);
        if (!closed) {
            // "$" stops before a last newline: the text's own, or the one
            // that ends the last list in it.
            while (!content.empty() && content.back().list < 0 && content.back().text.empty())
                content.pop_back();
            if (!content.empty() && content.back().list >= 0)
                lists[size_t(content.back().list)].dropLast = true;
            else if (!content.empty() && content.back().text.back() == '\n')
                content.back().text.pop_back();
            WriteList(std::move(content), tags[k].type, k, tags, lists);
            spanEnd[k] = in.size();
            continue;
        }
        WriteList(std::move(content), tags[k].type, k, tags, lists);
        // The newline after the closing tag: the text's own, or the first
        // character of a list written right after.
        size_t after = contentEnd + 7;
        const size_t next = nextTag[k];
        if (next < tags.size() && tags[next].open && start[next] == after) {
            if (lists[next].StartsWithNewline(tags, next))
                lists[next].dropFirst = true;
        } else if (after < in.size() && in[after] == '\n') {
            ++after;
        }
        spanEnd[k] = after;
    }

    // The text outside lists copied as it is, each outermost list's pieces
    // joined, lists inside lists through a stack rather than recursion, as
    // they may nest very deep.
    bbcode::ReserveFor(out, in.size() + in.size() / 8);
    struct Frame {
        const ListHtml* list;
        size_t piece;
    };
    std::vector<Frame> stack;
    auto writeNested = [&] {
        while (!stack.empty()) {
            Frame& frame = stack.back();
            const ListHtml& list = *frame.list;
            if (frame.piece == list.pieces.size()) {
                stack.pop_back();
                continue;
            }
            const size_t index = frame.piece++;
            const Piece& piece = list.pieces[index];
            if (piece.list >= 0) {
                stack.push_back({&lists[size_t(piece.list)], 0});
                continue;
            }
            std::string_view text = piece.text;
            if (index == 0 && list.dropFirst && !text.empty())
                text.remove_prefix(1);
            if (index + 1 == list.pieces.size() && list.dropLast && !text.empty())
                text.remove_suffix(1);
            out += text;
        }
    };
    size_t from = 0;
    for (size_t j = 0; j < tags.size();) {
        if (!tags[j].open) {
            ++j;
            continue;
        }
        out.append(in, from, start[j] - from);
        from = spanEnd[j];
        stack.push_back({&lists[j], 0});
        j = nextTag[j];
        writeNested();
    }
    out.append(in, from);
    return true;
}

}  // namespace Mybb18::Passes
