// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sizes shared by the maze boards, the sprites and the game, and the small
// fixed-capacity list of cells that paths are made of.
#include <array>
#include <cstdint>

namespace avaleur {

inline constexpr int kColumns = 18;
inline constexpr int kRows = 12;
inline constexpr int kCellCount = kColumns * kRows;  // 216
inline constexpr int kCell = 32;                     // pixels
inline constexpr int kBoardWidth = kColumns * kCell; // 576
inline constexpr int kBoardHeight = kRows * kCell;   // 384
inline constexpr int kWorldSide = 5;
inline constexpr int kPlaces = 250; // sprite table, place 1 is the eater
inline constexpr int kTrainPlaces = 20;
inline constexpr int kTrailPoints = 8;

// Cell natures.
inline constexpr std::uint8_t kFree = 0;
inline constexpr std::uint8_t kEaterHere = 1;
inline constexpr std::uint8_t kLetterHere = 2;
inline constexpr std::uint8_t kRegistered = 125;
inline constexpr std::uint8_t kWall = 128;
inline constexpr std::uint8_t kFixedWall = 255;

struct CellXY {
    int x = -1;
    int y = -1;
    bool operator==(const CellXY &) const = default;
    bool Valid() const { return x >= 1 && x <= kColumns && y >= 1 && y <= kRows; }
};

// Cell numbers of the path finder: n = (y - 1) * 18 + x.
constexpr int CellNumber(int x, int y)
{
    return (y - 1) * kColumns + x;
}
constexpr CellXY CellOfNumber(int n)
{
    return {(n - 1) % kColumns + 1, (n - 1) / kColumns + 1};
}

// A path: cell numbers, the goal first and the next cell to walk to last.
// Fixed capacity so that path finding and following never allocate; a
// letter leaving by an exit follows two paths joined, hence twice the cells.
class CellPath {
public:
    static constexpr int kCapacity = 2 * kCellCount;
    int size() const { return count_; }
    bool empty() const { return count_ == 0; }
    void clear() { count_ = 0; }
    void push_back(int cell)
    {
        if (count_ < kCapacity)
            cells_[std::size_t(count_++)] = std::uint8_t(cell);
    }
    void pop_back()
    {
        if (count_ > 0)
            --count_;
    }
    int back() const { return cells_[std::size_t(count_ - 1)]; }
    int operator[](int i) const { return cells_[std::size_t(i)]; }
    // Appends every cell of other after this path's own.
    void append(const CellPath &other)
    {
        for (int i = 0; i < other.size(); ++i)
            push_back(other[i]);
    }

private:
    std::array<std::uint8_t, kCapacity> cells_{};
    int count_ = 0;
};

} // namespace avaleur
