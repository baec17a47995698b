// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The move search: every legal word placement for a set of letters on a
// board, found line by line with the dictionary's board-line query, scored
// and ranked. Used by the computer players, the proposals list, Duplicate
// and the problem solver.
#include <functional>
#include <string>
#include <vector>

#include "scrabble/engine/board_layout.h"
#include "scrabble/engine/game_rules.h"
#include "scrabble/engine/grid.h"
#include "scrabble/engine/move.h"
#include "scrabble/engine/move_ranking.h"
#include "scrabble/engine/scoring.h"

class TDictionnaire;

namespace scrabble {

struct SearchOptions {
    Variant variant = Variant::Classic;
    int maxTiles = 7;
    int player = 0;
    // Classic game: tiles in the bag (an Exchange candidate needs more than 6).
    int bagSize = 0;
    // The opening search (every placement through the starting square) runs
    // when true; the caller decides (classic: no move recorded yet or no
    // played tile; Duplicate and problems: no played tile).
    bool opening = false;
    // Asked before each line; true ends the search early (window closing).
    std::function<bool()> stop;
    // Who the scoring sees (a player's colour in some games); the player
    // when negative.
    int side = -1;
    // Called on each word candidate after its scoring (a game's own bonus).
    std::function<void(Tcoup &move, const Grid &grid)> adjust;
};

class MoveSearch {
public:
    MoveSearch(const TDictionnaire &dictionary, const BoardLayout &layout = BoardLayout::Classic(),
               const ScoringRules &rules = ScoringRules::Classic());
    // The board, the scoring and the opening of a game's rules.
    MoveSearch(const TDictionnaire &dictionary, const GameRules &rules);

    // All candidates for `letters` ('*' = joker) on the played tiles of
    // `grid`, ranked for the variant: a Pass first (classic and Duplicate),
    // an Exchange of the whole rack (classic, bag above 6), then every word.
    std::vector<Tcoup> GenerateMoves(const Grid &grid, const std::string &letters,
                                     const SearchOptions &options) const;

    // The two halves of the search: every word laid down ('V') or across
    // ('H') that touches a played tile; and the opening words through the
    // starting square. Candidates are appended unsorted.
    void GenerateLineMoves(const Grid &grid, const std::string &letters, char dir,
                           const SearchOptions &options, std::vector<Tcoup> &out) const;
    void GenerateOpeningMoves(const Grid &grid, const std::string &letters, const SearchOptions &options,
                              std::vector<Tcoup> &out) const;

private:
    Tcoup Candidate(const Grid &grid, const std::string &word, char dir, int col, int row,
                    const SearchOptions &options) const;

    const TDictionnaire &dictionary_;
    const BoardLayout &layout_;
    const ScoringRules &rules_;
    std::vector<GameRules::OpeningStart> openingStarts_;
    int openingMinLength_ = 2;
    int maxStackHeight_ = 1;
};

} // namespace scrabble
