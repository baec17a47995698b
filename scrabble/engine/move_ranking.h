// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ranking of search candidates and the computer players' choice by level.
#include <vector>

#include "scrabble/engine/grid.h"
#include "scrabble/engine/move.h"
#include "scrabble/engine/random.h"

namespace scrabble {

// Which game the candidates are for: the ranking keys, the Pass and Exchange
// candidates and the opening condition differ.
enum class Variant { Classic, Duplicate, Problem };

// Negative when a ranks before b, 0 when equal on every key.
//   classic:   score, word length, letter sum (all higher first);
//   Duplicate: score, openness, word length, letter sum;
//   problems:  score, word length.
// The letter sum adds the letter values of the game's tile set.
int CompareMoves(const Tcoup &a, const Tcoup &b, Variant variant = Variant::Classic,
                 int (*value)(char) = &LetterValue);
void SortCandidates(std::vector<Tcoup> &candidates, Variant variant, int (*value)(char) = &LetterValue);

// Openness of a word move: for each letter, the free squares of the
// perpendicular line on both sides of its square up to the first played tile
// or the edge.
int Openness(const Grid &grid, const Tcoup &move);

// Index of the candidate a computer of `level` (1 to 5) plays among `count`:
// a random one of the first 32, 16, 8, 4, or the best.
int PickComputerIndex(int level, int count, Random &random);

} // namespace scrabble
