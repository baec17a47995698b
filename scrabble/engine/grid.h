// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A board as the rules see it: for each square, its letter (a joker's in
// lower case), whether it holds a tile played in an earlier move or one laid
// during the current turn, and whether that tile is a joker. Scoring and the
// move search work on a grid, so that every board game and every board
// container (tiles, letter cells) shares them.
#include <string>
#include <vector>

namespace scrabble {

// A square of a board by its column and row, both 1-based.
struct SquarePos {
    int col = 0;
    int row = 0;
    bool operator==(const SquarePos &) const = default;
};

enum class SquareState : unsigned char { Empty, Pending, Played };

struct Square {
    char letter = 0;
    SquareState state = SquareState::Empty;
    bool joker = false;
    // Tiles in the square's stack (1 for a tile, 0 for an empty square).
    int height = 0;

    bool HasTile() const { return state != SquareState::Empty; }
    bool IsPlayed() const { return state == SquareState::Played; }
};

class Grid {
public:
    explicit Grid(int size = 15) : size_(size), squares_(std::size_t(size * size)) {}

    int Size() const { return size_; }
    bool Inside(int col, int row) const { return col >= 1 && col <= size_ && row >= 1 && row <= size_; }
    const Square &At(int col, int row) const { return squares_[Index(col, row)]; }
    Square &At(int col, int row) { return squares_[Index(col, row)]; }
    // An empty square outside the board.
    const Square &Get(int col, int row) const { return Inside(col, row) ? At(col, row) : kOutside; }
    bool HasTile(int col, int row) const { return Get(col, row).HasTile(); }
    bool HasPlayed(int col, int row) const { return Get(col, row).IsPlayed(); }
    int PlayedCount() const;
    int TileCount() const;

    // Puts a played letter (a lower-case letter is a joker's).
    void Play(int col, int row, char letter);

private:
    std::size_t Index(int col, int row) const { return std::size_t((row - 1) * size_ + (col - 1)); }
    static const Square kOutside;
    int size_;
    std::vector<Square> squares_;
};

// Whether `letter` at a square lays a tile there: the square holds no played
// tile, or a played one of another letter that the new tile covers.
inline bool LaysTile(const Square &square, char letter)
{
    return !square.IsPlayed() || ((square.letter | 0x20) != (letter | 0x20));
}

// Step of a direction: 'H' goes right, 'V' goes down.
inline int StepCol(char dir)
{
    return dir == 'V' ? 0 : 1;
}
inline int StepRow(char dir)
{
    return dir == 'V' ? 1 : 0;
}
inline char Across(char dir)
{
    return dir == 'V' ? 'H' : 'V';
}

// The perpendicular run of tiles through (col, row) with `letter` at that
// square, and where it starts. A single letter means no cross word.
std::string CrossWord(const Grid &grid, int col, int row, char mainDir, char letter, int &startCol,
                      int &startRow);

} // namespace scrabble
