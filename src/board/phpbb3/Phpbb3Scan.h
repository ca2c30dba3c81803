// SPDX-License-Identifier: MIT
#pragma once
// The scanners of the phpBB 3 parser: each finds its tags over the whole
// cleaned text and adds them to the parser with their positions, in the
// board's order (BBCodes with their attributes, e-mail and web addresses,
// emoji, smilies, emoji short codes); the parser's tag processor then takes them in position
// order. Every scan moves forward: an unquoted value's end, a closing quote
// and a closing tag are found in indexes made once, on first use. Qt-free.

#include "board/phpbb3/Phpbb3Parser.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Phpbb3::Internal {

class Scanner {
public:
    // The scanner of `parser`'s text; the workspace lends its index buffers
    // for as long as the scanner lives.
    Scanner(Parser& parser, Workspace& workspace);
    ~Scanner();
    Scanner(const Scanner&) = delete;
    Scanner& operator=(const Scanner&) = delete;

    void ScanBBCodes();
    void ScanEmails();
    void ScanLinks();
    void ScanEmoji();
    void ScanSmilies();
    void ScanEmojiShortCodes();

private:
    size_t Next(char byte, size_t from) const;  // npos when there is none
    // One BBCode from `startPos` ("[" or "[/"), its name ending at `pos`.
    void ParseBBCode(size_t startPos, bool closing, Name name, std::string_view bbName, size_t pos);
    bool ParseAttributes(size_t& pos, std::string_view bbName, Attributes& attributes);
    bool ParseAttributeValue(size_t& pos, Attr name, Attributes& attributes);
    size_t NextValueStop(size_t pos);
    size_t NextClosingQuote(char quote, size_t after);
    size_t FindClosingBBCode(std::string_view key, size_t from);
    void AddLink(size_t pos, size_t end);

    void Exchange();

    Parser& m_parser;
    Workspace& m_workspace;
    const std::string_view m_text;
    const std::vector<Smiley>& m_smilies;
    Attributes& m_scratch;  // the parser's

    std::vector<size_t> m_brackets;  // every "[", found once
    std::vector<size_t> m_valueStops;
    bool m_haveValueStops = false;
    std::vector<size_t> m_quotes[2];
    bool m_haveQuotes = false;
    std::unordered_map<std::string, std::vector<size_t>> m_closingTags;
    std::string m_lastClosingKey;
    const std::vector<size_t>* m_lastClosing = nullptr;
    bool m_haveClosingTags = false;
};

}  // namespace Phpbb3::Internal
