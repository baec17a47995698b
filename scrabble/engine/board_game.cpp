// SPDX-License-Identifier: GPL-3.0-or-later
// The containers of a board game and the moves that change them outside
// validation: laying and taking back tiles, the search for a rack and the
// computer's move.
#include "scrabble/engine/board_game.h"

#include <algorithm>

#include "scrabble/engine/move_ranking.h"
#include "scrabble/engine/text.h"

namespace scrabble {

std::string InputResult::Message() const
{
    if (outcome != Error)
        return std::string();
    return text.empty() ? ErrorMessage(code, detail) : text;
}

BoardGame::BoardGame(std::uint64_t seed, const GameRules &rules)
    : random(seed), rules_(&rules), layout_(rules.layout), tileSet_(&rules.tileSet),
      rackSize_(rules.rackSize), racks_(rackSize_), board_(layout_->Size(), rules.maxStackHeight)
{
    Players = {{"Joueur 1", 0, 0, {}}, {"Joueur 2", 0, 0, {}}};
}

void BoardGame::Aim(TJeton *tile)
{
    tile->SetTarget(places_ != nullptr ? places_->PositionFor(*tile, random) : tile->Bounds);
}

std::string BoardGame::PlayerName(int number) const
{
    return number >= 1 && number <= PlayerCount() ? Player(number).Name : std::string();
}

TJeton *BoardGame::At(int col, int row) const
{
    return board_.At(col, row);
}

TJeton *BoardGame::StackTile(int col, int row, int level) const
{
    return board_.AtLevel(col, row, level);
}

int BoardGame::StackHeight(int col, int row) const
{
    return board_.Height(col, row);
}

// Tiles laid this turn only ever lie on top of a stack.
TJeton *BoardGame::PlayedAt(int col, int row) const
{
    TJeton *top = board_.At(col, row);
    return top != nullptr && !top->IsPlayed() ? board_.AtLevel(col, row, 2) : top;
}

int BoardGame::PlayedHeight(int col, int row) const
{
    const TJeton *top = board_.At(col, row);
    return board_.Height(col, row) - (top != nullptr && !top->IsPlayed() ? 1 : 0);
}

std::vector<TJeton *> BoardGame::BoardTiles() const
{
    return board_.AllTiles();
}

void BoardGame::ChangeRules(const GameRules &rules)
{
    if (&rules == rules_)
        return;
    for (TJeton *tile : board_.AllTiles())
        ToBag(tile);
    for (const auto &tile : tiles_)
        tile->Col = tile->Row = -1;
    rules_ = &rules;
    layout_ = rules.layout;
    tileSet_ = &rules.tileSet;
    board_ = TileBoard(layout_->Size(), rules.maxStackHeight);
}

std::string BoardGame::RackText(int player) const
{
    std::string text;
    for (int slot = 1; slot <= rackSize_; ++slot)
        if (const TJeton *tile = RackTile(player, slot))
            text += tile->Letter;
    return text;
}

std::string BoardGame::RackLetters(int player) const
{
    std::string text;
    for (int slot = 1; slot <= rackSize_; ++slot)
        if (const TJeton *tile = RackTile(player, slot))
            text += tile->IsJoker ? kJoker : tile->Letter;
    return text;
}

Grid BoardGame::Snapshot(bool includePending) const
{
    Grid grid(layout_->Size());
    for (int row = 1; row <= layout_->Size(); ++row)
        for (int col = 1; col <= layout_->Size(); ++col) {
            const TJeton *tile = includePending ? At(col, row) : PlayedAt(col, row);
            if (tile == nullptr)
                continue;
            scrabble::Square &square = grid.At(col, row);
            square.letter = tile->Letter;
            square.joker = tile->IsJoker;
            square.state = tile->IsPlayed() ? SquareState::Played : SquareState::Pending;
            square.height = includePending ? StackHeight(col, row) : PlayedHeight(col, row);
        }
    return grid;
}

void BoardGame::Clear()
{
    history_.Clear();
    bag_.Clear();
    racks_.Clear();
    board_.Clear();
    tiles_.clear();
}

void BoardGame::ToBag(TJeton *tile)
{
    if (racks_.Holds(tile))
        racks_.Free(tile->Owner, tile->Slot);
    RemoveFromBoard(tile);
    tile->State = InBag;
    tile->Selected = false;
    tile->SetJokerLetter(kJoker); // a joker in the bag has no letter
    Aim(tile);
    bag_.Add(tile);
}

void BoardGame::ToRack(TJeton *tile, int player, int slot)
{
    racks_.Put(player, slot, tile);
    tile->State = OnRack;
    tile->Owner = player;
    tile->Slot = slot;
    Aim(tile);
}

void BoardGame::RemoveFromBoard(TJeton *tile)
{
    board_.Remove(tile);
    tile->StackLevel = tile->StackHeight = 1;
}

void BoardGame::FixOnBoard(TJeton *tile, int col, int row, const Tcoup *move)
{
    RemoveFromBoard(tile);
    if (racks_.Holds(tile))
        racks_.Free(tile->Owner, tile->Slot);
    tile->Col = col;
    tile->Row = row;
    board_.Put(col, row, tile);
    tile->State = Fixed;
    tile->Selected = false;
    tile->Move = move;
    Aim(tile);
    NormaliseStacks();
}

bool BoardGame::TakeFromBag(char letter, int player, int slot)
{
    if (!racks_.Inside(player, slot) || RackTile(player, slot) != nullptr)
        return false;
    TJeton *tile = bag_.Take(letter);
    if (tile == nullptr)
        return false;
    ToRack(tile, player, slot);
    return true;
}

bool BoardGame::PlayFromBag(char letter, int col, int row)
{
    if (!layout_->Inside(col, row))
        return false;
    // A played letter of another letter may be covered while its stack has room.
    if (const TJeton *top = At(col, row);
        top != nullptr && (!top->IsPlayed() || StackHeight(col, row) >= rules_->maxStackHeight ||
                           Upper(top->Letter) == Upper(letter)))
        return false;
    TJeton *tile = bag_.Take(letter);
    if (tile == nullptr)
        return false;
    tile->Owner = tile->Slot = 0;
    if (tile->IsJoker)
        tile->SetJokerLetter(letter);
    FixOnBoard(tile, col, row, nullptr);
    return true;
}

void BoardGame::EmptyRack(int player)
{
    for (int slot = 1; slot <= rackSize_; ++slot)
        if (TJeton *tile = RackTile(player, slot)) {
            if (tile->OnBoard())
                RemoveFromBoard(tile);
            ToBag(tile);
        }
}

bool BoardGame::CanPlace(const TJeton *tile, int col, int row) const
{
    if (!layout_->Inside(col, row) || tile->IsPlayed())
        return false;
    const TJeton *top = At(col, row);
    if (top == nullptr || top == tile)
        return true;
    // A tile laid this turn is never covered; a played one by a tile of
    // another letter while its stack has room.
    return top->IsPlayed() && StackHeight(col, row) < rules_->maxStackHeight && top->Letter != tile->Letter;
}

bool BoardGame::PlaceTile(TJeton *tile, int col, int row)
{
    if (!CanPlace(tile, col, row))
        return false;
    if (At(col, row) == tile)
        return true;
    RemoveFromBoard(tile);
    tile->Col = col;
    tile->Row = row;
    tile->State = Placed;
    board_.Put(col, row, tile);
    NormaliseStacks();
    Aim(tile);
    return true;
}

bool BoardGame::LiftTile(TJeton *tile)
{
    if (!tile->IsPending() || At(tile->Col, tile->Row) != tile)
        return false;
    RemoveFromBoard(tile);
    tile->State = OnRack;
    NormaliseStacks();
    return true;
}

void BoardGame::NormaliseStacks()
{
    // A board of single squares has nothing to put in order.
    if (rules_->maxStackHeight <= 1)
        return;
    for (TJeton *tile : board_.Tops()) {
        const TJeton *below = board_.AtLevel(tile->Col, tile->Row, 2);
        if (tile->IsPending() && below != nullptr && below->Letter == tile->Letter)
            ReturnToRack(tile);
    }
    for (int row = 1; row <= layout_->Size(); ++row)
        for (int col = 1; col <= layout_->Size(); ++col) {
            const int height = board_.Height(col, row);
            for (int level = 1; level <= height; ++level) {
                TJeton *tile = board_.AtLevel(col, row, level);
                if (tile->StackLevel == level && tile->StackHeight == height)
                    continue;
                tile->StackLevel = level;
                tile->StackHeight = height;
                Aim(tile);
                // Lower tiles take their new place at once; the top glides.
                if (level > 1) {
                    tile->Bounds = tile->Target;
                    tile->Moving = false;
                }
            }
        }
}

void BoardGame::ReturnToRack(TJeton *tile)
{
    if (tile->IsPlayed())
        return;
    if (tile->OnBoard())
        RemoveFromBoard(tile);
    tile->Selected = false;
    ToRack(tile, tile->Owner, tile->Slot);
}

void BoardGame::ResumeTurn()
{
    for (int slot = 1; slot <= rackSize_; ++slot)
        if (TJeton *tile = RackTile(CurrentPlayer, slot)) {
            if (tile->IsPending())
                tile->State = Placed;
            Aim(tile);
        }
}

void BoardGame::ReturnPendingTiles()
{
    for (TJeton *tile : board_.Tops())
        if (tile->IsPending())
            ReturnToRack(tile);
    NormaliseStacks();
}

bool BoardGame::PutInExchange(TJeton *tile)
{
    if (tile->IsPlayed() || BagSize() < rackSize_ || tile->State == InBag)
        return false;
    if (rules_->oneTileDroppedInExchange)
        for (int slot = 1; slot <= rackSize_; ++slot)
            if (const TJeton *other = RackTile(tile->Owner, slot);
                other != nullptr && other != tile && other->State == InExchange)
                return false;
    RemoveFromBoard(tile);
    tile->State = InExchange;
    Aim(tile);
    return true;
}

void BoardGame::SwapSlots(int player, int a, int b)
{
    if (player < 1 || player > 4 || a < 1 || b < 1 || a > rackSize_ || b > rackSize_ || a == b)
        return;
    racks_.Swap(player, a, b);
    for (const int slot : {a, b})
        if (TJeton *tile = RackTile(player, slot)) {
            tile->Slot = slot;
            Aim(tile);
            if (!tile->OnBoard()) {
                tile->Bounds = tile->Target;
                tile->Moving = false;
            }
        }
}

void BoardGame::Scored(Tcoup &, const Grid &) const {}

std::vector<Tcoup> BoardGame::GenerateMoves(const MoveSearch &search, int player)
{
    ReturnPendingTiles();
    SearchOptions options;
    options.variant = Variant::Classic;
    options.player = player;
    options.side = Side(player);
    options.maxTiles = rackSize_;
    options.adjust = [this](Tcoup &move, const Grid &grid) { Scored(move, grid); };
    options.bagSize = rules_->exchangeAllowed && rules_->searchExchanges ? BagSize() : 0;
    const Grid grid = Snapshot(false);
    options.opening = history_.Empty() || grid.PlayedCount() == 0;
    return search.GenerateMoves(grid, RackLetters(player), options);
}

const Tcoup &BoardGame::PickComputerMove(const std::vector<Tcoup> &candidates, int level)
{
    return candidates.at(std::size_t(PickComputerIndex(level, int(candidates.size()), random)));
}

const Tcoup &BoardGame::PlayLaidTiles(Tcoup move)
{
    const int player = CurrentPlayer;
    move.Player = player;
    if (rules_->movesKeepRack)
        move.RackText = RackText(player);
    const Tcoup &played = RecordMove(std::move(move));
    for (int slot = 1; slot <= rackSize_; ++slot)
        if (TJeton *tile = RackTile(player, slot); tile != nullptr && tile->IsPending())
            FixOnBoard(tile, tile->Col, tile->Row, &played);
    return played;
}

const Tcoup &BoardGame::PlayComputerMove(const Tcoup &candidate)
{
    const int player = CurrentPlayer;
    Tcoup move = candidate;
    move.Player = player;
    move.RackText = rules_->movesKeepRack ? RackText(player) : std::string();
    const Tcoup &played = RecordMove(std::move(move));
    if (played.Kind == Exchange) {
        std::string word = played.Word;
        for (int slot = 1; slot <= rackSize_; ++slot) {
            TJeton *tile = RackTile(player, slot);
            if (tile == nullptr)
                continue;
            const auto at = word.find(tile->IsJoker ? kJoker : tile->Letter);
            if (at == std::string::npos)
                continue;
            word[at] = '#';
            ToBag(tile);
        }
    } else if (played.IsPlacement()) {
        int col = played.Col;
        int row = played.Row;
        for (const char letter : played.Word) {
            const TJeton *top = PlayedAt(col, row);
            if (top == nullptr ||
                (PlayedHeight(col, row) < rules_->maxStackHeight && top->Letter != letter)) {
                for (int slot = 1; slot <= rackSize_; ++slot) {
                    TJeton *tile = RackTile(player, slot);
                    if (tile == nullptr)
                        continue;
                    const bool fits =
                        IsLowerLetter(letter) ? tile->IsJoker : !tile->IsJoker && tile->Letter == letter;
                    if (!fits)
                        continue;
                    tile->SetJokerLetter(letter);
                    FixOnBoard(tile, col, row, &played);
                    break;
                }
            }
            col += StepCol(played.Kind);
            row += StepRow(played.Kind);
        }
    }
    return played;
}

} // namespace scrabble
