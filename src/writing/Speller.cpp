// SPDX-License-Identifier: MIT
#include "writing/Speller.h"

#include <enchant.h>

#include <algorithm>

namespace {
std::string LanguageOf(std::string_view tag) { return std::string(tag.substr(0, tag.find_first_of("_-"))); }

// Enchant reports "en_US" and "en-US" alike; the program shows the first form.
std::string Normal(std::string_view tag)
{
    std::string normal(tag);
    std::replace(normal.begin(), normal.end(), '-', '_');
    return normal;
}
}  // namespace

Speller::Speller(Filter offered)
{
    m_broker = enchant_broker_init();
    if (!m_broker)
        return;
    struct Collect {
        const Filter* offered;
        std::vector<std::string>* languages;
    } collect{&offered, &m_languages};
    enchant_broker_list_dicts(
        m_broker,
        [](const char* tag, const char*, const char*, const char*, void* data) {
            auto* into = static_cast<Collect*>(data);
            const std::string normal = Normal(tag);
            if (!*into->offered || (*into->offered)(normal))
                into->languages->push_back(normal);
        },
        &collect);
    std::sort(m_languages.begin(), m_languages.end());
    m_languages.erase(std::unique(m_languages.begin(), m_languages.end()), m_languages.end());
}

Speller::~Speller()
{
    if (m_dict)
        enchant_broker_free_dict(m_broker, m_dict);
    if (m_broker)
        enchant_broker_free(m_broker);
}

bool Speller::SetLanguage(std::string_view tag)
{
    if (m_dict && tag == m_language)
        return true;
    if (m_dict)
        enchant_broker_free_dict(m_broker, m_dict);
    m_dict = nullptr;
    m_language.clear();
    m_answers.clear();
    const std::string wanted = Normal(tag);
    if (!m_broker || std::find(m_languages.begin(), m_languages.end(), wanted) == m_languages.end())
        return false;
    m_dict = enchant_broker_request_dict(m_broker, wanted.c_str());
    if (!m_dict)
        return false;
    m_language = wanted;
    for (const std::string& word : m_ignored)
        enchant_dict_add_to_session(m_dict, word.data(), static_cast<ssize_t>(word.size()));
    return true;
}

std::string Speller::DefaultLanguage(const std::vector<std::string>& languages, std::string_view localeName)
{
    if (languages.empty())
        return {};
    const std::string locale = Normal(localeName.substr(0, localeName.find_first_of(".@")));
    auto has = [&](const std::string& tag) {
        return std::find(languages.begin(), languages.end(), tag) != languages.end();
    };
    if (!locale.empty() && has(locale))
        return locale;
    const std::string language = LanguageOf(locale);
    if (!language.empty() && has(language))
        return language;
    for (const std::string& tag : languages)
        if (!language.empty() && LanguageOf(tag) == language)
            return tag;
    for (const std::string& tag : languages)
        if (LanguageOf(tag) == "en")
            return tag;
    return languages.front();
}

std::optional<bool> Speller::Known(std::string_view word) const
{
    if (!m_dict)
        return true;
    const auto found = m_answers.find(std::string(word));
    if (found == m_answers.end())
        return std::nullopt;
    return found->second;
}

bool Speller::IsCorrect(std::string_view word)
{
    if (!m_dict || word.empty())
        return true;
    std::string key(word);
    const auto found = m_answers.find(key);
    if (found != m_answers.end())
        return found->second;
    // 0: found; above 0: not found; below 0: the dictionary failed, which
    // must not put a mark under the user's word.
    const bool correct = enchant_dict_check(m_dict, key.data(), static_cast<ssize_t>(key.size())) <= 0;
    m_answers.emplace(std::move(key), correct);
    return correct;
}

std::vector<std::string> Speller::Suggestions(std::string_view word, size_t most)
{
    std::vector<std::string> result;
    if (!m_dict || word.empty())
        return result;
    size_t count = 0;
    char** list = enchant_dict_suggest(m_dict, word.data(), static_cast<ssize_t>(word.size()), &count);
    for (size_t i = 0; i < count && result.size() < most; ++i)
        result.emplace_back(list[i]);
    if (list)
        enchant_dict_free_string_list(m_dict, list);
    return result;
}

void Speller::AddToPersonal(std::string_view word)
{
    if (!m_dict || word.empty())
        return;
    enchant_dict_add(m_dict, word.data(), static_cast<ssize_t>(word.size()));
    m_answers[std::string(word)] = true;
}

void Speller::IgnoreAll(std::string_view word)
{
    if (word.empty())
        return;
    m_ignored.emplace_back(word);
    if (m_dict)
        enchant_dict_add_to_session(m_dict, word.data(), static_cast<ssize_t>(word.size()));
    m_answers[std::string(word)] = true;
}
