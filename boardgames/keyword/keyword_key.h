// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key word: a three-letter word drawn from a list of candidates and
// shown to every player; a move that forms it earns a bonus, after which a
// new one is drawn. With no candidates (a dictionary without three-letter
// words) no key word is shown and no move can form it.
#include <string>
#include <vector>

#include "scrabble/engine/board_layout.h"
#include "scrabble/engine/grid.h"
#include "scrabble/engine/move.h"
#include "scrabble/engine/random.h"

namespace keyword {

// A random index 0..count - 1 into the candidates; 0 when count is 0 or less.
int DrawKeyIndex(int count, scrabble::Random &random);

// The key word in upper case: candidates[index], or empty when the list is
// empty or the index lies outside it.
std::string CurrentKey(const std::vector<std::string> &candidates, int index);

// The key word when `move` forms it on the board `before` (the board as it
// was before the move), else empty: the move's word itself, then, letter by
// letter, the perpendicular word through each letter's square (the board's
// letters before it, the move's letter, the board's letters after it).
// Letters compare in upper case, so a joker's letter counts. An empty key,
// or a move that lays no word, gives empty.
std::string CheckKey(const scrabble::Grid &before, const scrabble::Tcoup &move, const std::string &key);

struct KeyedScore {
    int score = 0;
    std::string keyFormed; // the key word when the move formed it
};

// The whole score of `move` played by the owner of `colour` on `before`: a
// word scores ScoreMove plus kKeyBonus when it forms the key word (its
// perpendicular words add nothing); a penalty or bonus its signed points
// (kept in Row); a pass or exchange 0.
KeyedScore ScoreWithKey(const scrabble::Grid &before, const scrabble::BoardLayout &layout,
                        const scrabble::Tcoup &move, int colour, const std::string &key);

} // namespace keyword
