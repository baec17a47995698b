// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/keyword/keyword_game.h"

#include <algorithm>

#include "boardgames/keyword/keyword_board.h"
#include "boardgames/keyword/keyword_key.h"
#include "boardgames/keyword/keyword_report.h"
#include "boardgames/keyword/keyword_rules.h"
#include "boardgames/keyword/keyword_validation.h"
#include "dictionary/dictionnaire.h"
#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/placement_checks.h"
#include "scrabble/engine/text.h"

namespace keyword {

namespace {
// Key candidates and texts kept in a saved game: far more than a game draws.
constexpr std::size_t kMostCandidates = 1000;
} // namespace

const scrabble::BoardLayout &Layout()
{
    static const scrabble::BoardLayout layout(kBoardSize, SquareKinds(), {{10, 10}});
    return layout;
}

std::string SquareText(const scrabble::BoardLayout &layout, int col, int row)
{
    const std::string name = scrabble::CodePage(SquareName(layout.Code(col, row)));
    return name.empty() ? std::string() : " " + name;
}

const scrabble::GameRules &Rules()
{
    static const Scoring scoring;
    static const scrabble::GameRules rules = [] {
        scrabble::GameRules r;
        r.layout = &Layout();
        r.scoring = &scoring;
        r.rackSize = kRackSize;
        r.exchangeAllowed = false;
        r.minFirstWord = 3;
        r.movesKeepRack = false;
        r.movesKeepKey = true;
        r.jokerValue = kTileValue;
        r.manualDrawOfTheLastTiles = true;
        r.questionTitle = scrabble::CodePage("La clé");
        r.squareText = &SquareText;
        r.readTile = &TJeton::Read;
        r.newTile = &TJeton::Make;
        r.openingStarts = {{'V', 10, 9}, {'H', 9, 10}};
        r.openingMinLength = 4;
        return r;
    }();
    return rules;
}

std::string Game::Key() const
{
    return CurrentKey(KeyCandidates, KeyIndex);
}

void Game::DrawKey()
{
    KeyIndex = DrawKeyIndex(int(KeyCandidates.size()), random);
}

void Game::AssignColours()
{
    const std::vector<int> colours = PlayerColours(PlayerCount(), 1 + random.Below(4));
    for (int p = 0; p < PlayerCount() && p < int(colours.size()); ++p) {
        Players[std::size_t(p)].Colour = colours[std::size_t(p)];
        Players[std::size_t(p)].LastMoveText.clear();
    }
}

void Game::NewGame()
{
    MoveInfo.clear();
    BoardGame::NewGame();
    KeyCandidates = dictionary_ != nullptr ? dictionary_->RandomWords(100, 3, 3) : std::vector<std::string>();
    DrawKey();
}

int Game::Side(int player) const
{
    return player >= 1 && player <= PlayerCount() ? Player(player).Colour : 0;
}

void Game::Scored(Tcoup &move, const scrabble::Grid &grid) const
{
    // The key is read on the board without the move's own tiles.
    scrabble::Grid before(grid.Size());
    for (int row = 1; row <= grid.Size(); ++row)
        for (int col = 1; col <= grid.Size(); ++col)
            if (grid.At(col, row).IsPlayed())
                before.At(col, row) = grid.At(col, row);
    move.KeyFormed = CheckKey(before, move, Key());
    if (!move.KeyFormed.empty())
        move.Score += kKeyBonus;
}

const Tcoup &Game::RecordMove(Tcoup move)
{
    const Tcoup &recorded = BoardGame::RecordMove(std::move(move));
    if (!recorded.KeyFormed.empty())
        DrawKey();
    return recorded;
}

scrabble::InputFields Game::ReadPlacedTiles()
{
    scrabble::InputFields fields = BoardGame::ReadPlacedTiles();
    MoveInfo.clear();
    if (!fields.word.empty())
        MoveInfo = fields.coord1 + " " + fields.coord2 + " " + fields.word + " " + fields.score + " pts.";
    return fields;
}

scrabble::InputResult Game::ValidateInput(const scrabble::InputFields &, const TDictionnaire *dictionary,
                                          const scrabble::Confirm &confirm)
{
    scrabble::InputResult result;
    const int player = CurrentPlayer;
    std::vector<LaidTile> laid;
    for (int slot = 1; slot <= RackSize(); ++slot)
        if (TJeton *tile = static_cast<TJeton *>(RackTile(player, slot));
            tile != nullptr && tile->IsPending()) {
            tile->State = scrabble::Placed;
            tile->Selected = false;
            laid.push_back({tile->Col, tile->Row,
                            tile->IsJoker && tile->Letter == scrabble::kJoker ? '*' : tile->Letter});
        }
    const scrabble::Grid played = Snapshot(false);
    const LaidMove move = ValidateLaid(played, laid, played.PlayedCount() == 0);
    if (move.code == kNothingLaid) {
        if (!confirm || !confirm(scrabble::CodePage("Voulez vous passer votre tour ?")))
            return result;
        result.move = &RecordMove(Tcoup::MakePass(player));
        result.outcome = scrabble::InputResult::Played;
        return result;
    }
    if (move.code != 0) {
        result.outcome = scrabble::InputResult::Error;
        result.code = move.code;
        result.text = ErrorText(move.code);
        if (move.code == kJokerWithoutLetter)
            if (scrabble::TJeton *joker = At(move.joker.col, move.joker.row))
                result.highlight.push_back(joker);
        return result;
    }
    for (const std::string &word : move.words)
        if (dictionary != nullptr && !dictionary->Contains(scrabble::UpperCase(word)) &&
            !(confirm &&
              confirm("Le mot " + word +
                      scrabble::CodePage(" ne figure pas dans le dictionnaire. Confirmez-vous ce mot ?"))))
            return result;
    const scrabble::Grid grid = Snapshot(true);
    Tcoup placement = Tcoup::Placement(player, move.word, move.direction, move.col, move.row, grid, Layout(),
                                       *Rules().scoring, Side(player));
    Scored(placement, grid);
    result.move = &PlayLaidTiles(std::move(placement));
    result.outcome = scrabble::InputResult::Played;
    MoveInfo.clear();
    return result;
}

const Tcoup &Game::PickComputerMove(const std::vector<Tcoup> &candidates, int level)
{
    std::vector<bool> formsKey;
    for (const Tcoup &move : candidates)
        formsKey.push_back(!move.KeyFormed.empty());
    const Tcoup &chosen = candidates.at(keyword::PickComputerIndex(candidates, formsKey, level, random));
    MoveInfo = chosen.Text();
    return chosen;
}

void Game::ApplyEndOfGame()
{
    std::vector<std::string> racks;
    for (int p = 1; p <= PlayerCount(); ++p)
        racks.push_back(RackText(p));
    for (Tcoup &move : EndOfGameMoves(racks))
        RecordMove(std::move(move));
}

std::vector<std::string> Game::ReportLines() const
{
    return keyword::ReportLines(Snapshot(), History(), [this](int p) { return PlayerName(p); });
}

void Game::WritePlayers(savefile::TypedWriter &out) const
{
    out.WriteListBegin();
    for (const scrabble::PlayerInfo &p : Players) {
        out.WriteInteger(p.Colour);
        out.WriteString(p.LastMoveText);
    }
    out.WriteListEnd();
}

void Game::ReadPlayers(savefile::TypedReader &in)
{
    in.ReadListBegin();
    std::size_t count = 0;
    while (!in.EndOfList()) {
        const int colour = in.ReadInteger();
        std::string text = in.ReadString();
        if (count >= Players.size() || colour < 1 || colour > 4)
            Refuse("player colour");
        Players[count].Colour = colour;
        Players[count++].LastMoveText = std::move(text);
    }
    in.ReadListEnd();
    if (count != Players.size())
        Refuse("players");
}

void Game::WriteTail(savefile::TypedWriter &out) const
{
    out.WriteListBegin();
    for (const std::string &word : KeyCandidates)
        out.WriteString(word);
    out.WriteListEnd();
    out.WriteInteger(KeyIndex);
    out.WriteString(MoveInfo);
}

void Game::ReadTail(savefile::TypedReader &in)
{
    KeyCandidates.clear();
    in.ReadListBegin();
    while (!in.EndOfList()) {
        std::string word = in.ReadString();
        if (KeyCandidates.size() >= kMostCandidates || word.empty() || word.size() > 15)
            Refuse("key candidates");
        for (const char c : word)
            if (!scrabble::IsUpperLetter(scrabble::Upper(c)))
                Refuse("key candidate letter");
        KeyCandidates.push_back(std::move(word));
    }
    in.ReadListEnd();
    KeyIndex = in.ReadInteger();
    if (KeyIndex < 0 || (KeyIndex >= int(KeyCandidates.size()) && !(KeyIndex == 0 && KeyCandidates.empty())))
        Refuse("key index");
    MoveInfo = in.ReadString();
}

} // namespace keyword
