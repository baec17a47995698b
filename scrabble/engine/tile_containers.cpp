// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/tile_containers.h"

#include <algorithm>
#include <utility>

#include "scrabble/engine/letters.h"

namespace scrabble {

TJeton *TileBag::TakeLast()
{
    if (tiles_.empty())
        return nullptr;
    TJeton *tile = tiles_.back();
    tiles_.pop_back();
    return tile;
}

TJeton *TileBag::TakeAt(std::size_t index)
{
    if (index >= tiles_.size())
        return nullptr;
    TJeton *tile = tiles_[index];
    tiles_[index] = tiles_.back();
    tiles_.pop_back();
    return tile;
}

TJeton *TileBag::Take(char letter)
{
    const bool joker = letter == kJoker || IsLowerLetter(letter);
    const auto it = std::find_if(tiles_.begin(), tiles_.end(), [&](const TJeton *t) {
        return joker ? t->IsJoker : !t->IsJoker && t->Letter == letter;
    });
    if (it == tiles_.end())
        return nullptr;
    TJeton *tile = *it;
    tiles_.erase(it);
    return tile;
}

void TileBag::Swap(std::size_t a, std::size_t b)
{
    if (a < tiles_.size() && b < tiles_.size())
        std::swap(tiles_[a], tiles_[b]);
}

void Racks::Put(int player, int slot, TJeton *tile)
{
    if (Inside(player, slot))
        slots_[Index(player, slot)] = tile;
}

void Racks::Free(int player, int slot)
{
    Put(player, slot, nullptr);
}

void Racks::Swap(int player, int a, int b)
{
    if (Inside(player, a) && Inside(player, b))
        std::swap(slots_[Index(player, a)], slots_[Index(player, b)]);
}

void Racks::Clear()
{
    std::fill(slots_.begin(), slots_.end(), nullptr);
}

void TileBoard::Put(int col, int row, TJeton *tile)
{
    if (Inside(col, row))
        squares_[Index(col, row)] = tile;
}

void TileBoard::Free(int col, int row)
{
    Put(col, row, nullptr);
}

void TileBoard::Remove(const TJeton *tile)
{
    if (At(tile->Col, tile->Row) == tile)
        Free(tile->Col, tile->Row);
}

void TileBoard::Clear()
{
    std::fill(squares_.begin(), squares_.end(), nullptr);
}

const Tcoup &MoveHistory::Add(std::unique_ptr<Tcoup> move)
{
    moves_.push_back(std::move(move));
    return *moves_.back();
}

} // namespace scrabble
