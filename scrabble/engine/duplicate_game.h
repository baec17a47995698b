// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state and rules of one Duplicate game: every player plays the same draw
// on the same board, proposes one move per draw, and the best proposal goes
// on the board for everybody while each player scores his own. The bag and
// the draw are strings, the board a grid of square records, the proposals
// rows of a player table. Nothing here shows anything: questions go through
// callbacks, results come back as codes and outcomes that the window turns
// into its texts.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scrabble/engine/board_cursor.h"
#include "scrabble/engine/board_game.h"
#include "scrabble/engine/board_layout.h"
#include "scrabble/engine/grid.h"
#include "scrabble/engine/move.h"
#include "scrabble/engine/placement_checks.h"
#include "scrabble/engine/random.h"
#include "scrabble/engine/scoring.h"

class TDictionnaire;

namespace savefile {
class TypedWriter;
class TypedReader;
} // namespace savefile

namespace scrabble {

// "Variante :" of the settings, by its index.
enum class DuplicateVariant : int {
    Classique = 0,   // 7 letters
    HuitLettres = 1, // 8 letters dealt, at most 7 used
    Joker = 2,       // a joker in every draw while jokers are left
    SansPrime = 3,   // no 50-point bonus
};

// One square of the board.
struct DuplicateSquare {
    int Col = 0;
    int Row = 0;
    char Letter = ' ';    // ' ' when empty
    int SquareState = -1; // -1 empty, 0 a letter of the proposal shown or typed, 1 played
    int Spare1 = 0;       // always 0, kept in saved games
    int Spare2 = 0;
    bool IsJoker = false;
    const Tcoup *Move = nullptr; // the kept move that played it

    bool IsPlayed() const { return SquareState == 1; }
    bool IsEmpty() const { return SquareState == -1; }
};

// Codes of a proposal's validation, stored as the row's state and result.
enum ProposalCode : int {
    NotPlayed = -1,
    ProposalValid = 0,
    BadCoordinates = 1,
    LetterNotInDraw = 12,
    CentreNotCovered = 13,
    NotConnected = 15,
    TooManyLetters = 16,
    UnknownWords = 20,
};

// One row of the player table: a player's proposal for the current draw, or
// a past one.
struct PlayerRow {
    int Player = 0;
    int DrawNo = 0; // 0 for the current row, the draw number for a past row
    int Row = 0;
    int Col = 0;
    char Direction = ' '; // 'H', 'V' or ' '
    std::string Spare;
    std::string Coord1;
    std::string Coord2;
    std::string Word;
    std::string WordsFormed; // every word formed, each followed by "; "
    int ProposalState = NotPlayed;
    int Score = 0;
    int Openness = 0;
    int Result = NotPlayed; // the last validation's code
    bool IsTop = false;
    bool AllWordsKnown = false;

    bool IsPlayed() const { return ProposalState != NotPlayed; }
    bool IsValid() const { return ProposalState == ProposalValid; }
    // Column "Coup": "?" when not played and empty, else "H 8 MOT" (with
    // " (score)" on a current row whose score is positive).
    std::string MoveText() const;
    bool operator==(const PlayerRow &) const = default;
};

// A player of the table: the settings' name, level and total, and his rows.
struct DuplicatePlayer {
    PlayerInfo Info;
    PlayerRow Current;
    std::vector<PlayerRow> Past; // newest first

    bool IsComputer() const { return Info.Level > 0; }
};

// The outcome of ValidateProposal.
struct ProposalCheck {
    int code = ProposalValid;
    std::string detail;                    // the letter of code 12
    std::vector<std::string> missingWords; // code 20
    bool asked = false;                    // the missing words were confirmed (Yes) or not (No)

    bool Valid() const { return code == ProposalValid; }
    // The message of an error shown for "Ok": codes 1, 12, 13, 15 and 16; empty otherwise.
    std::string Message() const;
};

// A line of the "Masse" panel: "Tirage n° 3 : EARSTUI".
struct DrawLine {
    int number = 0;
    std::string draw;
    std::string Text() const;
    bool operator==(const DrawLine &) const = default;
};

struct EndTurnResult {
    enum Outcome {
        Played,       // the best proposal went on the board
        NoMoveKept,   // no proposal scored: the game is over
        NotYetPlayed, // a computer has not proposed yet: the turn stays open
        PassDeclined, // a human who did not play answered No to the pass question
        Ignored,      // the game is over already
    } outcome = Ignored;
    int player = 0;              // NotYetPlayed, PassDeclined: that player
    const Tcoup *move = nullptr; // Played: the move kept
    bool gameOver = false;

    // NotYetPlayed: "Le joueur X n'a pas encore joué."; empty otherwise.
    std::string Message(const std::string &playerName) const;
};

// What one tick did.
struct TickResult {
    bool searched = false; // the move search ran for the draw
    int proposedBy = 0;    // the computer player whose proposal was made
    int proposalCode = 0;  // its final validation code
    std::optional<EndTurnResult> endTurn;
    bool gameOver = false;
};

// The proposal fields after typing on the board.
struct ProposalFields {
    std::string coord1;
    std::string coord2;
    std::string word;
    bool operator==(const ProposalFields &) const = default;
};

class DuplicateGame {
public:
    static constexpr int kGameKind = 4;
    static constexpr int kMaxPlayers = 40;

