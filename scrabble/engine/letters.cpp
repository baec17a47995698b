// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/letters.h"

#include <array>

namespace scrabble {

namespace {
constexpr std::array<int, 26> kValues = {1, 3, 3, 2, 1, 4, 2, 4, 1, 8,  10, 1,  2,
                                         1, 1, 3, 8, 1, 1, 1, 1, 4, 10, 10, 10, 10};
constexpr std::array<int, 26> kCounts = {9, 2, 2, 3, 15, 2, 2, 2, 8, 1, 1, 5, 3,
                                         6, 6, 2, 1, 6,  6, 6, 6, 2, 1, 1, 1, 1};
} // namespace

int LetterValue(char ch)
{
    return IsUpperLetter(ch) ? kValues[std::size_t(ch - 'A')] : 0;
}

std::string UpperCase(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = Upper(c);
    return result;
}

std::string Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

const TileSet &FrenchTileSet()
{
    static const TileSet set = [] {
        TileSet s;
        for (int i = 0; i < 26; ++i)
            s.letters.append(std::size_t(kCounts[std::size_t(i)]), char('A' + i));
        s.jokers = 2;
        return s;
    }();
    return set;
}

} // namespace scrabble
