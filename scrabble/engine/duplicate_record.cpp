// SPDX-License-Identifier: GPL-3.0-or-later
// Duplicate's part of a saved game and of the text report. Reading checks
// every invariant of the payload before anything of the game changes: a
// damaged or foreign payload is refused and the game stays as it was.
#include <algorithm>
#include <array>
#include <map>

#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/board_picture.h"
#include "scrabble/engine/duplicate_game.h"

namespace scrabble {

namespace {

// Bounds of the lists read, far above any real game, so that a damaged
// count cannot make the reader loop or allocate without end.
constexpr int kMaxDraws = 1000;
constexpr std::size_t kMaxText = 1000;

std::string Flag(bool value)
{
    return value ? "T" : "F";
}

bool ReadFlag(savefile::TypedReader &in)
{
    const std::string text = in.ReadString();
    if (text != "T" && text != "F")
        throw savefile::ReadError("flag other than T or F");
    return text == "T";
}

void Require(bool condition, const char *what)
{
    if (!condition)
        throw savefile::ReadError(what);
}

bool IsTileLetter(char c)
{
    return IsUpperLetter(c) || c == kJoker;
}

bool IsCode(int code)
{
    switch (code) {
    case NotPlayed:
    case ProposalValid:
    case BadCoordinates:
    case LetterNotInDraw:
    case CentreNotCovered:
    case NotConnected:
    case TooManyLetters:
    case UnknownWords:
        return true;
    default:
        return false;
    }
}

void WriteRow(savefile::TypedWriter &out, const PlayerRow &row)
{
    out.WriteInteger(row.Player);
    out.WriteInteger(row.DrawNo);
    out.WriteInteger(row.Row);
    out.WriteInteger(row.Col);
    out.WriteString(std::string(1, row.Direction));
    out.WriteString(row.Spare);
    out.WriteString(row.Coord1);
    out.WriteString(row.Coord2);
    out.WriteString(row.Word);
    out.WriteString(row.WordsFormed);
    out.WriteInteger(row.ProposalState);
    out.WriteInteger(row.Result);
    out.WriteString(Flag(row.IsTop));
    out.WriteString(Flag(row.AllWordsKnown));
}

PlayerRow ReadRow(savefile::TypedReader &in, int size)
{
    PlayerRow row;
    row.Player = in.ReadInteger();
    row.DrawNo = in.ReadInteger();
    row.Row = in.ReadInteger();
    row.Col = in.ReadInteger();
    const std::string direction = in.ReadString();
    Require(direction == "H" || direction == "V" || direction == " ", "row direction");
    row.Direction = direction[0];
    Require(row.Row >= -1 && row.Row <= size && row.Col >= -1 && row.Col <= size, "row square");
    for (std::string *text : {&row.Spare, &row.Coord1, &row.Coord2, &row.Word, &row.WordsFormed}) {
        *text = in.ReadString();
        Require(text->size() <= kMaxText, "row text length");
    }
    row.ProposalState = in.ReadInteger();
    row.Result = in.ReadInteger();
    Require(IsCode(row.ProposalState) && IsCode(row.Result), "row state");
    row.IsTop = ReadFlag(in);
    row.AllWordsKnown = ReadFlag(in);
    return row;
}

} // namespace

void DuplicateGame::Write(savefile::TypedWriter &out) const
{
    out.WriteInteger(kGameKind);
    out.WriteString(Flag(GameOver));
    out.WriteInteger(drawNumber_);
    out.WriteString(bag_);
    out.WriteString(draw_);
    out.WriteString(drawShown_);
    out.WriteInteger(PlayerCount());
    out.WriteInteger(vowelCount_);
    out.WriteInteger(consonantCount_);
    out.WriteInteger(jokersLeft_);
    out.WriteInteger(cursor_ ? cursor_->col : -1);
    out.WriteInteger(cursor_ ? cursor_->row : -1);
    out.WriteInteger(activePlayer_);
    out.WriteInteger(topTotal_);
    out.WriteInteger(drawStart_);
    out.WriteInteger(int(history_.size()));
    out.WriteListBegin();
    for (const auto &move : history_)
        move->Write(out, true);
    out.WriteListEnd();
    out.WriteListBegin();
    for (const DuplicateSquare &s : squares_) {
        out.WriteInteger(s.Col);
        out.WriteInteger(s.Row);
        out.WriteInteger(s.Col);
        out.WriteInteger(s.Row);
        out.WriteString(std::string(1, s.Letter));
        out.WriteInteger(s.SquareState);
        out.WriteInteger(s.Spare1);
        out.WriteInteger(s.Spare2);
        out.WriteString(Flag(s.IsJoker));
        out.WriteInteger(s.Move != nullptr ? s.Move->MoveNumber : -1);
    }
    out.WriteListEnd();
    for (const DuplicatePlayer &p : players_) {
        out.WriteInteger(p.Info.Level);
        out.WriteListBegin();
        WriteRow(out, p.Current);
        for (const PlayerRow &row : p.Past)
            WriteRow(out, row);
        out.WriteListEnd();
    }
}

bool DuplicateGame::Read(savefile::TypedReader &in, std::string *error)
{
    const int size = layout_.Size();
    try {
        if (in.ReadInteger() != kGameKind)
            throw savefile::ReadError("not a Duplicate game");
        const bool gameOver = ReadFlag(in);
        const int drawNumber = in.ReadInteger();
        Require(drawNumber >= 0 && drawNumber <= kMaxDraws, "draw number");
        const std::string bag = in.ReadString();
        const std::string draw = in.ReadString();
        const std::string drawShown = in.ReadString();
        Require(bag.size() <= std::size_t(tileSet_.TileCount()), "bag length");
        Require(std::all_of(bag.begin(), bag.end(), IsTileLetter), "bag letter");
        Require(draw.size() <= std::size_t(DrawSize()), "draw length");
        Require(std::all_of(draw.begin(), draw.end(), IsTileLetter), "draw letter");
        Require(drawShown.size() == draw.size(), "shown draw length");
        for (std::size_t i = 0; i < draw.size(); ++i)
            Require(drawShown[i] == draw[i] || drawShown[i] == '-', "shown draw letter");
        const int playerCount = in.ReadInteger();
        Require(playerCount >= 1 && playerCount <= kMaxPlayers, "player count");
        const int vowels = in.ReadInteger();
        const int consonants = in.ReadInteger();
        Require(vowels == int(std::count_if(bag.begin(), bag.end(), IsVowel)), "vowel count");
        Require(consonants == int(std::count_if(bag.begin(), bag.end(), IsConsonant)), "consonant count");
        const int jokersLeft = in.ReadInteger();
        Require(jokersLeft >= 0 && jokersLeft <= tileSet_.jokers, "jokers left");
        const int cursorCol = in.ReadInteger();
        const int cursorRow = in.ReadInteger();
        Require((cursorCol == -1 && cursorRow == -1) || layout_.Inside(cursorCol, cursorRow), "cursor");
        const int activePlayer = in.ReadInteger();
        Require(activePlayer >= 1 && activePlayer <= playerCount, "active player");
        const int topTotal = in.ReadInteger();
        const std::int32_t drawStart = in.ReadInteger();

        // History: kept moves in draw order, each on the board.
        const int historyLength = in.ReadInteger();
        std::vector<std::unique_ptr<Tcoup>> history;
        std::map<int, const Tcoup *> byDraw;
        int total = 0;
        in.ReadListBegin();
        while (!in.EndOfList()) {
            Require(int(history.size()) < drawNumber, "more moves than draws");
            auto move = std::make_unique<Tcoup>(Tcoup::Read(in, true));
            Require(move->IsPlacement(), "move kind");
            Require(move->Player >= 1 && move->Player <= playerCount, "move player");
            Require(move->MoveNumber >= 1 && move->MoveNumber <= drawNumber, "move draw number");
            Require(history.empty() || move->MoveNumber > history.back()->MoveNumber, "move order");
            Require(!move->Word.empty() && move->Word.size() <= std::size_t(size), "move word");
            Require(std::all_of(move->Word.begin(), move->Word.end(),
                                [](char c) { return IsUpperLetter(c) || IsLowerLetter(c); }),
                    "move letter");
            Require(layout_.Inside(move->Col, move->Row), "move square");
            Require(std::all_of(move->RackText.begin(), move->RackText.end(), IsTileLetter), "move draw");
            total += move->Score;
            byDraw[move->MoveNumber] = move.get();
            history.push_back(std::move(move));
        }
        in.ReadListEnd();
        Require(historyLength == int(history.size()), "history length");
        Require(topTotal == total, "top total");

        // Board: every square once, inside the board.
        std::vector<DuplicateSquare> squares(squares_.size());
        std::vector<bool> seen(squares_.size(), false);
        int listed = 0;
        in.ReadListBegin();
        while (!in.EndOfList()) {
            Require(++listed <= size * size, "too many squares");
            const int col = in.ReadInteger();
            const int row = in.ReadInteger();
            Require(layout_.Inside(col, row), "square outside the board");
            const std::size_t index = std::size_t((row - 1) * size + col - 1);
            Require(!seen[index], "square listed twice");
            seen[index] = true;
            DuplicateSquare &s = squares[index];
            s.Col = in.ReadInteger();
            s.Row = in.ReadInteger();
            Require(s.Col == col && s.Row == row, "square coordinates");
            const std::string letter = in.ReadString();
            Require(letter.size() == 1, "square letter");
            s.Letter = letter[0];
            s.SquareState = in.ReadInteger();
            s.Spare1 = in.ReadInteger();
            s.Spare2 = in.ReadInteger();
            s.IsJoker = ReadFlag(in);
            const int moveNumber = in.ReadInteger();
            switch (s.SquareState) {
            case -1:
                Require(s.Letter == ' ' && !s.IsJoker && moveNumber == -1, "empty square");
                break;
            case 0:
                Require((IsUpperLetter(s.Letter) || IsLowerLetter(s.Letter)) && moveNumber == -1,
                        "proposal square");
                break;
            case 1: {
                Require(s.IsJoker ? IsUpperLetter(s.Letter) || IsLowerLetter(s.Letter)
                                  : IsUpperLetter(s.Letter),
                        "played square letter");
                const auto found = byDraw.find(moveNumber);
                Require(found != byDraw.end(), "square's move");
                s.Move = found->second;
                break;
            }
            default:
                Require(false, "square state");
            }
        }
        in.ReadListEnd();
        Require(listed == size * size, "missing squares");

        // Each move lies on played squares with its letters, and each played
        // square on the path of its move.
        auto at = [&](int c, int r) -> const DuplicateSquare & {
            return squares[std::size_t((r - 1) * size + c - 1)];
        };
        for (const auto &move : history) {
            int c = move->Col;
            int r = move->Row;
            for (const char letter : move->Word) {
                Require(layout_.Inside(c, r), "move past the edge");
                Require(at(c, r).IsPlayed() && Upper(at(c, r).Letter) == Upper(letter),
                        "move not on the board");
                c += StepCol(move->Kind);
                r += StepRow(move->Kind);
            }
        }
        for (const DuplicateSquare &s : squares)
            if (s.IsPlayed()) {
                const Tcoup &m = *s.Move;
                const int along = m.Kind == 'H' ? s.Col - m.Col : s.Row - m.Row;
                Require((m.Kind == 'H' ? s.Row == m.Row : s.Col == m.Col) && along >= 0 &&
                            along < int(m.Word.size()),
                        "square off its move");
            }

        // Tiles: bag, draw and board hold the whole set.
        std::array<int, 27> counts{};
        auto count = [&](char c, int delta) { counts[c == kJoker ? 26 : std::size_t(c - 'A')] += delta; };
        for (const char c : tileSet_.letters)
            count(c, -1);
        counts[26] -= tileSet_.jokers;
        for (const char c : bag)
            count(c, 1);
        for (const char c : draw)
            count(c, 1);
        int boardJokers = 0;
        for (const DuplicateSquare &s : squares)
            if (s.IsPlayed()) {
                count(s.IsJoker ? kJoker : s.Letter, 1);
                boardJokers += s.IsJoker;
            }
        Require(std::all_of(counts.begin(), counts.end(), [](int n) { return n == 0; }),
                "tiles not conserved");
        if (variant_ == DuplicateVariant::Joker)
            Require(jokersLeft + boardJokers == tileSet_.jokers, "jokers left and jokers played");

        // Players: a level and the rows, the current one first, then the past
        // ones newest first.
        std::vector<DuplicatePlayer> players(static_cast<std::size_t>(playerCount));
        for (int i = 0; i < playerCount; ++i) {
            DuplicatePlayer &p = players[std::size_t(i)];
            if (std::size_t(i) < players_.size())
                p.Info = players_[std::size_t(i)].Info;
            else
                p.Info.Name = "Joueur " + std::to_string(i + 1);
            p.Info.Level = in.ReadInteger();
            Require(p.Info.Level >= 0 && p.Info.Level <= 5, "player level");
            in.ReadListBegin();
            Require(!in.EndOfList(), "no current row");
            p.Current = ReadRow(in, size);
            Require(p.Current.Player == i + 1 && p.Current.DrawNo == 0, "current row");
            while (!in.EndOfList()) {
                Require(int(p.Past.size()) < drawNumber, "more past rows than draws");
                PlayerRow row = ReadRow(in, size);
                Require(row.Player == i + 1, "past row's player");
                Require(row.DrawNo >= 1 && row.DrawNo <= drawNumber &&
                            (p.Past.empty() || row.DrawNo < p.Past.back().DrawNo),
                        "past row's draw number");
                p.Past.push_back(std::move(row));
            }
            in.ReadListEnd();
        }
        Require(std::count_if(players.begin(), players.end(),
                              [](const DuplicatePlayer &p) { return p.Current.IsTop; }) <= 1,
                "two best rows");

        // Everything checked: the game takes the payload.
        GameOver = gameOver;
        drawNumber_ = drawNumber;
        bag_ = bag;
        draw_ = draw;
        drawShown_ = drawShown;
        vowelCount_ = vowels;
        consonantCount_ = consonants;
        jokersLeft_ = jokersLeft;
        if (cursorCol == -1)
            cursor_.reset();
        else
            cursor_ = SquarePos{cursorCol, cursorRow};
        activePlayer_ = activePlayer;
        topTotal_ = topTotal;
        drawStart_ = drawStart;
        history_ = std::move(history);
        squares_ = std::move(squares);
        players_ = std::move(players);
        candidates_.clear();
        RebuildDrawLines();
        // Scores and openness are not saved: every proposal already made for
        // this draw is checked again, so that the turn ends as it would have
        // (the active row last, the one the board shows).
        if (!GameOver) {
            for (int p = 1; p <= PlayerCount(); ++p)
                if (p != activePlayer_ && players_[std::size_t(p - 1)].Current.IsPlayed())
                    ValidateProposal(p, false, false);
            if (players_[std::size_t(activePlayer_ - 1)].Current.IsPlayed())
                ValidateProposal(activePlayer_, false, false);
        }
        // The draw's clock belongs to the window that dealt it.
        drawStart_ = Now();
        // The search and the computers' proposals run again for this draw.
        searchCountdown_ = GameOver || draw_.empty() ? -1 : 0;
        return true;
    } catch (const savefile::ReadError &e) {
        if (error != nullptr)
            *error = e.what();
        return false;
    }
}

std::vector<std::string> DuplicateGame::ReportLines() const
{
    std::vector<std::string> lines = BoardPictureLines(PlayedGrid());
    lines.emplace_back();
    for (const auto &move : history_)
        lines.push_back(HistoryReportLine(move->MoveNumber, PlayerName(move->Player), move->Text()));
    for (const DuplicatePlayer &p : players_) {
        lines.push_back(p.Info.Name + " : " + std::to_string(p.Info.Score) + " pts.");
        for (auto row = p.Past.rbegin(); row != p.Past.rend(); ++row)
            lines.push_back(row->Coord1 + " " + row->Coord2 + " " + row->Word + " " +
                            std::to_string(row->Score) + "pts." + (row->IsTop ? " (top)." : "."));
        lines.emplace_back();
    }
    return lines;
}

} // namespace scrabble
