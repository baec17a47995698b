// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state and rules of one board game played in turn (classic Scrabble,
// Wordy...): the tiles and their containers (bag, racks, board), the
// players' scores, the history, and every action the game window turns
// mouse, keyboard and timer events into. What differs between the games is
// their GameRules. Nothing here shows anything: questions go through
// callbacks, errors come back as codes (text.h gives their French messages).
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scrabble/engine/board_layout.h"
#include "scrabble/engine/game_rules.h"
#include "scrabble/engine/grid.h"
#include "scrabble/engine/letters.h"
#include "scrabble/engine/move.h"
#include "scrabble/engine/move_search.h"
#include "scrabble/engine/random.h"
#include "scrabble/engine/tile.h"
#include "scrabble/engine/tile_containers.h"

namespace savefile {
class TypedWriter;
class TypedReader;
} // namespace savefile

namespace scrabble {

struct PlayerInfo {
    std::string Name;
    int Level = 0; // 0 human, 1 to 5 computer
    int Score = 0;
    std::string LastMoveText;
    int Colour = 0; // a game whose scoring sees the player's colour
};

enum class DrawMode { Automatic, Manual };

// The manual draw's text prompt: title, label, default answer; nullopt when
// cancelled. The window connects it to its dialog service (and switches the
// capital lock on before asking).
using DrawPrompt = std::function<std::optional<std::string>(
    const std::string &title, const std::string &label, const std::string &defaultAnswer)>;
// A Yes/No question (titled by the rules' questionTitle): true for Yes.
using Confirm = std::function<bool(const std::string &question)>;

struct ExchangeCheck {
    int code = 0; // 0: valid; otherwise 1 to 4
    std::string detail;
    std::vector<TJeton *> tiles; // matched, in matching order (error 4: the tiles to frame)
};

// The four fields of the input panel.
struct InputFields {
    std::string coord1;
    std::string coord2;
    std::string word;
    std::string score;
};

struct InputResult {
    enum Outcome { Played, Error, Abandoned } outcome = Abandoned;
    int code = 0;                // the error (1 to 4, 10 to 18)
    std::string detail;          // fills the message's %s
    const Tcoup *move = nullptr; // the move recorded
    InputFields fields;          // rewritten in normal form after a word move
    std::vector<TJeton *> highlight;
    std::string text; // a game's own message for the code; the Scrabble one when empty

    std::string Message() const;
};

class BoardGame {
public:
    explicit BoardGame(std::uint64_t seed = 1, const GameRules &rules = GameRules::Classic());
    BoardGame(const BoardGame &) = delete;
    BoardGame &operator=(const BoardGame &) = delete;
    virtual ~BoardGame() = default;

    Random random;
    DrawMode drawMode = DrawMode::Automatic;
    std::vector<PlayerInfo> Players; // players 1..N at indices 0..N-1
    int CurrentPlayer = 1;

    const GameRules &Rules() const { return *rules_; }
    const BoardLayout &Layout() const { return *layout_; }
    // Where the tiles are drawn; none: they keep their rectangles.
    void SetPlaces(const TilePlaces *places) { places_ = places; }
    // The tile's target for its state and place.
    void Aim(TJeton *tile);
    int RackSize() const { return rackSize_; }
    int PlayerCount() const { return int(Players.size()); }
    const PlayerInfo &Player(int number) const { return Players[std::size_t(number - 1)]; }
    std::string PlayerName(int number) const;
    void NextPlayer() { CurrentPlayer = CurrentPlayer >= PlayerCount() ? 1 : CurrentPlayer + 1; }

    // Containers.
    const std::vector<TJeton *> &Bag() const { return bag_.Tiles(); }
    int BagSize() const { return bag_.Size(); }
    TJeton *RackTile(int player, int slot) const { return racks_.At(player, slot); }
    // The top tile of a square (null when empty).
    TJeton *At(int col, int row) const;
    // A tile of a square's stack by level (1: the top) and the stack's height.
    TJeton *StackTile(int col, int row, int level) const;
    int StackHeight(int col, int row) const;
    // The highest played tile of a square and how many played tiles it holds
    // (a tile laid this turn may lie on top of them).
    TJeton *PlayedAt(int col, int row) const;
    int PlayedHeight(int col, int row) const;
    std::vector<TJeton *> BoardTiles() const;
    const std::vector<std::unique_ptr<TJeton>> &Tiles() const { return tiles_; }
    const std::vector<std::unique_ptr<Tcoup>> &History() const { return history_.Moves(); }
    int MoveCount() const { return history_.Count(); }
    // Rack letters in slot order (a joker as its letter or '*').
    std::string RackText(int player) const;
    // The rack for the search: a joker is always '*'.
    std::string RackLetters(int player) const;

    // The board as the rules see it; with includePending, the tiles laid this
    // turn too.
    Grid Snapshot(bool includePending = true) const;

    // Bag, draw, rack (bag.cpp).
    // History and board cleared, scores reset, new bag shuffled.
    virtual void NewGame();
    void BuildBag();
    void ShuffleBag(bool thorough);
    // Fills every empty rack slot of players 1..N.
    void DrawTiles(const DrawPrompt &prompt = {});
    void DrawTilesFor(int player, const DrawPrompt &prompt = {});
    void ShuffleRack(int player);
    ExchangeCheck CheckExchange(const std::string &request) const;
    // Gives the checked tiles back and records the exchange.
    const Tcoup &ExecuteExchange(const ExchangeCheck &check);

