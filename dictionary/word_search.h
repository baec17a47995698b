// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the word search tool: the criterion as typed becomes a pattern
// of letters and jokers, is checked, and is run as one of three searches.
#include <string>
#include <vector>

class TDictionnaire;

namespace word_search {

enum class Mode {
    StartingWith,  // "Mots commençants par"
    Anagrams,      // "Anagrammes de"
    ComposedWords, // "Mots composés avec les lettres"
};

// More jokers than this are refused: the searches grow too wide.
inline constexpr int kMaxJokers = 3;

struct Criterion {
    enum class Check {
        Ok,
        TooManyJokers, // "Pas plus de trois jokers SVP !"
        NoLetter,      // "Il faudrait au moins une lettre significative !"
    };
    std::string Pattern; // letters A-Z and '*' for the jokers
    int Jokers = 0;
    Check Verdict = Check::Ok;
};

// `typed` holds one byte per character typed (Latin-1, anything else as
// '?'). Surrounding blanks and control characters are trimmed; every other
// character that is not one of A-Z becomes a joker '*'. Lower-case letters
// are jokers too: the field shows what is typed in capitals.
Criterion NormalizeCriterion(const std::string &typed);

// Runs the search of `mode` on a pattern that passed NormalizeCriterion.
// Anagrams and composed words need at least two characters; with fewer the
// list is empty. Composed words are ordered by SortComposedWords.
std::vector<std::string> Search(const TDictionnaire &dictionary, Mode mode, const std::string &pattern);

// Longer words first; words of the same length in plain byte order, so a
// lower-case joker letter comes after every capital at the same position.
void SortComposedWords(std::vector<std::string> &words);

// The words as clipboard text: one per line, lines separated by CR LF.
std::string ClipboardText(const std::vector<std::string> &words);

} // namespace word_search
