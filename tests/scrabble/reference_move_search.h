// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plain move search kept beside the engine's as its yardstick: one trie
// walk from the root for every starting square of every line, the rack as a
// string, each cross-check looked up as a whole word for every letter tried,
// and the candidates sorted with CompareMoves. The starting squares of a
// line and the placements of the opening words are the engine's own
// (LineStarts, OpeningPlacements). Slow and simple; the engine's search must
// give exactly its candidates, in its order.
#include <string>
#include <vector>

#include "dictionary/dictionnaire_file.h"
#include "scrabble/engine/game_rules.h"
#include "scrabble/engine/move_search.h"

namespace scrabble_test {

class ReferenceMoveSearch {
public:
    // Reads the file that `dictionary` reads, through a mapping of its own.
    ReferenceMoveSearch(const TDictionnaire &dictionary, const scrabble::GameRules &rules);

    std::vector<scrabble::Tcoup> GenerateMoves(const scrabble::Grid &grid, const std::string &letters,
                                               const scrabble::SearchOptions &options) const;

private:
    std::vector<std::string> PlaceableWords(const std::string &letters, int maxTiles, int minLength,
                                            const std::string &pattern,
                                            const std::vector<std::string> &crossChecks) const;
    std::vector<std::string> StackableWords(const std::string &letters, int minLength,
                                            const std::string &pattern,
                                            const std::vector<std::string> &crossChecks,
                                            const std::vector<int> &heights) const;
    void LineMoves(const scrabble::Grid &grid, const std::string &letters, char dir,
                   const scrabble::SearchOptions &options, std::vector<scrabble::Tcoup> &out) const;
    void OpeningMoves(const scrabble::Grid &grid, const std::string &letters,
                      const scrabble::SearchOptions &options, std::vector<scrabble::Tcoup> &out) const;
    scrabble::Tcoup Candidate(const scrabble::Grid &grid, const std::string &word, char dir, int col, int row,
                              const scrabble::SearchOptions &options) const;

    mutable dictionnaire::DictionnaireFile file_;
    scrabble::GameRules rules_;
};

} // namespace scrabble_test
