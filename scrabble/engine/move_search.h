// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The move search: every legal word placement for a set of letters on a
// board, found by the dictionary's board query (every line at once; line by
// line on boards whose tiles stack), scored and ranked. Used by the computer players, the proposals list,
// Duplicate and the problem solver.
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

// A starting square of a line for the searches that walk each start on its
// own: from square `start` (1-based), the pattern of the squares a rack of
// `rackLength` tiles reaches (a played tile's capital, '*' for an empty
// square), their heights and the least length of a word that joins the
// board from there. LineStarts gives those of line `line` in direction dir
// from which a word can join the board, each square's cross-word constraint
// being in `checks` (empty for none).
struct LineStart {
    int start = 0;
    std::string pattern;
    std::vector<int> heights;
    int minLength = 0;
};
std::vector<LineStart> LineStarts(const Grid &grid, char dir, int line, int size, int rackLength,
                                  const std::vector<std::string> &checks);
// Puts back in a word found from `start` the letters of the played squares
// it keeps as they are on the board (a played joker in lower case).
void PutBackBoardLetters(const Grid &grid, char dir, int line, const LineStart &start, std::string &word);

// Where the opening words go, each placement once, in this order: from each
// of `starts` in its direction when there are any, else through each of the
// layout's starting squares, down then across, for each word and each of
// its letters on the square.
struct OpeningPlacement {
    std::size_t word; // index in the words
    char dir;
    int col;
    int row;
};
std::vector<OpeningPlacement> OpeningPlacements(const std::vector<std::string> &words,
                                                const BoardLayout &layout,
                                                const std::vector<GameRules::OpeningStart> &starts, int size);

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
    // The words of the lines of `dirs` ('V', 'H') found by one board query;
    // and on a board whose tiles stack, the words of each start of a line.
    void GenerateWordMoves(const Grid &grid, const std::string &letters, const std::string &dirs,
                           const SearchOptions &options, std::vector<Tcoup> &out) const;
    void GenerateStackedLineMoves(const Grid &grid, const std::string &letters, char dir,
                                  const SearchOptions &options, std::vector<Tcoup> &out) const;
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
