// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The letter tables every game shares: the French tile set (without the two
// jokers), the alphabet, vowels and consonants (Y is both).
#include <string>

struct LetterTables {
    std::string LetterDistribution; // 100 letters, alphabetical, with repeats
    std::string Alphabet;
    std::string Vowels;
    std::string Consonants;

    static LetterTables Build();
};
