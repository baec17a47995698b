// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tcoup: one move of a Scrabble game (a word laid across or down, an
// exchange, a pass, or an end-of-game penalty or bonus). The same record is a
// search candidate, a played move in the history and a saved-game entry.
#include <string>

#include "scrabble/engine/board_layout.h"
#include "scrabble/engine/grid.h"
#include "scrabble/engine/scoring.h"

namespace savefile {
class TypedWriter;
class TypedReader;
} // namespace savefile

namespace scrabble {

enum MoveKind : char {
    Horizontal = 'H',
    Vertical = 'V',
    Exchange = 'E',
    Pass = 'P',
    Penalty = 'S',
    Bonus = 'B',
};

class Tcoup {
public:
    int Row = -1; // first letter; the signed points for a penalty or bonus
    int Col = -1;
    char Kind = Pass;
    std::string Word;
    int Player = 0;
    int Score = 0;
    int Reserved = 0;
    int MoveNumber = 0;
    std::string RackText;
    int Openness = 0;      // Duplicate ranking
    int TilesPlaced = 0;   // tiles a word move lays on the board
    std::string KeyFormed; // a game with a key word: the key this move formed

    Tcoup() = default;
    // A word laid across ('H') or down ('V') from (col, row), scored on `grid`.
    // side: who the scoring sees (a player's colour in some games); the
    // player when negative.
    static Tcoup Placement(int player, const std::string &word, char kind, int col, int row, const Grid &grid,
                           const BoardLayout &layout = BoardLayout::Classic(),
                           const ScoringRules &rules = ScoringRules::Classic(), int side = -1);
    static Tcoup MakeExchange(int player, const std::string &letters);
    static Tcoup MakePass(int player);
    // letters: the tiles left, each followed by a space (stored trimmed).
    static Tcoup MakePenalty(int player, const std::string &letters, int points);
    static Tcoup MakeBonus(int player, int points);

    bool IsPlacement() const { return Kind == Horizontal || Kind == Vertical; }
    // "H 8" or "8 H"; empty for other kinds.
    std::string Notation() const;
    // The line of the history, the proposals and the player panels, e.g.
    // "ABCDEFG  H 8 CAFE 18 pts." (code-page bytes).
    std::string Text() const;

    // Saved-game record; Duplicate's adds the openness after the score and
    // keeps one more rack character; withKey adds the key formed at the end.
    void Write(savefile::TypedWriter &out, bool withOpenness = false, bool withKey = false) const;
    static Tcoup Read(savefile::TypedReader &in, bool withOpenness = false, bool withKey = false);

    bool operator==(const Tcoup &) const = default;
};

// Sum of the face values of a word's characters (lower case counts 0).
int LetterSum(const std::string &word, int (*value)(char) = &LetterValue);

} // namespace scrabble
