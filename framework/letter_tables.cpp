// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/letter_tables.h"

#include <array>

LetterTables LetterTables::Build()
{
    // Number of tiles of each letter A..Z in the French set.
    static constexpr std::array<int, 26> kCounts = {9, 2, 2, 3, 15, 2, 2, 2, 8, 1, 1, 5, 3,
                                                    6, 6, 2, 1, 6,  6, 6, 6, 2, 1, 1, 1, 1};
    LetterTables tables;
    for (int i = 0; i < 26; ++i)
        tables.LetterDistribution.append(std::size_t(kCounts[i]), char('A' + i));
    tables.Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    tables.Vowels = "AEIOUY";
    tables.Consonants = "BCDFGHJKLMNPQRSTVWXYZ";
    return tables;
}
