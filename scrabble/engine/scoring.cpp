// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/scoring.h"

namespace scrabble {

const ScoringRules &ScoringRules::Classic()
{
    static const ScoringRules rules;
    return rules;
}

int ScoringRules::WordScore(const Grid &grid, const BoardLayout &layout, int col, int row, char dir,
                            const std::string &word, int) const
{
    int wordMultiplier = 1;
    int sum = 0;
    for (const char letter : word) {
        if (!layout.Inside(col, row) || !grid.Inside(col, row))
            return 0;
        const Square &square = grid.At(col, row);
        int value = letterValue(letter);
        if (square.HasTile() && square.joker && jokerTilesScoreZero)
            value = 0;
        int letterMultiplier = 1;
        if (!square.IsPlayed()) {
            switch (layout.At(col, row)) {
            case Premium::WordTriple:
                wordMultiplier *= 3;
                break;
            case Premium::WordDouble:
                wordMultiplier *= 2;
                break;
            case Premium::LetterTriple:
                letterMultiplier = 3;
                break;
            case Premium::LetterDouble:
                letterMultiplier = 2;
                break;
            case Premium::None:
                break;
            }
        }
        sum += value * letterMultiplier;
        col += StepCol(dir);
        row += StepRow(dir);
    }
    return sum * wordMultiplier;
}

int ScoreWord(const Grid &grid, const BoardLayout &layout, const ScoringRules &rules, int col, int row,
              char dir, const std::string &word)
{
    return rules.WordScore(grid, layout, col, row, dir, word, 0);
}

PlacementScore ScorePlacement(const Grid &grid, const BoardLayout &layout, const ScoringRules &rules, int col,
                              int row, char dir, const std::string &word, int player)
{
    PlacementScore result;
    bool crossWords = false;
    int c = col;
    int r = row;
    for (const char letter : word) {
        if (!grid.Inside(c, r))
            break;
        if (LaysTile(grid.At(c, r), letter)) {
            ++result.tilesPlaced;
            // A cross word needs a tile on one side across.
            const int dc = StepCol(Across(dir));
            const int dr = StepRow(Across(dir));
            if (rules.crossWordsScore && (grid.HasTile(c - dc, r - dr) || grid.HasTile(c + dc, r + dr))) {
                int sc = 0;
                int sr = 0;
                const std::string cross = CrossWord(grid, c, r, dir, letter, sc, sr);
                crossWords = true;
                result.score += rules.WordScore(grid, layout, sc, sr, Across(dir), cross, player);
            }
        }
        c += StepCol(dir);
        r += StepRow(dir);
    }
    if (word.size() >= 2 || !crossWords)
        result.score += rules.WordScore(grid, layout, col, row, dir, word, player);
    if (rules.bingoBonus != 0 && result.tilesPlaced == rules.bingoTiles)
        result.score += rules.bingoBonus;
    return result;
}

} // namespace scrabble
