// SPDX-License-Identifier: GPL-3.0-or-later
// The history of the classic game: recording moves, the history list lines,
// the text report, the end of the game and its adjustments, and the status
// text of a board square.
#include <algorithm>

#include "scrabble/engine/board_game.h"
#include "scrabble/engine/board_picture.h"
#include "scrabble/engine/text.h"

namespace scrabble {

const Tcoup &BoardGame::RecordMove(Tcoup move)
{
    if (move.Player >= 1 && move.Player <= PlayerCount()) {
        PlayerInfo &p = Players[std::size_t(move.Player - 1)];
        p.Score += move.Score;
        p.LastMoveText = move.Text();
    }
    move.MoveNumber = MoveCount() + 1;
    return history_.Add(std::make_unique<Tcoup>(std::move(move)));
}

std::string BoardGame::StatusText(const Tcoup &move) const
{
    return PlayerName(move.Player) + CodePage(" joue « ") + move.Text() + CodePage(" ».");
}

std::string BoardGame::HistoryLine(const Tcoup &move) const
{
    return std::to_string(move.MoveNumber) + " " + move.Text() + " (" + PlayerName(move.Player) + ")";
}

std::vector<std::string> BoardGame::ReportLines() const
{
    std::vector<std::string> lines = BoardPictureLines(Snapshot());
    lines.emplace_back();
    for (const auto &move : history_.Moves())
        lines.push_back(HistoryReportLine(move->MoveNumber, PlayerName(move->Player), move->Text()));
    return lines;
}

bool BoardGame::IsGameOver() const
{
    if (!bag_.Empty())
        return false;
    for (int player = 1; player <= PlayerCount(); ++player)
        if (RackText(player).empty())
            return true;
    const int moves = MoveCount();
    if (moves <= 10)
        return false;
    const int n = std::min(PlayerCount(), moves - 1);
    for (int i = moves - n; i < moves; ++i)
        if (history_[std::size_t(i)].Kind != Pass)
            return false;
    return true;
}

void BoardGame::ApplyEndOfGame()
{
    int wentOut = 0;
    int total = 0;
    std::string lastLetters;
    for (int player = 1; player <= PlayerCount(); ++player) {
        std::string spaced;
        int sum = 0;
        std::string letters;
        for (int slot = 1; slot <= rackSize_; ++slot)
            if (const TJeton *tile = RackTile(player, slot)) {
                letters += tile->Letter;
                spaced += std::string(1, tile->Letter) + " ";
                sum += rules_->penaltyPerTile != 0 ? rules_->penaltyPerTile : tile->Value;
            }
        lastLetters = letters;
        if (letters.empty())
            wentOut = player;
        if (sum > 0) {
            Tcoup penalty = Tcoup::MakePenalty(player, spaced, -sum);
            if (rules_->movesKeepRack)
                penalty.RackText = letters;
            RecordMove(std::move(penalty));
            total += sum;
        }
    }
    if (wentOut != 0 && total > 0) {
        Tcoup bonus = Tcoup::MakeBonus(wentOut, total);
        if (rules_->movesKeepRack)
            bonus.RackText = lastLetters;
        RecordMove(std::move(bonus));
    }
}

std::string BoardGame::SquareDescription(int col, int row) const
{
    std::string text = std::string(1, RowLetter(row)) + " " + std::to_string(col);
    text += rules_->squareText(*layout_, col, row);
    if (const TJeton *tile = At(col, row)) {
        text += ' ';
        text += tile->Description([this](int p) { return PlayerName(p); });
    }
    // A stack: the letters under its top, from the top down.
    const int height = StackHeight(col, row);
    for (int level = 2; level <= height; ++level)
        text += (level == 2 ? CodePage(" placé sur : ") : std::string(", ")) +
                std::string(1, StackTile(col, row, level)->Letter);
    if (height > 1)
        text += '.';
    return text;
}

} // namespace scrabble
