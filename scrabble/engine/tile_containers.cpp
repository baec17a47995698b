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

TJeton *TileBoard::AtLevel(int col, int row, int level) const
{
    if (!Inside(col, row))
        return nullptr;
    const std::vector<TJeton *> &stack = stacks_[Index(col, row)];
    return level >= 1 && level <= int(stack.size()) ? stack[stack.size() - std::size_t(level)] : nullptr;
}

std::vector<TJeton *> TileBoard::Tops() const
{
    std::vector<TJeton *> tops;
    for (const std::vector<TJeton *> &stack : stacks_)
        if (!stack.empty())
            tops.push_back(stack.back());
    return tops;
}

std::vector<TJeton *> TileBoard::AllTiles() const
{
    std::vector<TJeton *> tiles;
    for (const std::vector<TJeton *> &stack : stacks_)
        tiles.insert(tiles.end(), stack.begin(), stack.end());
    return tiles;
}

void TileBoard::Put(int col, int row, TJeton *tile)
{
    if (!Inside(col, row) || tile == nullptr)
        return;
    std::vector<TJeton *> &stack = stacks_[Index(col, row)];
    if (int(stack.size()) >= depth_)
        stack.back() = tile;
    else
        stack.push_back(tile);
}

bool TileBoard::PutUnder(int col, int row, TJeton *tile)
{
    if (!Inside(col, row) || tile == nullptr || Height(col, row) >= depth_)
        return false;
    std::vector<TJeton *> &stack = stacks_[Index(col, row)];
    stack.insert(stack.begin(), tile);
    return true;
}

void TileBoard::Free(int col, int row)
{
    if (Inside(col, row) && !stacks_[Index(col, row)].empty())
        stacks_[Index(col, row)].pop_back();
}

void TileBoard::RemoveAt(int col, int row, const TJeton *tile)
{
    if (!Inside(col, row))
        return;
    std::vector<TJeton *> &stack = stacks_[Index(col, row)];
    stack.erase(std::remove(stack.begin(), stack.end(), tile), stack.end());
}

void TileBoard::Clear()
{
    for (std::vector<TJeton *> &stack : stacks_)
        stack.clear();
}

const Tcoup &MoveHistory::Add(std::unique_ptr<Tcoup> move)
{
    moves_.push_back(std::move(move));
    return *moves_.back();
}

} // namespace scrabble
