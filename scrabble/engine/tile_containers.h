// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The containers of a board game's tiles and moves: the bag, the players'
// racks, the board's squares and the history. They hold pointers to the
// tiles the game owns (of whatever tile class the game's rules make) and
// check their indices: a place outside them holds nothing and takes nothing.
#include <cstddef>
#include <memory>
#include <vector>

#include "scrabble/engine/move.h"
#include "scrabble/engine/tile.h"

namespace scrabble {

// The tiles not dealt, drawn from the back.
class TileBag {
public:
    const std::vector<TJeton *> &Tiles() const { return tiles_; }
    int Size() const { return int(tiles_.size()); }
    bool Empty() const { return tiles_.empty(); }
    TJeton *operator[](std::size_t index) const { return tiles_[index]; }

    void Clear() { tiles_.clear(); }
    void Add(TJeton *tile) { tiles_.push_back(tile); }
    TJeton *TakeLast();
    // Takes the tile at index; the last one fills its place.
    TJeton *TakeAt(std::size_t index);
    // Takes the first tile for `letter` ('*' or a lower-case letter for a
    // joker); null when the bag has none.
    TJeton *Take(char letter);
    void Swap(std::size_t a, std::size_t b);

private:
    std::vector<TJeton *> tiles_;
};

// Players 1 to 4, slots 1 to the rack size.
class Racks {
public:
    explicit Racks(int rackSize) : size_(rackSize), slots_(std::size_t(4 * rackSize), nullptr) {}

    int Size() const { return size_; }
    bool Inside(int player, int slot) const
    {
        return player >= 1 && player <= 4 && slot >= 1 && slot <= size_;
    }
    TJeton *At(int player, int slot) const
    {
        return Inside(player, slot) ? slots_[Index(player, slot)] : nullptr;
    }
    // Whether the tile's own slot holds it.
    bool Holds(const TJeton *tile) const { return At(tile->Owner, tile->Slot) == tile; }
    void Put(int player, int slot, TJeton *tile);
    void Free(int player, int slot);
    void Swap(int player, int a, int b);
    void Clear();

private:
    std::size_t Index(int player, int slot) const { return std::size_t((player - 1) * size_ + slot - 1); }
    int size_;
    std::vector<TJeton *> slots_;
};

// The squares of a size x size board.
class TileBoard {
public:
    explicit TileBoard(int size) : size_(size), squares_(std::size_t(size * size), nullptr) {}

    int Size() const { return size_; }
    bool Inside(int col, int row) const { return col >= 1 && col <= size_ && row >= 1 && row <= size_; }
    TJeton *At(int col, int row) const { return Inside(col, row) ? squares_[Index(col, row)] : nullptr; }
    // Every square row by row, empty ones as null.
    const std::vector<TJeton *> &Squares() const { return squares_; }
    void Put(int col, int row, TJeton *tile);
    void Free(int col, int row);
    // Frees the tile's square when the tile lies on it.
    void Remove(const TJeton *tile);
    void Clear();

private:
    std::size_t Index(int col, int row) const { return std::size_t((row - 1) * size_ + col - 1); }
    int size_;
    std::vector<TJeton *> squares_;
};

// The moves played, numbered from 1 in order.
class MoveHistory {
public:
    const std::vector<std::unique_ptr<Tcoup>> &Moves() const { return moves_; }
    int Count() const { return int(moves_.size()); }
    bool Empty() const { return moves_.empty(); }
    const Tcoup &operator[](std::size_t index) const { return *moves_[index]; }
    const Tcoup &Add(std::unique_ptr<Tcoup> move);
    void Clear() { moves_.clear(); }

private:
    std::vector<std::unique_ptr<Tcoup>> moves_;
};

} // namespace scrabble