    // dictionary: the words are looked up and the moves searched there (null:
    // every word is accepted and the search finds only the Pass).
    explicit DuplicateGame(const TDictionnaire *dictionary, std::uint64_t seed = 1,
                           const BoardLayout &layout = BoardLayout::Classic(),
                           const TileSet &tileSet = FrenchTileSet());
    DuplicateGame(const DuplicateGame &) = delete;
    DuplicateGame &operator=(const DuplicateGame &) = delete;

    Random random;
    DrawMode drawMode = DrawMode::Automatic;
    // Called at every deal to reseed the random source (the window gives the
    // clock); unset, the source runs on.
    std::function<std::uint64_t()> seedSource;
    // The tick count in milliseconds, for DrawStart.
    std::function<std::int32_t()> clock;
    // Yes/No questions: the missing words of an "Ok" and the pass question.
    // Unset: every question is answered No.
    Confirm confirm;
    // The manual draw's prompt; unset (or cancelled): the default answer.
    DrawPrompt drawPrompt;
    bool GameOver = false;

    const BoardLayout &Layout() const { return layout_; }
    DuplicateVariant Variant() const { return variant_; }
    void SetVariant(DuplicateVariant variant) { variant_ = variant; }
    // 8 in "Huit lettres", else 7.
    int DrawSize() const { return variant_ == DuplicateVariant::HuitLettres ? 8 : 7; }
    // The scoring of proposals: no bonus in "Sans prime de Scrabble"; only
    // lower-case letters score 0, so that a joker laid as a capital keeps its value.
    ScoringRules Rules() const;

    // Game start (the settings dialog's OK): the players (1 to 40, in table
    // order) and the variant; a new game, then the first deal. False with no
    // player or more than 40.
    bool StartGame(const std::vector<PlayerInfo> &players, DuplicateVariant variant);
    // Board, bag, history and draw numbers back to the start; "LUDORIN" shown
    // as the draw until the first deal.
    void NewGame();

    // Board.
    const DuplicateSquare &SquareAt(int col, int row) const;
    const std::vector<DuplicateSquare> &Squares() const { return squares_; }
    // The played squares as the rules see them (with the proposal shown when asked).
    Grid PlayedGrid(bool withProposal = false) const;
    // Status text of the square under the pointer.
    std::string SquareDescription(int col, int row) const;

    // Bag and draw (duplicate_draw.cpp).
    const std::string &Bag() const { return bag_; }
    const std::string &Draw() const { return draw_; }
    const std::string &DrawShown() const { return drawShown_; }
    int DrawNumber() const { return drawNumber_; }
    int JokersLeft() const { return jokersLeft_; }
    int VowelCount() const { return vowelCount_; }
    int ConsonantCount() const { return consonantCount_; }
    int BagJokers() const;
    int BagTotal() const { return int(bag_.size()); }
    const std::vector<DrawLine> &DrawLines() const { return drawLines_; }
    std::int32_t DrawStart() const { return drawStart_; }
    // Deals the next draw: the letters left in the draw stay, new ones
    // complete it (by hand through drawPrompt in manual mode, else at random
    // with the vowel/consonant balance); the joker rule of the joker game.
    void DealDraw();
    // "Changer les lettres...": the whole draw back to the bag and dealt
    // again; the draw keeps its number.
    void RedealDraw();
    // The light shuffle of the bag and its vowel and consonant counts.
    void RefreshBagFacts();

    // Players and proposals (duplicate_proposal.cpp).
    int PlayerCount() const { return int(players_.size()); }
    const DuplicatePlayer &Player(int number) const { return players_.at(std::size_t(number - 1)); }
    const std::vector<DuplicatePlayer> &Players() const { return players_; }
    std::string PlayerName(int number) const;
    // Column " Note" of a current row: "52 pts. ( 45.61  %)".
    std::string NoteText(int number) const;
    int ActivePlayer() const { return activePlayer_; }
    // The player number field: a number outside the table selects player 1.
    // The fields of that player's current row are returned, revalidated quietly.
    ProposalFields SelectPlayer(const std::string &field);
    // A change of the coordinate or word fields of the active player's row:
    // quiet validation, not final. ActivePlayer's row only, for a human while
    // the game is not over; nullopt otherwise.
    std::optional<ProposalCheck> EditProposal(const ProposalFields &fields);
    // "Ok": the fields into the active row and its interactive, final
    // validation (missing words asked through confirm). The row's fields are
    // rewritten in notation form when valid.
    std::optional<ProposalCheck> SubmitProposal(const ProposalFields &fields);
    // The validation of a player's current row; its code becomes the row's
    // state. interactive: missing words are asked; final: the word is extended
    // over the played letters before and after it.
    ProposalCheck ValidateProposal(int player, bool interactive, bool final);
    // The current row marked best, 0 when none.
    int TopPlayer() const;
    const std::vector<Tcoup> &Candidates() const { return candidates_; }
    // "Coups possibles": the text of every word candidate in ranking order.
    std::vector<std::string> ProposalList() const;
    // Runs the move search for the draw (Duplicate ranking).
    void SearchMoves();
    // Player p's computer proposal: a candidate by level, retried up to 10
    // times among the first 16 when its validation fails, else an empty row.
    // Returns the final code.
    int ComputerProposal(int player);

