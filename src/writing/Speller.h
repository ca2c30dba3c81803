// SPDX-License-Identifier: MIT
#pragma once
// The spelling dictionaries, through Enchant: the installed dictionaries by
// language tag, checking a word against the chosen one, suggestions, the
// user's personal word list (Enchant's own, kept between runs) and the words
// ignored for this run. Qt-free; words are UTF-8.
//
// Every answer is remembered per word until the language or the word lists
// change, so a word is looked up in the dictionary once however often it is
// checked.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct str_enchant_broker;
struct str_enchant_dict;

class Speller {
public:
    // Which installed dictionaries are offered; empty: all of them.
    using Filter = std::function<bool(std::string_view tag)>;

    explicit Speller(Filter offered = {});
    ~Speller();
    Speller(const Speller&) = delete;
    Speller& operator=(const Speller&) = delete;

    // The offered dictionaries' language tags ("en_US"), sorted, each once.
    const std::vector<std::string>& Languages() const { return m_languages; }
    // The language in use; empty when none is (no dictionary, or none chosen).
    const std::string& Language() const { return m_language; }
    // Uses the dictionary of `tag`; false, and nothing in use, when it is not offered.
    bool SetLanguage(std::string_view tag);

    // The language to use when the user has chosen none: the locale's own
    // ("en_GB" from "en_GB.UTF-8"), else its language alone ("de" for
    // "de_AT"), else a dictionary of that language, else the first English
    // one, else the first one; empty when there is no dictionary.
    static std::string DefaultLanguage(const std::vector<std::string>& languages, std::string_view localeName);

    // Whether the dictionary in use takes `word`; true when none is in use.
    bool IsCorrect(std::string_view word);
    // The answer remembered for `word`, without asking the dictionary.
    std::optional<bool> Known(std::string_view word) const;
    // Up to `most` replacements for `word`, best first.
    std::vector<std::string> Suggestions(std::string_view word, size_t most);
    // Adds `word` to the user's personal word list, for good.
    void AddToPersonal(std::string_view word);
    // Takes `word` as correct for the rest of this run.
    void IgnoreAll(std::string_view word);

private:
    str_enchant_broker* m_broker = nullptr;
    str_enchant_dict* m_dict = nullptr;
    std::vector<std::string> m_languages;
    std::string m_language;
    std::vector<std::string> m_ignored;  // kept to ignore them again when the language changes
    std::unordered_map<std::string, bool> m_answers;
};
