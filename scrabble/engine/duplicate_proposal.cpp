// SPDX-License-Identifier: GPL-3.0-or-later
// Duplicate's proposals: the validation of a player's row against the draw
// and the board, step by step with its codes; the best proposal of the
// current rows; the proposal fields of a human; the move search for the
// draw and the computer players' proposals.
#include <algorithm>

#include "scrabble/engine/duplicate_game.h"
#include "scrabble/engine/move_ranking.h"
#include "scrabble/engine/move_search.h"
#include "scrabble/engine/proposals.h"
#include "scrabble/engine/text.h"

namespace scrabble {

namespace {

constexpr int kMaxDrawLettersUsed = 7;
constexpr int kComputerRetries = 10;
constexpr int kRetryWindow = 16;

bool IsNumber(const std::string &text)
{
    return !text.empty() && text.size() <= 3 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// 1-based position of the text's first character in the alphabet; 0 when none.
int RowOf(const std::string &text)
{
    if (text.empty())
        return 0;
    const auto at = kAlphabet.find(text[0]);
    return at == std::string_view::npos ? 0 : int(at) + 1;
}

} // namespace

std::string ProposalErrorMessage(int code, const std::string &detail)
{
    switch (code) {
    case BadCoordinates:
        return ErrorMessage(10);
    case LetterNotInDraw:
        return ErrorMessage(12, detail);
    case CentreNotCovered:
        return ErrorMessage(13);
    case NotConnected:
        return ErrorMessage(15);
    case TooManyLetters:
        return CodePage("Vous ne pouvez utiliser, au plus, que 7 lettres !");
    default:
        return {};
    }
}

std::string ProposalCheck::Message() const
{
    return ProposalErrorMessage(code, detail);
}

void DuplicateGame::ClearProposalSquares()
{
    for (DuplicateSquare &s : squares_)
        if (s.SquareState == 0) {
            s.SquareState = -1;
            s.Letter = ' ';
            s.IsJoker = false;
        }
}

void DuplicateGame::ShowProposal(int col, int row, char dir, const std::string &word,
                                 const std::vector<bool> &jokers, const std::vector<bool> &drawUsed)
{
    ClearProposalSquares();
    for (std::size_t i = 0; i < word.size(); ++i) {
        const int c = col + StepCol(dir) * int(i);
        const int r = row + StepRow(dir) * int(i);
        if (!layout_.Inside(c, r))
            break;
        DuplicateSquare &square = Square(c, r);
        if (square.IsPlayed())
            continue;
        square.Letter = word[i];
        square.SquareState = 0;
        square.IsJoker = i < jokers.size() && jokers[i];
    }
    drawShown_ = draw_;
    for (std::size_t i = 0; i < drawShown_.size() && i < drawUsed.size(); ++i)
        if (drawUsed[i])
            drawShown_[i] = '-';
}

void DuplicateGame::MarkTop(int validatedPlayer)
{
    if (players_.empty())
        return;
    auto score = [this](int p) {
        const PlayerRow &row = players_[std::size_t(p - 1)].Current;
        return row.IsValid() ? row.Score : 0;
    };
    auto openness = [this](int p) {
        const PlayerRow &row = players_[std::size_t(p - 1)].Current;
        return row.IsValid() ? row.Openness : 0;
    };
    int best = validatedPlayer >= 1 && validatedPlayer <= PlayerCount() ? validatedPlayer : 1;
    for (int p = 1; p <= PlayerCount(); ++p)
        if (score(p) > score(best) || (score(p) == score(best) && openness(p) > openness(best)))
            best = p;
    for (DuplicatePlayer &p : players_)
        p.Current.IsTop = false;
    if (score(best) > 0)
        players_[std::size_t(best - 1)].Current.IsTop = true;
}

int DuplicateGame::TopPlayer() const
{
    for (const DuplicatePlayer &p : players_)
        if (p.Current.IsTop)
            return p.Current.Player;
    return 0;
}

ProposalCheck DuplicateGame::ValidateProposal(int player, bool interactive, bool final)
{
    ProposalCheck check;
    PlayerRow &row = players_.at(std::size_t(player - 1)).Current;
    // Words the player confirmed stay confirmed when the same proposal is
    // checked again quietly (another row selected, the game reopened).
    const bool confirmedBefore = row.ProposalState == ProposalValid && !row.AllWordsKnown;
    const std::string confirmedWords = row.WordsFormed;
    row.Score = 0;
    row.Openness = 0;
    row.WordsFormed.clear();
    row.AllWordsKnown = false;
    const std::string c1 = UpperCase(Trimmed(row.Coord1));
    const std::string c2 = UpperCase(Trimmed(row.Coord2));
    std::string word;
    for (const char c : UpperCase(Trimmed(row.Word)))
        if (IsUpperLetter(c))
            word += c;

    auto finish = [&](int code) -> ProposalCheck & {
        check.code = code;
        row.ProposalState = code;
        row.Result = code;
        MarkTop(player);
        return check;
    };

    // Coordinates: a number first is a vertical move.
    const char dir = IsNumber(c1) ? 'V' : 'H';
    int col = dir == 'V' ? std::stoi(c1) : IsNumber(c2) ? std::stoi(c2) : 0;
    int start = RowOf(dir == 'V' ? c2 : c1);
    if (!layout_.Inside(col, start)) {
        ShowProposal(0, 0, dir, {}, {}, {});
        return finish(BadCoordinates);
    }
    const int dc = StepCol(dir);
    const int dr = StepRow(dir);
    row.Direction = dir;
    row.Col = col;
    row.Row = start;

    // A final proposal takes in the played letters just before and after it.
    if (final && !word.empty()) {
        while (SquareAt(col - dc, start - dr).IsPlayed()) {
            col -= dc;
            start -= dr;
            word.insert(word.begin(), Upper(SquareAt(col, start).Letter));
        }
        for (;;) {
            const DuplicateSquare &next =
                SquareAt(col + dc * int(word.size()), start + dr * int(word.size()));
            if (!next.IsPlayed())
                break;
            word += Upper(next.Letter);
        }
    }

    // Letters: a played square must agree; any other takes a letter of the draw.
    std::string recorded;
    std::vector<bool> jokers;
    std::vector<bool> drawUsed(draw_.size(), false);
    std::vector<SquarePos> newSquares;
    int code = ProposalValid;
    for (std::size_t i = 0; i < word.size() && i < std::size_t(layout_.Size()); ++i) {
        const int c = col + dc * int(i);
        const int r = start + dr * int(i);
        if (!layout_.Inside(c, r)) {
            code = BadCoordinates;
            break;
        }
        const DuplicateSquare &square = SquareAt(c, r);
        if (square.IsPlayed()) {
            if (Upper(square.Letter) != word[i]) {
                code = BadCoordinates;
                break;
            }
            recorded += square.Letter;
            jokers.push_back(square.IsJoker);
            continue;
        }
        const int at = TakeLetter(draw_, drawUsed, word[i]);
        if (at < 0) {
            code = LetterNotInDraw;
            check.detail.assign(1, word[i]);
            break;
        }
        drawUsed[std::size_t(at)] = true;
        const bool joker = draw_[std::size_t(at)] == kJoker;
        // In the joker game the joker's letter is written and scored as a capital.
        recorded += joker && !JokerRule() ? Lower(word[i]) : word[i];
        jokers.push_back(joker);
        newSquares.push_back({c, r});
    }
    if (code == ProposalValid && int(newSquares.size()) > kMaxDrawLettersUsed)
        code = TooManyLetters;
    const std::string shown = code == ProposalValid ? recorded : recorded + word.substr(recorded.size());
    ShowProposal(col, start, dir, shown, jokers, drawUsed);
    if (code != ProposalValid)
        return finish(code);

    const Grid played = PlayedGrid();
    if (played.PlayedCount() == 0 ? !CoversCentre(layout_, newSquares) : !TouchesPlayed(played, newSquares))
        return finish(played.PlayedCount() == 0 ? CentreNotCovered : NotConnected);

    // Score and openness on the board with the new letters laid.
    Grid laid = played;
    for (std::size_t i = 0; i < recorded.size(); ++i) {
        const int c = col + dc * int(i);
        const int r = start + dr * int(i);
        if (laid.At(c, r).IsPlayed())
            continue;
        scrabble::Square &square = laid.At(c, r);
        square.letter = recorded[i];
        square.joker = jokers[i];
        square.state = SquareState::Pending;
    }
    const ScoringRules rules = Rules();
    const Tcoup move = Tcoup::Placement(player, recorded, dir, col, start, laid, layout_, rules);

    // The words formed and their lookup.
    const std::vector<std::string> words = WordsFormed(played, col, start, dir, recorded);
    for (const std::string &w : words)
        row.WordsFormed += w + "; ";
    check.missingWords = MissingWords(dictionary_, words);
    row.AllWordsKnown = check.missingWords.empty();
    if (!check.missingWords.empty()) {
        code = UnknownWords;
        if (interactive) {
            std::string list;
            for (const std::string &w : check.missingWords)
                list += (list.empty() ? "" : ", ") + w;
            check.asked = true;
            if (confirm &&
                confirm("Le(s) mot(s) " + list + "." +
                        CodePage(" ne figure(nt) pas dans le dictionnaire. Confirmez-vous ce(s) mot(s) ?")))
                code = ProposalValid;
        } else if (confirmedBefore && row.WordsFormed == confirmedWords) {
            code = ProposalValid;
        }
    }
    if (code == ProposalValid) {
        row.Score = move.Score;
        row.Openness = Openness(played, move);
        row.Word = recorded;
        row.Coord1 = dir == 'H' ? std::string(1, RowLetter(start)) : std::to_string(col);
        row.Coord2 = dir == 'H' ? std::to_string(col) : std::string(1, RowLetter(start));
        row.Col = col;
        row.Row = start;
    }
    return finish(code);
}

ProposalFields DuplicateGame::FieldsOf(const PlayerRow &row) const
{
    return {row.Coord1, row.Coord2, row.Word};
}

ProposalFields DuplicateGame::SelectPlayer(const std::string &field)
{
    const std::string text = Trimmed(field);
    int number = IsNumber(text) ? std::stoi(text) : 0;
    if (number < 1 || number > PlayerCount())
        number = 1;
    activePlayer_ = number;
    if (PlayerCount() == 0)
        return {};
    const PlayerRow &row = players_[std::size_t(number - 1)].Current;
    // A row never filled in stays "not played": the pass question is still due.
    // The board and the draw then show no proposal (not the previous row's).
    if (row.IsPlayed() || !Trimmed(row.Coord1 + row.Coord2 + row.Word).empty()) {
        ValidateProposal(number, false, false);
    } else {
        ClearProposalSquares();
        drawShown_ = draw_;
    }
    return FieldsOf(players_[std::size_t(number - 1)].Current);
}

PlayerRow *DuplicateGame::FillActiveRow(const ProposalFields &fields)
{
    if (!HumanActive())
        return nullptr;
    PlayerRow &row = players_[std::size_t(activePlayer_ - 1)].Current;
    row.Coord1 = fields.coord1;
    row.Coord2 = fields.coord2;
    row.Word = fields.word;
    return &row;
}

std::optional<ProposalCheck> DuplicateGame::EditProposal(const ProposalFields &fields)
{
    PlayerRow *active = FillActiveRow(fields);
    if (active == nullptr)
        return std::nullopt;
    PlayerRow &row = *active;
    if (Trimmed(fields.coord1 + fields.coord2 + fields.word).empty()) {
        // Fields emptied again: back to "not played".
        row.ProposalState = row.Result = NotPlayed;
        row.Score = row.Openness = 0;
        row.WordsFormed.clear();
        ClearProposalSquares();
        drawShown_ = draw_;
        MarkTop(activePlayer_);
        return ProposalCheck{NotPlayed, {}, {}, false};
    }
    return ValidateProposal(activePlayer_, false, false);
}

std::optional<ProposalCheck> DuplicateGame::SubmitProposal(const ProposalFields &fields)
{
    if (FillActiveRow(fields) == nullptr)
        return std::nullopt;
    return ValidateProposal(activePlayer_, true, true);
}

std::vector<std::string> DuplicateGame::ProposalList() const
{
    return ProposalLines(candidates_);
}

void DuplicateGame::SearchMoves()
{
    candidates_.clear();
    SearchOptions options;
    options.variant = Variant::Duplicate;
    options.maxTiles = kMaxDrawLettersUsed;
    std::string letters;
    for (const char c : draw_)
        if (c != '_')
            letters += c;
    const Grid grid = PlayedGrid();
    options.opening = grid.PlayedCount() == 0;
    if (dictionary_ == nullptr) {
        candidates_.push_back(Tcoup::MakePass(0));
        return;
    }
    const ScoringRules rules = Rules();
    const MoveSearch search(*dictionary_, layout_, rules);
    candidates_ = search.GenerateMoves(grid, letters, options);
}

int DuplicateGame::ComputerProposal(int player)
{
    // While a human is the active player, the board and the draw show his
    // proposal (the one he may be typing), never a computer's.
    const bool keepShown = HumanActive() && activePlayer_ != player;
    const std::vector<DuplicateSquare> shownSquares = keepShown ? squares_ : std::vector<DuplicateSquare>{};
    const std::string shownDraw = drawShown_;
    PlayerRow &row = players_.at(std::size_t(player - 1)).Current;
    const int count = int(candidates_.size());
    int code = NotPlayed;
    int index = PickComputerIndex(Player(player).Info.Level, count, random);
    for (int attempt = 0; count > 0; ++attempt) {
        const Tcoup &candidate = candidates_[std::size_t(index)];
        row.Word = candidate.Word;
        row.Direction = candidate.IsPlacement() ? candidate.Kind : ' ';
        row.Coord1.clear();
        row.Coord2.clear();
        if (candidate.IsPlacement()) {
            row.Coord1 = candidate.Kind == 'H' ? std::string(1, RowLetter(candidate.Row))
                                               : std::to_string(candidate.Col);
            row.Coord2 = candidate.Kind == 'H' ? std::to_string(candidate.Col)
                                               : std::string(1, RowLetter(candidate.Row));
        }
        row.Score = candidate.Score;
        code = ValidateProposal(player, false, true).code;
        if (code == ProposalValid || attempt == kComputerRetries)
            break;
        index = random.Below(std::min(count, kRetryWindow));
    }
    if (code != ProposalValid) {
        // No proposal; the row still counts as played.
        row = PlayerRow{};
        row.Player = player;
        row.ProposalState = row.Result = code == NotPlayed ? BadCoordinates : code;
        ClearProposalSquares();
        drawShown_ = draw_;
        MarkTop(player);
    }
    if (keepShown) {
        squares_ = shownSquares;
        drawShown_ = shownDraw;
    }
    return code;
}

} // namespace scrabble
