// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/topword/topword_game.h"

#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/board_picture.h"

namespace topword {

Game::Game(std::uint64_t seed, int boardSize) : BoardGame(seed, topword::Rules(boardSize)) {}

void Game::SetBoardSize(int size)
{
    ChangeRules(topword::Rules(size));
}

const std::string &Game::PreviousMoveText(int player) const
{
    static const std::string none;
    return player >= 1 && player <= 4 ? previous_[std::size_t(player - 1)] : none;
}

void Game::NewGame()
{
    previous_.fill({});
    BoardGame::NewGame();
}

const scrabble::Tcoup &Game::RecordMove(scrabble::Tcoup move)
{
    const int player = move.Player;
    const int before = MoveCount();
    const std::string latest = player >= 1 && player <= PlayerCount() ? Player(player).LastMoveText : "";
    const scrabble::Tcoup &recorded = BoardGame::RecordMove(std::move(move));
    if (player >= 1 && player <= PlayerCount()) {
        previous_[std::size_t(player - 1)] = latest;
        Players[std::size_t(player - 1)].LastMoveText = std::to_string(before) + " : " + recorded.Text();
    }
    return recorded;
}

void Game::WriteHead(savefile::TypedWriter &out) const
{
    out.WriteInteger(BoardSize());
    out.WriteInteger(bagArea_.Left);
    out.WriteInteger(bagArea_.Right);
    out.WriteInteger(bagArea_.Top);
    out.WriteInteger(bagArea_.Bottom);
}

void Game::ReadHead(savefile::TypedReader &in)
{
    const int size = in.ReadInteger();
    if (size != kLargeBoard && size != kSmallBoard)
        Refuse("board size");
    SetBoardSize(size);
    // The window lays the bag out again; the area read only has to be one.
    scrabble::TileRect area;
    area.Left = in.ReadInteger();
    area.Right = in.ReadInteger();
    area.Top = in.ReadInteger();
    area.Bottom = in.ReadInteger();
    for (const int coordinate : {area.Left, area.Right, area.Top, area.Bottom})
        if (coordinate < -scrabble::TJeton::kFarthest || coordinate > scrabble::TJeton::kFarthest)
            Refuse("bag area");
    if (area.Left > area.Right || area.Top > area.Bottom)
        Refuse("bag area");
}

void Game::WritePlayers(savefile::TypedWriter &out) const
{
    out.WriteListBegin();
    for (int player = 1; player <= PlayerCount(); ++player) {
        out.WriteString(Player(player).LastMoveText);
        out.WriteString(PreviousMoveText(player));
    }
    out.WriteListEnd();
}

void Game::ReadPlayers(savefile::TypedReader &in)
{
    in.ReadListBegin();
    int player = 0;
    while (!in.EndOfList()) {
        if (++player > PlayerCount())
            Refuse("last move texts");
        Players[std::size_t(player - 1)].LastMoveText = in.ReadString();
        previous_[std::size_t(player - 1)] = in.ReadString();
    }
    in.ReadListEnd();
    if (player != PlayerCount())
        Refuse("last move texts");
}

std::vector<std::string> Game::ReportLines() const
{
    std::vector<std::string> lines = scrabble::BoardPictureLines(Snapshot());
    lines.emplace_back();
    for (const auto &move : History()) {
        std::string name = PlayerName(move->Player);
        name.resize(20, ' ');
        lines.push_back(std::to_string(move->MoveNumber) + " " + name + " " + move->Text());
    }
    lines.emplace_back();
    lines.emplace_back("Ludorine");
    return lines;
}

} // namespace topword
