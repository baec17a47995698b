// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TJeton: one physical tile of a board game, from the bag to a rack and
// onto the board. The game owns every tile for the whole game; containers
// hold pointers to them. A game whose saved tile record differs derives its
// own tile class and gives its reader to the game rules.
#include <functional>
#include <memory>
#include <string>

namespace savefile {
class TypedWriter;
class TypedReader;
} // namespace savefile

namespace scrabble {

class Tcoup;
class Random;

enum TileState : int {
    InBag = 0,
    OnRack = 1,
    InExchange = 2,
    Placed = 10,  // laid on the board this turn, not yet played
    Matched = 11, // placed and matched to a letter during validation
    Fixed = 20,   // played
};

struct TileRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TileRect &) const = default;
};

class TJeton {
public:
    virtual ~TJeton() = default;
    static constexpr int kSize = 30; // the side of a tile unless its window says otherwise
    // Largest distance of a drawn position from the surface's origin.
    static constexpr int kFarthest = 100000;
    static bool KnownState(int state);

    explicit TJeton(char letter);
    TJeton(const TJeton &) = delete;
    TJeton &operator=(const TJeton &) = delete;

    char Letter;
    bool IsJoker;
    int Value;
    int State = InBag;
    int Owner = 0;
    int Slot = 0;
    int Row = -1;
    int Col = -1;
    TileRect Bounds;
    TileRect Target;
    bool Moving = false;
    bool Selected = false;
    int BlinkTick = 0;
    bool BlinkOn = false;
    const Tcoup *Move = nullptr;
    // Where the tile lies in its square's stack: level 1 is the top; the
    // stack's height. Both 1 off the board and in games without stacks.
    int StackLevel = 1;
    int StackHeight = 1;

    bool OnBoard() const { return State >= Placed; }
    bool IsPending() const { return State >= Placed && State < Fixed; }
    bool IsPlayed() const { return State >= Fixed; }

    // Gives a joker its letter (stored in lower case); '*' takes it back.
    void SetJokerLetter(char letter);

    // The tile glides to `target` step by step.
    void SetTarget(const TileRect &target);
    void MoveTo(int x, int y);
    bool HitTest(int x, int y) const;
    // One animation step: at most 15 pixels on each axis toward the target.
    bool Step();

    // Status-bar text. playerName gives the name of player 1..4.
    std::string Description(const std::function<std::string(int)> &playerName) const;

    // Saved-game record; the move is written by its number.
    virtual void Write(savefile::TypedWriter &out) const;
    // Reads the record; moveNumber receives the stored number (-1: none).
    // A ReadError for a letter that is not one character, a joker flag other
    // than "T" or "F", an unknown state or a position far off the surface;
    // the containers check the rest.
    static std::unique_ptr<TJeton> Read(savefile::TypedReader &in, int &moveNumber);

protected:
    // The record's parts, for tile classes whose record adds fields.
    void WriteRect(savefile::TypedWriter &out, const TileRect &r) const;
    static TileRect ReadRect(savefile::TypedReader &in);
    void WritePlace(savefile::TypedWriter &out) const; // row to the move number
    // Reads row to the move number into `tile`, checking what a tile alone
    // can check (the rectangles being already read into it).
    static void ReadPlace(savefile::TypedReader &in, TJeton &tile, int &moveNumber);
};

// A tile whose saved record keeps one more rectangle after the target
// (`Previous`, zero), as the records of Wordy's and KeyWord's tiles do.
class TileWithPrevious : public TJeton {
public:
    explicit TileWithPrevious(char letter) : TJeton(letter) {}

    TileRect Previous;

    // Bounds, Target, Previous, then the other fields.
    void Write(savefile::TypedWriter &out) const override;
    static std::unique_ptr<TJeton> Read(savefile::TypedReader &in, int &moveNumber);
    static std::unique_ptr<TJeton> Make(char letter) { return std::make_unique<TileWithPrevious>(letter); }
};

// Where a window draws each tile. The game asks it whenever a tile changes
// place, so that the tile glides there; without it tiles stay where they are.
class TilePlaces {
public:
    virtual ~TilePlaces() = default;
    // The tile's rectangle for its state and place (a random point of the
    // bag area for a tile in the bag).
    virtual TileRect PositionFor(const TJeton &tile, Random &random) const = 0;
};

} // namespace scrabble