    // Turn (duplicate_turn.cpp).
    int SearchCountdown() const { return searchCountdown_; }
    // One timer tick: the end of the game when the draw is empty; the search
    // five ticks after a deal; then one computer proposal per tick; the end of
    // the turn when every player is a computer.
    TickResult Tick();
    // "Valider": every player's row counted, the best one on the board, the
    // next draw. Stops at a player who has not played (a computer, or a human
    // who answers No to the pass question).
    EndTurnResult EndTurn();
    const std::vector<std::unique_ptr<Tcoup>> &History() const { return history_; }
    int TopTotal() const { return topTotal_; }
    // "%d %s (%s)": draw number, move text, player name.
    std::string HistoryLine(const Tcoup &move) const;
    // The players from the best total to the worst; the first is the winner.
    std::vector<int> Ranking() const;
    int Winner() const;

    // Typing on the board.
    const std::optional<SquarePos> &Cursor() const { return cursor_; }
    // A click on a square: the cursor goes there unless it is played (any
    // other click clears it). Returns whether the cursor is set.
    bool ClickSquare(int col, int row);
    void ClearCursor() { cursor_.reset(); }
    void MoveCursor(CursorKey key);
    // A letter key on the cursor square (a letter of the alphabet, any case),
    // or Space/Delete/Backspace (letter 0) clearing it: the direction is
    // inferred, the active row's fields filled from the run of letters and
    // validated quietly; after a letter the cursor moves forward. nullopt
    // when nothing was done (no cursor, not a human's turn, game over).
    std::optional<ProposalFields> TypeOnBoard(char letter);

    // Saved-game payload, from the game kind on (duplicate_record.cpp). The
    // players' names and totals come from the settings: Read keeps those of
    // the players already set (see SetPlayers) and takes the levels and rows
    // from the payload.
    void Write(savefile::TypedWriter &out) const;
    // False when the payload is not a Duplicate game or breaks any of its
    // invariants; the game is then unchanged. error receives the reason.
    bool Read(savefile::TypedReader &in, std::string *error = nullptr);
    // Players' names and totals as the settings hold them (before Read).
    void SetPlayers(const std::vector<PlayerInfo> &players);
    // The game's lines of the text report: the board, the history and, for
    // each player, his total and his past rows (oldest first).
    std::vector<std::string> ReportLines() const;

private:
    DuplicateSquare &Square(int col, int row);
    bool JokerRule() const { return variant_ == DuplicateVariant::Joker && jokersLeft_ > 0; }
    std::int32_t Now() const { return clock ? clock() : 0; }
    bool HumanActive() const;
    // The fields into the active player's row; null when he may not propose.
    PlayerRow *FillActiveRow(const ProposalFields &fields);
    void ShowProposal(int col, int row, char dir, const std::string &word, const std::vector<bool> &jokers,
                      const std::vector<bool> &drawUsed);
    void ClearProposalSquares();
    void MarkTop(int validatedPlayer);
    void FinishDeal(const std::string &draw, std::string bag);
    std::string ManualDraw(const std::string &start, std::string &bag) const;
    std::string AutomaticDraw(const std::string &start, std::string &bag);
    void ApplyJokerRule(std::string &draw, std::string &bag, const std::string &before) const;
    void PlaceKeptMove(const Tcoup &move);
    ProposalFields FieldsOf(const PlayerRow &row) const;
    void RebuildDrawLines();

    const TDictionnaire *dictionary_;
    const BoardLayout &layout_;
    const TileSet &tileSet_;
    DuplicateVariant variant_ = DuplicateVariant::Classique;
    std::vector<DuplicateSquare> squares_;
    std::string bag_;
    std::string draw_;
    std::string drawShown_;
    int drawNumber_ = 0;
    int jokersLeft_ = 2;
    int vowelCount_ = 0;
    int consonantCount_ = 0;
    int topTotal_ = 0;
    std::int32_t drawStart_ = 0;
    int searchCountdown_ = -1;
    std::optional<SquarePos> cursor_;
    int activePlayer_ = 1;
    std::vector<DuplicatePlayer> players_;
    std::vector<std::unique_ptr<Tcoup>> history_;
    std::vector<Tcoup> candidates_;
    std::vector<DrawLine> drawLines_;
};

// The message of a validation code shown for "Ok" (codes 1, 12, 13, 15, 16).
std::string ProposalErrorMessage(int code, const std::string &detail = {});

} // namespace scrabble
