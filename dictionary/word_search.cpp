// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/word_search.h"

#include <algorithm>

#include "dictionary/dictionnaire.h"

namespace word_search {

namespace {

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

Criterion NormalizeCriterion(const std::string &typed)
{
    const auto first = std::find_if_not(typed.begin(), typed.end(), IsBlankOrControl);
    const auto last = std::find_if_not(typed.rbegin(), typed.rend(), IsBlankOrControl).base();
    Criterion criterion;
    bool hasLetter = false;
    for (auto it = first; it < last; ++it) {
        if (*it >= 'A' && *it <= 'Z') {
            criterion.Pattern += *it;
            hasLetter = true;
        } else {
            criterion.Pattern += '*';
            ++criterion.Jokers;
        }
    }
    if (criterion.Jokers > kMaxJokers)
        criterion.Verdict = Criterion::Check::TooManyJokers;
    else if (!hasLetter)
        criterion.Verdict = Criterion::Check::NoLetter;
    return criterion;
}

std::vector<std::string> Search(const TDictionnaire &dictionary, Mode mode, const std::string &pattern)
{
    const int length = int(pattern.size());
    switch (mode) {
    case Mode::StartingWith:
        return dictionary.WordsStartingWith(pattern);
    case Mode::Anagrams:
        return length > 1 ? dictionary.Anagrams(pattern) : std::vector<std::string>{};
    case Mode::ComposedWords: {
        if (length <= 1)
            return {};
        // Every word of 2 to n letters spelt from the letters, on a line of n
        // free squares with no neighbouring letters.
        std::vector<std::string> words =
            dictionary.PlaceableWords(pattern, 0, 2, length, std::string(std::size_t(length), '*'),
                                      std::vector<std::string>(std::size_t(length) + 1));
        SortComposedWords(words);
        return words;
    }
    }
    return {};
}

void SortComposedWords(std::vector<std::string> &words)
{
    std::stable_sort(words.begin(), words.end(), [](const std::string &a, const std::string &b) {
        if (a.size() != b.size())
            return a.size() > b.size();
        return a < b;
    });
}

std::string ClipboardText(const std::vector<std::string> &words)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += words[i];
    }
    return text;
}

} // namespace word_search
