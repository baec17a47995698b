// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/topword/topword_rules.h"

#include <cstring>
#include <utility>

#include "scrabble/engine/stack_scoring.h"

namespace topword {

namespace {

scrabble::BoardLayout MakeLayout(int size)
{
    const int low = size / 2;
    std::vector<int> codes(std::size_t(size * size), 0);
    std::vector<scrabble::SquarePos> centre;
    for (int row = low; row <= low + 1; ++row)
        for (int col = low; col <= low + 1; ++col) {
            codes[std::size_t((row - 1) * size + col - 1)] = 1;
            centre.push_back({col, row});
        }
    return scrabble::BoardLayout(size, std::move(codes), std::move(centre));
}

scrabble::GameRules MakeRules(const scrabble::BoardLayout &layout)
{
    static const scrabble::StackScoring scoring(kBonusLetters, kBonusPoints, kAllTilesBonus, 7);
    scrabble::GameRules r;
    r.layout = &layout;
    r.tileSet = TopWordTileSet();
    r.scoring = &scoring;
    r.rackSize = 7;
    r.minFirstWord = 2;
    r.openingMinLength = 2;
    r.movesKeepRack = false;
    r.searchExchanges = false;
    r.oneTileDroppedInExchange = true;
    r.maxStackHeight = kMaxStackHeight;
    r.penaltyPerTile = kPenaltyPerTile;
    r.manualDrawOfTheLastTiles = true;
    r.squareText = &SquareText;
    return r;
}

} // namespace

bool IsBonusLetter(char letter)
{
    return letter != '\0' && std::strchr(kBonusLetters, letter) != nullptr;
}

const scrabble::BoardLayout &Layout(int size)
{
    static const scrabble::BoardLayout large = MakeLayout(kLargeBoard);
    static const scrabble::BoardLayout small = MakeLayout(kSmallBoard);
    return size == kSmallBoard ? small : large;
}

const scrabble::GameRules &Rules(int size)
{
    static const scrabble::GameRules large = MakeRules(Layout(kLargeBoard));
    static const scrabble::GameRules small = MakeRules(Layout(kSmallBoard));
    return size == kSmallBoard ? small : large;
}

int BoardSizeOf(const scrabble::GameRules &rules)
{
    return rules.layout->Size();
}

scrabble::TileSet TopWordTileSet()
{
    static const std::pair<char, int> counts[] = {
        {'E', 15}, {'S', 9}, {'A', 9}, {'I', 8}, {'R', 6},  {'N', 6}, {'T', 6}, {'O', 6}, {'L', 5},
        {'U', 6},  {'C', 2}, {'M', 3}, {'P', 2}, {'D', 3},  {'G', 2}, {'B', 2}, {'F', 2}, {'H', 2},
        {'Z', 1},  {'V', 2}, {'Q', 1}, {'Y', 1}, {'X', 11}, {'J', 1}, {'K', 1}, {'W', 1}};
    scrabble::TileSet set;
    for (const auto &[letter, count] : counts)
        set.letters.append(std::size_t(count), letter);
    return set;
}

std::string SquareText(const scrabble::BoardLayout &, int, int)
{
    return " ";
}

} // namespace topword
