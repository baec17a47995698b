// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What sets one board game apart from another: its board (side, square
// codes, starting squares), its letter set and values, the rack, whether
// tiles may be exchanged, how words score, the first word's length, how a
// square is named in the status bar and the saved records of its tiles and
// moves. The game, its validation, its search and its windows read
// everything from here, so that a new game gives a description and no code
// of its own for what it shares.
#include <memory>
#include <string>
#include <vector>

#include "scrabble/engine/board_layout.h"
#include "scrabble/engine/letters.h"
#include "scrabble/engine/scoring.h"
#include "scrabble/engine/tile.h"

namespace savefile {
class TypedReader;
} // namespace savefile

namespace scrabble {

struct GameRules {
    const BoardLayout *layout = &BoardLayout::Classic();
    // The letters and jokers of the bag in the order it is filled; the
    // value of a letter is the scoring's.
    TileSet tileSet = FrenchTileSet();
    const ScoringRules *scoring = &ScoringRules::Classic();
    int rackSize = 7;
    bool exchangeAllowed = true;
    // A tile dropped on the bag joins the exchange area only when no other
    // tile of the rack lies there (more are exchanged by typing them).
    bool oneTileDroppedInExchange = false;
    // Whether the computer's search offers an exchange (when it is allowed).
    bool searchExchanges = true;
    // Letters of the first word.
    int minFirstWord = 2;
    // Whether a move keeps the rack it was played from (in its record and text).
    bool movesKeepRack = true;
    // Whether a move's record ends with the key word it formed.
    bool movesKeepKey = false;
    // The value of a joker tile (its letter's is the scoring's).
    int jokerValue = 0;
    // The first word: through one of the layout's starting squares (none
    // given here), or starting on one of these squares in its direction.
    struct OpeningStart {
        char dir = 'H';
        int col = 0;
        int row = 0;
    };
    std::vector<OpeningStart> openingStarts;
    // The computer's first word: letters at least.
    int openingMinLength = 2;
    // The manual draw asks for the whole bag when it holds no more tiles
    // than the rack has room for (otherwise the bag is dealt without asking).
    bool manualDrawOfTheLastTiles = false;
    // How many tiles a square may hold: above 1 a tile may cover a played
    // letter (never with the same letter), stacks being saved level by level.
    int maxStackHeight = 1;
    // The end-of-game penalty of a tile left on a rack: its value when 0.
    int penaltyPerTile = 0;
    // The title of the dictionary confirmations and the pass question.
    std::string questionTitle = "Scrabble";
    // After "H 8" in the status bar: what the square is.
    std::string (*squareText)(const BoardLayout &layout, int col, int row) = &PremiumSquareText;
    // The saved record of a tile of the game.
    std::unique_ptr<TJeton> (*readTile)(savefile::TypedReader &in, int &moveNumber) = &TJeton::Read;
    std::unique_ptr<TJeton> (*newTile)(char letter) = &NewTile;

    int LetterValue(char letter) const { return scoring->letterValue(letter); }
    int TileValue(char letter, bool joker) const { return joker ? jokerValue : LetterValue(letter); }

    // Classic Scrabble: the 15 x 15 premium board, the French set, racks of 7.
    static const GameRules &Classic();

    // " case mot compte double." or a single space for a plain square.
    static std::string PremiumSquareText(const BoardLayout &layout, int col, int row);
    static std::unique_ptr<TJeton> NewTile(char letter);
};

} // namespace scrabble
