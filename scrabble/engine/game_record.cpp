// SPDX-License-Identifier: GPL-3.0-or-later
// The classic game's part of a saved game: move counter, bag, history, board,
// racks and the players' last move texts. The history comes before any tile,
// so that a tile finds the move that played it by its number.
#include <map>

#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/classic_game.h"

namespace scrabble {

void ClassicGame::Write(savefile::TypedWriter &out) const
{
    out.WriteInteger(MoveCount());
    out.WriteInteger(BagSize());
    out.WriteListBegin();
    for (const TJeton *tile : bag_)
        tile->Write(out);
    out.WriteListEnd();
    out.WriteInteger(MoveCount());
    out.WriteListBegin();
    for (const auto &move : history_)
        move->Write(out);
    out.WriteListEnd();
    out.WriteListBegin();
    for (int col = 1; col <= layout_.Size(); ++col)
        for (int row = 1; row <= layout_.Size(); ++row)
            if (const TJeton *tile = At(col, row)) {
                out.WriteInteger(col);
                out.WriteInteger(row);
                tile->Write(out);
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
    out.WriteListBegin();
    for (const PlayerInfo &p : Players)
        out.WriteString(p.LastMoveText);
    out.WriteListEnd();
}

void ClassicGame::Read(savefile::TypedReader &in)
{
    Clear();
    try {
        in.ReadInteger(); // the move counter: the history's length tells it again
        const int bagSize = in.ReadInteger();
        std::map<int, const Tcoup *> moves;
        std::vector<std::pair<TJeton *, int>> links;
        auto readTile = [&]() {
            int moveNumber = -1;
            tiles_.push_back(TJeton::Read(in, moveNumber));
            links.emplace_back(tiles_.back().get(), moveNumber);
            return tiles_.back().get();
        };
        in.ReadListBegin();
        while (!in.EndOfList())
            bag_.push_back(readTile());
        in.ReadListEnd();
        if (bagSize != BagSize())
            throw savefile::ReadError("bag size");
        in.ReadInteger();
        in.ReadListBegin();
        while (!in.EndOfList()) {
            history_.push_back(std::make_unique<Tcoup>(Tcoup::Read(in)));
            moves[history_.back()->MoveNumber] = history_.back().get();
        }
        in.ReadListEnd();
        in.ReadListBegin();
        while (!in.EndOfList()) {
            const int col = in.ReadInteger();
            const int row = in.ReadInteger();
            TJeton *tile = readTile();
            if (!layout_.Inside(col, row) || At(col, row) != nullptr)
                throw savefile::ReadError("board square");
            Square(col, row) = tile;
            tile->Col = col;
            tile->Row = row;
        }
        in.ReadListEnd();
        in.ReadListBegin();
        while (!in.EndOfList()) {
            const int player = in.ReadInteger();
            const int slot = in.ReadInteger();
            TJeton *tile = readTile();
            if (player < 1 || player > 4 || slot < 1 || slot > rackSize_)
                throw savefile::ReadError("rack slot");
            // A tile laid this turn is both on its square and in its slot: one object.
            if (tile->IsPending() && layout_.Inside(tile->Col, tile->Row)) {
                TJeton *onBoard = At(tile->Col, tile->Row);
                if (onBoard != nullptr && onBoard->IsPending() && onBoard->Owner == player &&
                    onBoard->Slot == slot) {
                    tiles_.pop_back();
                    links.pop_back();
                    tile = onBoard;
                }
            }
            racks_[Index(player, slot)] = tile;
            tile->Owner = player;
            tile->Slot = slot;
        }
        in.ReadListEnd();
        in.ReadListBegin();
        for (std::size_t i = 0; !in.EndOfList(); ++i) {
            std::string text = in.ReadString();
            if (i < Players.size())
                Players[i].LastMoveText = std::move(text);
        }
        in.ReadListEnd();
        for (auto &[tile, number] : links) {
            const auto found = moves.find(number);
            tile->Move = found != moves.end() ? found->second : nullptr;
        }
    } catch (...) {
        Clear();
        throw;
    }
}

} // namespace scrabble
