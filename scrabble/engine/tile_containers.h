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

// The squares of a size x size board, each a stack of at most `depth`
// tiles (1 for the games whose squares take one tile). Level 1 is the top.
class TileBoard {
public:
    explicit TileBoard(int size, int depth = 1)
        : size_(size), depth_(depth), stacks_(std::size_t(size * size))
    {
    }

    int Size() const { return size_; }
    int Depth() const { return depth_; }
    bool Inside(int col, int row) const { return col >= 1 && col <= size_ && row >= 1 && row <= size_; }
    // The top tile; null for an empty square or outside the board.
    TJeton *At(int col, int row) const
    {
        return Inside(col, row) && !stacks_[Index(col, row)].empty() ? stacks_[Index(col, row)].back()
                                                                     : nullptr;
    }
    int Height(int col, int row) const { return Inside(col, row) ? int(stacks_[Index(col, row)].size()) : 0; }
    // The tile at a level of the square's stack (1: the top); null when the
    // stack is lower.
    TJeton *AtLevel(int col, int row, int level) const;
    // The top tile of every square, row by row, skipping empty squares.
    std::vector<TJeton *> Tops() const;
    // Every tile on the board.
    std::vector<TJeton *> AllTiles() const;
    // Pushes a tile on top of the square's stack; on a full stack the top is
    // replaced (a square of depth 1 holds the last tile put there).
    void Put(int col, int row, TJeton *tile);
    // Puts a tile under the stack's lowest one (a saved stack is read from
    // the top down); false when the stack is full.
    bool PutUnder(int col, int row, TJeton *tile);
    // Takes the top tile off the square.
    void Free(int col, int row);
    // Takes the tile out of the stack of (col, row) wherever it lies in it;
    // the tiles above it move down a level.
    void RemoveAt(int col, int row, const TJeton *tile);
    // Takes the tile out of the stack of its own square.
    void Remove(const TJeton *tile) { RemoveAt(tile->Col, tile->Row, tile); }
    void Clear();

private:
    std::size_t Index(int col, int row) const { return std::size_t((row - 1) * size_ + col - 1); }
    int size_;
    int depth_;
    std::vector<std::vector<TJeton *>> stacks_; // bottom first
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
