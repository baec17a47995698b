// SPDX-License-Identifier: GPL-3.0-or-later
// The classic game's part of a saved game: move counter, bag, history, board,
// racks and the players' last move texts. The history comes before any tile,
// so that a tile finds the move that played it by its number.
#include <algorithm>
#include <map>

#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/board_game.h"

namespace scrabble {

void BoardGame::Write(savefile::TypedWriter &out) const
{
    out.WriteInteger(MoveCount());
    out.WriteInteger(BagSize());
    WriteHead(out);
    out.WriteListBegin();
    for (const TJeton *tile : bag_.Tiles())
        tile->Write(out);
    out.WriteListEnd();
    out.WriteInteger(MoveCount());
    out.WriteListBegin();
    for (const auto &move : history_.Moves())
        move->Write(out, false, rules_->movesKeepKey);
    out.WriteListEnd();
    // Stacks are written from the top down, each tile with its level.
    const bool levels = rules_->maxStackHeight > 1;
    out.WriteListBegin();
    for (int col = 1; col <= layout_->Size(); ++col)
        for (int row = 1; row <= layout_->Size(); ++row)
            for (int level = 1; level <= StackHeight(col, row); ++level) {
                out.WriteInteger(col);
                out.WriteInteger(row);
                if (levels)
                    out.WriteInteger(level);
                StackTile(col, row, level)->Write(out);
            }
    out.WriteListEnd();
    out.WriteListBegin();
    for (int player = 1; player <= 4; ++player)
        for (int slot = 1; slot <= rackSize_; ++slot)
            if (const TJeton *tile = RackTile(player, slot)) {
                out.WriteInteger(player);
                out.WriteInteger(slot);
                tile->Write(out);
            }
    out.WriteListEnd();
    WritePlayers(out);
    WriteTail(out);
}

void BoardGame::WritePlayers(savefile::TypedWriter &out) const
{
    out.WriteListBegin();
    for (const PlayerInfo &p : Players)
        out.WriteString(p.LastMoveText);
    out.WriteListEnd();
}

void BoardGame::ReadPlayers(savefile::TypedReader &in)
{
    in.ReadListBegin();
    std::size_t texts = 0;
    while (!in.EndOfList()) {
        std::string text = in.ReadString();
        if (texts >= Players.size())
            Refuse("last move texts");
        Players[texts++].LastMoveText = std::move(text);
    }
    in.ReadListEnd();
    if (texts != Players.size())
        Refuse("last move texts");
}

namespace {

// Points of one move or of a player: far beyond any game, far below an
// overflow when they are added up.
constexpr int kMostPoints = 1 << 20;

bool AllOf(const std::string &text, bool (*test)(char))
{
    for (const char c : text)
        if (!test(c))
            return false;
    return true;
}

bool IsLetter(char c)
{
    return IsUpperLetter(c) || IsLowerLetter(c);
}

bool IsRackLetter(char c)
{
    return IsUpperLetter(c) || c == kJoker;
}

} // namespace

void BoardGame::Refuse(const char *what)
{
    throw savefile::ReadError(what);
}

void BoardGame::Read(savefile::TypedReader &in)
{
    Clear();
    try {
        ReadPayload(in);
    } catch (...) {
        Clear();
        throw;
    }
}

void BoardGame::CheckMove(const Tcoup &move, int number) const
{
    if (move.MoveNumber != number)
        Refuse("move number");
    if (!rules_->movesKeepRack && !move.RackText.empty())
        Refuse("move rack");
    if (move.Player < 1 || move.Player > PlayerCount())
        Refuse("move player");
    if (move.Score < -kMostPoints || move.Score > kMostPoints)
        Refuse("move score");
    switch (move.Kind) {
    case Horizontal:
    case Vertical: {
        const int length = int(move.Word.size());
        const int lastCol = move.Col + (length - 1) * StepCol(move.Kind);
        const int lastRow = move.Row + (length - 1) * StepRow(move.Kind);
        if (length == 0 || length > layout_->Size() || !layout_->Inside(move.Col, move.Row) ||
            !layout_->Inside(lastCol, lastRow) || !AllOf(move.Word, IsLetter))
            Refuse("word move");
        break;
    }
    case Exchange:
        if (!rules_->exchangeAllowed || move.Word.empty() || int(move.Word.size()) > rackSize_ ||
            !AllOf(move.Word, IsRackLetter))
            Refuse("exchange move");
        break;
    default:
        break;
    }
}

// The record of a tile against the tile set: a letter of the set with its
// value, or a joker ('*' until it is given a letter; a played joker has one).
void BoardGame::CheckTile(const TJeton &tile) const
{
    if (tile.IsJoker) {
        const bool lettered = IsLowerLetter(tile.Letter);
        if ((!lettered && tile.Letter != kJoker) || tile.Value != rules_->jokerValue ||
            (tile.IsPlayed() && !lettered) || (tile.State == InBag && lettered))
            Refuse("joker");
    } else if (tileSet_->letters.find(tile.Letter) == std::string::npos ||
               tile.Value != rules_->LetterValue(tile.Letter)) {
        Refuse("tile letter");
    }
    // A tile keeps the square and the rack slot it last had; each is either
    // none or a real one.
    const bool noSquare = tile.Col == -1 && tile.Row == -1;
    if (!noSquare && !layout_->Inside(tile.Col, tile.Row))
        Refuse("tile square");
    if (tile.Owner < 0 || tile.Owner > PlayerCount() || tile.Slot < 0 || tile.Slot > rackSize_)
        Refuse("tile owner");
    if (tile.State != InBag && tile.State != Fixed && (tile.Owner == 0 || tile.Slot == 0))
        Refuse("tile owner");
}

void BoardGame::ReadPayload(savefile::TypedReader &in)
{
    const int tileCount = tileSet_->TileCount();
    const int moveCounter = in.ReadInteger();
    const int bagSize = in.ReadInteger();
    ReadHead(in);
    std::map<int, const Tcoup *> moves;
    std::vector<std::pair<TJeton *, int>> links;
    auto readTile = [&]() {
        // One more than the set: the second record of a tile laid this turn
        // is read before it is merged with the first.
        if (int(tiles_.size()) > tileCount)
            Refuse("more tiles than the set has");
        int moveNumber = -1;
        tiles_.push_back(rules_->readTile(in, moveNumber));
        TJeton *tile = tiles_.back().get();
        CheckTile(*tile);
        // Only a played tile knows the move that played it.
        if (moveNumber != -1 && !tile->IsPlayed())
            Refuse("tile move");
        links.emplace_back(tile, moveNumber);
        return tile;
    };

    in.ReadListBegin();
    while (!in.EndOfList()) {
        TJeton *tile = readTile();
        if (tile->State != InBag)
            Refuse("bag tile state");
        bag_.Add(tile);
    }
    in.ReadListEnd();
    if (bagSize != BagSize())
        Refuse("bag size");

    const int historyLength = in.ReadInteger();
    in.ReadListBegin();
    while (!in.EndOfList()) {
        auto move = std::make_unique<Tcoup>(Tcoup::Read(in, false, rules_->movesKeepKey));
        CheckMove(*move, MoveCount() + 1);
        moves[move->MoveNumber] = move.get();
        history_.Add(std::move(move));
    }
    in.ReadListEnd();
    if (historyLength != MoveCount() || moveCounter != MoveCount())
        Refuse("move counter");

    // Each square's tiles from the top down: levels 1, 2... without a gap,
    // two neighbours in a stack of different letters, a tile laid this turn
    // only on top.
    const bool levels = rules_->maxStackHeight > 1;
    in.ReadListBegin();
    while (!in.EndOfList()) {
        const int col = in.ReadInteger();
        const int row = in.ReadInteger();
        const int level = levels ? in.ReadInteger() : 1;
        TJeton *tile = readTile();
        if (!layout_->Inside(col, row) || level != StackHeight(col, row) + 1)
            Refuse("board square");
        if (!tile->OnBoard() || tile->Col != col || tile->Row != row)
            Refuse("board tile");
        if (const TJeton *above = StackTile(col, row, level - 1);
            above != nullptr && (!tile->IsPlayed() || above->Letter == tile->Letter))
            Refuse("stack");
        if (!board_.PutUnder(col, row, tile))
            Refuse("stack height");
    }
    in.ReadListEnd();

    in.ReadListBegin();
    while (!in.EndOfList()) {
        const int player = in.ReadInteger();
        const int slot = in.ReadInteger();
        TJeton *tile = readTile();
        if (player < 1 || player > PlayerCount() || slot < 1 || slot > rackSize_ ||
            RackTile(player, slot) != nullptr)
            Refuse("rack slot");
        if (tile->IsPlayed() || tile->State == InBag || tile->Owner != player || tile->Slot != slot)
            Refuse("rack tile");
        // A tile laid this turn is both on its square and in its slot: one
        // object, found on the square its record names.
        if (tile->IsPending()) {
            TJeton *onBoard = At(tile->Col, tile->Row);
            if (onBoard == nullptr || !onBoard->IsPending() || onBoard->Owner != player ||
                onBoard->Slot != slot || onBoard->Letter != tile->Letter || onBoard->IsJoker != tile->IsJoker)
                Refuse("tile laid this turn");
            tiles_.pop_back();
            links.pop_back();
            tile = onBoard;
        }
        racks_.Put(player, slot, tile);
    }
    in.ReadListEnd();

    ReadPlayers(in);
    ReadTail(in);

    // Every tile laid this turn sits in its owner's slot too.
    for (const TJeton *tile : board_.Tops())
        if (tile->IsPending() && RackTile(tile->Owner, tile->Slot) != tile)
            Refuse("tile laid this turn without its slot");
    // The whole set, each tile once.
    if (int(tiles_.size()) != tileCount)
        Refuse("tile count");
    std::string letters;
    int jokers = 0;
    for (const auto &tile : tiles_) {
        if (tile->IsJoker)
            ++jokers;
        else
            letters += tile->Letter;
    }
    std::string expected = tileSet_->letters;
    std::sort(letters.begin(), letters.end());
    std::sort(expected.begin(), expected.end());
    if (letters != expected || jokers != tileSet_->jokers)
        Refuse("tile set");
    for (TJeton *tile : board_.AllTiles()) {
        tile->StackHeight = StackHeight(tile->Col, tile->Row);
        for (int level = 1; level <= tile->StackHeight; ++level)
            if (StackTile(tile->Col, tile->Row, level) == tile)
                tile->StackLevel = level;
    }
    for (auto &[tile, number] : links) {
        if (number == -1) {
            tile->Move = nullptr;
            continue;
        }
        const auto found = moves.find(number);
        if (found == moves.end())
            Refuse("tile move");
        tile->Move = found->second;
    }
}

} // namespace scrabble