    // Setting up a position (tests, tools): the first bag tile with the
    // letter ('*' or a lower-case letter for a joker) goes to a rack slot or
    // is played on a square with no move (on top of its stack when it may
    // cover it). False when the bag has none or the place is taken.
    bool TakeFromBag(char letter, int player, int slot);
    bool PlayFromBag(char letter, int col, int row);
    // Every tile of the rack back to the bag.
    void EmptyRack(int player);

    // Mouse moves of the current turn.
    // Whether a tile of the current turn may be laid on a square: an empty
    // one, its own, or a played tile of another letter on a stack with room
    // (a tile laid this turn is never covered).
    bool CanPlace(const TJeton *tile, int col, int row) const;
    // Lays a tile on a square when CanPlace allows it.
    bool PlaceTile(TJeton *tile, int col, int row);
    // Takes a tile laid this turn off the top of its stack to be dragged
    // elsewhere (it keeps its rectangle; its state is OnRack); false for a
    // tile that is not the top of a stack laid this turn.
    bool LiftTile(TJeton *tile);
    // Sets every board tile's level and stack height and aims it (the lower
    // tiles jump to their place, the top glides); a tile laid this turn on a
    // tile of its own letter goes back to its rack.
    void NormaliseStacks();
    // Takes a tile laid this turn back to its rack slot.
    void ReturnToRack(TJeton *tile);
    void ReturnPendingTiles();
    // After a refused move: the tiles laid this turn stay where they are,
    // back to their plain laid state; the others go to their places (tiles
    // taken out of the exchange area slide home).
    void ResumeTurn();
    // Puts a tile of the current turn (on its rack or laid on the board) in
    // the exchange area; false when the bag holds fewer tiles than a rack,
    // the exchange then being impossible.
    bool PutInExchange(TJeton *tile);
    // Exchanges the contents of two slots of a rack (either may be empty);
    // the tiles jump to their new slots at once.
    void SwapSlots(int player, int a, int b);

    // The human move (validation.cpp): exchange, pass or word.
    // dictionary: the words are looked up there; a missing one is confirmed
    // through `confirm` (null: every word is accepted).
    virtual InputResult ValidateInput(const InputFields &input, const TDictionnaire *dictionary,
                                      const Confirm &confirm);
    // The fields from the tiles laid this turn, with the provisional score.
    virtual InputFields ReadPlacedTiles();

    // Who the scoring sees for a player: the player, or a game's side.
    virtual int Side(int player) const { return player; }
    // A word move just scored on `grid` (the board with its tiles): a game's
    // own bonus is added here.
    virtual void Scored(Tcoup &move, const Grid &grid) const;
    // Candidates for a player's rack (tiles laid this turn go back first).
    std::vector<Tcoup> GenerateMoves(const MoveSearch &search, int player);
    // A computer's choice by level among the candidates.
    virtual const Tcoup &PickComputerMove(const std::vector<Tcoup> &candidates, int level);
    // Records a candidate for the current player and moves its tiles.
    const Tcoup &PlayComputerMove(const Tcoup &candidate);

    // History (history.cpp).
    virtual const Tcoup &RecordMove(Tcoup move);
    // Records a word move made of the tiles the current player laid this
    // turn (the caller checked it) and fixes them on the board.
    const Tcoup &PlayLaidTiles(Tcoup move);
    std::string StatusText(const Tcoup &move) const;  // "%s joue « %s »."
    std::string HistoryLine(const Tcoup &move) const; // "%d %s (%s)"
    std::vector<std::string> ReportLines() const;     // board picture and move lines
    bool IsGameOver() const;
    virtual void ApplyEndOfGame();
    std::string SquareDescription(int col, int row) const;

    // Saved-game payload between the game kind and the turn phase: move
    // counter, bag, history, board, racks, last move texts (game_record.cpp).
    void Write(savefile::TypedWriter &out) const;
    // Throws savefile::ReadError on a damaged payload, the game being then
    // empty. Players must hold the game's players: owners and moves are
    // checked against them. Everything the game relies on is checked: tile
    // states against their containers, each tile of the set in exactly one
    // place (a tile laid this turn also in its owner's slot), owners 1 to the
    // player count, slots 1 to the rack size, squares on the board, move
    // numbers 1 to n and tiles pointing to existing moves.
    void Read(savefile::TypedReader &in);

protected:
    // The players' part of the payload (their last move texts) and what a
    // game keeps after it (nothing here).
    virtual void WritePlayers(savefile::TypedWriter &out) const;
    virtual void ReadPlayers(savefile::TypedReader &in);
    // What a game saves right after the bag's size (nothing here).
    virtual void WriteHead(savefile::TypedWriter &) const {}
    virtual void ReadHead(savefile::TypedReader &) {}
    virtual void WriteTail(savefile::TypedWriter &) const {}
    virtual void ReadTail(savefile::TypedReader &) {}
    [[noreturn]] static void Refuse(const char *what);
    // Another board for the same tiles (a game whose board size is chosen):
    // the tiles on the board go back to the bag.
    void ChangeRules(const GameRules &rules);

private:
    void Clear();
    void ReadPayload(savefile::TypedReader &in);
    void CheckTile(const TJeton &tile) const;
    void CheckMove(const Tcoup &move, int number) const;
    void ToBag(TJeton *tile);
    void ToRack(TJeton *tile, int player, int slot);
    void RemoveFromBoard(TJeton *tile);
    void FixOnBoard(TJeton *tile, int col, int row, const Tcoup *move);

    const GameRules *rules_;
    const BoardLayout *layout_;
    const TileSet *tileSet_;
    int rackSize_;
    const TilePlaces *places_ = nullptr;
    std::vector<std::unique_ptr<TJeton>> tiles_;
    TileBag bag_;
    Racks racks_;
    TileBoard board_;
    MoveHistory history_;
};

} // namespace scrabble
