// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TJeton: one physical tile of the classic game, from the bag to a rack and
// onto the board. The game owns every tile for the whole game; containers
// hold pointers to them.
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
    static constexpr int kSize = 30;
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

    bool OnBoard() const { return State >= Placed; }
    bool IsPending() const { return State >= Placed && State < Fixed; }
    bool IsPlayed() const { return State >= Fixed; }

    // Gives a joker its letter (stored in lower case); '*' takes it back.
    void SetJokerLetter(char letter);

    // Where the state puts the tile on the game surface (a random point of
    // the bag area in the bag).
    TileRect PositionFor(Random &random) const;
    // Target = PositionFor; the tile glides there step by step.
    void SetTarget(Random &random);
    void MoveTo(int x, int y);
    bool HitTest(int x, int y) const;
    // One animation step: at most 15 pixels on each axis toward the target.
    bool Step();

    // Status-bar text. playerName gives the name of player 1..4.
    std::string Description(const std::function<std::string(int)> &playerName) const;

    // Saved-game record; the move is written by its number.
    void Write(savefile::TypedWriter &out) const;
    // Reads the record; moveNumber receives the stored number (-1: none).
    // A ReadError for a letter that is not one character, a joker flag other
    // than "T" or "F", an unknown state or a position far off the surface;
    // the containers check the rest.
    static std::unique_ptr<TJeton> Read(savefile::TypedReader &in, int &moveNumber);
};

} // namespace scrabble
