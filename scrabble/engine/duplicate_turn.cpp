// SPDX-License-Identifier: GPL-3.0-or-later
// Duplicate's turn: the timer tick that runs the search a few ticks after a
// deal and then the computer players' proposals one per tick, and the end of
// the turn that counts every row, puts the best proposal on the board and
// deals the next draw.
#include <algorithm>

#include "scrabble/engine/duplicate_game.h"
#include "scrabble/engine/text.h"

namespace scrabble {

namespace {
// SearchCountdown: the search runs when the count reaches kSearchAt (it then
// jumps to kSearchDone); player p proposes at kProposalBase + p; kEndTurn
// asks for the end of the turn.
constexpr int kSearchAt = 5;
constexpr int kSearchDone = 7;
constexpr int kProposalBase = 10;
constexpr int kEndTurn = 99;
} // namespace

std::string EndTurnResult::Message(const std::string &playerName) const
{
    if (outcome != NotYetPlayed)
        return {};
    return "Le joueur " + playerName + CodePage(" n'a pas encore joué.");
}

TickResult DuplicateGame::Tick()
{
    TickResult result;
    if (draw_.empty())
        GameOver = true;
    if (GameOver) {
        result.gameOver = true;
        return result;
    }
    if (searchCountdown_ >= 0) {
        ++searchCountdown_;
        if (searchCountdown_ == kSearchAt) {
            searchCountdown_ = kSearchDone;
            SearchMoves();
            result.searched = true;
        }
    }
    if (searchCountdown_ > kProposalBase) {
        const int p = searchCountdown_ - kProposalBase;
        if (p > PlayerCount()) {
            const bool computers = std::all_of(players_.begin(), players_.end(),
                                               [](const DuplicatePlayer &d) { return d.IsComputer(); });
            searchCountdown_ = computers ? kEndTurn : -1;
        } else if (Player(p).IsComputer()) {
            result.proposedBy = p;
            result.proposalCode = ComputerProposal(p);
        }
    }
    if (searchCountdown_ == kEndTurn) {
        searchCountdown_ = -1;
        result.endTurn = EndTurn();
    }
    result.gameOver = GameOver;
    return result;
}

EndTurnResult DuplicateGame::EndTurn()
{
    EndTurnResult result;
    if (GameOver || players_.empty())
        return result;
    for (const DuplicatePlayer &p : players_) {
        if (p.Current.IsPlayed())
            continue;
        result.player = p.Current.Player;
        if (p.IsComputer()) {
            result.outcome = EndTurnResult::NotYetPlayed;
            return result;
        }
        const std::string question =
            "Le joueur " + std::to_string(p.Current.Player) + " (" + p.Info.Name + ") passe son tour ?";
        if (!confirm || !confirm(question)) {
            result.outcome = EndTurnResult::PassDeclined;
            return result;
        }
    }
    result.player = 0;

    for (DuplicatePlayer &p : players_)
        if (p.Current.IsValid())
            p.Info.Score += p.Current.Score;
    const int top = TopPlayer();
    if (top != 0) {
        const PlayerRow &row = Player(top).Current;
        auto move = std::make_unique<Tcoup>();
        move->Player = top;
        move->Word = row.Word;
        move->Kind = row.Direction;
        move->Col = row.Col;
        move->Row = row.Row;
        move->Score = row.Score;
        move->Openness = row.Openness;
        move->MoveNumber = drawNumber_;
        move->RackText = draw_;
        topTotal_ += move->Score;
        history_.push_back(std::move(move));
        PlaceKeptMove(*history_.back());
        result.move = history_.back().get();
    }
    for (DuplicatePlayer &p : players_) {
        const int number = p.Current.Player;
        p.Past.insert(p.Past.begin(), p.Current);
        p.Past.front().DrawNo = drawNumber_;
        p.Current = PlayerRow{};
        p.Current.Player = number;
    }
    ClearProposalSquares();
    if (top == 0) {
        GameOver = true;
        result.outcome = EndTurnResult::NoMoveKept;
    } else {
        result.outcome = EndTurnResult::Played;
        DealDraw();
        if (draw_.empty())
            GameOver = true;
    }
    if (GameOver) {
        searchCountdown_ = -1;
        cursor_.reset();
    }
    result.gameOver = GameOver;
    return result;
}

void DuplicateGame::PlaceKeptMove(const Tcoup &move)
{
    const bool jokerRule = JokerRule();
    int col = move.Col;
    int row = move.Row;
    for (const char letter : move.Word) {
        if (!layout_.Inside(col, row))
            break;
        DuplicateSquare &square = Square(col, row);
        if (!square.IsPlayed()) {
            square.SquareState = 1;
            square.Move = &move;
            square.Letter = letter;
            square.IsJoker = false;
            const auto inDraw = IsUpperLetter(letter) ? draw_.find(letter) : std::string::npos;
            if (inDraw != std::string::npos) {
                draw_[inDraw] = '_';
            } else {
                const auto joker = draw_.find(kJoker);
                if (joker != std::string::npos)
                    draw_[joker] = '_';
                square.IsJoker = true;
                if (jokerRule) {
                    // The real tile comes from the bag when it is still there,
                    // the joker going back in its place.
                    const auto inBag = bag_.find(Upper(letter));
                    if (inBag != std::string::npos) {
                        bag_[inBag] = kJoker;
                        square.IsJoker = false;
                    } else {
                        --jokersLeft_;
                    }
                }
            }
        }
        col += StepCol(move.Kind);
        row += StepRow(move.Kind);
    }
}

} // namespace scrabble
