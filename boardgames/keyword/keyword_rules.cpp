// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/keyword/keyword_rules.h"

#include <algorithm>

namespace keyword {

namespace {
bool IsColour(int colour)
{
    return colour >= kRed && colour <= kGreen;
}

int TilesIn(const std::string &rack)
{
    return int(std::count_if(rack.begin(), rack.end(), [](char c) { return c != ' '; }));
}

// "A B C ": each tile of the rack followed by a space.
std::string SpacedLetters(const std::string &rack)
{
    std::string letters;
    for (const char c : rack)
        if (c != ' ') {
            letters += c;
            letters += ' ';
        }
    return letters;
}
} // namespace

int SquarePoints(int kind, int colour)
{
    if (IsColour(colour) && kind == colour)
        return 10;
    if (IsColour(colour) && kind == colour + 10)
        return 50;
    if (kind > 10)
        return 25;
    return 5;
}

int ScoreMove(const scrabble::Grid &grid, const scrabble::BoardLayout &layout, int col, int row, char dir,
              const std::string &word, int colour)
{
    int score = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (!layout.Inside(col, row) || !grid.Inside(col, row))
            return 0;
        if (!grid.At(col, row).IsPlayed())
            score += SquarePoints(layout.Code(col, row), colour);
        col += scrabble::StepCol(dir);
        row += scrabble::StepRow(dir);
    }
    return score;
}

int TileValue(char)
{
    return kTileValue;
}

Scoring::Scoring()
{
    letterValue = &TileValue;
    bingoBonus = 0;
    crossWordsScore = false;
}

int Scoring::WordScore(const scrabble::Grid &grid, const scrabble::BoardLayout &layout, int col, int row,
                       char dir, const std::string &word, int player) const
{
    return ScoreMove(grid, layout, col, row, dir, word, player);
}

std::vector<scrabble::Tcoup> EndOfGameMoves(const std::vector<std::string> &racks)
{
    int tilesLeft = 0;
    for (const std::string &rack : racks)
        tilesLeft += TilesIn(rack);
    std::vector<scrabble::Tcoup> moves;
    for (std::size_t i = 0; i < racks.size(); ++i)
        if (TilesIn(racks[i]) == 0) {
            moves.push_back(scrabble::Tcoup::MakeBonus(int(i) + 1, kTileValue * tilesLeft + kGoingOutBonus));
            return moves;
        }
    for (std::size_t i = 0; i < racks.size(); ++i)
        moves.push_back(scrabble::Tcoup::MakePenalty(int(i) + 1, SpacedLetters(racks[i]),
                                                     -kTileValue * TilesIn(racks[i])));
    return moves;
}

std::size_t PickComputerIndex(const std::vector<scrabble::Tcoup> &candidates,
                              const std::vector<bool> &formsKey, int level, scrabble::Random &random)
{
    const std::size_t count = candidates.size();
    if (count == 0 || level >= 5)
        return 0;
    // Levels below 1 play as level 1.
    const int index = std::clamp(level, 1, 4) - 1;
    // How far the search for a key-forming candidate looks (0: everywhere)...
    static constexpr std::size_t kKeyWindow[4] = {0, 33, 17, 9};
    // ...and how far the random pick reaches without one.
    static constexpr std::size_t kRandomRange[4] = {32, 16, 8, 4};
    const std::size_t window = kKeyWindow[index] == 0 ? count : std::min(count, kKeyWindow[index]);
    const std::size_t range = std::min(count, kRandomRange[index]);
    for (std::size_t i = 0; i < window && i < formsKey.size(); ++i)
        if (formsKey[i])
            return i;
    return std::size_t(random.Below(int(range)));
}

} // namespace keyword
