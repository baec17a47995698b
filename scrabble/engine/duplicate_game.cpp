// SPDX-License-Identifier: GPL-3.0-or-later
// The Duplicate game's board and players: starting a game, the square
// records and their status text, the player table's texts, and typing a
// proposal straight onto the board with the cursor.
#include "scrabble/engine/duplicate_game.h"

#include <algorithm>
#include <cstdio>

#include "scrabble/engine/final_ranking.h"
#include "scrabble/engine/text.h"

namespace scrabble {

DuplicateGame::DuplicateGame(const TDictionnaire *dictionary, std::uint64_t seed, const BoardLayout &layout,
                             const TileSet &tileSet)
    : random(seed), dictionary_(dictionary), layout_(layout), tileSet_(tileSet),
      squares_(std::size_t(layout.Size() * layout.Size()))
{
    NewGame();
}

ScoringRules DuplicateGame::Rules() const
{
    ScoringRules rules;
    rules.letterValue = &LetterValue;
    rules.bingoBonus = variant_ == DuplicateVariant::SansPrime ? 0 : 50;
    rules.jokerTilesScoreZero = false;
    return rules;
}

void DuplicateGame::NewGame()
{
    drawNumber_ = 0;
    topTotal_ = 0;
    if (seedSource)
        random.Reseed(seedSource());
    history_.clear();
    candidates_.clear();
    drawLines_.clear();
    const int size = layout_.Size();
    for (int row = 1; row <= size; ++row)
        for (int col = 1; col <= size; ++col) {
            DuplicateSquare &square = Square(col, row);
            square = DuplicateSquare{};
            square.Col = col;
            square.Row = row;
        }
    bag_ = tileSet_.letters + std::string(std::size_t(tileSet_.jokers), kJoker);
    RefreshBagFacts();
    draw_ = "LUDORIN";
    drawShown_ = draw_;
    jokersLeft_ = tileSet_.jokers;
    searchCountdown_ = -1;
    cursor_.reset();
    GameOver = false;
    for (DuplicatePlayer &p : players_) {
        p.Past.clear();
        p.Current = PlayerRow{};
        p.Current.Player = int(&p - players_.data()) + 1;
    }
}

bool DuplicateGame::StartGame(const std::vector<PlayerInfo> &players, DuplicateVariant variant)
{
    if (players.empty() || int(players.size()) > kMaxPlayers)
        return false;
    SetPlayers(players);
    for (DuplicatePlayer &p : players_)
        p.Info.Score = 0;
    NewGame();
    variant_ = variant;
    draw_ = std::string(std::size_t(DrawSize()), '_');
    DealDraw();
    activePlayer_ = 1;
    return true;
}

void DuplicateGame::SetPlayers(const std::vector<PlayerInfo> &players)
{
    players_.clear();
    for (const PlayerInfo &info : players) {
        DuplicatePlayer p;
        p.Info = info;
        p.Current.Player = int(players_.size()) + 1;
        players_.push_back(std::move(p));
    }
    if (activePlayer_ > PlayerCount())
        activePlayer_ = 1;
}

DuplicateSquare &DuplicateGame::Square(int col, int row)
{
    return squares_[std::size_t((row - 1) * layout_.Size() + col - 1)];
}

const DuplicateSquare &DuplicateGame::SquareAt(int col, int row) const
{
    static const DuplicateSquare outside{};
    if (!layout_.Inside(col, row))
        return outside;
    return squares_[std::size_t((row - 1) * layout_.Size() + col - 1)];
}

Grid DuplicateGame::PlayedGrid(bool withProposal) const
{
    Grid grid(layout_.Size());
    for (const DuplicateSquare &s : squares_) {
        if (s.IsEmpty() || (!withProposal && !s.IsPlayed()))
            continue;
        scrabble::Square &square = grid.At(s.Col, s.Row);
        square.letter = s.Letter;
        square.joker = s.IsJoker;
        square.state = s.IsPlayed() ? SquareState::Played : SquareState::Pending;
    }
    return grid;
}

std::string DuplicateGame::SquareDescription(int col, int row) const
{
    if (!layout_.Inside(col, row))
        return {};
    std::string text = std::string(1, RowLetter(row)) + " " + std::to_string(col) + " ";
    text += PremiumText(layout_.At(col, row));
    const DuplicateSquare &square = SquareAt(col, row);
    const std::string letter(1, square.Letter);
    if (square.IsPlayed()) {
        text += ' ';
        if (square.IsJoker)
            text += CodePage("Joker («") + letter + CodePage("»). ");
        else
            text += CodePage("«") + letter + CodePage("» (") + std::to_string(LetterValue(square.Letter)) +
                    " pts). ";
        if (square.Move != nullptr)
            text += CodePage(" Jouée par «") + PlayerName(square.Move->Player) + CodePage("». ") +
                    CodePage(" Coup n° ") + std::to_string(square.Move->MoveNumber) + " : " +
                    square.Move->Text();
    } else if (square.SquareState == 0) {
        text +=
            CodePage(" lettre «") + letter + CodePage("» (") +
            (square.IsJoker ? std::string("joker).") : std::to_string(LetterValue(square.Letter)) + " pts).");
    }
    return text;
}

std::string DuplicateGame::PlayerName(int number) const
{
    return number >= 1 && number <= PlayerCount() ? Player(number).Info.Name : std::string();
}

std::string PlayerRow::MoveText() const
{
    if (!IsPlayed() && Word.empty())
        return "?";
    std::string text = Coord1 + " " + Coord2 + " " + Word;
    if (DrawNo == 0 && Score > 0)
        text += " (" + std::to_string(Score) + ")";
    return text;
}

std::string DuplicateGame::NoteText(int number) const
{
    const int total = Player(number).Info.Score;
    std::string text = std::to_string(total) + " pts.";
    if (topTotal_ > 0) {
        char share[32];
        std::snprintf(share, sizeof share, " (%3.2f ", 100.0 * total / topTotal_);
        text += std::string(share) + " %)";
    }
    return text;
}

std::vector<int> DuplicateGame::Ranking() const
{
    std::vector<PlayerInfo> infos;
    for (const DuplicatePlayer &p : players_)
        infos.push_back(p.Info);
    return FinalRanking(infos);
}

int DuplicateGame::Winner() const
{
    const std::vector<int> ranking = Ranking();
    return ranking.empty() ? 0 : ranking.front();
}

std::string DuplicateGame::HistoryLine(const Tcoup &move) const
{
    return std::to_string(move.MoveNumber) + " " + move.Text() + " (" + PlayerName(move.Player) + ")";
}

bool DuplicateGame::HumanActive() const
{
    return !GameOver && activePlayer_ >= 1 && activePlayer_ <= PlayerCount() &&
           !Player(activePlayer_).IsComputer();
}

// Typing on the board.

bool DuplicateGame::ClickSquare(int col, int row)
{
    if (layout_.Inside(col, row) && !SquareAt(col, row).IsPlayed())
        cursor_ = SquarePos{col, row};
    else
        cursor_.reset();
    return cursor_.has_value();
}

void DuplicateGame::MoveCursor(CursorKey key)
{
    cursor_ = MovedCursor(cursor_, key, layout_.Size());
}

std::optional<ProposalFields> DuplicateGame::TypeOnBoard(char letter)
{
    if (!cursor_ || !HumanActive())
        return std::nullopt;
    const int col = cursor_->col;
    const int row = cursor_->row;
    DuplicateSquare &square = Square(col, row);
    if (square.IsPlayed())
        return std::nullopt;
    const bool put = IsUpperLetter(Upper(letter));
    if (letter != 0 && !put)
        return std::nullopt;
    square.Letter = put ? Upper(letter) : ' ';
    square.SquareState = put ? 0 : -1;
    square.IsJoker = false;

    auto shown = [this](int c, int r) { return SquareAt(c, r).SquareState == 0; };
    auto holds = [this](int c, int r) { return !SquareAt(c, r).IsEmpty(); };
    char dir = 'H';
    if (shown(col, row - 1) || shown(col, row + 1))
        dir = 'V';
    else if (shown(col - 1, row) || shown(col + 1, row))
        dir = 'H';
    else if (SquareAt(col, row - 1).IsPlayed() || SquareAt(col, row + 1).IsPlayed())
        dir = 'V';
    const int dc = StepCol(dir);
    const int dr = StepRow(dir);
    int c = col;
    int r = row;
    while (holds(c - dc, r - dr)) {
        c -= dc;
        r -= dr;
    }
    ProposalFields fields;
    for (int x = c, y = r; holds(x, y); x += dc, y += dr)
        fields.word += Upper(SquareAt(x, y).Letter);
    fields.coord1 = dir == 'H' ? std::string(1, RowLetter(r)) : std::to_string(c);
    fields.coord2 = dir == 'H' ? std::to_string(c) : std::string(1, RowLetter(r));

    PlayerRow &current = players_[std::size_t(activePlayer_ - 1)].Current;
    current.Coord1 = fields.coord1;
    current.Coord2 = fields.coord2;
    current.Word = fields.word;
    ValidateProposal(activePlayer_, false, false);
    if (put) {
        int x = col + dc;
        int y = row + dr;
        while (SquareAt(x, y).IsPlayed()) {
            x += dc;
            y += dr;
        }
        if (layout_.Inside(x, y))
            cursor_ = SquarePos{x, y};
    }
    return fields;
}

} // namespace scrabble
